#pragma once
// The JFile database description (IFO file) that jconv5 reads beside the
// CSV: the selected fields' types and widths, the database settings and the
// popup word lists.
#include "fields/FieldSetup.h"

#include <string>

namespace tk {

enum class IfoStatus {
  Written,
  NotCreated,       // the file could not be created
  NoFieldSelected,  // nothing to describe; no file is left
  NotWritten,       // writing or committing failed; the file is as it was
};

struct [[nodiscard]] IfoResult {
  IfoStatus status = IfoStatus::Written;
  std::string failedFile;  // the file of NotCreated and NotWritten
};

// Writes path from the setup's field table, assigning the popup letters the
// sections are named by.
IfoResult WriteIfoFile(FieldSetup& setup, const std::string& path);

}  // namespace tk
