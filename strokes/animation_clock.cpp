#include "animation_clock.h"

#include <chrono>
#include <thread>

namespace {

class SleepingClock : public AnimationClock {
  public:
    void pause(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

} // namespace

AnimationClock& real_animation_clock() {
    static SleepingClock clock;
    return clock;
}
