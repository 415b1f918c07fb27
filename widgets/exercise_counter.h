#pragma once
// ExerciseCounter: the small framed panel at the top of an exercise window that shows how many
// kanji the exercise runs over and which one is being asked, and says when completed kanji are
// left out.
#include "group_frame.h"
#include "placed_text.h"
#include "surface_widget.h"

#include <QPointer>

// The counter's texts for an inner area `inner_width` wide: the notice takes one line from an
// inner width of 400, two lines below that.
std::vector<PlacedText> layout_exercise_counter(int inner_width, int list_length, int current,
                                                bool completed_excluded);

class ExerciseCounter : public SurfaceWidget {
  public:
    // The counter's window takes the inner area (x + 6, y + 10, w - 12, h - 16) of a frame
    // without title at (x, y, w, h).
    static ExerciseCounter* create(QWidget* parent, int x, int y, int w, int h, int list_length,
                                   bool completed_excluded);

    // The number shown as "Current Word Number"; not compared with the list length.
    void set_current(int n);
    int current() const { return current_; }
    GroupFrame* frame() const { return frame_; }
    // Destroys the frame with the counter.
    void destroy() override;

  protected:
    void render() override;

  private:
    ExerciseCounter(QWidget* parent, int w, int h, int list_length, bool completed_excluded);

    int list_length_;
    int current_ = 1;
    bool completed_excluded_;
    QPointer<GroupFrame> frame_;
};
