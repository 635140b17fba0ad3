// Numbers typed into settings and strategy files must fit the 32 bits the
// file formats give them; names are matched whatever their letter case.
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace tk {

TEST(text_test, whole_numbers_fit_32_bits_with_an_optional_sign) {
  for (const char* text : {"0", "+42", "-7", "007", "2147483647", "-2147483648"})
    EXPECT_EQ(ParseWholeNumber(text), std::stoll(text)) << text;
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "+-1",
                           " 1", "1 ", "1a", "0x10", "/", ":"})
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << text;
}

// Only ASCII letters fold: bytes of other characters (Windows-1252 or UTF-8)
// stay as they are.
TEST(text_test, letter_case_folds_for_ascii_letters_alone) {
  EXPECT_TRUE(EqualsIgnoreCase("AZaz", "azAZ"));
  for (const char* other : {"@", "[", "`", "{", "\xC9"})
    EXPECT_EQ(ToLowerAscii(*other), *other) << other;
  EXPECT_FALSE(EqualsIgnoreCase("\xC9", "\xE9"));
  EXPECT_FALSE(EqualsIgnoreCase("ab", "abc"));
}

}  // namespace tk
