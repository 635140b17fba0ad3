#pragma once
// A field table and state for one reader run in a fresh folder.
#include "fields/AppState.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <string>
#include <vector>

namespace tk::test {

struct ImportFixture {
  explicit ImportFixture(std::int32_t mode, int maxWidth = 3990) {
    FldTable = {};
    state.convMode = mode;
    SetFieldCount(state);
    for (int n = 1; n <= state.fieldCount; ++n) {
      FldTable[n].selected = 1;
      FldTable[n].maxWidth = maxWidth;
      FldTable[n].fldType = kTypeString;
    }
    state.inputPath = folder.file("export.txt");
    state.csvPath = folder.file("export.csv");
    state.ifoPath = folder.file("export.IFO");
  }

  void selectOnly(const std::vector<int>& fields) {
    for (int n = 1; n <= state.fieldCount; ++n) FldTable[n].selected = 0;
    for (int n : fields) FldTable[n].selected = 1;
  }
  void input(const std::string& bytes) { WriteBytes(state.inputPath, bytes); }
  std::string csv() const { return ReadBytes(state.csvPath); }
  // The CSV without its header line.
  std::string records() const {
    std::string all = csv();
    auto end = all.find("\r\n");
    return end == std::string::npos ? std::string() : all.substr(end + 2);
  }

  TempFolder folder;
  AppState state;
  FakeUi ui;
};

}  // namespace tk::test
