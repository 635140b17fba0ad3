#include "import/IfoWriter.h"

#include "platform/Files.h"

#include <algorithm>
#include <string>

namespace tk {
namespace {

constexpr const char* kEndMarker = "456E644A46696C654461746100";

const FldDef& Field(const FieldSetup& setup, int n) {
  return setup.table[static_cast<std::size_t>(n)];
}

// One number per selected field, each followed by a blank.
template <typename Member>
void WriteSelectedNumbers(OutputFile& out, const FieldSetup& setup, Member member) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    if (Field(setup, n).selected) out.write(std::to_string(Field(setup, n).*member) + " ");
  }
  out.endLine();
}

void WritePopupSections(OutputFile& out, const FieldSetup& setup) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    const FldDef& field = Field(setup, n);
    if (!field.selected || field.popupLetter == 0) continue;
    out.endLine();
    out.write("popup");
    out.put(field.popupLetter);
    const auto& words = setup.popupLists.at(static_cast<std::size_t>(n));
    auto count = std::min(words.size(), static_cast<std::size_t>(kMaxPopupWordsWritten));
    for (std::size_t i = 0; i < count; ++i) {
      out.endLine();
      out.write(words[i]);
    }
  }
}

}  // namespace

IfoResult WriteIfoFile(FieldSetup& setup, const std::string& path) {
  OutputFile out;
  if (!out.open(path)) return {IfoStatus::NotCreated, path};
  out.writeLine("JFile5");
  WriteSelectedNumbers(out, setup, &FldDef::fldType);
  WriteSelectedNumbers(out, setup, &FldDef::colWidth);
  out.writeLine(std::to_string(setup.recordViewWidth));
  out.writeLine(std::to_string(setup.firstColumn));
  out.writeLine(std::to_string(setup.oldFlags));
  const int selected = CountSelectedFields(setup);
  if (selected < 1) {
    // Nothing to describe: leave no half-written description behind.
    out.discard();
    return {IfoStatus::NoFieldSelected, {}};
  }
  std::string zeros;
  for (int i = 0; i < selected; ++i) zeros += "0 ";
  out.writeLine(zeros);
  out.write(zeros);
  out.endLine();
  out.write(kEndMarker);
  WritePopupSections(out, setup);
  if (!out.commit()) return {IfoStatus::NotWritten, path};
  return {IfoStatus::Written, {}};
}

}  // namespace tk
