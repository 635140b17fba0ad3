#pragma once
// The export direction's last stage: the comma-separated text that jconv5
// made from a PDB becomes the file the reference manager imports. EndNote
// gets a "*GENERIC" tab-delimited file, ProCite (both modes) a tab-delimited
// file without header, Reference Manager a RIS file of tag lines.
#include "fields/AppState.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

inline constexpr std::int32_t kMaxExportRecords = 10000;
// A line of the comma-separated text, its line end included, must be shorter.
inline constexpr std::size_t kMaxCsvLineLength = 32000;

// Reads csvPath and writes state.taggedPath for the current mode; the number
// of records written, 0 on failure (each failure shown where it happens).
std::int32_t ConvertCsvToTagged(AppState& state, Ui& ui, const std::string& csvPath);

// "*GENERIC", then the EndNote long names of fields 1..fieldCount.
bool WriteGenericHeader(const AppState& state, OutputFile& out);

// The parsed header (csvItems) into the column map; the number of columns.
int LoadCsvHeader(AppState& state);

// Loads the field holder with the mode's match names and points every header
// column at the first field whose name it matches, ignoring letter case.
void BuildColumnMap(AppState& state, int columns);

// The record in csvItems as one line of tab-separated fields (modes 0, 2, 3).
int WriteTabbedRecord(AppState& state, OutputFile& out, int columns);
// The record in csvItems as RIS tag lines ended by "ER  - " (mode 1).
int WriteRisRecord(AppState& state, OutputFile& out, int columns);

// Number of fields written per record: fieldCount, or all 47 ProCite fields
// in the generic mode.
int ExportFieldCount(const AppState& state);
// The tag written before a Reference Manager field's value, "" for none.
std::string_view RisTagOf(int field);

}  // namespace tk
