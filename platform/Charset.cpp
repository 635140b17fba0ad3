#include "platform/Charset.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <array>

namespace tk {
namespace {

// 0x80..0x9F, where Windows-1252 differs from Latin-1; 0 where it assigns
// nothing. Every other byte is the Unicode character of its own number.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kEllipsis = 0x2026;
constexpr char32_t kNextLine = 0x0085;
constexpr char32_t kByteOrderMark = 0xFEFF;

}  // namespace

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<Charset> CharsetFromName(std::string_view name) {
  for (Charset charset : kCharsets) {
    if (EqualsIgnoreCase(name, CharsetName(charset))) return charset;
  }
  return std::nullopt;
}

std::string_view CharsetName(Charset charset) {
  switch (charset) {
    case Charset::Windows1252:
      return "windows-1252";
    case Charset::Utf8:
      return "utf-8";
    case Charset::Auto:
      break;
  }
  return "auto";
}

std::optional<char32_t> UnicodeOfWindows1252(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t c = kHighControls[byte - 0x80];
  if (c == 0) return std::nullopt;
  return c;
}

std::optional<unsigned char> Windows1252Of(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<unsigned char>(character);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == character && character != 0) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  return std::nullopt;
}

std::u32string CharactersOfWindows1252(std::string_view bytes) {
  std::u32string characters;
  for (char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    characters += UnicodeOfWindows1252(byte).value_or(byte);
  }
  return characters;
}

std::optional<std::string> Windows1252OfCharacters(std::u32string_view characters,
                                                   char32_t* lacking) {
  std::string bytes;
  for (char32_t c : characters) {
    auto byte = Windows1252Of(c);
    // An unassigned byte, as CharactersOfWindows1252 showed it.
    if (!byte && c >= 0x80 && c < 0xA0 && !UnicodeOfWindows1252(static_cast<unsigned char>(c))) {
      byte = static_cast<unsigned char>(c);
    }
    if (!byte) {
      if (lacking) *lacking = c;
      return std::nullopt;
    }
    bytes += static_cast<char>(*byte);
  }
  return bytes;
}

void CharsetDetector::feed(std::string_view bytes) {
  if (start_.size() < kUtf8ByteOrderMark.size()) {
    start_.append(bytes.substr(0, kUtf8ByteOrderMark.size() - start_.size()));
    bom_ = start_ == kUtf8ByteOrderMark;
  }
  if (bom_ || invalid_) return;
  splitter_.feed(
      bytes, [](std::string_view) {}, [this](char32_t) { nonAscii_ = true; },
      [this] { invalid_ = true; });
}

Charset CharsetDetector::result() {
  splitter_.finish([this] { invalid_ = true; });
  return bom_ || (nonAscii_ && !invalid_) ? Charset::Utf8 : Charset::Windows1252;
}

Charset DetectFileCharset(const std::string& path) {
  return DetectFileCharset(path, {}).value_or(Charset::Windows1252);
}

std::optional<Charset> DetectFileCharset(const std::string& path,
                                         const std::function<bool()>& stop) {
  InputFile in;
  if (!in.open(path)) return Charset::Windows1252;
  in.stopWhen(stop);
  CharsetDetector detector;
  for (auto chunk = in.buffered(); !chunk.empty(); chunk = in.buffered()) {
    if (stop && stop()) return std::nullopt;
    detector.feed(chunk);
    in.consume(chunk.size());
  }
  if (in.stopped()) return std::nullopt;
  return in.failed() ? Charset::Windows1252 : detector.result();
}

void Utf8ToWindows1252::feed(std::string_view bytes, std::string& out) {
  splitter_.feed(
      bytes,
      [&](std::string_view run) {
        started_ = true;
        out.append(run);
      },
      [&](char32_t c) { put(c, out); },
      [&] {
        started_ = true;
        out += kReplacedMark;
      });
}

void Utf8ToWindows1252::finish(std::string& out) {
  splitter_.finish([&] { out += kReplacedMark; });
}

void Utf8ToWindows1252::put(char32_t c, std::string& out) {
  if (c >= 0xA0 && c <= 0xFF) {  // the same byte, and no byte-order mark
    started_ = true;
    out += static_cast<char>(c);
    return;
  }
  const bool first = !started_;
  started_ = true;
  if (c == kByteOrderMark && first) return;
  if (c == kEllipsis) {
    out += "...";
  } else if (c == kNextLine) {
    out += kLineBreakMark;
  } else if (c >= 0x80 && c < 0xA0) {
    out += kReplacedMark;
  } else {
    const auto byte = Windows1252Of(c);
    out += byte ? static_cast<char>(*byte) : kReplacedMark;
  }
}

void AppendUtf8OfWindows1252(std::string_view text, std::string& out) {
  for (char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x80) {
      out += ch;
    } else if (ch == kLineBreakMark) {
      AppendUtf8(kNextLine, out);
    } else {
      AppendUtf8(UnicodeOfWindows1252(byte).value_or(byte), out);
    }
  }
}

std::string Utf8OfWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8OfWindows1252(text, out);
  return out;
}

std::string Windows1252OfUtf8(std::string_view text) {
  std::string out;
  bool valid = true;
  Utf8Splitter splitter;
  const auto invalid = [&] { valid = false; };
  splitter.feed(
      text, [&](std::string_view run) { out.append(run); },
      [&](char32_t c) {
        const auto byte = Windows1252Of(c);
        out += byte && (c < 0x80 || c >= 0xA0) ? static_cast<char>(*byte) : '?';
      },
      invalid);
  splitter.finish(invalid);
  return valid ? out : std::string(text);
}

}  // namespace tk
