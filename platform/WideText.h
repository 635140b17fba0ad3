#pragma once
// The UTF-16 text of Windows' W-functions, to and from our UTF-8 (Windows
// only); and the text older Windows programs write in the user's ANSI code
// page. Text that isn't valid UTF-8 (or UTF-16) becomes U+FFFD where it breaks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// Text in the ANSI code page (Windows-1252 outside Windows), as UTF-8;
// nothing when the bytes are no text of that code page.
std::optional<std::string> Utf8OfAnsiText(std::string_view text);

#ifdef _WIN32

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// wmain's arguments after the program's own name.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
// The console shows what we print as UTF-8, not in its OEM code page.
void UseUtf8Console();
#endif

}  // namespace tk
