#include "mock/FakeConverter.h"

#include "converter/ConverterRunner.h"

#include <filesystem>

namespace tk::test {

ProgramFolder::ProgramFolder(const std::string& script, const std::string& name)
    : path_(root_.file(name)) {
  std::filesystem::create_directories(work(""));
  if (script.empty()) return;
  const std::string converter = file(kConverterFileName);
  WriteBytes(converter, script);
  std::filesystem::permissions(converter, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add);
}

}  // namespace tk::test
