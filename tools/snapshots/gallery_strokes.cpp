// Gallery: the stroke drawings with real kanji: the practice box with strokes, numbers and
// arrows, the tracing template, the review and exercise glyph displays, and animation frames.
#include "gallery.h"
#include "gallery_sheet.h"
#include "glyph_display.h"
#include "kanji_data.h"
#include "practice_checker.h"
#include "practice_drawing.h"
#include "stroke_animation.h"
#include "stroke_drawing.h"

#include <QDir>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// The data file is read relative to the working folder: work in the installation folder.
class InRunFolder {
  public:
    InRunFolder() : previous_(QDir::currentPath()) {
        QString run = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
        if (run.isEmpty()) run = QStringLiteral(BRUSHWISE_DEFAULT_RUN_DIR);
        QDir::setCurrent(run);
        KanjiData_Close();
    }
    ~InRunFolder() {
        KanjiData_Close();
        QDir::setCurrent(previous_);
    }

  private:
    QString previous_;
};

// The kanji number of a character; -1 when the data does not hold it.
int kanji_number(char16_t c) {
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const KanjiRecord* r = KanjiData_LoadRecord(k);
        if (r && r->Kanji == c) return k;
    }
    return -1;
}

QString label(char16_t c, int number) {
    return QStringLiteral("%1 (%2)").arg(QChar(c)).arg(number);
}

StrokeSet practice_strokes(int kanji) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, StrokeScreen::Practice);
    return set;
}

void practice_boxes(GallerySheet& sheet, std::initializer_list<char16_t> kanji) {
    for (char16_t c : kanji) {
        const int k = kanji_number(c);
        Surface box(kPracticeBoxSize, kPracticeBoxSize);
        DrawShownStrokes(box, practice_strokes(k));
        sheet.add(label(c, k) + QStringLiteral(" shown"), box.image());
    }
}

// The template, and an attempt with its first strokes finished and some ink of the next.
void practice_tracing(GallerySheet& sheet, char16_t c) {
    const int k = kanji_number(c);
    const StrokeSet set = practice_strokes(k);
    Surface box(kPracticeBoxSize, kPracticeBoxSize);
    DrawTracingTemplate(box, set);
    sheet.add(label(c, k) + QStringLiteral(" template"), box.image());
    PracticeChecker checker;
    checker.load_kanji(set);
    checker.start_practice();
    for (int s = 0; s < 3 && s < set.stroke_count(); ++s) {
        const auto& pts = set.stroke(s);
        const bool last_one = s == 2;
        DrawPracticeEffects(box, set, checker.press(pts[0].x, pts[0].y));
        const size_t end = last_one ? pts.size() / 2 : pts.size();
        for (size_t i = 1; i < end; ++i)
            DrawPracticeEffects(box, set, checker.move(pts[i].x, pts[i].y + 1));
        if (!last_one) DrawPracticeEffects(box, set, checker.release(pts.back().x, pts.back().y));
    }
    sheet.add(label(c, k) + QStringLiteral(" tracing"), box.image());
}

void glyph_displays(GallerySheet& sheet, std::initializer_list<char16_t> kanji) {
    for (char16_t c : kanji) {
        const int k = kanji_number(c);
        KanjiData_LoadStrokes(k);
        StrokeStarts review, exercise;
        StrokeStarts_Load(review, StrokeScreen::Review);
        StrokeStarts_Load(exercise, StrokeScreen::Exercise);
        Surface r(kReviewBoxSize, kReviewBoxSize);
        DrawReviewGlyphDisplay(r, c, review, true);
        sheet.add(label(c, k) + QStringLiteral(" review"), r.image());
        Surface e(kExerciseBoxSize, kExerciseBoxSize);
        DrawExerciseGlyphDisplay(e, c, exercise, exercise.stroke_count() / 2 + 1);
        sheet.add(label(c, k) + QStringLiteral(" exercise"), e.image());
    }
}

// Stops the worker in its n-th pause until the picture has been taken.
class FrameClock : public AnimationClock {
  public:
    explicit FrameClock(size_t frame) : frame_(frame) {}
    void pause(int) override {
        if (count_++ != frame_) return;
        reached_ = true;
        while (!go_on_)
            std::this_thread::yield();
    }
    std::atomic<bool> reached_{false}, go_on_{false};

  private:
    size_t frame_;
    size_t count_ = 0;
};

// The pause after stroke s's arrow (pauses: the first picture's, then per stroke the number's,
// the arrow's and one per point from the second on), plus `later` pauses.
size_t arrow_pause(const StrokeSet& set, int s, size_t later) {
    size_t index = 1;
    for (int t = 0; t < s; ++t)
        index += 2 + size_t(std::max(set.point_count(t) - 1, 0));
    return index + 1 + later;
}

void animation_frame(GallerySheet& sheet, char16_t c, AnimationFlavour flavour, int stroke,
                     size_t later) {
    const int k = kanji_number(c);
    StrokeSet set;
    KanjiData_LoadStrokes(k);
    const bool review = flavour == AnimationFlavour::Review;
    StrokeSet_Load(set, review ? StrokeScreen::Review : StrokeScreen::Practice);
    const size_t frame = arrow_pause(set, stroke, later);
    const int size = review ? kReviewBoxSize : kPracticeBoxSize;
    StrokeCanvas canvas(size, size);
    FrameClock clock(frame);
    StrokeAnimation animation(flavour, {&canvas, {}, {}}, &clock);
    animation.start(set);
    while (!clock.reached_ && animation.running())
        std::this_thread::yield();
    sheet.add(label(c, k) + (review ? QStringLiteral(" review anim") : QStringLiteral(" anim")),
              canvas.snapshot());
    clock.go_on_ = true;
    animation.stop();
}

void strokes(Gallery& g) {
    InRunFolder here;
    GallerySheet shown(3);
    practice_boxes(shown, {u'\u53f3', u'\u53e3', u'\u66f8', u'\u5fc5', u'\u98db', u'\u9451'});
    g.save("strokes_practice", shown.image());

    GallerySheet tracing(2);
    practice_tracing(tracing, u'\u6c34');
    practice_tracing(tracing, u'\u5b57');
    g.save("strokes_tracing", tracing.image());

    GallerySheet glyphs(4);
    glyph_displays(glyphs, {u'\u53f3', u'\u53e3', u'\u66f8', u'\u98db'});
    g.save("strokes_glyphs", glyphs.image());

    GallerySheet frames(4);
    animation_frame(frames, u'\u66f8', AnimationFlavour::Practice, 2, 0);
    animation_frame(frames, u'\u66f8', AnimationFlavour::Practice, 5, 6);
    animation_frame(frames, u'\u53f3', AnimationFlavour::Review, 2, 0);
    animation_frame(frames, u'\u53f3', AnimationFlavour::Review, 4, 3);
    g.save("strokes_animation", frames.image());
}

GalleryRegistration reg("strokes", &strokes);

} // namespace
