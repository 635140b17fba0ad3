// Transcoding into the handheld's sets: the first byte chooses the set, the
// source, whether "°" ends records and where the stream is split. Whatever
// comes in, what goes out must read back, cut anywhere a width may cut it,
// and go back through UTF-8 unchanged.
#include "fuzz/Check.h"
#include "platform/Charset.h"
#include "platform/PalmCharset.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tk;
using tk::fuzz::Check;

std::string Transcode(std::string_view bytes, SourceCharset source, PalmCharset target,
                      bool recordEnds, std::size_t piece) {
  ToPalmTranscoder transcoder(source, target, recordEnds);
  std::string out;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    transcoder.feed(bytes.substr(at, piece), out);
  }
  transcoder.finish(out);
  return out;
}

void CheckCuts(PalmCharset charset, std::string_view text, const std::string& utf8) {
  for (std::size_t step = 0; step <= 16; ++step) {
    const std::size_t max = text.size() * step / 16;
    const std::size_t cut = PalmCutLength(charset, text, max);
    Check(cut <= max &&
              (cut == text.size() || cut + PalmCharacterLength(charset, text.substr(cut)) > max),
          "a cut is longer than asked, or shorter than it must be");
    Check(utf8.starts_with(Utf8OfPalm(charset, text.substr(0, cut))),
          "a cut text reads as something else than the start of the whole");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  constexpr std::size_t kSets = std::size(kPalmCharsets);
  const PalmCharset charset = kPalmCharsets[data[0] % kSets];
  const auto source = data[0] / kSets % 2 ? SourceCharset::Windows1252 : SourceCharset::Utf8;
  const bool recordEnds = data[0] / (2 * kSets) % 2;
  const std::size_t piece = data[0] / (4 * kSets) + 1;

  const std::string text = Transcode(bytes, source, charset, recordEnds, bytes.size() + 1);
  Check(Transcode(bytes, source, charset, recordEnds, piece) == text,
        "transcoding depends on where the stream is split");
  const std::string utf8 = Utf8OfPalm(charset, text);
  Check(utf8.find("\xEF\xBF\xBD") == std::string::npos,
        "the transcoder wrote bytes that don't read as characters");
  CheckCuts(charset, text, utf8);
  // What the transcoder wrote from UTF-8 (Windows-1252 is copied as it is)
  // comes back, but for a double-byte set's record end: it reads as a
  // control character, which the transcoder takes for one the set lacks.
  const bool copied = source == SourceCharset::Windows1252 && charset == PalmCharset::Windows1252;
  const bool recordEnd =
      IsDoubleByte(charset) && text.find(MarksOf(charset).recordEnd) != text.npos;
  if (!copied && !recordEnd) {
    Check(Transcode(utf8, SourceCharset::Utf8, charset, recordEnds, piece) == text,
          "the handheld's text did not survive UTF-8");
  }
  // A word edited as characters comes back as the same characters.
  const std::u32string characters = CharactersOfPalm(charset, text);
  if (const auto word = PalmOfCharacters(charset, characters)) {
    Check(CharactersOfPalm(charset, *word) == characters, "a word's characters changed");
  }
  return 0;
}
