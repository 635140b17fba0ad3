// The database's name on the handheld, in the handheld's set.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::DriverRun;

// The handheld's name is made of the file's characters, not its bytes, and
// its 19 bytes end where a character does; the database file keeps the
// name's own bytes, and the UTF-8 log its characters.
TEST(palm_charset_import_test, database_names_are_cut_where_a_character_ends) {
  const std::string cities =
      "a\xE6\x9D\xB1\xE4\xBA\xAC\xE5\xA4\xA7\xE9\x98\xAA\xE5\x90\x8D"
      "\xE5\x8F\xA4\xE5\xB1\x8B\xE6\xA8\xAA";  // a + 8 characters
  const std::string shown = "\"EN-" + cities.substr(0, 1 + 7 * 3) + "\"";
  const std::tuple<PalmCharset, std::string, std::string, std::string> cases[] = {
      {PalmCharset::Windows1252, "\xC3\x85ngstr\xC3\xB6m \xCE\xA9mega \xC3\xA9\xC3\xA8\xC3\xAA",
       "\"EN-\xC5ngstr\xF6m ?mega \xE9\"", "\"EN-\xC3\x85ngstr\xC3\xB6m ?mega \xC3\xA9\""},
      {PalmCharset::Windows1252, "caf\xE9", "\"EN-caf\xE9\"", "\"EN-caf\xC3\xA9\""},
      {PalmCharset::ShiftJis, cities,
       "\"EN-a\x93\x8C\x8B\x9E\x91\xE5\x8D\xE3\x96\xBC\x8C\xC3\x89\xAE\"", shown},
  };
  DriverRun run(Mode::EndNote);
  for (const auto& [palm, file, palmName, logged] : cases) {
    SCOPED_TRACE(file);
    run.settings.palmCharset = palm;
    ImportRun import;
    import.inputPath = run.input(file + ".txt", "x");
    NameImportOutputs(run.settings, Mode::EndNote, import);
    LogImportNames(import);
    EXPECT_EQ(import.palmName, palmName);
    EXPECT_EQ(import.pdbPath, run.pdb(file));
    EXPECT_EQ(import.log.back(), "Palm Name is " + logged);
  }
  // Two names alike in their first 19 bytes make one database, said in UTF-8.
  const test::Lines chosen = {run.input(cities + "1.txt", "x" + test::kEndNoteEnd),
                              run.input(cities + "2.txt", "y" + test::kEndNoteEnd)};
  (void)run.importFiles(chosen);
  EXPECT_TRUE(test::Holds(
      run.ui.messages.at(0).text,
      chosen[1] + " replaces the result of " + chosen[0] + ": both make the database " + shown));
}

}  // namespace
}  // namespace tk
