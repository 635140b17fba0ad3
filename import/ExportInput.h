#pragma once
// How the chosen export reaches the reader. A FIFO or a pipe (a shell's
// `<(…)`) can be read only once, yet `auto` looks at the whole input before
// the reader reads it; so such an input is copied to the work folder, its
// character set seen on the way, and the reader reads the copy. Anything
// else is read where it is. Either way a stop request reaches every wait:
// for a writer that never comes, and through an input that never ends.
#include "fields/Settings.h"
#include "import/ImportRun.h"
#include "platform/Ui.h"

#include <string>

namespace tk {

enum class InputTaken {
  Ready,       // run.inputPath and run.inputText are what the reader reads
  Stopped,     // the user stopped the wait or the look
  CopyFailed,  // the stream's copy can't be written; the message is shown
};

// The work copy of an input that can be read only once.
std::string StreamCopyPath(const Settings& settings);

// Sets run.inputText from the settings' character set (looking at the input
// for `auto`); a stream's copy becomes run.inputPath and is added to
// run.written. The caller removes the copy when the reader is done.
[[nodiscard]] InputTaken TakeExportInput(const Settings& settings, ImportRun& run, Ui& ui);

}  // namespace tk
