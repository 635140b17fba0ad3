#pragma once
// One scanner for the tagged exports (RIS, EndNote's `%` export): bytes to
// line events. Line ends (CR LF, LF, a lone CR), a byte-order mark and the
// characters the transcoding lost are handled here once, for every tagged
// reader alike; which lines are tag lines is the format's head rule. Runs of
// plain bytes go to the reader whole, so reading streams at the speed of the
// stop-byte scan and holds no more than a tag head.
#include "fields/TagHeadRule.h"
#include "import/ByteRuns.h"
#include "platform/Charset.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tk {

// What a reader hears of its input's lines, in order.
class TagLineEvents {
public:
  virtual ~TagLineEvents() = default;
  // A tag line starts; head is its tag head as the rule found it ("TY  - ",
  // "TY - ", "ER  -", "%T "). Its value follows in value().
  virtual void tagLine(std::string_view head) = 0;
  // A line that is no tag line and holds more than blanks starts; its text
  // follows in value().
  virtual void textLine() = 0;
  // Bytes of the open line's value: of a tag line, what follows the blanks
  // after its head; of a text line, what follows its leading blanks. A
  // character the transcoding lost is "?" here, after which lostCharacter().
  virtual void value(std::string_view bytes) = 0;
  virtual void lostCharacter() = 0;
  // The tag line or text line that started last has ended.
  virtual void lineEnd() = 0;
  // A line of nothing, or of blanks and tabs alone.
  virtual void blankLine() = 0;
  // The input is over (its last line, with or without a line end, is told).
  virtual void end() = 0;
};

// Events is a final TagLineEvents, so that its calls are made directly and
// the scan costs no more than a reader of its own.
template <class Events>
class TagLineScanner {
public:
  // replacedMark: the byte the input holds for each character the
  // transcoding lost; none when it was not transcoded.
  TagLineScanner(const TagHeadRule& rule, std::optional<char> replacedMark, Events& events)
      : rule_(rule),
        stops_(replacedMark ? MakeStopBytes({'\r', '\n', static_cast<unsigned char>(*replacedMark)})
                            : MakeStopBytes({'\r', '\n'})),
        replacedMark_(replacedMark),
        events_(events) {
    head_.reserve(rule.longest);
  }
  // A bool would pass for a mark of 0x01.
  TagLineScanner(const TagHeadRule& rule, bool marked, Events& events) = delete;

  // Reads the rest of in, pumping messages as it goes; returns at its end or
  // when the user stops (pump.stopped()).
  void scan(InputFile& in, MessagePump& pump);
  // Ends a last line that lacks its line end, then end().
  void finish();

private:
  enum class State { Head, Blanks, Value };
  void skipByteOrderMark(InputFile& in);
  void take(std::string_view bytes);
  void stop(char byte);
  void decide(bool whole);
  void endLine();

  bool isStop(char c) const { return c == '\r' || c == '\n' || c == replacedMark_; }

  TagHeadRule rule_;
  StopBytes stops_;
  std::optional<char> replacedMark_;
  Events& events_;
  State state_ = State::Head;
  std::string head_;          // the line's first bytes, until the rule decides
  bool textPending_ = false;  // an untagged line whose first text is yet to come
  bool afterCr_ = false;      // a LF right after a CR ends no second line
  int lostInHead_ = 0;        // lost characters of the head, told once it is decided
};

namespace tag_lines {

inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace tag_lines

template <class Events>
void TagLineScanner<Events>::scan(InputFile& in, MessagePump& pump) {
  skipByteOrderMark(in);
  const StopScanner scanner(stops_);
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
template <class Events>
void TagLineScanner<Events>::skipByteOrderMark(InputFile& in) {
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
  if (isStop(byte)) {
    stop(byte);
  } else {
    take({&byte, 1});
    afterCr_ = false;
  }
}

template <class Events>
void TagLineScanner<Events>::take(std::string_view bytes) {
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
        const auto text = std::find_if_not(bytes.begin(), bytes.end(), tag_lines::IsBlankOrTab);
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

template <class Events>
void TagLineScanner<Events>::stop(char byte) {
  if (byte == '\n' && afterCr_) {
    afterCr_ = false;
    return;
  }
  afterCr_ = byte == '\r';
  if (byte != replacedMark_) {
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
template <class Events>
void TagLineScanner<Events>::decide(bool whole) {
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

template <class Events>
void TagLineScanner<Events>::endLine() {
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

template <class Events>
void TagLineScanner<Events>::finish() {
  if (state_ != State::Head || !head_.empty()) endLine();
  events_.end();
}

}  // namespace tk
