// jconv5's IFO reader; a description it accepts then builds a database from
// a small CSV, and the database must read back.
#include "fuzz/Check.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Ifo.h"

#include <cstdint>

using tk::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view ifo(reinterpret_cast<const char*>(data), size);
  jconv5::IfoDescription description;
  try {
    description = jconv5::ReadIfo(ifo);
  } catch (const jconv5::Failure& failure) {
    Check(!failure.text().empty(), "a failure without a message");
    return 0;
  }
  const std::size_t columns = description.types.size();
  if (columns == 0 || columns > 60) return 0;
  std::vector<std::string> header, record;
  for (std::size_t i = 1; i <= columns; ++i) {
    header.push_back("Field " + std::to_string(i));
    record.push_back(std::to_string(i));
  }
  std::string csv;
  jconv5::WriteCsvLine(header, csv);
  jconv5::WriteCsvLine(record, csv);

  std::string pdb;
  try {
    pdb = jconv5::BuildDatabase(csv, ifo, "Fuzz", 0);
  } catch (const jconv5::Failure& failure) {
    Check(!failure.text().empty(), "a failure without a message");
    return 0;
  }
  try {
    const jconv5::CsvTable back = jconv5::ReadCsv(jconv5::ExtractCsv(pdb));
    Check(back.header.size() == columns, "the database lost columns");
    Check(back.records.size() == 1, "the database lost its record");
  } catch (const jconv5::Failure&) {
    Check(false, "a database jconv5 built doesn't read back");
  }
  return 0;
}
