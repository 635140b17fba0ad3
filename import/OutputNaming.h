#pragma once
// Names of one import: where the PDB goes, what the database is called on
// the handheld, and where the CSV and IFO files are written.
#include "fields/AppState.h"

#include <string>
#include <string_view>

namespace tk {

// "EN-", "RM-", "PR-", "PG-" by convMode; empty for an unknown mode.
std::string_view ModePrefix(std::int32_t convMode);

// Puts the mode prefix in front of the file-name part of path.
void AddModePrefix(const AppState& state, std::string& path);

// palmName := the mode prefix + the export's base name, cut to 19
// characters, in double quotes.
void MakePalmName(AppState& state);

// From inputPath: pdbPath in the Palm install folder (prefixed), palmName,
// and ifoPath and csvPath in the work folder.
void DeriveImportNames(AppState& state);

// The four name lines of the diagnostic log, in the driver's order.
void LogImportNames(AppState& state);

// The generic pre-pass's intermediate file: csvPath with ".tkg".
std::string GenericIntermediatePath(const AppState& state);

}  // namespace tk
