// jconv5's CSV reader: every record it reads comes back the same when written
// in the dialect and read again.
#include "fuzz/Check.h"
#include "jconv5/pdb/Csv.h"

using namespace tk::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  jconv5::CsvTable table;
  if (!Jconv5Accepts([&] { table = jconv5::ReadCsv(text); })) return 0;
  std::size_t lastLine = 1;
  for (const jconv5::CsvLine& record : table.records) {
    Check(record.lineNumber > lastLine, "line numbers out of order");
    lastLine = record.lineNumber;
    // Read values hold no CR and no 0x85, so the dialect carries them whole;
    // an empty record writes as an empty line, which reads as no item.
    std::string again;
    jconv5::WriteCsvLine({"h"}, again);
    jconv5::WriteCsvLine(record.values, again);
    jconv5::CsvTable reread;
    Check(Jconv5Accepts([&] { reread = jconv5::ReadCsv(again); }), "a written line can't be read");
    Check(reread.records.size() == 1 && reread.records[0].values == record.values,
          "a written record reads back changed");
  }
  return 0;
}
