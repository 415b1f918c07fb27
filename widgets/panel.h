#pragma once
// Panel: a rounded frame box that paints its contents through a callback and takes clicks.
// A line edit placed inside gets blue text on white and asks for alphabetic input when focused.
#include "surface_widget.h"

#include <functional>

class Panel : public SurfaceWidget {
    Q_OBJECT

  public:
    using PaintFn = std::function<void(Surface&)>;
    using ClickFn = std::function<void(int)>;

    // `title`, `on_paint` and `on_click` may be empty.
    static Panel* create(QWidget* parent, int x, int y, int w, int h, const QString& title,
                         PaintFn on_paint, ClickFn on_click);
    // Stores the flag and repaints when it changed; -1 repaints with the flag kept.
    void set_active(int flag);
    void set_hint_id(int id) { hint_id_ = id; }
    bool active() const { return active_; }
    int hint_id() const { return hint_id_; }

  protected:
    void render() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Panel(QWidget* parent, int w, int h, const QString& title, PaintFn on_paint, ClickFn on_click);
    void draw_title();

    QString title_;
    PaintFn on_paint_;
    ClickFn on_click_;
    int hint_id_ = -1;
    bool active_ = true;
};
