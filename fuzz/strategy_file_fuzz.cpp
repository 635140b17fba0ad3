// The strategy file reader, for a mode from the first byte. What it reads
// must write back as a file that reads without error, and after one such
// round the file must stay the same (the file is the user's only copy of
// their choices; words the file can't carry are dropped once, not again and
// again).
#include "fuzz/FuzzState.h"

#include <sstream>

namespace {

using namespace tk::fuzz;

// Reads path into a fresh setup and writes it to copy; the bytes written, or
// nothing when the file did not read.
std::optional<std::string> ReadAndWrite(tk::Mode mode, const std::string& path,
                                        const std::string& copy) {
  tk::FieldSetup setup{.mode = mode, .fieldCount = tk::InfoOf(mode).fieldCount};
  NullUi ui;
  const tk::StrategyReadResult read = tk::ReadStrategyFile(setup, ui, path);
  Check(setup.popupLists.size() == static_cast<std::size_t>(tk::kPopupListCount),
        "popup lists resized");
  Check(ui.messages == 0, "reading a strategy file showed a message");
  if (read.status != tk::StrategyRead::Read) return std::nullopt;
  Check(tk::WriteStrategyFile(setup, copy), "strategy file not written");
  CheckNoPartFiles();
  return ReadAll(copy);
}

// Words so long that a written line is read in pieces: out of reach of the
// window, which keeps words short.
bool HasLongLine(const std::string& text) {
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (line.size() + 1 >= static_cast<std::size_t>(tk::kStrategyMaxLineLength)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ClearScratch();
  Controls controls{data, size};
  const tk::Mode mode = controls.nextMode();
  const std::string dir = ScratchFolder() + "/";
  const auto first = ReadAndWrite(mode, WriteInput("0.jfp", data, size), dir + "1.jfp");
  if (!first || HasLongLine(*first)) return 0;
  const auto second = ReadAndWrite(mode, dir + "1.jfp", dir + "2.jfp");
  Check(second.has_value(), "a written strategy file can't be read");
  Check(ReadAndWrite(mode, dir + "2.jfp", dir + "3.jfp") == second,
        "the strategy file changes each time it is read and written");
  return 0;
}
