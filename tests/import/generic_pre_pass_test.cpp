// The generic mode's pre-pass keeps the 24 columns the generic database
// holds and leaves quoting to the ProCite reader that follows it.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::On;
using test::ReaderCase;
using test::UpTo;

// The numbered columns, tab-separated.
std::string Columns(const std::vector<int>& numbers) {
  std::string line;
  for (int n : numbers) line += (line.empty() ? "c" : "\tc") + std::to_string(n);
  return line;
}

TEST(generic_pre_pass_test, exports_become_reduced_records) {
  const std::string huge(100000, 'n'), quotes(70000, '"');
  const std::string kept = Columns(On(1, 2, 3, 6, 9, 11, 12, 14, 20, 21, 22, 23, 24, 26, 27, 32, 34,
                                      39, 40, 42, 44, 45, 46, 47));
  const ReaderCase cases[] = {
      {"kept columns in order; a short record ends with a tab, columns past 47 are dropped", On(),
       Columns(UpTo(10)) + "\r\n" + Columns(UpTo(50)) + "\r\n",
       "c1\tc2\tc3\tc6\tc9\t\r\n" + kept + "\r\n"},
      {"empty columns become one blank, even all of a line", On(), "\tc2\t\tc4\t\r\n\t\r\n",
       " \tc2\t \t\r\n \t \t\r\n"},
      {"records of any length are copied whole", On(), "a\t" + huge + "\r\nb\r\n",
       "a\t" + huge + "\t\r\nb\t\r\n"},
      {"a last record without its CR", On(), "a\r\nb\tc", "a\t\r\nb\tc\t\r\n"},
      {"trailing breaks, tabs and quotes are no record", On(), "a\r\n\t\"\t\n", "a\t\r\n"},
      {"an overlong start of a last record still ends its line", On(), "a\r\n" + quotes,
       "a\t\r\n" + quotes + "\t\r\n"},
      {"bare line feeds become 0x85, even first; blank lines stay", On(),
       "\none\ntwo\r\n\r\n\xFF\r\n", "\x85one\x85two\t\r\n\r\n\xFF\t\r\n"},
      {"quotes stay single; the ProCite reader doubles them", On(), "say \"hi\"\tid\r\n",
       "say \"hi\"\tid\t\r\n"},
  };
  test::ExpectReads(Mode::ProCiteGeneric, cases);
}

}  // namespace
}  // namespace tk
