#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace tk {
namespace {

class OsClock final : public Clock {
public:
  std::int64_t steadyMilliseconds() const override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  std::int64_t wallSeconds() const override {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
  }
  void sleepMilliseconds(int ms) const override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
};

}  // namespace

const Clock& SystemClock() {
  static const OsClock clock;
  return clock;
}

}  // namespace tk
