// jconv5's PDB reader (direction 2): a damaged database must give a Failure
// naming the damage, and what it accepts must give CSV that reads back.
#include "fuzz/Check.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/PdbContainer.h"

#include <cstdint>

using tk::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view pdb(reinterpret_cast<const char*>(data), size);
  std::string csv;
  try {
    csv = jconv5::ExtractCsv(pdb);
  } catch (const jconv5::Failure& failure) {
    Check(!failure.text().empty(), "a failure without a message");
    return 0;
  }
  try {
    const jconv5::CsvTable table = jconv5::ReadCsv(csv);
    Check(!table.header.empty(), "CSV without columns");
    Check(table.records.size() <= jconv5::ReadPdbHeader(pdb).recordCount,
          "more records than stored");
    for (const auto& record : table.records) {
      Check(record.values.size() <= table.header.size(), "a record wider than the header");
    }
  } catch (const jconv5::Failure&) {
    Check(false, "the CSV written doesn't read back");
  }
  return 0;
}
