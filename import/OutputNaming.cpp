#include "import/OutputNaming.h"

#include "platform/Path.h"

namespace tk {
namespace {

constexpr std::size_t kPalmNameLimit = 19;

std::string WorkFolder(const AppState& state) { return JoinPath(state.programFolder, "TKWork"); }

}  // namespace

std::string_view ModePrefix(std::int32_t convMode) {
  switch (convMode) {
    case 0:
      return "EN-";
    case 1:
      return "RM-";
    case 2:
      return "PR-";
    case 3:
      return "PG-";
    default:
      return "";
  }
}

void AddModePrefix(const AppState& state, std::string& path) {
  std::string name = ExtractFileName(path);
  std::string result = ExtractFilePath(path);
  result += ModePrefix(state.convMode);
  result += ChangeFileExt(name, "");
  result += ExtractFileExt(name);
  path = std::move(result);
}

void MakePalmName(AppState& state) {
  std::string name(ModePrefix(state.convMode));
  name += ChangeFileExt(ExtractFileName(state.inputPath), "");
  if (name.size() > kPalmNameLimit) name.resize(kPalmNameLimit);
  state.palmName = "\"" + name + "\"";
}

void DeriveImportNames(AppState& state) {
  state.pdbPath = ChangeFileExt(state.inputPath, ".PDB");
  state.ifoPath = ChangeFileExt(state.inputPath, ".IFO");
  state.csvPath = ChangeFileExt(state.inputPath, ".csv");
  state.pdbPath = JoinPath(state.palmInstallFolder, ExtractFileName(state.pdbPath));
  AddModePrefix(state, state.pdbPath);
  MakePalmName(state);
  state.ifoPath = JoinPath(WorkFolder(state), ExtractFileName(state.ifoPath));
  state.csvPath = JoinPath(WorkFolder(state), ExtractFileName(state.csvPath));
}

void LogImportNames(AppState& state) {
  state.log("sCsv Name is " + state.csvPath);
  state.log("sPdb Name is " + state.pdbPath);
  state.log("IFO  Name is " + state.ifoPath);
  state.log("Palm Name is " + state.palmName);
}

std::string GenericIntermediatePath(const AppState& state) {
  return ChangeFileExt(state.csvPath, ".tkg");
}

}  // namespace tk
