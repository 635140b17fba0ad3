#pragma once
// Time as the program needs it: a steady millisecond count for throttling
// and waits, and whole wall-clock seconds for the converter's elapsed time.
#include <cstdint>

namespace tk {

class Clock {
public:
  virtual ~Clock() = default;
  virtual std::int64_t steadyMilliseconds() const = 0;
  virtual std::int64_t wallSeconds() const = 0;
  virtual void sleepMilliseconds(int ms) const = 0;
};

// The real clock of this machine.
const Clock& SystemClock();

}  // namespace tk
