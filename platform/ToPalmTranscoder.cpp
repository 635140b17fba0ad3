#include "platform/Charset.h"
#include "platform/PalmCharset.h"
#include "platform/PalmCodec.h"

#include <optional>

namespace tk {
namespace {

using charsets::kEllipsis;
using charsets::kNextLine;
constexpr char32_t kByteOrderMark = 0xFEFF;

}  // namespace

struct ToPalmTranscoder::State {
  State(SourceCharset source, PalmCharset target, bool recordEnds);
  void feedUtf8(std::string_view bytes, std::string& out);
  void feedWindows1252(std::string_view bytes, std::string& out);
  void putAscii(std::string_view run, std::string& out) const;
  void put(char32_t c, std::string& out);

  SourceCharset source;
  // Windows-1252 is today's path, untouched: UTF-8 through Utf8ToWindows1252,
  // Windows-1252 as it is (its "°" is its record end already).
  std::optional<Utf8ToWindows1252> toWindows1252;
  bool copies = false;
  const charsets::CharsetTables* tables = nullptr;
  PalmMarks marks{};
  bool recordEnds = false;
  bool writesEllipsis = false;  // the set has bytes for "…" that are no mark
  Utf8Splitter splitter;
  bool started = false;  // a byte-order mark only counts before anything else
};

ToPalmTranscoder::State::State(SourceCharset source, PalmCharset target, bool recordEnds)
    : source(source), marks(MarksOf(target)), recordEnds(recordEnds) {
  if (target == PalmCharset::Windows1252) {
    copies = source == SourceCharset::Windows1252;
    if (!copies) toWindows1252.emplace();
    return;
  }
  tables = &charsets::TablesOf(target);
  const auto ellipsis = charsets::BytesOf(*tables, kEllipsis);
  writesEllipsis = ellipsis && charsets::KeepsMarks(marks, kEllipsis, *ellipsis);
}

void ToPalmTranscoder::State::feedUtf8(std::string_view bytes, std::string& out) {
  splitter.feed(
      bytes,
      [&](std::string_view run) {
        started = true;
        putAscii(run, out);
      },
      [&](char32_t c) {
        const bool first = !started;
        started = true;
        if (c != kByteOrderMark || !first) put(c, out);
      },
      [&] {
        started = true;
        out += marks.replaced;
      });
}

void ToPalmTranscoder::State::feedWindows1252(std::string_view bytes, std::string& out) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p != end) {
    const auto* run = p;
    p = SkipAscii(p, end);
    putAscii(
        std::string_view(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run)),
        out);
    if (p == end) return;
    // An unassigned byte is its C1 control, which no set but Windows-1252 has.
    put(UnicodeOfWindows1252(*p).value_or(*p), out);
    ++p;
  }
}

// Copied whole, but for the control character that is a double-byte set's
// record end (its replaced mark, the next one, stays as it is).
void ToPalmTranscoder::State::putAscii(std::string_view run, std::string& out) const {
  const std::size_t start = out.size();
  out.append(run);
  if (static_cast<unsigned char>(marks.recordEnd) >= 0x80) return;
  for (auto at = out.find(marks.recordEnd, start); at != std::string::npos;
       at = out.find(marks.recordEnd, at + 1)) {
    out[at] = marks.replaced;
  }
}

void ToPalmTranscoder::State::put(char32_t c, std::string& out) {
  if (c == kNextLine) {
    out += marks.lineBreak;
  } else if (c == charsets::kDegree && recordEnds) {
    out += marks.recordEnd;
  } else if (c == kEllipsis && !writesEllipsis) {
    out += "...";
  } else if (const auto bytes = charsets::BytesOf(*tables, c);
             bytes && charsets::KeepsMarks(marks, c, *bytes)) {
    charsets::AppendBytes(*bytes, out);
  } else {
    out += marks.replaced;
  }
}

ToPalmTranscoder::ToPalmTranscoder(SourceCharset source, PalmCharset target, bool recordEnds)
    : state_(std::make_unique<State>(source, target, recordEnds)) {}

ToPalmTranscoder::~ToPalmTranscoder() = default;

void ToPalmTranscoder::feed(std::string_view bytes, std::string& out) {
  State& s = *state_;
  if (s.copies) {
    out.append(bytes);
  } else if (s.toWindows1252) {
    s.toWindows1252->feed(bytes, out);
  } else if (s.source == SourceCharset::Utf8) {
    s.feedUtf8(bytes, out);
  } else {
    s.feedWindows1252(bytes, out);
  }
}

void ToPalmTranscoder::finish(std::string& out) {
  State& s = *state_;
  if (s.toWindows1252) {
    s.toWindows1252->finish(out);
  } else if (!s.copies && s.source == SourceCharset::Utf8) {
    s.splitter.finish([&] { out += s.marks.replaced; });
  }
}

}  // namespace tk
