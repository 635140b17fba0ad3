// What keeps a reader from reading comes back as a value, never as a
// message: the driver alone tells the user.
#include "ImportFixture.h"
#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "mock/Faults.h"

#include <gtest/gtest.h>

#include <functional>

namespace tk {
namespace {

using test::ReaderRun;

struct Reader {
  const char* name;
  std::function<ReadResult(ReaderRun&)> read;
  std::function<std::string(const ImportRun&)> output;
  std::string header;  // of the output
  std::string input;   // one record
};

}  // namespace

TEST(read_result_test, every_reader_reports_each_fault_as_a_value) {
  const auto csv = [](const ImportRun& run) { return run.csvPath; };
  const std::vector<Reader> readers = {
      {"EndNote",
       [](ReaderRun& r) { return ReadEndNoteExport(test::Fields(kModeEndNote, {2}), r.run, r.ui); },
       csv, "\"Author\"\r\n", "x\ty\xB0"},
      {"ProCite",
       [](ReaderRun& r) { return ReadProCiteExport(test::Fields(kModeProCite, {2}), r.run, r.ui); },
       csv, "\"Record ID\"\r\n", "x\ty\r\n"},
      {"RIS",
       [](ReaderRun& r) { return ReadRefManExport(test::Fields(kModeRefMan, {1}), r.run, r.ui); },
       csv, "\"Ref Type\"\r\n", "TY  - x\nER  - \n"},
      {"generic pre-pass", [](ReaderRun& r) { return PrepareGenericExport(r.run, r.ui); },
       GenericIntermediatePath, "", "x\ty\r\n"},
  };

  for (const Reader& reader : readers) {
    ReaderRun read(reader.input);
    ReadResult result = reader.read(read);
    EXPECT_EQ(result.status, ReadStatus::Read) << reader.name;
    EXPECT_EQ(result.records, 1) << reader.name;

    ReaderRun noOutput(reader.input);
    noOutput.run.csvPath = noOutput.folder.file("missing") + "/export.csv";
    result = reader.read(noOutput);
    EXPECT_EQ(result.status, ReadStatus::OutputNotOpened) << reader.name;
    EXPECT_EQ(result.failedFile, "") << reader.name;

    ReaderRun noInput(reader.input);
    noInput.run.inputPath = noInput.folder.file("gone.txt");
    result = reader.read(noInput);
    EXPECT_EQ(result.status, ReadStatus::InputNotOpened) << reader.name;
    EXPECT_EQ(test::ReadBytes(reader.output(noInput.run)), reader.header) << reader.name;
    EXPECT_TRUE(FileExists(reader.output(noInput.run))) << reader.name;

    // Reading this file fails at its first byte.
    ReaderRun unreadable(reader.input);
    unreadable.run.inputPath = "/proc/self/mem";
    result = reader.read(unreadable);
    EXPECT_EQ(result.status, ReadStatus::InputNotRead) << reader.name;
    EXPECT_EQ(result.records, 0) << reader.name;
    EXPECT_EQ(test::ReadBytes(reader.output(unreadable.run)), reader.header) << reader.name;

    ReaderRun fullDisk(reader.input);
    const std::string output = reader.output(fullDisk.run);
    test::WriteBytes(output, "earlier");
    test::FullDiskFor(test::TkPartOf(output));
    result = reader.read(fullDisk);
    EXPECT_EQ(result.status, ReadStatus::Read) << reader.name;
    EXPECT_EQ(result.records, 0) << reader.name;
    EXPECT_EQ(result.failedFile, output) << reader.name;
    EXPECT_FALSE(test::LeftBehind(test::TkPartOf(output))) << reader.name;
    EXPECT_EQ(test::ReadBytes(output), "earlier") << reader.name;

    for (const ReaderRun* r : {&read, &noOutput, &noInput, &unreadable, &fullDisk}) {
      EXPECT_EQ(r->ui.messages.size(), 0u) << reader.name;
    }
  }
}

}  // namespace tk
