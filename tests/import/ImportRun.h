#pragma once
// A program folder with a stand-in converter and an EndNote-style selection
// of four string fields, for the import driver's tests.
#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "fields/PalmFolders.h"
#include "import/ImportDriver.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/ScopedEnv.h"
#include "platform/Files.h"
#include "platform/InstallRequestStore.h"

#include <string>
#include <vector>

namespace tk::test {

using Lines = std::vector<std::string>;
inline const std::string kEndNoteRecordEnd = "\xB0";

// The stand-in converter copies its input, so a "PDB" here holds the CSV.
struct ImportRun {
  explicit ImportRun(ConvMode mode, const std::string& script = kRecordingConverter)
      : program(script),
        state(program.state()),
        store(program.file("install.ini")),
        storeLocation("TOMEKIT_INSTALL_STORE", store) {
    FldTable = {};
    state.convMode = mode;
    SetFieldCount(state);
    for (int n = 1; n <= 4; ++n) {
      FldTable[n].selected = 1;
      FldTable[n].maxWidth = 20;
      FldTable[n].fldType = kTypeString;
      FldTable[n].colWidth = 80;
    }
    state.palmInstallFolder = program.file("Install");
    state.importExportFolder = program.file("exports");
    state.hotSyncUserId = "1234";
    CreateFolders(state.palmInstallFolder);
    CreateFolders(state.importExportFolder);
  }

  std::string input(const std::string& name, const std::string& bytes) {
    const std::string path = state.importExportFolder + "/" + name;
    WriteBytes(path, bytes);
    return path;
  }
  std::int32_t import(const std::string& path) {
    state.inputPath = path;
    return RunImport(state, ui, &converted);
  }
  bool installRequested() const {
    return InstallRequestStore(store).value(kHotSyncKeyPath, "Install1234") == 1u;
  }

  ProgramFolder program;
  AppState state;
  std::string store;
  ScopedEnv storeLocation;
  FakeUi ui;
  bool converted = false;
};

}  // namespace tk::test
