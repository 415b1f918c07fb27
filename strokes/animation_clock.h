#pragma once
// The pauses of the stroke animation go through a clock so that tests can run them fast or
// watch them.
class AnimationClock {
  public:
    virtual ~AnimationClock() = default;
    // Called on the worker thread: waits `ms` milliseconds.
    virtual void pause(int ms) = 0;
};

// The clock of the program: really sleeps.
AnimationClock& real_animation_clock();
