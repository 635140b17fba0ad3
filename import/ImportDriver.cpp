#include "import/ImportDriver.h"

#include "converter/ConverterRunner.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "import/GenericPrePass.h"
#include "import/IfoWriter.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"

namespace tk {
namespace {

int ReadExport(AppState& state, Ui& ui) {
  switch (state.convMode) {
    case kModeRefMan:
      return ConvertRefManExport(state, ui);
    case kModeProCite:
      return ConvertProCiteExport(state, ui);
    case kModeProCiteGeneric:
      // The ProCite reader runs on the reduced file even when the pre-pass
      // failed; it then reports the missing file itself.
      PrepareGenericExport(state, ui);
      state.inputPath = GenericIntermediatePath(state);
      return ConvertProCiteExport(state, ui);
    default:
      return ConvertEndNoteExport(state, ui);
  }
}

ProgressSetup ImportProgress(const AppState& state, bool showBar) {
  ProgressSetup setup;
  setup.prefix = "Working on Record number";
  setup.sourceFile = state.progressFile;
  setup.banner = Banner::MovingTo;
  setup.showRecordCounter = true;
  setup.showBar = showBar;
  return setup;
}

}  // namespace

FileDialogSetup ImportDialogSetup(const AppState& state) {
  return {std::string(ManagerNameOf(state.convMode)) + " Exports (*.txt)|*.TXT",
          state.importExportFolder};
}

void ImportChosenFiles(AppState& state, Ui& ui, const std::vector<std::string>& chosen,
                       const FileDone& onDone) {
  state.statusText.clear();
  if (!chosen.empty()) {
    ui.processMessages();
    for (const auto& file : chosen) {
      state.inputPath = file;
      state.statusText.clear();
      bool converted = false;
      const std::int32_t records = RunImport(state, ui, &converted);
      if (onDone) onDone({file, records, converted});
    }
  }
  RequestHotSyncInstall(state, ui);
}

std::int32_t RunImport(AppState& state, Ui& ui, bool* converted) {
  if (converted) *converted = false;
  state.truncatedCount = 0;
  SetMode(state, state.convMode);
  DeriveImportNames(state);
  ReadFieldPanel(state);
  CountSelectedFields(state);
  if (!WriteIfoFile(state, ui)) {
    ui.showMessage(MessageKind::Error, "Unable to build .IFO file");
    return 0;
  }

  state.progressFile = state.inputPath;
  ui.showProgress(ImportProgress(state, false));
  state.log(" ");
  state.log("EndNote to JFile");
  LogImportNames(state);

  const std::int32_t count = ReadExport(state, ui);
  state.log("Endnote file record count was " + std::to_string(count));
  if (count == 0) {
    ui.hideProgress();
    ui.showMessage(MessageKind::Error, "Error Converting EndNote file");
    return 0;
  }
  ui.progressStep(1);
  ui.showProgress(ImportProgress(state, true));
  const int built =
      ConvertCsvToPdb(state, ui, state.csvPath, state.pdbPath, state.ifoPath, state.palmName);
  if (converted) *converted = built == 1;
  state.statusText = std::to_string(count) + " Records Transferred to  JFile";
  state.log(state.statusText);
  if (state.truncatedCount > 0) {
    state.statusText += ". Number of truncated records: " + std::to_string(state.truncatedCount);
  }
  return count;
}

}  // namespace tk
