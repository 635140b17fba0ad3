#include "app/Text.h"

#include "platform/PalmCharset.h"

#include <QFile>
#include <QStringDecoder>

namespace tk::app {

QString FromCore(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) return decoded;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string PathToCore(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString PathFromCore(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::optional<std::string> WordToCore(const QString& word, PalmCharset charset, QString* lacking) {
  const QList<uint> ucs4 = word.toUcs4();
  const std::u32string characters(ucs4.begin(), ucs4.end());
  char32_t missing = 0;
  auto bytes = PalmOfCharacters(charset, characters, &missing);
  if (!bytes && lacking) *lacking = QString::fromUcs4(&missing, 1);
  return bytes;
}

QString WordFromCore(const std::string& word, PalmCharset charset) {
  const std::u32string characters = CharactersOfPalm(charset, word);
  return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

}  // namespace tk::app
