// jconv5's CSV reader. Every record it reads must come back the same when
// written in the dialect and read again.
#include "fuzz/Check.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"

#include <cstdint>

using tk::fuzz::Check;

namespace {

// What the dialect can carry: no CR; 0x85 and LF are the same line break.
std::string Carried(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '\r') continue;
    out.push_back(c == jconv5::kCsvLineBreak ? '\n' : c);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  jconv5::CsvTable table;
  try {
    table = jconv5::ReadCsv(text);
  } catch (const jconv5::Failure& failure) {
    Check(!failure.text().empty(), "a failure without a message");
    return 0;
  }
  std::size_t lastLine = 1;
  for (const auto& record : table.records) {
    Check(record.lineNumber > lastLine, "line numbers out of order");
    lastLine = record.lineNumber;
    std::string again;
    jconv5::WriteCsvLine({"h"}, again);
    jconv5::WriteCsvLine(record.values, again);
    jconv5::CsvTable reread;
    try {
      reread = jconv5::ReadCsv(again);
    } catch (const jconv5::Failure&) {
      Check(false, "a written line can't be read");
    }
    // An empty record writes as an empty line, which reads as no item.
    Check(reread.records.size() == 1, "a written record reads as more or fewer lines");
    const auto& values = reread.records[0].values;
    Check(values.size() == record.values.size(), "a written record reads with other items");
    for (std::size_t i = 0; i < values.size(); ++i) {
      Check(values[i] == Carried(record.values[i]), "a written value reads back changed");
    }
  }
  return 0;
}
