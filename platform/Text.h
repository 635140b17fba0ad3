#pragma once
// Text rules every layer shares: ASCII letter case and whole numbers.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tk {

char ToLowerAscii(char c);
// Equal when only the case of ASCII letters differs.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// A decimal whole number with an optional sign that fits 32 bits; nothing
// when the text holds anything else (blanks included) or is empty.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

}  // namespace tk
