// The strategy file reader, for a mode from the first byte. What it reads
// must write back as a file that reads without error, and after one such
// round the file must stay the same (the file is the user's only copy of
// their choices; words the file can't carry are dropped once, not again and
// again).
#include "fields/StrategyFile.h"
#include "fuzz/FuzzState.h"
#include "fuzz/NullUi.h"
#include "platform/OperationError.h"

namespace {

using namespace tk::fuzz;

// Reads path into a fresh table and writes it to copy; the bytes written.
std::string ReadAndWrite(std::int32_t mode, const std::string& path, const std::string& copy,
                         bool mayThrow, bool& read) {
  tk::FldTable = {};
  tk::AppState state;
  state.convMode = mode;
  tk::SetFieldCount(state);
  NullUi ui;
  try {
    read = tk::ReadStrategyFile(state, ui, path);
  } catch (const tk::OperationError&) {
    if (!mayThrow) Fail("a written strategy file has a non-numeric value");
    read = false;
    return {};
  }
  Check(state.popupLists.size() == static_cast<std::size_t>(tk::kPopupListCount),
        "popup lists resized");
  Check(ui.errors == 0, "a readable file gave an error message");
  if (!read) return {};
  Check(tk::WriteStrategyFile(state, copy), "strategy file not written");
  CheckNoPartFiles();
  return ReadAll(copy);
}

bool HasLongLine(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end - start + 1 >= static_cast<std::size_t>(tk::kStrategyMaxLineLength)) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ClearScratch();
  Controls controls(data, size);
  const std::int32_t mode = controls.next() % 4;
  const std::string path = WriteInput("strat.jfp", data, size);
  const std::string first = ScratchFolder() + "/first.jfp";
  const std::string second = ScratchFolder() + "/second.jfp";
  const std::string third = ScratchFolder() + "/third.jfp";

  bool read = false;
  const std::string text1 = ReadAndWrite(mode, path, first, true, read);
  if (!read) return 0;
  // Words so long that a written line is read in pieces: out of reach of the
  // window, which keeps words short.
  if (HasLongLine(text1)) return 0;
  const std::string text2 = ReadAndWrite(mode, first, second, false, read);
  Check(read, "a written strategy file can't be read");
  const std::string text3 = ReadAndWrite(mode, second, third, false, read);
  Check(read && text3 == text2, "the strategy file changes each time it is read and written");
  return 0;
}
