#pragma once
// GroupFrame: a framed area whose window covers only its border ring, so that the controls
// inside (its siblings) are neither covered nor clipped.
#include "surface_widget.h"

class GroupFrame : public SurfaceWidget {
    Q_OBJECT

  public:
    // `title` may be empty.
    static GroupFrame* create(QWidget* parent, int x, int y, int w, int h, const QString& title);
    void set_active(bool active);
    bool active() const { return active_; }
    const QString& title() const { return title_; }

  protected:
    void render() override;

  private:
    GroupFrame(QWidget* parent, int w, int h, const QString& title);
    int title_offset() const; // t: 6 with a title, 0 without
    void draw_corners_and_edges(int column);
    void draw_title();

    QString title_;
    int title_width_ = 0;
    bool active_ = true;
};
