#pragma once
// A box's off-screen surface shared with an animation worker: the worker draws into it and the
// user-interface thread copies it to the screen, each only while holding its lock.
#include "surface.h"

#include <QImage>
#include <QPainter>
#include <mutex>

class StrokeCanvas {
  public:
    StrokeCanvas(int w, int h) : surface_(w, h) {}
    StrokeCanvas(const StrokeCanvas&) = delete;
    StrokeCanvas& operator=(const StrokeCanvas&) = delete;

    // Runs `draw(Surface&)` while holding the lock.
    template <class Draw> void draw(Draw&& draw) {
        std::lock_guard<std::mutex> hold(mutex_);
        draw(surface_);
    }
    // Copies the surface onto a painter at (x, y), holding the lock.
    void paint_to(QPainter& p, int x = 0, int y = 0) const;
    // A copy of the picture as it is now.
    QImage snapshot() const;
    int width() const { return surface_.width(); }
    int height() const { return surface_.height(); }

  private:
    mutable std::mutex mutex_;
    Surface surface_;
};
