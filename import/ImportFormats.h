#pragma once
// The export formats an import reads, one row each: how a file of it is
// recognised, which modes read it and with which reader, why the others
// refuse it, and the open dialog's filter for it. Adding a format (EndNote
// XML, BibTeX) is one row and its reader.
#include "fields/FieldSetup.h"
#include "fields/ProgramModes.h"
#include "import/ExportLook.h"
#include "import/ImportMessages.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"
#include "platform/Ui.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tk {

using ExportReader = ReadResult (*)(const FieldSetup& setup, ImportRun& run, Ui& ui);

// How one mode takes a format.
struct FormatInMode {
  // None: the mode refuses such a file before reading it.
  ExportReader reader = nullptr;
  // Why a read that gave no record is refused (None: no reason added).
  Refusal nothingRead = Refusal::None;
  // The mode's open dialog offers the format's filter after its own.
  bool offered = false;
};

struct ImportFormat {
  ExportLook look;
  // Formats are tried in table order; the first that takes the head wins.
  bool (*recognised)(const ExportHead& head);
  std::array<FormatInMode, kAllModes.size()> modes;  // by ModeIndex
  Refusal refusal;                                   // in a mode without a reader of it
  std::string_view dialogFilter;                     // "description|pattern", or empty

  const FormatInMode& in(Mode mode) const { return modes[ModeIndex(mode)]; }
};

std::span<const ImportFormat> ImportFormats();

// The format of an export's first bytes (at most kLookLength of them).
const ImportFormat& RecogniseExport(std::string_view head, InputText text);
// The format of the file's first kLookLength bytes; text when it can't be
// read (the reader then says so with its own message).
const ImportFormat& FormatOfExport(const std::string& path, InputText text);
inline ExportLook LookAtExportBytes(std::string_view head,
                                    InputText text = InputText::Windows1252) {
  return RecogniseExport(head, text).look;
}

// The filters the mode's open dialog offers after the mode's own, each
// "|description|pattern".
std::string OfferedImportFilters(Mode mode);

}  // namespace tk
