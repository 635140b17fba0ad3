#pragma once
// The two conversions of jconv5, in memory: CSV + IFO to a JFile 5 database,
// and a JFile 4 or 5 database back to CSV. Each throws Failure with a
// sentence that names the file and the place (line, record, field).
#include "jconv5/pdb/Csv.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace jconv5 {

// name: the database name, enclosing double quotes already stripped; cut to
// JFile's 30 characters. palmTime: creation and modification date.
// lineBreak: what stands for a line break inside the CSV's values.
std::string BuildDatabase(std::string_view csv, std::string_view ifo, std::string_view name,
                          std::uint32_t palmTime, char lineBreak = kCsvLineBreak);

// Deleted records are skipped.
std::string ExtractCsv(std::string_view pdb, char lineBreak = kCsvLineBreak);

}  // namespace jconv5
