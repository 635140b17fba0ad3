#pragma once
// The texts a user reads about a run of the converter, in either direction:
// its message boxes, the heading of its error report, and what the status
// bar and the log say of a chosen file that did not convert.
//
// Kept byte for byte, as the program has always shown them: "The source file
// does not exist", "Jconv5.exe not found!", "Destination directory Had to be
// created" (capital H), "Output file not created", "CSV Output file not
// created", "Waiting for Jconv5 to finish" and the report's heading, with
// "Convertor" spelt so. A reason of our own goes on a line after them.
#include <string>
#include <string_view>

namespace tk {

inline constexpr char kSourceMissing[] = "The source file does not exist";
inline constexpr char kConverterMissing[] = "Jconv5.exe not found!";
inline constexpr char kDestinationMade[] = "Destination directory Had to be created";
inline constexpr char kPdbNotCreated[] = "Output file not created";
inline constexpr char kCsvNotCreated[] = "CSV Output file not created";
inline constexpr char kWaitingForConverter[] = "Waiting for Jconv5 to finish";
// Before the counter while a driver reads or writes records.
inline constexpr char kWorkingOnRecord[] = "Working on Record number";

// Above the lines of the converter's log, in the window and on the console.
inline constexpr char kErrorReportHeading[] =
    "The external Convertor reported an error. The logfile \"jconv5.err\" contained the "
    "following information";

inline constexpr char kConversionStopped[] = "Conversion stopped";

inline std::string FileNotConvertedText(std::string_view file) {
  return std::string(file) + " was not converted";
}

// A chosen file not converted, so that the file already at output stays.
// A chosen file a conversion would replace or delete on its way.
inline std::string WritesOverChosenText(std::string_view file, std::string_view chosen) {
  return "Converting " + std::string(file) + " would write over " + std::string(chosen) +
         ", a file you chose; nothing was written. Choose a file outside Tomekit's work folder, "
         "or move the earlier result first.";
}

inline std::string KeptEarlierText(std::string_view output) {
  return "Kept the earlier " + std::string(output);
}

inline std::string UnableToCopyText(std::string_view from, std::string_view to) {
  return "Unable to copy " + std::string(from) + " to " + std::string(to);
}

inline std::string ConverterDiedText(std::string_view source, std::string_view destination) {
  return "jconv5 stopped before it had finished converting " + std::string(source) +
         "; nothing was written to " + std::string(destination);
}

inline std::string ConverterNotStartedText(std::string_view converter, std::string_view reason) {
  return std::string(converter) + " could not be started (" + std::string(reason) + ")";
}

inline std::string LogNotReadText(std::string_view log) {
  return "The converter's log " + std::string(log) + " could not be read.";
}

// `notCreated` is kPdbNotCreated or kCsvNotCreated; `reason` may be empty.
inline std::string NotCreatedText(std::string_view notCreated, std::string_view reason) {
  return reason.empty() ? std::string(notCreated)
                        : std::string(notCreated) + "\n" + std::string(reason);
}

// The second line of "Output file not created" when the converter gave no
// reason of its own: the file the user chose, and where to look.
inline std::string NothingWrittenText(std::string_view chosen, bool reported) {
  return std::string(chosen) + ": the converter wrote nothing" +
         (reported ? " (the error report says why)" : "");
}

// A later file of one choice whose result replaces an earlier one's.
inline std::string SameFileText(std::string_view file, std::string_view earlier,
                                std::string_view path) {
  return std::string(file) + " replaces the result of " + std::string(earlier) +
         ": both are written to " + std::string(path);
}
inline std::string DatabaseInstalledText(std::string_view file, std::string_view installed,
                                         std::string_view databaseName) {
  return std::string(file) + " makes the database " + std::string(databaseName) + ", as " +
         std::string(installed) +
         " in the Palm install folder does: the handheld keeps only one of them.";
}

inline std::string SameDatabaseText(std::string_view file, std::string_view earlier,
                                    std::string_view databaseName) {
  return std::string(file) + " replaces the result of " + std::string(earlier) +
         ": both make the database " + std::string(databaseName);
}

}  // namespace tk
