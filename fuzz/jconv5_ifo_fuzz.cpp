// jconv5's IFO reader; a description it accepts then builds a database from
// a small CSV, and the database must read back.
#include "fuzz/Check.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Ifo.h"

using namespace tk::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view ifo(reinterpret_cast<const char*>(data), size);
  std::size_t columns = 0;
  if (!Jconv5Accepts([&] { columns = jconv5::ReadIfo(ifo).types.size(); }) || columns > 60)
    return 0;
  std::vector<std::string> record;
  for (std::size_t i = 1; i <= columns; ++i) record.push_back(std::to_string(i));
  std::string csv, pdb;  // the header names its columns by the same numbers as the record
  for (int line = 0; line < 2; ++line) jconv5::WriteCsvLine(record, csv);
  if (!Jconv5Accepts([&] { pdb = jconv5::BuildDatabase(csv, ifo, "Fuzz", 0); })) return 0;
  jconv5::CsvTable back;
  Check(Jconv5Accepts([&] { back = jconv5::ReadCsv(jconv5::ExtractCsv(pdb)); }),
        "a database jconv5 built doesn't read back");
  Check(
      back.header.size() == columns && back.records.size() == 1 && back.records[0].values == record,
      "the database lost columns or values");
  return 0;
}
