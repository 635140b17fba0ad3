// What keeps a reader from reading comes back as a value, never as a
// message, and leaves no half-written output behind.
#include "ImportFixture.h"

#include <functional>

namespace tk {
namespace {

using test::ReaderRun;

// What a faulty run left, by name.
struct FaultOutcome {
  ReadStatus status;
  int records;
  std::string failedFile, output;
  std::size_t messages;
  bool partLeft;
  bool operator==(const FaultOutcome&) const = default;
  friend void PrintTo(const FaultOutcome& o, std::ostream* out) {
    *out << "{status " << static_cast<int>(o.status) << ", " << o.records << " records, failed '"
         << o.failedFile << "', output '" << o.output << "', " << o.messages << " messages"
         << (o.partLeft ? ", part file left" : "") << "}";
  }
};

struct Fault {
  const char* name;
  std::function<void(ReaderRun&)> make;
  ReadStatus status;
  bool headerOnly, earlierKept;  // what the output then holds
};

TEST(readers_test, every_reader_reports_each_fault_as_a_value) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  const struct {
    Mode mode;
    int field;
    std::string header, input;  // the input holds one record
  } readers[] = {
      {Mode::EndNote, 2, "\"Author\"\r\n", "x\ty\xB0"},
      {Mode::ProCite, 2, "\"Record ID\"\r\n", "x\ty\r\n"},
      {Mode::RefMan, 1, "\"Ref Type\"\r\n", "TY  - x\nER  - \n"},
      {Mode::ProCiteGeneric, 1, "", "x\ty\r\n"},
  };
  // An earlier run's output is there before each. Reading /proc/self/mem
  // fails at its first byte.
  const Fault faults[] = {
      {"output folder missing",
       [](ReaderRun& r) { r.run.csvPath = r.folder.file("missing/export.csv"); },
       ReadStatus::OutputNotOpened, false, false},
      {"input missing", [](ReaderRun& r) { r.run.inputPath = r.folder.file("gone.txt"); },
       ReadStatus::InputNotOpened, true, false},
      {"input unreadable", [](ReaderRun& r) { r.run.inputPath = "/proc/self/mem"; },
       ReadStatus::InputNotRead, true, false},
      {"disk full", [](ReaderRun& r) { test::FullDiskFor(test::TkPartOf(r.output())); },
       ReadStatus::Read, false, true},
      {"stopped", [](ReaderRun& r) { r.ui.stop = true; }, ReadStatus::Stopped, false, true},
  };
  for (const auto& reader : readers) {
    for (const Fault& fault : faults) {
      SCOPED_TRACE(testing::Message()
                   << "mode " << InfoOf(reader.mode).cliName << ", " << fault.name);
      ReaderRun r(reader.mode, reader.input);
      fault.make(r);
      test::WriteBytes(r.output(), "earlier");
      const ReadResult result = r.read({reader.field});
      const std::string failed = fault.status == ReadStatus::Read ? r.output() : "";
      const std::string output = fault.earlierKept  ? "earlier"
                                 : fault.headerOnly ? reader.header
                                                    : "";
      EXPECT_EQ((FaultOutcome{result.status, result.records, result.failedFile,
                              test::ReadBytes(r.output()), r.ui.messages.size(),
                              test::LeftBehind(test::TkPartOf(r.output()))}),
                (FaultOutcome{fault.status, 0, failed, output, 0, false}));
    }
  }
}

}  // namespace
}  // namespace tk
