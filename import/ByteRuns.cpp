#include "import/ByteRuns.h"

namespace tk {

bool OpenImportOutput(OutputFile& out, const std::string& path, Ui& ui) {
  if (out.open(path)) return true;
  ui.showMessage(MessageKind::Error, "Couldnt open output CSV File");
  return false;
}

bool CommitImportOutput(OutputFile& out, const std::string& path, Ui& ui) {
  if (out.commit()) return true;
  ui.showMessage(MessageKind::Error, "Unable to write to " + path);
  return false;
}

}  // namespace tk
