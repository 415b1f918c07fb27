#pragma once
// Screen tests of the stroke order exercise: the exercises' stand-in main window, the real
// opener, and clicks on the display the way a user gives them.
#include "exercises/exercise_fixture.h"
#include "glyph_display.h"
#include "pixel_support.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "stroke_screens.h"
#include "stroke_store.h"

class StrokeOrderExTest : public ExerciseTest {
  protected:
    void SetUp() override {
        ExerciseTest::SetUp();
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
    }

    static StrokeOrderExWindow* window() { return StrokeOrderEx_Window(); }
    // Opens the exercise over `list` and asks its kanji in that order (not shuffled).
    void open_in_order(const std::vector<int>& list, bool in_sequence = false) {
        set_learning_list(list);
        OpenExercise(ExerciseKind::StrokeOrderExercise, in_sequence);
        ASSERT_NE(window(), nullptr);
        session().kanjiList = list;
        LoadExerciseKanji(0);
    }
    static QPoint start_of(int stroke) {
        const StrokeStart& s = window()->starts().start(stroke);
        return {s.x, s.y};
    }
    static void click_start(int stroke, QPoint offset = {}) {
        click(window()->display(), start_of(stroke) + offset);
    }
    static void click_starts(int from, int to) { // from to to - 1
        for (int i = from; i < to; ++i)
            click_start(i);
    }
    static int stroke_count() { return window()->starts().stroke_count(); }
    static QString feedback() {
        QStringList parts;
        for (const PlacedText& t : window()->feedback()->lines())
            parts << t.text;
        return parts.join(QStringLiteral(" | "));
    }
    // The number marker's dark red ring around a start, in pixels of the display.
    static int marker_pixels(int stroke) {
        Surface shown;
        shown.image() = window()->display()->canvas().snapshot();
        const QPoint p = start_of(stroke);
        return count_near(shown, {p.x() - 8, p.y() - 8, p.x() + 9, p.y() + 9}, RGB(128, 0, 0), 30);
    }

    // The first kanji, from `from` on, of at least `strokes` strokes whose starts lie at least 31
    // pixels apart each way, so that a click on one start never falls in another's square.
    static std::vector<int> spread_kanji(int count, int strokes, int from = 1) {
        std::vector<int> found;
        for (int k = from; k <= kKanjiTotal && int(found.size()) < count; ++k) {
            KanjiData_LoadStrokes(k);
            StrokeStarts starts;
            StrokeStarts_Load(starts, StrokeScreen::Exercise);
            if (starts.stroke_count() >= strokes && spread(starts)) found.push_back(k);
        }
        return found;
    }
    static bool spread(const StrokeStarts& starts) {
        for (int i = 0; i < starts.stroke_count(); ++i)
            for (int j = 0; j < i; ++j) {
                const StrokeStart &a = starts.start(i), &b = starts.start(j);
                if (std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) < 31) return false;
            }
        return true;
    }
};
