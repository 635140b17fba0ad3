// The runner with the real jconv5 of the program folder, copied beside a
// work folder of the test's own.
#include "converter/ConverterRunner.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "import/IfoWriter.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

struct RealConverter {
  RealConverter() : program(""), state(program.state()) {
    std::filesystem::copy_file(JoinPath(TOMEKIT_PROGRAM_FOLDER, kConverterFileName),
                               program.file(kConverterFileName));
    FldTable = {};
    state.convMode = kModeEndNote;
    SetFieldCount(state);
    for (int n : {1, 2, 4}) {
      FldTable[n] = {kTypeString, 80, 200, 1, 0};
    }
    CountSelectedFields(state);
    state.ifoPath = program.work("refs.IFO");
  }

  test::ProgramFolder program;
  AppState state;
  test::FakeUi ui;
};

TEST(real_converter_test, csv_goes_to_pdb_and_back_unchanged) {
  RealConverter run;
  ASSERT_TRUE(WriteIfoFile(run.state, run.ui));
  const std::string csv =
      "\"Reference Type\",\"Author\",\"Title\"\r\n"
      "\"Book\",\"Doe, A.\",\"A \"\"quoted\"\" title\x85with a break\"\r\n"
      "\"Journal Article\",\" \",\"Second\"\r\n";
  test::WriteBytes(run.program.work("refs.csv"), csv);
  const std::string pdb = run.program.file("Install/EN-refs.PDB");
  EXPECT_EQ(ConvertCsvToPdb(run.state, run.ui, run.program.work("refs.csv"), pdb, run.state.ifoPath, "\"EN-refs\""), 1);
  EXPECT_EQ(test::ReadBytes(pdb).substr(0, 8), std::string("EN-refs\0", 8));
  EXPECT_EQ(ConvertPdbToCsv(run.state, run.ui, pdb, run.program.work("EN-refs.out"), run.program.work("temp.ifo")), 1);
  EXPECT_EQ(test::ReadBytes(run.program.work("EN-refs.out")), csv);
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Destination directory Had to be created"});
  EXPECT_TRUE(run.ui.errorReports.empty());
}

TEST(real_converter_test, converter_failure_shows_its_log_and_leaves_no_pdb) {
  RealConverter run;
  ASSERT_TRUE(WriteIfoFile(run.state, run.ui));
  test::WriteBytes(run.program.work("bad.csv"), "\"Reference Type\",\"Author\",\"Title\"\r\n\"unclosed\r\n");
  const std::string pdb = run.program.file("EN-bad.PDB");
  EXPECT_EQ(ConvertCsvToPdb(run.state, run.ui, run.program.work("bad.csv"), pdb, run.state.ifoPath, "\"EN-bad\""), 0);
  ASSERT_EQ(run.ui.errorReports.size(), 1u);
  EXPECT_FALSE(run.ui.errorReports[0].empty());
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Output file not created"});
  EXPECT_FALSE(FileExists(pdb));
}

}  // namespace
}  // namespace tk
