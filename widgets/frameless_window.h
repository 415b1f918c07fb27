#pragma once
// The base of the program's top-level windows: no system frame, owned by another window, fixed
// size, the caption bar's title as window title, painted entirely from an off-screen surface.
// Mouse moves, left presses and left releases go to the caption bar first.
//
// The owner is the window's transient parent (the window stays above it), not its parent widget:
// an owner disabled while the window is open must not disable the window too. Whoever opens the
// window deletes it.
#include "caption_bar.h"
#include "surface.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class FramelessWindow : public QWidget {
    Q_OBJECT

  public:
    FramelessWindow(QWidget* owner, int w, int h, const QString& title, bool with_minimise = false);
    ~FramelessWindow() override;
    QWidget* owner() const { return owner_; }

    Surface& surface() { return surface_; }
    CaptionBar& caption_bar() { return *caption_; }
    // Re-renders the whole window (contents, caption bar, border) and repaints it.
    void refresh();
    // The colour of the two-pixel border: light or dark (the default).
    void set_light_border(bool light) { light_border_ = light; }

  protected:
    // For a window's destructor, before its own members go: a control that has the focus would
    // otherwise report losing it while the children are destroyed, into a window no longer whole.
    void drop_focus();
    // Draws the window's contents into the surface; the caption bar and the border follow.
    virtual void render(Surface& s) = 0;
    // A mouse move the caption bar did not take (window coordinates).
    virtual void unclaimed_mouse_move(QPoint) {}
    // The caption bar's close glyph was clicked; the default closes the window.
    virtual void close_glyph_clicked() { close(); }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void draw_frame(); // the caption bar and the border over the contents
    void follow_owner();

    Surface surface_;
    std::unique_ptr<CaptionBar> caption_;
    bool light_border_ = false;
    QPointer<QWidget> owner_;
};
