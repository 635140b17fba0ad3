// Detection and transcoding of a stream that arrives in pieces: the first
// byte says where the stream is split, and wherever it is, the answers must
// be those of the whole. What Windows-1252 holds must come back from UTF-8.
#include "fuzz/Check.h"
#include "platform/Charset.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tk;
using tk::fuzz::Check;

struct Seen {
  Charset charset;
  std::string windows1252;
};

Seen Read(std::string_view bytes, std::size_t piece) {
  CharsetDetector detector;
  Utf8ToWindows1252 decoder;
  Seen seen;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    detector.feed(bytes.substr(at, piece));
    decoder.feed(bytes.substr(at, piece), seen.windows1252);
  }
  decoder.finish(seen.windows1252);
  seen.charset = detector.result();
  return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const Seen whole = Read(bytes, bytes.size() + 1);
  const Seen pieces = Read(bytes, data[0] % 7 + 1);
  Check(whole.charset == pieces.charset, "detection depends on where the stream is split");
  Check(whole.windows1252 == pieces.windows1252, "transcoding depends on where it is split");
  // Every character but "..." and the marks is one byte, so none is longer.
  Check(whole.windows1252.size() <= bytes.size(), "transcoding grew the text");
  // Marks aside, the text goes back to UTF-8 and comes out as it went in.
  if (whole.windows1252.find(kReplacedMark) == std::string::npos) {
    const std::string utf8 = Utf8OfWindows1252(whole.windows1252);
    Check(Read(utf8, utf8.size() + 1).windows1252 == whole.windows1252,
          "Windows-1252 text did not survive UTF-8");
  }
  return 0;
}
