// Gallery: the stroke order practice window (strokes shown, the animation mid-way, an attempt
// traced to a fatal verdict and one to success) and the stroke order exercise (two starts found,
// a miss, the answer shown).
#include "button.h"
#include "exercise_framework.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "options.h"
#include "practice_window.h"
#include "random.h"
#include "scores.h"
#include "shell.h"
#include "sound_cue.h"
#include "stroke_animation.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "writing_ex.h"

#include <atomic>
#include <thread>

namespace {

// The stage with the stroke order exercise's opener installed.
class StrokeScreenStage : public GalleryStage {
  public:
    explicit StrokeScreenStage(Gallery& g) : GalleryStage(g) {
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
    }
    ~StrokeScreenStage() {
        WritingEx_Close();
        Exercises_Abandon();
        WritingEx_SetAnimationClock(nullptr);
        Exercises_SetStrokeOrderOpener({});
        settle();
    }
};

int kanji_number(char16_t c) {
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (KanjiData_LoadRecord(k)->Kanji == c) return k;
    return 1;
}

void set_list(std::initializer_list<char16_t> kanji) {
    LearningList_Clear();
    for (char16_t c : kanji)
        LearningList_Append(kanji_number(c));
}

void click(QWidget* w, QPoint at) {
    send_mouse(w, QEvent::MouseMove, at);
    send_mouse(w, QEvent::MouseButtonPress, at);
    send_mouse(w, QEvent::MouseButtonRelease, at);
}

// Stops the worker in its n-th pause until the picture has been taken.
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

QPoint point(const StrokeSet& set, int s, int i) {
    const StrokePoint& p = set.point(s, i);
    return {p.x, p.y};
}

// Traces stroke s along its points, `dy` pixels below them, the first `moves` moves only when
// given; `release` at the end.
void trace(PracticeWindow* w, int s, int dy = 0, int moves = -1, bool release = true) {
    const StrokeSet& set = w->strokes();
    const int n = set.point_count(s);
    send_mouse(w->box(), QEvent::MouseButtonPress, point(set, s, 0));
    const int last = moves < 0 ? n - 1 : std::min(moves, n - 1);
    for (int i = 1; i <= last; ++i)
        send_mouse(w->box(), QEvent::MouseMove, point(set, s, i) + QPoint(0, dy));
    if (release) send_mouse(w->box(), QEvent::MouseButtonRelease, point(set, s, n - 1));
}

void practice_window(Gallery& g) {
    set_list({u'\u66f8', u'\u6c34', u'\u98db'});
    WritingEx_Open();
    settle();
    PracticeWindow* w = WritingEx_Window();
    g.save(QStringLiteral("practice_window_strokes"), *w);

    FrameClock clock(40); // in the fourth stroke of the kanji
    WritingEx_Close();
    settle();
    WritingEx_SetAnimationClock(&clock);
    WritingEx_Open();
    w = WritingEx_Window();
    click(w->animation_button(), QPoint(8, 8));
    while (!clock.reached && w->animation().running())
        std::this_thread::yield();
    settle();
    g.save(QStringLiteral("practice_window_animation"), *w);
    clock.go_on = true;
    click(w->show_button(), QPoint(8, 8));

    // Three strokes, the fourth a little off its line and then far off it.
    click(w->practice_button(), QPoint(8, 8));
    for (int s = 0; s < 3; ++s)
        trace(w, s);
    trace(w, 3, 8, 3, false);
    send_mouse(w->box(), QEvent::MouseMove, point(w->strokes(), 3, 4) + QPoint(0, 20));
    settle();
    g.save(QStringLiteral("practice_window_fatal"), *w);

    click(w->next_button(), QPoint(8, 8));
    click(w->practice_button(), QPoint(8, 8));
    for (int s = 0; s < w->strokes().stroke_count(); ++s)
        trace(w, s);
    settle();
    g.save(QStringLiteral("practice_window_well_done"), *w);
    WritingEx_Close();
    WritingEx_SetAnimationClock(nullptr);
    settle();
}

void stroke_order_exercise(Gallery& g) {
    set_list({u'\u66f8', u'\u53f3'});
    random_seed(4);
    OpenExercise(ExerciseKind::StrokeOrderExercise, false);
    auto* w = StrokeOrderEx_Window();
    w->session().kanjiList = {kanji_number(u'\u66f8'), kanji_number(u'\u53f3')};
    LoadExerciseKanji(0);
    settle();
    g.save(QStringLiteral("stroke_order_ex_open"), *w);
    for (int i = 0; i < 2; ++i)
        click(w->display(), QPoint(w->starts().start(i).x, w->starts().start(i).y));
    settle();
    g.save(QStringLiteral("stroke_order_ex_two_found"), *w);
    click(w->display(), QPoint(5, 250));
    settle();
    g.save(QStringLiteral("stroke_order_ex_missed"), *w);
    click(w->next_button(), QPoint(8, 8));
    click(w->show_answer_button(), QPoint(8, 8));
    settle();
    g.save(QStringLiteral("stroke_order_ex_shown"), *w);
    Exercises_Abandon();
    settle();
}

void stroke_screens(Gallery& g) {
    StrokeScreenStage stage(g);
    practice_window(g);
    stroke_order_exercise(g);
}

GalleryRegistration reg("stroke_screens", &stroke_screens);

} // namespace
