// The export direction: the comma-separated text jconv5 writes back, parsed
// and written as the tab-delimited file (EndNote, ProCite, generic) or the
// RIS file (Reference Manager), the mode taken from the first byte.
#include "export/TaggedWriter.h"
#include "fuzz/FuzzState.h"
#include "platform/Files.h"

#include <algorithm>

namespace {

using namespace tk::fuzz;

void CheckWritten(const tk::TaggedFormat& format, const std::string& text, std::int32_t records) {
  const auto lines = CrLfLines(text);
  if (format.mode == tk::Mode::RefMan) {
    std::int32_t ends = 0;
    for (std::string_view line : lines) {
      Check(line.empty() || (line.size() >= 6 && line.substr(2, 4) == "  - "),
            "RIS line without a tag");
      ends += line == "ER  - ";
    }
    return Check(ends == records, "RIS records differ from the count");
  }
  const std::size_t first = format.mode == tk::Mode::EndNote ? 2 : 0;
  Check(lines.size() == first + static_cast<std::size_t>(records), "lines differ from records");
  const auto tabs = static_cast<long>(tk::ExportFieldCount(format) - 1);
  for (std::size_t i = first; i < lines.size(); ++i)
    Check(std::count(lines[i].begin(), lines[i].end(), '\t') == tabs,
          "record with a column too many or few");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ClearScratch();
  Controls controls{data, size};
  const tk::FieldSetup setup = SetUpFields(controls.nextMode(), controls);
  const tk::TaggedFormat format{setup.mode, setup.fieldCount};
  const std::string taggedPath = ScratchFolder() + "/output.txt";
  NullUi ui;
  const tk::TaggedResult result =
      tk::ConvertCsvToTagged(format, WriteInput("input.csv", data, size), taggedPath, ui);

  CheckNoPartFiles();
  const bool written = result.outcome == tk::TaggedOutcome::Written;
  Check(result.records >= 0 && result.records <= (written ? tk::kMaxExportRecords : 0),
        "record count out of range, or records counted for a file not written");
  Check(written == tk::FileExists(taggedPath) && written == result.failedFile.empty(),
        "the outcome disagrees with the file or the failed file");
  if (written) CheckWritten(format, ReadAll(taggedPath), result.records);
  return 0;
}
