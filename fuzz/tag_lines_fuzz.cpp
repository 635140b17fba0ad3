// The tag-line scanner against a plain reading of the same bytes: the file
// split at its line ends, each line judged whole by the format's head rule.
// The first byte chooses the rule (bit 0) and whether the input marks lost
// characters (bit 1). Every event must come in its place: a value only
// inside a line, a line end only after a line's start, the end once, last.
#include "fields/EndNoteTags.h"
#include "fields/RisTags.h"
#include "fuzz/FuzzState.h"
#include "import/TagLines.h"
#include "platform/Charset.h"

#include <algorithm>
#include <string>

namespace {

using namespace tk;

// The events as a string, as the reading below writes them.
struct Log final : TagLineEvents {
  void tagLine(std::string_view head) override {
    fuzz::Check(!inLine && !ended, "a tag line inside a line");
    inLine = true;
    text += "[" + std::string(head) + "]";
  }
  void textLine() override {
    fuzz::Check(!inLine && !ended, "a text line inside a line");
    inLine = true;
    text += "<";
  }
  void value(std::string_view bytes) override {
    fuzz::Check(inLine && !bytes.empty(), "a value outside a line");
    fuzz::Check(bytes.find_first_of("\r\n") == std::string_view::npos, "a line end in a value");
    text += bytes;
  }
  void lostCharacter() override {
    fuzz::Check(inLine, "a lost character outside a line");
    ++lost;
  }
  void lineEnd() override {
    fuzz::Check(inLine, "a line end without a line");
    inLine = false;
    text += "|";
  }
  void blankLine() override {
    fuzz::Check(!inLine && !ended, "a blank line inside a line");
    text += "_";
  }
  void end() override {
    fuzz::Check(!inLine && !ended, "the end inside a line, or twice");
    ended = true;
  }
  std::string text;
  bool inLine = false, ended = false;
  int lost = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Expected(const TagHeadRule& rule, std::string_view line) {
  if (std::all_of(line.begin(), line.end(), IsBlank)) return "_";
  const std::string_view start = line.substr(0, rule.longest);
  const std::size_t head = rule.headLength(start, line.size() <= rule.longest);
  std::string_view rest = line.substr(head);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  if (head > 0) return "[" + std::string(line.substr(0, head)) + "]" + std::string(rest) + "|";
  return "<" + std::string(rest) + "|";
}

// The input read at once: a byte-order mark dropped, lines split at CR LF,
// LF or CR, lost characters shown as "?".
std::string Reading(const TagHeadRule& rule, std::string bytes, bool marked, int& lost) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.erase(0, kUtf8ByteOrderMark.size());
  if (marked) {
    lost = static_cast<int>(std::count(bytes.begin(), bytes.end(), kReplacedMark));
    std::replace(bytes.begin(), bytes.end(), kReplacedMark, '?');
  }
  std::string events;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    events += Expected(rule, std::string_view(bytes).substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) events += Expected(rule, std::string_view(bytes).substr(start));
  return events;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Controls controls{data, size};
  const std::uint8_t choice = controls.next();
  const TagHeadRule& rule = choice & 1 ? kEndNoteHeadRule : kRisHeadRule;
  const bool marked = (choice & 2) != 0;
  fuzz::ClearScratch();
  const std::string path = fuzz::WriteInput("export.txt", data, size);
  InputFile in;
  fuzz::Check(in.open(path), "the input can't be opened");
  fuzz::NullUi ui;
  MessagePump pump(ui);
  Log log;
  TagLineScanner scanner(rule, marked ? std::optional(kReplacedMark) : std::nullopt, log);
  scanner.scan(in, pump);
  scanner.finish();
  fuzz::Check(log.ended, "no end");
  int lost = 0;
  const std::string expected =
      Reading(rule, std::string(reinterpret_cast<const char*>(data), size), marked, lost);
  fuzz::Check(log.text == expected, "the events differ from a plain reading of the lines");
  fuzz::Check(log.lost == lost, "lost characters miscounted");
  return 0;
}
