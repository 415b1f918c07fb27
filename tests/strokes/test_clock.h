#pragma once
// The animation clock of the stroke tests: records every pause with when it began and ended,
// runs a hook on the worker first, and sleeps for real only when asked to.
#include "animation_clock.h"
#include "stroke_animation.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class TestClock : public AnimationClock {
  public:
    using Time = std::chrono::steady_clock::time_point;
    explicit TestClock(bool real = false) : real_(real) {}
    void pause(int ms) override {
        size_t index;
        {
            std::lock_guard<std::mutex> hold(mutex_);
            index = pauses_.size();
            pauses_.push_back(ms);
            began_.push_back(std::chrono::steady_clock::now());
        }
        if (on_pause) on_pause(index, ms);
        if (real_) real_animation_clock().pause(ms);
        std::lock_guard<std::mutex> hold(mutex_);
        ended_.push_back(std::chrono::steady_clock::now());
    }
    // Before a run: pauses counted afresh from 0, no hook.
    void reset() {
        std::lock_guard<std::mutex> hold(mutex_);
        pauses_.clear();
        began_.clear();
        ended_.clear();
        on_pause = {};
        held_once = false;
    }
    // Before a run: the worker stays in the first pause that `wanted` picks until `a` has been
    // asked to stop; `holding` is true while it waits there.
    void hold_in(const StrokeAnimation& a, std::function<bool(size_t index, int ms)> wanted) {
        reset();
        on_pause = [this, &a, wanted](size_t index, int ms) {
            if (!wanted(index, ms) || held_once.exchange(true)) return;
            holding = true;
            while (a.running())
                std::this_thread::yield();
            holding = false;
        };
    }
    std::vector<int> pauses() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return pauses_;
    }
    std::vector<Time> began() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return began_;
    }
    std::vector<Time> ended() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return ended_;
    }

    std::function<void(size_t index, int ms)> on_pause; // set before the worker starts
    std::atomic<bool> holding{false};

  private:
    bool real_;
    std::atomic<bool> held_once{false};
    mutable std::mutex mutex_;
    std::vector<int> pauses_;
    std::vector<Time> began_, ended_;
};
