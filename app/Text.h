#pragma once
// The core keeps text as 8-bit strings: paths in the file system's encoding,
// field data and popup words as bytes of the handheld's set copied into the
// files it writes. These are the crossings between that and QString.
#include "platform/PalmCharset.h"

#include <QString>
#include <optional>
#include <string>

namespace tk::app {

// Text from the core for display: UTF-8 when it is valid UTF-8 (paths, our
// own messages), else Latin-1 (bytes taken from a data file).
QString FromCore(const std::string& text);

std::string PathToCore(const QString& path);
QString PathFromCore(const std::string& path);

// A popup word's bytes in the handheld's set; nothing when it holds a
// character the set lacks, and `lacking` (when given) is then that character.
std::optional<std::string> WordToCore(const QString& word, PalmCharset charset,
                                      QString* lacking = nullptr);
QString WordFromCore(const std::string& word, PalmCharset charset);

}  // namespace tk::app
