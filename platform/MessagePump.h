#pragma once
// The readers pump before every byte. A real pump per byte would cost more
// than the conversion, so pump() only counts; every 4096 calls it reads the
// clock, and the window's messages are handled at most once per interval.
// A stop request is asked for only when messages are handled, since that is
// when the user can have made one.
#include "platform/Clock.h"
#include "platform/Ui.h"

#include <cstdint>

namespace tk {

class MessagePump {
public:
  static constexpr int kDefaultIntervalMs = 40;

  explicit MessagePump(Ui& ui, const Clock& clock = SystemClock(),
                       int intervalMs = kDefaultIntervalMs);

  void pump() {
    if ((++calls_ & kCallsPerClockRead) == 0) pumpIfDue();
  }
  // Handle messages now, whatever the interval (start and end of a loop).
  void pumpNow();
  // For loops over large pieces (a buffer of input, a short wait for more),
  // where reading the clock each time costs nothing beside the piece.
  void pumpPiece() { pumpIfDue(); }
  // The user asked to stop, as of the last time messages were handled.
  bool stopped() const { return stopped_; }

private:
  static constexpr std::uint32_t kCallsPerClockRead = 4095;
  void pumpIfDue();

  Ui& ui_;
  const Clock& clock_;
  std::int64_t intervalMs_;
  std::int64_t lastPumpMs_;
  std::uint32_t calls_ = 0;
  bool stopped_ = false;
};

}  // namespace tk
