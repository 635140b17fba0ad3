#pragma once
// Names of one import: where the PDB goes, what the database is called on
// the handheld, and where the CSV and IFO files are written.
#include "fields/Settings.h"
#include "import/ImportRun.h"

#include <cstdint>
#include <string>

namespace tk {

// From run.inputPath: pdbPath in the Palm install folder with the mode's
// prefix before its file name (the base cut where the name would be too long
// for the system); palmName, the prefix and the export's base name in
// Windows-1252 cut to 19 characters, in double quotes; ifoPath and csvPath in
// the work folder.
void NameImportOutputs(const Settings& settings, Mode mode, ImportRun& run);

// The four name lines of the diagnostic log, in the driver's order.
void LogImportNames(ImportRun& run);

// Another PDB in the install folder that the handheld would know by the
// same database name as run.palmName (the name a PDB's first 32 bytes
// hold): the handheld keeps one database of a name, so a second would take
// the first one's place. Empty when there is none; run.pdbPath itself, which
// the import replaces, doesn't count.
std::string InstalledDatabaseNamed(const Settings& settings, const ImportRun& run);

// The generic pre-pass's intermediate file: csvPath with ".tkg".
std::string GenericIntermediatePath(const ImportRun& run);

}  // namespace tk
