#include "app/Text.h"

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

std::string WordToCore(const QString& word) { return word.toLatin1().toStdString(); }

QString WordFromCore(const std::string& word) {
  return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

}  // namespace tk::app
