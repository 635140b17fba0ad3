#pragma once
// What the session says of the files a choice converted: the status bar's
// line after each file, and the summary after several.
#include "converter/FileOutcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// Said once a choice, with the first question before a database is
// replaced: every route to the handheld replaces its database of the name.
inline std::string HandheldEditsReplacedText(std::string_view pdb, std::string_view exportCaption) {
  return std::string(pdb) +
         " is already there, and edits made on the handheld to its database will be replaced "
         "at the next sync. To keep them, sync first and export the database (" +
         std::string(exportCaption) + "), then import.";
}

// "; " before each route that takes the result to the handheld.
inline std::string RoutesText(const FileOutcome& done) {
  std::string text;
  for (const std::string& route : done.routes) text += "; " + route;
  return text;
}

// The verdict first, so a narrow window still shows it; then where the
// result went and on to the handheld, or why there is none.
inline std::string StatusLine(const FileOutcome& done) {
  if (done.converted) return done.statusText + " \xE2\x86\x92 " + done.output + RoutesText(done);
  if (!done.reason.empty()) return done.statusText + ": " + done.reason;
  return done.statusText;
}

// "2 of 3 files converted", then a line for each file.
inline std::string SummaryText(const std::vector<FileOutcome>& files) {
  int converted = 0;
  for (const FileOutcome& done : files) converted += done.converted ? 1 : 0;
  std::string text =
      std::to_string(converted) + " of " + std::to_string(files.size()) + " files converted";
  for (const FileOutcome& done : files) {
    text += "\n";
    if (done.converted) {
      text += done.file + " \xE2\x86\x92 " + done.output + RoutesText(done);
    } else if (done.kept || done.stopped) {
      text += done.file + ": " + StatusLine(done);
    } else {
      text += StatusLine(done);  // it names the file
    }
  }
  return text;
}

// tomekit-cli's line for a file converted, saying when it replaced a file,
// then the routes, so the command to copy it by hand ends the line.
inline std::string ConvertedLine(const FileOutcome& done) {
  const std::string verdict =
      done.replaced ? done.statusText + "; replaced " + done.output : done.statusText;
  return verdict + RoutesText(done);
}

}  // namespace tk
