// jconv5's PDB reader (direction 2): a damaged database must give a Failure
// naming the damage, and what it accepts must give CSV that reads back.
#include "fuzz/Check.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/PdbContainer.h"

using namespace tk::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view pdb(reinterpret_cast<const char*>(data), size);
  std::string csv;
  if (!Jconv5Accepts([&] { csv = jconv5::ExtractCsv(pdb); })) return 0;
  jconv5::CsvTable table;
  Check(Jconv5Accepts([&] { table = jconv5::ReadCsv(csv); }), "the CSV written doesn't read back");
  Check(!table.header.empty(), "CSV without columns");
  Check(table.records.size() <= jconv5::ReadPdbHeader(pdb).recordCount, "more records than stored");
  for (const jconv5::CsvLine& record : table.records)
    Check(record.values.size() == table.header.size(), "a record of another width than the header");
  return 0;
}
