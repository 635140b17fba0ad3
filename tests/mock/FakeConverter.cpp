#include "mock/FakeConverter.h"

#include "converter/ConverterRunner.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include <filesystem>

namespace tk::test {

void WriteScript(const std::string& path, const std::string& script) {
  WriteBytes(path, script);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add);
}

ProgramFolder::ProgramFolder(const std::string& script, const std::string& name)
    : path_(root_.file(name)) {
  std::filesystem::create_directories(JoinPath(path_, "TKWork"));
  if (!script.empty()) WriteScript(file(kConverterFileName), script);
}

std::string ProgramFolder::file(const std::string& name) const { return JoinPath(path_, name); }

std::string ProgramFolder::work(const std::string& name) const {
  return JoinPath(JoinPath(path_, "TKWork"), name);
}

Settings ProgramFolder::settings() const { return MakeSettings(path_); }

}  // namespace tk::test
