#include "mock/FakeConverter.h"

#include "converter/ConverterRunner.h"

#include <filesystem>

namespace tk::test {

void InstallStandIn(const std::string& programFolder, const std::string& behaviour) {
  const auto converter = std::filesystem::u8path(ConverterPath(programFolder));
  std::filesystem::copy_file(TOMEKIT_STAND_IN, converter,
                             std::filesystem::copy_options::overwrite_existing);
  WriteBytes(JoinPath(programFolder, "stand-in.txt"), behaviour);
}

ProgramFolder::ProgramFolder(const std::string& behaviour, const std::string& name)
    : path_(root_.file(name)) {
  std::filesystem::create_directories(std::filesystem::u8path(work("")));
  if (!behaviour.empty()) InstallStandIn(path_, behaviour);
}

}  // namespace tk::test
