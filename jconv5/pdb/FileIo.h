#pragma once
// Whole-file reads and all-or-nothing writes: the converter's output appears
// under its name only once it has been written completely.
#include <string>
#include <string_view>

namespace jconv5 {

// what names the file in the message ("CSV file"). Throws Failure when the
// file can't be opened or read.
std::string ReadWholeFile(const std::string& path, const std::string& what);

// Writes path + ".jconv5-part" and renames it over path. Throws Failure (and
// leaves no part file behind) when that fails.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// The folder part of path with its separator, empty for a bare file name.
std::string FolderOf(const std::string& path);

}  // namespace jconv5
