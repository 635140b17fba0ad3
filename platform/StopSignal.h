#pragma once
// The command line's stop request: Ctrl-C, SIGTERM and SIGHUP (on Windows the
// console's Ctrl-C, Ctrl-Break and close) ask the conversion in progress to
// stop instead of ending the program on the spot, so the run can clean up
// after itself. A second Ctrl-C ends the program the usual way.
namespace tk {

void InstallStopSignalHandlers();
// True once a stop signal arrived.
bool StopSignalled();

}  // namespace tk
