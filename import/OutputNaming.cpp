#include "import/OutputNaming.h"

#include "converter/WorkFileNames.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "platform/Files.h"
#include "platform/NameLength.h"
#include "platform/PalmCharset.h"
#include "platform/Path.h"
#include "platform/Text.h"

namespace tk {
namespace {

// The longest database name the handheld shows.
constexpr std::size_t kPalmNameLimit = 19;

// The mode's prefix and the extension make a name longer than the export's,
// so a name near the system's limit gives up the end of its base: cut, it
// still makes a database; whole, it makes none.
std::string PdbFileName(Mode mode, const std::string& inputPath) {
  const std::string prefix(InfoOf(mode).prefix);
  constexpr std::string_view kExtension = ".PDB";
  const std::size_t room = kMaxFileNameLength - FileNameLength(prefix) - kExtension.size();
  const std::string base = ChangeFileExt(ExtractFileName(inputPath), "");
  return prefix + std::string(FileNameStart(base, room)) + std::string(kExtension);
}

// In the handheld's set, cut where a character ends.
std::string PalmName(Mode mode, const std::string& inputPath, PalmCharset charset) {
  std::string name(InfoOf(mode).prefix);
  name += PalmOfUtf8(charset, ChangeFileExt(ExtractFileName(inputPath), ""));
  name.resize(PalmCutLength(charset, name, kPalmNameLimit));
  return "\"" + name + "\"";
}

// A PDB begins with its database name, NUL-padded to 32 bytes.
constexpr std::size_t kPdbNameBytes = 32;

std::string PdbDatabaseName(const std::string& path) {
  InputFile in;
  std::string name;
  if (!in.open(path) || in.kind() != FileKind::Regular) return name;
  for (int c = in.get(); c > 0 && name.size() < kPdbNameBytes; c = in.get()) {
    name += static_cast<char>(c);
  }
  return name;
}

}  // namespace

std::string InstalledDatabaseNamed(const Settings& settings, const ImportRun& run) {
  const std::string name = run.palmName.substr(1, run.palmName.size() - 2);  // no quotes
  for (const std::string& file : FileNamesIn(settings.palmInstallFolder)) {
    if (!EqualsIgnoreCase(ExtractFileExt(file), ".pdb")) continue;
    const std::string path = JoinPath(settings.palmInstallFolder, file);
    if (path == run.pdbPath || SameFile(path, run.pdbPath)) continue;
    if (PdbDatabaseName(path) == name) return path;
  }
  return {};
}

void NameImportOutputs(const Settings& settings, Mode mode, ImportRun& run) {
  const std::string work = WorkFolder(settings.dataFolder);
  run.pdbPath = JoinPath(settings.palmInstallFolder, PdbFileName(mode, run.inputPath));
  run.palm = settings.palmCharset;
  run.palmName = PalmName(mode, run.inputPath, run.palm);
  run.ifoPath = JoinPath(work, ExtractFileName(ChangeFileExt(run.inputPath, ".IFO")));
  run.csvPath = JoinPath(work, ExtractFileName(ChangeFileExt(run.inputPath, ".csv")));
}

void LogImportNames(ImportRun& run) {
  run.note("Input Name is " + run.inputPath);
  LogWorkFileNames(run.log, run.csvPath, run.pdbPath, run.ifoPath);
  // The log is UTF-8 like the paths above; the name is in the handheld's set.
  run.note("Palm Name is " + Utf8OfPalm(run.palm, run.palmName));
}

std::string GenericIntermediatePath(const ImportRun& run) {
  return ChangeFileExt(run.csvPath, ".tkg");
}

}  // namespace tk
