#include "import/IfoWriter.h"

#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "platform/Files.h"

#include <algorithm>
#include <string>

namespace tk {
namespace {

constexpr const char* kEndMarker = "456E644A46696C654461746100";

int LastField(const AppState& state) { return std::min(state.fieldCount, kMaxFieldCount); }

// One number per selected field, each followed by a blank.
template <typename Member>
void WriteSelectedNumbers(OutputFile& out, const AppState& state, Member member) {
  for (int n = 1; n <= LastField(state); ++n) {
    if (FldTable[n].selected) out.write(std::to_string(FldTable[n].*member) + " ");
  }
  out.endLine();
}

void WritePopupSections(OutputFile& out, const AppState& state) {
  for (int n = 1; n <= LastField(state); ++n) {
    const FldDef& field = FldTable[n];
    if (!field.selected || field.popupLetter == 0) continue;
    out.endLine();
    out.write("popup");
    out.put(field.popupLetter);
    const auto& words = state.popupLists.at(static_cast<std::size_t>(n));
    auto count = std::min(words.size(), static_cast<std::size_t>(kMaxPopupWords));
    for (std::size_t i = 0; i < count; ++i) {
      out.endLine();
      out.write(words[i]);
    }
  }
}

}  // namespace

bool WriteIfoFile(AppState& state, Ui& ui) {
  OutputFile out;
  if (!out.open(state.ifoPath)) {
    ui.showMessage(MessageKind::Error, "Failure creating .IFO file ");
    return false;
  }
  out.writeLine("JFile5");
  WriteSelectedNumbers(out, state, &FldDef::fldType);
  WriteSelectedNumbers(out, state, &FldDef::colWidth);
  out.writeLine(std::to_string(state.dbSetting1));
  out.writeLine(std::to_string(state.dbSetting2));
  out.writeLine(std::to_string(state.dbSetting3));
  int selected = CountSelectedFields(state);
  if (selected < 1) {
    // Nothing to describe: leave no half-written description behind.
    out.discard();
    ui.showMessage(MessageKind::Error, "No fields selected \nPlease select a field and try again ");
    return false;
  }
  std::string zeros;
  for (int i = 0; i < selected; ++i) zeros += "0 ";
  out.writeLine(zeros);
  out.write(zeros);
  out.endLine();
  out.write(kEndMarker);
  WritePopupSections(out, state);
  if (!out.commit()) {
    ui.showMessage(MessageKind::Error, "Unable to write to " + state.ifoPath);
    return false;
  }
  return true;
}

}  // namespace tk
