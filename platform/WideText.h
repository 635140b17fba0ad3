#pragma once
// Windows only: the UTF-16 text of the W-functions, to and from our UTF-8.
// Text that isn't valid UTF-8 (or UTF-16) becomes U+FFFD where it breaks.
#ifdef _WIN32
#include <string>
#include <string_view>
#include <vector>

namespace tk {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// wmain's arguments after the program's own name.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);
// The console shows what we print as UTF-8, not in its OEM code page.
void UseUtf8Console();

}  // namespace tk
#endif
