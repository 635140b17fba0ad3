#pragma once
// The core keeps text as 8-bit strings: paths in the file system's encoding,
// field data and popup words as Windows-1252 bytes copied unchanged into the
// files it writes. These are the crossings between that and QString.
#include <QString>
#include <optional>
#include <string>

namespace tk::app {

// Text from the core for display: UTF-8 when it is valid UTF-8 (paths, our
// own messages), else Latin-1 (bytes taken from a data file).
QString FromCore(const std::string& text);

std::string PathToCore(const QString& path);
QString PathFromCore(const std::string& path);

// A popup word's Windows-1252 bytes; nothing when it holds a character
// Windows-1252 lacks, and `lacking` (when given) is then that character.
std::optional<std::string> WordToCore(const QString& word, QString* lacking = nullptr);
QString WordFromCore(const std::string& word);

}  // namespace tk::app
