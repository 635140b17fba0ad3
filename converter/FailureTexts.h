#pragma once
// What the status bar, the log and the command line say of a chosen file
// that did not convert, in either direction.
#include <string>

namespace tk {

inline constexpr char kConversionStopped[] = "Conversion stopped";

inline std::string NotConvertedText(const std::string& file) { return file + " was not converted"; }

}  // namespace tk
