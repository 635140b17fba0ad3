#pragma once
// Runs jconv5, the converter beside the program, in either direction:
// CSV + IFO -> PDB for the import, PDB -> CSV for the export. Inputs are
// copied to fixed names in the work folder, the converter is started and
// waited for while the window stays live, and only a run that succeeded
// replaces the destination. What the user is to hear of the run (its error
// log, what it printed, why nothing was written) comes back in the result;
// ConverterNotices turns it into what the drivers show. Runs never overlap.
#include "converter/Direction.h"
#include "converter/Notice.h"
#include "platform/Clock.h"
#include "platform/PalmCharset.h"
#include "platform/Process.h"
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

// What a run needs from the machine; tests replace either.
struct ConverterServices {
  const ProcessLauncher& launcher;
  const Clock& clock;
};
ConverterServices SystemConverterServices();

// The converter's first argument.
constexpr const char* ConverterDirectionArgument(Direction direction) {
  return direction == Direction::Import ? "1" : "2";
}
// Between polls of the running converter.
inline constexpr int kConverterPollMs = 25;

#ifdef _WIN32
inline constexpr char kConverterFileName[] = "jconv5.exe";
#else
inline constexpr char kConverterFileName[] = "jconv5";
#endif

// The files of a run, in the work folder of the short data folder. The
// output's name is the run's own, so that a converter of an earlier run that
// was killed and still writes can never hand its output to this one.
struct ConverterFiles {
  std::string inputCopy;        // TKWork/input.tmp
  std::string outputFile;       // TKWork/jconv5-out-<run>.tmp; its parts begin so too
  std::string descriptionCopy;  // TKWork/ifo.tmp
  std::string log;              // TKWork/jconv5.err
  std::string printed;          // TKWork/jconv5-out-<run>.printed: its standard output
                                // and error, the run's own like the output
};
inline constexpr char kOutputPrefix[] = "jconv5-out-";
inline constexpr char kInputCopyName[] = "input.tmp";
inline constexpr char kDescriptionCopyName[] = "ifo.tmp";
inline constexpr char kConverterLogName[] = "jconv5.err";
// run: what tells this run's output from any other's.
ConverterFiles ConverterWorkFiles(const std::string& dataFolder, const std::string& run);
std::string ConverterPath(const std::string& programFolder);

// One file's trip through the converter.
struct ConverterJob {
  std::string dataFolder;     // whose TKWork the run uses
  std::string programFolder;  // where jconv5 is
  std::string progressFile;   // the file the progress window names
  std::string source;
  std::string destination;
  std::string description;  // the IFO file; none going back to CSV
  PalmCharset palm;         // what the values are in
};

enum class ConverterOutcome {
  Converted,
  SourceMissing,     // "The source file does not exist"
  ConverterMissing,  // "Jconv5.exe not found!"
  CopyFailed,        // reason: "Unable to copy <from> to <to>"; the converter was not started
  Died,              // reason: what died, and that nothing was written
  NotCreated,        // could not start, reported errors or left no output; reason: why
  Stopped,           // the user stopped it; nothing to tell
};

struct [[nodiscard]] ConverterResult {
  Direction direction = Direction::Import;
  ConverterOutcome outcome = ConverterOutcome::Converted;
  std::string reason;               // see ConverterOutcome; may be empty
  std::vector<std::string> report;  // the converter's log, then what it printed
  bool folderMade = false;          // the destination's folder had to be created
  bool converted() const { return outcome == ConverterOutcome::Converted; }
};

// What the user is told of a run, in the order it happened.
std::vector<Notice> ConverterNotices(const ConverterResult& result);

// CSV + IFO -> PDB named palmName on the handheld. Unless the run converted,
// the earlier destination, if any, is left as it was.
ConverterResult ConvertCsvToPdb(const ConverterJob& job, Ui& ui, const std::string& palmName,
                                const ConverterServices& services = SystemConverterServices());
// PDB -> CSV.
ConverterResult ConvertPdbToCsv(const ConverterJob& job, Ui& ui,
                                const ConverterServices& services = SystemConverterServices());

}  // namespace tk
