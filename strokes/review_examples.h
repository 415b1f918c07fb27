#pragma once
// The review window's examples display: one boxed row per example word (the word, its reading
// and its shortened meaning), the row under the pointer outlined, and a double click on a row
// asking for it in full. Five rows fit; a kanji with more examples scrolls them a row at a time
// with the mouse wheel, and small arrows at the display's right edge say that more lie above or
// below.
//
// Hovered row: 0 none, 1 to the count while the pointer is over a row, -1 once the display is
// being destroyed (nothing highlights any more). The pointer may leave without a move inside
// the display (over a gap, onto another window): a check every 150 ms asks which window is under
// the pointer and clears the highlight when it is not the display. The check runs on the
// user-interface thread, so that it never overlaps a redraw or a new load of the examples.
#include "examples.h"
#include "surface_widget.h"

#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

constexpr int kExampleRowStep = 56;
constexpr int kPointerCheckMs = 150;

// The hovered row (1-based) for a pointer at (x, y) over `count` examples; 0 for none.
int examples_hover_row(int x, int y, int count);
// The example (0-based) double-clicked at height y; -1 below the last one.
int examples_clicked_row(int y, int count);

constexpr int kVisibleExampleRows = 5;

// The display's picture (178 x 271): the examples' rows from `first_row` on, `hovered` (1-based,
// counted from the first example) outlined.
void draw_examples_display(Surface& s, const std::vector<ExampleRecord>& examples, int hovered,
                           int first_row = 0);
// The first row shown after scrolling `steps` rows down (negative: up), kept within the rows.
int scrolled_first_row(int first_row, int steps, int count);

class ReviewExamplesDisplay : public SurfaceWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 178, kHeight = 271;

    // `on_open(id)` runs for a double click on an example. Starts the pointer check.
    ReviewExamplesDisplay(QWidget* parent, int x, int y, std::function<void(int id)> on_open);

    // Replaces the examples with those of the first `count` ids (at most 48); no row is
    // highlighted.
    void load(int count, const int32_t* ids);
    // Ends the highlight for good and stops the pointer check.
    void end_pointer_check();

    int hovered() const { return hovered_; }
    int first_row() const { return first_row_; }
    const std::vector<ExampleRecord>& examples() const { return examples_; }
    const std::vector<int>& ids() const { return ids_; }
    bool pointer_check_running() const { return check_.isActive(); }

  protected:
    void render() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void pointer_moved(int x, int y);
    void check_pointer();

    std::vector<ExampleRecord> examples_;
    std::vector<int> ids_;
    int hovered_ = 0;
    int first_row_ = 0;   // the example shown in the top row
    int wheel_angle_ = 0; // wheel turns not yet a whole row
    std::function<void(int id)> on_open_;
    QTimer check_;
};
