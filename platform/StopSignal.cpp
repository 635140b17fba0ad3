#include "platform/StopSignal.h"

#include <csignal>

#ifdef _WIN32
#include "platform/WindowsApi.h"
#else
#include <signal.h>
#endif

namespace tk {
namespace {

// A signal handler can only set a flag, so the flag has to live here.
volatile std::sig_atomic_t stopSignalled = 0;

#ifdef _WIN32
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  const bool again = stopSignalled != 0;
  stopSignalled = 1;
  return again ? FALSE : TRUE;
}
#else
void OnStopSignal(int) { stopSignalled = 1; }
#endif

}  // namespace

void InstallStopSignalHandlers() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // Restarted calls spare the file code from EINTR; the one-shot handler
  // lets an impatient second Ctrl-C end the program.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A closed terminal: the run can't be watched any more, so it ends tidily.
  sigaction(SIGHUP, &action, nullptr);
#endif
}

bool StopSignalled() { return stopSignalled != 0; }

}  // namespace tk
