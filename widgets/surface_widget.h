#pragma once
// A child window that keeps its face in an off-screen surface: state changes re-render the
// surface, and painting only copies it.
#include "surface.h"

#include <QWidget>

class SurfaceWidget : public QWidget {
    Q_OBJECT

  public:
    SurfaceWidget(QWidget* parent, int w, int h);
    ~SurfaceWidget() override = default;
    const Surface& surface() const { return surface_; }
    Surface& surface() { return surface_; }

    // Re-renders the face and asks for a repaint (without erasing).
    void refresh();
    // Hides the window and deletes it once control returns to the event loop.
    virtual void destroy();

  protected:
    // Draws the whole face into surface().
    virtual void render() = 0;
    void resize_surface(int w, int h);
    void paintEvent(QPaintEvent* event) override;

  private:
    Surface surface_;
};
