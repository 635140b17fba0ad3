#include "platform/MessagePump.h"

namespace tk {

MessagePump::MessagePump(Ui& ui, const Clock& clock, int intervalMs)
    : ui_(ui), clock_(clock), intervalMs_(intervalMs), lastPumpMs_(clock.steadyMilliseconds()) {}

void MessagePump::pumpIfDue() {
  if (clock_.steadyMilliseconds() - lastPumpMs_ >= intervalMs_) pumpNow();
}

void MessagePump::pumpNow() {
  ui_.processMessages();
  stopped_ = ui_.stopRequested();
  lastPumpMs_ = clock_.steadyMilliseconds();
}

}  // namespace tk
