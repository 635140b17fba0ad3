#include "mock/FakeConverter.h"

#include "converter/ConverterRunner.h"

#include <filesystem>

namespace tk::test {
namespace {

void WriteScript(const std::string& path, const std::string& script) {
  WriteBytes(path, script);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add);
}

}  // namespace

ProgramFolder::ProgramFolder(const std::string& script, const std::string& name)
    : path_(root_.file(name)) {
  std::filesystem::create_directories(work(""));
  if (!script.empty()) WriteScript(file(kConverterFileName), script);
}

}  // namespace tk::test
