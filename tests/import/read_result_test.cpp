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

TEST(read_result_test, every_reader_reports_each_fault_as_a_value) {
  using test::ReaderRun;
  const auto csv = [](const ImportRun& run) { return run.csvPath; };
  const struct {
    const char* name;
    std::function<ReadResult(ReaderRun&)> read;
    std::function<std::string(const ImportRun&)> output;
    std::string header, input;  // the input holds one record
  } readers[] = {
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
  for (const auto& reader : readers) {
    // Reading /proc/self/mem fails at its first byte.
    const struct {
      std::function<void(ReaderRun&)> fault;
      ReadStatus status;
      int records;
      std::string output, failed;
    } faults[] = {
        {[](ReaderRun&) {}, ReadStatus::Read, 1, "", ""},
        {[](ReaderRun& r) { r.run.csvPath = r.folder.file("missing/export.csv"); },
         ReadStatus::OutputNotOpened, 0, "", ""},
        {[](ReaderRun& r) { r.run.inputPath = r.folder.file("gone.txt"); },
         ReadStatus::InputNotOpened, 0, reader.header, ""},
        {[](ReaderRun& r) { r.run.inputPath = "/proc/self/mem"; }, ReadStatus::InputNotRead, 0,
         reader.header, ""},
        {[&](ReaderRun& r) {
           test::WriteBytes(reader.output(r.run), "earlier");
           test::FullDiskFor(test::TkPartOf(reader.output(r.run)));
         },
         ReadStatus::Read, 0, "earlier", "full"},
    };
    for (const auto& f : faults) {
      ReaderRun r(reader.input);
      f.fault(r);
      const ReadResult result = reader.read(r);
      const std::string output = reader.output(r.run);
      EXPECT_EQ(result.status, f.status) << reader.name;
      EXPECT_EQ(result.records, f.records) << reader.name;
      EXPECT_EQ(result.failedFile, f.failed.empty() ? "" : output) << reader.name;
      if (f.records == 0) {
        EXPECT_EQ(test::ReadBytes(output), f.output) << reader.name;
      }
      EXPECT_FALSE(test::LeftBehind(test::TkPartOf(output))) << reader.name;
      EXPECT_TRUE(r.ui.messages.empty()) << reader.name;
    }
  }
}

}  // namespace tk
