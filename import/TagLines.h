#pragma once
// One scanner for the tagged exports (RIS, EndNote's `%` export): bytes to
// line events. Line ends (CR LF, LF, a lone CR), a byte-order mark and the
// characters the transcoding lost are handled here once, for every tagged
// reader alike; which lines are tag lines is the format's head rule. Runs of
// plain bytes go to the reader whole, so reading streams at the speed of the
// stop-byte scan and holds no more than a tag head.
#include "fields/TagHeadRule.h"
#include "platform/Files.h"
#include "platform/MessagePump.h"

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

class TagLineScanner {
public:
  // marked: the input holds kReplacedMark for each character the transcoding
  // lost (a UTF-8 input read as Windows-1252).
  TagLineScanner(const TagHeadRule& rule, bool marked, TagLineEvents& events);

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

  TagHeadRule rule_;
  bool marked_;
  TagLineEvents& events_;
  State state_ = State::Head;
  std::string head_;          // the line's first bytes, until the rule decides
  bool textPending_ = false;  // an untagged line whose first text is yet to come
  bool afterCr_ = false;      // a LF right after a CR ends no second line
  int lostInHead_ = 0;        // lost characters of the head, told once it is decided
};

}  // namespace tk
