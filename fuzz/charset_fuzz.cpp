// Detection and transcoding of a stream that arrives in pieces: the first
// byte says where the stream is split, and wherever it is, the answers must
// be those of the whole. What Windows-1252 holds must come back from UTF-8.
#include "fuzz/Check.h"
#include "platform/Charset.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace {

using namespace tk;
using tk::fuzz::Check;

// The detected character set and the Windows-1252 text.
std::pair<Charset, std::string> Read(std::string_view bytes, std::size_t piece) {
  CharsetDetector detector;
  Utf8ToWindows1252 decoder;
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    detector.feed(bytes.substr(at, piece));
    decoder.feed(bytes.substr(at, piece), text);
  }
  decoder.finish(text);
  return {detector.result(), text};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto [charset, text] = Read(bytes, bytes.size() + 1);
  Check(Read(bytes, data[0] % 7 + 1) == std::pair(charset, text),
        "detection or transcoding depends on where the stream is split");
  // Every character but "..." and the marks is one byte, so none is longer.
  Check(text.size() <= bytes.size(), "transcoding grew the text");
  // Marks aside, the text goes back to UTF-8 and comes out as it went in.
  Check(text.find(kReplacedMark) != std::string::npos ||
            Read(Utf8OfWindows1252(text), std::string_view::npos).second == text,
        "Windows-1252 text did not survive UTF-8");
  return 0;
}
