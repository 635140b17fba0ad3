#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

AppState StateWithAllSelected(std::int32_t mode, std::int32_t type) {
  FldTable = {};
  AppState state;
  state.convMode = mode;
  SetFieldCount(state);
  for (int n = 1; n <= state.fieldCount; ++n) {
    FldTable[n].selected = 1;
    FldTable[n].fldType = type;
  }
  return state;
}

}  // namespace

TEST(field_table_test, popup_letters_follow_column_position_and_skip_capital_a) {
  AppState state = StateWithAllSelected(kModeProCite, kTypePopup);
  EXPECT_EQ(CountSelectedFields(state), 47);
  EXPECT_EQ(FldTable[1].popupLetter, 'a');
  EXPECT_EQ(FldTable[26].popupLetter, 'z');
  EXPECT_EQ(FldTable[27].popupLetter, 'B');
  EXPECT_EQ(FldTable[47].popupLetter, 'V');
}

TEST(field_table_test, letter_counts_selected_fields_and_a_string_field_has_none) {
  AppState state = StateWithAllSelected(kModeEndNote, kTypePopup);
  CountSelectedFields(state);
  ASSERT_EQ(FldTable[2].popupLetter, 'b');
  FldTable[1].selected = 0;
  FldTable[2].fldType = kTypeString;
  FldTable[3].fldType = kTypeMultiPopup;
  EXPECT_EQ(CountSelectedFields(state), 30);
  EXPECT_EQ(FldTable[2].popupLetter, 0);
  EXPECT_EQ(FldTable[3].popupLetter, 'b');
}

TEST(field_table_test, clear_keeps_entries_beyond_field_count) {
  AppState state = StateWithAllSelected(kModeProCite, kTypeString);
  state.convMode = kModeEndNote;
  SetFieldCount(state);
  ClearFieldTable(state);
  EXPECT_EQ(FldTable[31].selected, 0);
  EXPECT_EQ(FldTable[32].selected, 1);
  EXPECT_EQ(FldTable[47].fldType, kTypeString);
}

TEST(field_table_test, catalogues_have_their_counts_and_end_markers) {
  EXPECT_EQ(FieldLabel(kModeEndNote, 32), "FAULT");
  EXPECT_EQ(FieldLabel(kModeRefMan, 3), "Title 1 ");
  EXPECT_EQ(FieldLabel(kModeRefMan, 34), "XX");
  EXPECT_EQ(FieldLabel(kModeRefMan, 36), "ZZ");
  EXPECT_EQ(FieldLabel(kModeProCite, 48), "END1");
  EXPECT_EQ(FieldLongName(kModeProCite, 7), "Medium Designator");
  EXPECT_EQ(FieldLabel(kModeProCiteGeneric, 25), "END1");
  EXPECT_EQ(FieldLongName(kModeEndNote, 16), "Number of Volumes");
  for (std::int32_t mode = 0; mode < 4; ++mode) {
    EXPECT_EQ(FieldLabel(mode, 0), "DUMMY");
  }
}

TEST(field_table_test, generic_map_names_exactly_the_24_generic_fields_in_order) {
  int generic = 0;
  for (int n = 1; n <= 47; ++n) {
    if (GenericFieldMap(n) == "---") continue;
    ++generic;
    EXPECT_EQ(GenericFieldMap(n), FieldLabel(kModeProCiteGeneric, generic)) << n;
  }
  EXPECT_EQ(generic, 24);
  EXPECT_EQ(GenericFieldMap(48), "END1");
}

}  // namespace tk
