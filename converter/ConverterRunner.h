#pragma once
// Runs jconv5, the converter in the program folder, in either direction:
// CSV + IFO -> PDB for the import, PDB -> CSV for the export. Inputs are
// copied to fixed names in the work folder, the converter is started and
// waited for while the window stays live, its output is copied to the
// destination and its error log, if any, is shown. Runs never overlap.
#include "fields/AppState.h"
#include "platform/Clock.h"
#include "platform/Process.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace tk {

// What a run needs from the machine; tests replace either.
struct ConverterServices {
  const ProcessLauncher& launcher;
  const Clock& clock;
};
ConverterServices SystemConverterServices();

inline constexpr char kDirectionToPdb[] = "1";
inline constexpr char kDirectionToCsv[] = "2";
// Between polls of the running converter.
inline constexpr int kConverterPollMs = 25;

#ifdef _WIN32
inline constexpr char kConverterFileName[] = "jconv5.exe";
#else
inline constexpr char kConverterFileName[] = "jconv5";
#endif

// The fixed files of a run, in the work folder of the short program folder.
struct ConverterFiles {
  std::string inputCopy;        // TKWork/input.tmp
  std::string outputFile;       // TKWork/out.tmp
  std::string descriptionCopy;  // TKWork/ifo.tmp
  std::string log;              // TKWork/jconv5.err
};
ConverterFiles ConverterWorkFiles(const AppState& state);

// The converter form learns the mode before each run.
void SetMode(AppState& state, std::int32_t mode);

std::string ConverterPath(const AppState& state);
bool ConverterPresent(const AppState& state);
void DeleteConverterLog(const AppState& state);
// Shows the converter's log in the error report when it exists.
bool ReportConverterLog(const AppState& state, Ui& ui);

// 1 when the destination exists after the run and the converter left no log.
int ConvertCsvToPdb(AppState& state, Ui& ui, const std::string& csvPath, const std::string& pdbPath,
                    const std::string& ifoPath, const std::string& palmName,
                    const ConverterServices& services = SystemConverterServices());
int ConvertPdbToCsv(AppState& state, Ui& ui, const std::string& pdbPath, const std::string& csvPath,
                    const std::string& ifoPath,
                    const ConverterServices& services = SystemConverterServices());

// The common run: copies, starts, waits, copies the output back, cleans up.
void RunConverter(AppState& state, Ui& ui, const std::string& direction, const std::string& source,
                  const std::string& destination, const std::string& ifoPath,
                  const std::string& nameArgument,
                  const ConverterServices& services = SystemConverterServices());

}  // namespace tk
