// Gallery: the review window with the real data: the kanji with the most strokes and the kanji
// with the most examples (stroke numbers on, an example hovered), a 40-kanji list walked to its
// middle (".." at both ends of the strip), the pronunciation layouts (five ON readings one per
// line, the most KUN readings flowing), and the stroke animation caught mid-way.
#include "button.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "review_examples.h"
#include "review_kanji_display.h"
#include "review_window.h"
#include "shell.h"
#include "stroke_screens.h"

#include <QCursor>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// The first kanji with the largest value of `measure`.
template <typename Measure> int kanji_with_most(Measure measure) {
    int best = 1, most = -1;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const int m = measure(k);
        if (m > most) most = m, best = k;
    }
    return best;
}

int most_strokes() {
    return kanji_with_most([](int k) {
        KanjiData_LoadStrokes(k);
        return int(KanjiData_StrokeCount());
    });
}

int most_examples() {
    return kanji_with_most([](int k) { return KanjiData_LoadRecord(k)->exampleCount(); });
}

int entries_of(const CountedText<99>& field) {
    return int(split_readings(field.text()).size());
}

// Opens the review on the list; the stroke numbers shown or not.
ReviewWindow* open_review(const std::vector<int>& list, bool numbers) {
    LearningList_Clear();
    for (int k : list)
        LearningList_Append(k);
    set_option_slot(OptReviewShowStrokeOrder, numbers ? 1 : 0);
    Review_Open();
    settle();
    return ReviewWindow::instance();
}

void click(QWidget* w) {
    send_mouse(w, QEvent::MouseButtonPress, QPoint(8, 8));
    send_mouse(w, QEvent::MouseButtonRelease, QPoint(8, 8));
}

// The pointer rests over an example row (0-based).
void hover_example(ReviewWindow* w, int row) {
    ReviewExamplesDisplay* d = w->examples_display();
    const QPoint at(60, kExampleRowStep * row + 20);
    QCursor::setPos(d->mapToGlobal(at));
    send_mouse(d, QEvent::MouseMove, at);
    settle();
}

void save_review(Gallery& g, const QString& name, const std::vector<int>& list, int moves,
                 int hovered_row) {
    ReviewWindow* w = open_review(list, true);
    for (int i = 0; i < moves; ++i)
        click(w->next_button());
    if (hovered_row >= 0) hover_example(w, hovered_row);
    g.save(name, *w);
    Review_Close();
    settle();
}

// Holds the worker in its n-th pause until released.
class FrameClock : public AnimationClock {
  public:
    explicit FrameClock(int frame) : frame_(frame) {}
    void pause(int) override {
        if (count_++ != frame_) return;
        reached = true;
        while (!go_on)
            std::this_thread::yield();
    }
    std::atomic<bool> reached{false}, go_on{false};

  private:
    int frame_;
    int count_ = 0;
};

// The pause after the arrow of stroke s: the first picture's pause, then per stroke the
// number's, the arrow's and one per point from the second on.
int arrow_pause(int kanji, int s) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, StrokeScreen::Review);
    int index = 1;
    for (int t = 0; t < s; ++t)
        index += 2 + std::max(set.point_count(t) - 1, 0);
    return index + 1;
}

// Caught with the fifth stroke's number and arrow drawn, its line not yet.
void mid_animation(Gallery& g, int kanji) {
    FrameClock clock(arrow_pause(kanji, 4));
    Review_SetAnimationClock(&clock);
    ReviewWindow* w = open_review({kanji}, true);
    click(w->animate_button());
    while (!clock.reached && w->kanji_display().animating())
        std::this_thread::yield();
    settle();
    g.save("review_mid_animation", *w);
    clock.go_on = true;
    Review_Close();
    settle();
    Review_SetAnimationClock(nullptr);
}

void review(Gallery& g) {
    GalleryStudyFolder folder;
    QWidget* main = g.host(672, 479);
    main->move(200, 150);
    Shell_Install(main, {});
    settle();
    const int strokes = most_strokes(), examples = most_examples();
    save_review(g, "review_most_strokes", {strokes, examples}, 0, 1);
    save_review(g, "review_most_examples", {strokes, examples}, 1, 4);
    std::vector<int> forty;
    for (int k = 1; k <= 40; ++k)
        forty.push_back(k);
    save_review(g, "review_strip_middle", forty, 20, -1);
    const int five_on =
        kanji_with_most([](int k) { return entries_of(KanjiData_LoadRecord(k)->OnRomaji); });
    const int most_kun =
        kanji_with_most([](int k) { return entries_of(KanjiData_LoadRecord(k)->KunRomaji); });
    save_review(g, "review_five_on", {five_on}, 0, -1);
    save_review(g, "review_most_kun", {most_kun}, 0, -1);
    // 泡 has a long word with a long reading among its first five examples.
    save_review(g, "review_long_reading", {1763}, 0, -1);
    mid_animation(g, strokes);
    Shell_Install(nullptr, {});
    LearningList_Clear();
}

GalleryRegistration reg("review", &review);

} // namespace
