#include "export/ExportDriver.h"

#include "converter/ConverterRunner.h"
#include "export/TaggedWriter.h"
#include "fields/FieldCatalogue.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "import/OutputNaming.h"
#include "platform/Path.h"

namespace tk {
namespace {

void DeriveExportNames(AppState& state) {
  const std::string csvName = ExtractFileName(ChangeFileExt(state.pdbPath, ".out"));
  const std::string taggedName =
      ExtractFileName(ChangeFileExt(state.pdbPath, ExportExtension(state.convMode)));
  state.taggedPath = JoinPath(state.importExportFolder, taggedName);
  state.ifoPath = JoinPath(WorkFolder(state), "temp.ifo");
  state.csvPath = JoinPath(WorkFolder(state), csvName);
}

ProgressSetup ExportProgress(const AppState& state, Banner banner, bool showBar) {
  ProgressSetup setup;
  setup.prefix = "Working on Record number";
  setup.sourceFile = state.progressFile;
  setup.banner = banner;
  setup.showRecordCounter = true;
  setup.showBar = showBar;
  return setup;
}

}  // namespace

FileDialogSetup ExportDialogSetup(const AppState& state) {
  const std::string pattern = std::string(ModePrefix(state.convMode)) + "*.PDB";
  return {"Tomekit PDB  File (" + pattern + ")|" + pattern + "|All PDB files|*.pdb",
          state.palmBackupFolder};
}

const char* ExportExtension(std::int32_t convMode) {
  return convMode == kModeRefMan ? ".RIS" : ".tsv";
}

std::string ExportStatusText(std::int32_t convMode, std::int32_t records) {
  return std::to_string(records) + " Records Transferred to " + ManagerNameOf(convMode);
}

void ExportChosenFiles(AppState& state, Ui& ui, const std::vector<std::string>& chosen,
                       const FileDone& onDone) {
  state.statusText.clear();
  if (chosen.empty()) return;
  for (const auto& file : chosen) {
    state.pdbPath = file;
    state.statusText.clear();
    bool converted = false;
    const std::int32_t records = RunExport(state, ui, &converted);
    if (onDone) onDone({file, records, converted});
  }
  ui.processMessages();
}

std::int32_t RunExport(AppState& state, Ui& ui, bool* converted) {
  if (converted) *converted = false;
  SetMode(state, state.convMode);
  DeriveExportNames(state);

  state.progressFile = state.pdbPath;
  ui.progressStep(1);
  ui.showProgress(ExportProgress(state, Banner::MovingTo, true));
  state.log(" ");
  state.log("JFile to EndNote");
  state.log("sCsv Name is " + state.csvPath);
  state.log("sPdb Name is " + state.pdbPath);
  state.log("IFO  Name is " + state.ifoPath);

  const int result = ConvertPdbToCsv(state, ui, state.pdbPath, state.csvPath, state.ifoPath);
  ui.hideProgress();
  if (result == 0) {
    state.log("CSV2PDB returned  0");
    return 0;
  }

  ui.showProgress(ExportProgress(state, Banner::MovingFrom, false));
  const std::int32_t records = ConvertCsvToTagged(state, ui, state.csvPath);
  ui.hideProgress();
  state.statusText = ExportStatusText(state.convMode, records);
  state.log(state.statusText);
  if (converted) *converted = records > 0;
  return records;
}

}  // namespace tk
