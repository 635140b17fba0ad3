// The runner with the real jconv5 of the program folder, copied beside a
// work folder of the test's own: the real converter's log reaches the user.
// Round trips through it are in the end-to-end tests of tomekit-cli.
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

TEST(real_converter_test, converter_failure_shows_its_log_and_leaves_no_pdb) {
  RealConverter run;
  ASSERT_TRUE(WriteIfoFile(run.state, run.ui));
  test::WriteBytes(run.program.work("bad.csv"),
                   "\"Reference Type\",\"Author\",\"Title\"\r\n\"unclosed\r\n");
  const std::string pdb = run.program.file("EN-bad.PDB");
  EXPECT_EQ(ConvertCsvToPdb(run.state, run.ui, run.program.work("bad.csv"), pdb, run.state.ifoPath,
                            "\"EN-bad\""),
            0);
  ASSERT_EQ(run.ui.errorReports.size(), 1u);
  EXPECT_FALSE(run.ui.errorReports[0].empty());
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Output file not created"});
  EXPECT_FALSE(FileExists(pdb));
}

}  // namespace
}  // namespace tk
