#pragma once
// The one command line Windows hands a new process, built from an argument
// vector so that the child's C runtime (or CommandLineToArgvW) splits it back
// into the same items. Items without blanks, tabs or quotes stay as they are,
// so the short paths the converter has always been given look the same.
#include <string>
#include <string_view>
#include <vector>

namespace tk {

std::string QuoteWindowsArgument(std::string_view arg);
std::string WindowsCommandLine(const std::vector<std::string>& args);

}  // namespace tk
