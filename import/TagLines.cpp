#include "import/TagLines.h"

#include "import/ByteRuns.h"
#include "platform/Charset.h"

#include <algorithm>
#include <array>

namespace tk {
namespace {

constexpr StopBytes kLineEnds = MakeStopBytes({'\r', '\n'});
constexpr StopBytes kLineEndsAndMarks =
    MakeStopBytes({'\r', '\n', static_cast<unsigned char>(kReplacedMark)});

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsStop(char c, bool marked) {
  return c == '\r' || c == '\n' || (marked && c == kReplacedMark);
}

}  // namespace

TagLineScanner::TagLineScanner(const TagHeadRule& rule, bool marked, TagLineEvents& events)
    : rule_(rule), marked_(marked), events_(events) {
  head_.reserve(rule.longest);
}

void TagLineScanner::scan(InputFile& in, MessagePump& pump) {
  skipByteOrderMark(in);
  const StopScanner scanner(marked_ ? kLineEndsAndMarks : kLineEnds);
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        take(run);
        afterCr_ = false;
      },
      [&](char byte) {
        stop(byte);
        return true;
      });
}

// A UTF-8 byte-order mark read as Windows-1252 is no text; part of one is.
void TagLineScanner::skipByteOrderMark(InputFile& in) {
  const std::string_view bom = kUtf8ByteOrderMark;
  std::size_t matched = 0;
  int c = in.get();
  while (c >= 0 && matched < bom.size() && c == static_cast<unsigned char>(bom[matched])) {
    ++matched;
    c = in.get();
  }
  if (matched < bom.size()) take(bom.substr(0, matched));
  if (c < 0) return;
  const char byte = static_cast<char>(c);
  if (IsStop(byte, marked_)) {
    stop(byte);
  } else {
    take({&byte, 1});
    afterCr_ = false;
  }
}

void TagLineScanner::take(std::string_view bytes) {
  while (!bytes.empty()) {
    switch (state_) {
      case State::Head: {
        const std::size_t n = std::min(bytes.size(), rule_.longest - head_.size());
        head_.append(bytes.substr(0, n));
        bytes.remove_prefix(n);
        if (head_.size() == rule_.longest) decide(false);
        break;
      }
      case State::Blanks: {
        const auto text = std::find_if_not(bytes.begin(), bytes.end(), IsBlankOrTab);
        bytes.remove_prefix(static_cast<std::size_t>(text - bytes.begin()));
        if (bytes.empty()) break;
        if (textPending_) events_.textLine();
        textPending_ = false;
        state_ = State::Value;
        break;
      }
      case State::Value:
        events_.value(bytes);
        bytes = {};
        break;
    }
  }
}

void TagLineScanner::stop(char byte) {
  if (byte == '\n' && afterCr_) {
    afterCr_ = false;
    return;
  }
  afterCr_ = byte == '\r';
  if (byte != kReplacedMark) {
    endLine();
    return;
  }
  // Told after the line's start, so the reader knows whose line lost it.
  take("?");
  if (state_ == State::Head) {
    ++lostInHead_;
  } else {
    events_.lostCharacter();
  }
}

// What the head rule says of the line's first bytes; the bytes after the
// head go on as the line's value (or text).
void TagLineScanner::decide(bool whole) {
  std::array<char, 16> rest{};
  const std::size_t length = rule_.headLength(head_, whole);
  const std::size_t restLength = std::min(head_.size() - length, rest.size());
  std::copy_n(head_.begin() + static_cast<std::ptrdiff_t>(length), restLength, rest.begin());
  if (length > 0) events_.tagLine(std::string_view(head_).substr(0, length));
  textPending_ = length == 0;
  state_ = State::Blanks;
  head_.clear();
  take({rest.data(), restLength});
  for (; lostInHead_ > 0; --lostInHead_) events_.lostCharacter();
}

void TagLineScanner::endLine() {
  if (state_ == State::Head && head_.empty()) {
    events_.blankLine();
    return;
  }
  if (state_ == State::Head) decide(true);
  if (textPending_) {
    events_.blankLine();
  } else {
    events_.lineEnd();
  }
  state_ = State::Head;
  textPending_ = false;
}

void TagLineScanner::finish() {
  if (state_ != State::Head || !head_.empty()) endLine();
  events_.end();
}

}  // namespace tk
