#pragma once
// A program folder with a stand-in converter, a Palm backup folder and the
// manager's folder, for the export driver's tests. The stand-in converter
// copies its input, so a "PDB" here holds the CSV jconv5 would make of it.
#include "export/ExportDriver.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "platform/Files.h"

#include <string>
#include <vector>

namespace tk::test {

using Lines = std::vector<std::string>;
inline const char kTwoTitles[] = "\"Title\"\r\n\"One\"\r\n\"Two\"\r\n";

struct ExportRun {
  explicit ExportRun(ConvMode mode, const std::string& script = kRecordingConverter)
      : program(script), state(program.state()) {
    state.convMode = mode;
    SetFieldCount(state);
    state.importExportFolder = program.file("Import and Export");
    state.palmBackupFolder = program.file("backup");
    CreateFolders(state.importExportFolder);
    CreateFolders(state.palmBackupFolder);
  }
  std::string pdb(const std::string& name, const std::string& csv = kTwoTitles) {
    const std::string path = state.palmBackupFolder + "/" + name;
    WriteBytes(path, csv);
    return path;
  }
  std::string tsv(const std::string& name) const { return state.importExportFolder + "/" + name; }
  std::string exported(const std::string& name) const { return ReadBytes(tsv(name)); }
  std::int32_t exportOne(const std::string& path) {
    state.pdbPath = path;
    return RunExport(state, ui, &converted);
  }

  ProgramFolder program;
  AppState state;
  FakeUi ui;
  bool converted = false;
};

}  // namespace tk::test
