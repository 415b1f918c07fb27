#pragma once
// The review window's list strip: the Learning List's kanji in a row of at most 27 slots, the
// selected one marked, with ".." at an end beyond which more kanji lie. The visible range slides
// one place per move once the selection passes position 13, so that the selection stays near the
// middle. A release at the left end moves back, one at the right end forward.
#include "kanji_record.h"
#include "surface_widget.h"

#include <functional>
#include <vector>

constexpr int kStripSlots = 27;
// The visible range slides forward while the selection is above this, back while it is below
// the count less one more.
constexpr int kStripSlideAfter = 13;

// Which positions the strip shows and which one is selected (0-based, last one past the end).
struct ReviewStripRange {
    int count = 0;
    int selection = 0;
    int first = 0;
    int last = 0;

    // At opening: the first kanji selected, the first 27 visible.
    static ReviewStripRange opening(int count);
    // One step back or forward (none past either end), sliding the visible range when the
    // selection passes the middle. True when the selection lies strictly between both ends.
    bool move(bool forward);
    // Whether visible slot i shows ".." because more kanji lie beyond that end.
    bool shows_dots(int i) const;
};

class ReviewListStrip : public SurfaceWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 527, kHeight = 34;

    // Copies every record; `on_move(forward)` runs for a release at either end.
    ReviewListStrip(QWidget* parent, int x, int y, std::vector<KanjiRecord> records,
                    std::function<void(bool forward)> on_move);

    ReviewStripRange& range() { return range_; }
    const ReviewStripRange& range() const { return range_; }
    const KanjiRecord& record(int position) const { return records_[size_t(position)]; }

  protected:
    void render() override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::vector<KanjiRecord> records_;
    ReviewStripRange range_;
    std::function<void(bool forward)> on_move_;
};

// The strip's picture for a range over the records.
void draw_review_strip(Surface& s, const ReviewStripRange& range,
                       const std::vector<KanjiRecord>& records);
