#pragma once
// Screen tests of the exercises: a plain 672 x 479 main window installed in the shell with its
// operations recorded, a recording view for the Learning List, the real study data, and helpers
// that click answers the way a user does.
#include "button.h"
#include "choice_exercise.h"
#include "choice_panel.h"
#include "exercise_framework.h"
#include "feedback_strip.h"
#include "grid_exercise.h"
#include "grid_panel.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "message_box.h"
#include "poll.h"
#include "scores.h"
#include "screen_fixture.h"
#include "shell.h"
#include "sound_cue.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <numeric>

class RecordingView : public StudyListView {
  public:
    void removeRow(int position) override { removed.push_back(position); }
    void appendKanji(int kanji) override { appended.push_back(kanji); }
    void refreshStatus() override {}
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<int> removed;
    std::vector<int> appended;
    std::vector<std::string> messages;
};

// The pointer goes to a point of the widget, and the widget gets the move. (The offscreen platform
// sends the cursor's own move to whichever window it finds first at that place, not knowing which
// window is on top.)
inline void move_pointer(QWidget* w, QPoint at) {
    QCursor::setPos(w->mapToGlobal(at));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// The first kanji whose meaning is wider than `pixels` in a multiple-choice row's font.
inline int kanji_with_meaning_wider_than(int pixels) {
    const FontSpec font = choice_row_font(ChoiceKind::Meaning, false);
    Surface measure(1, 1);
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const QString meaning = QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text());
        if (measure.text_width(meaning, font) > pixels) return k;
    }
    return -1;
}

class ExerciseTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        main_window = new QWidget;
        main_window->setFixedSize(672, 479);
        main_window->move(120, 90);
        main_window->show();
        ShellOperations ops;
        ops.set_active = [this](bool active) { active_calls.push_back(active); };
        ops.close_kanji_window = [this] { ++kanji_window_closes; };
        ops.close_example_window = [this] { ++example_closes; };
        Shell_Install(main_window, ops);
        StudyLists_SetView(&view);
        open_study_data();
        SetExcludeCompleted(false);
        set_auto_progress_delay(0);
    }
    void TearDown() override {
        Exercises_Abandon();
        Exercises_SetStrokeOrderOpener({});
        SetExcludeCompleted(false);
        set_auto_progress_delay(0);
        ScreenTest::TearDown();
    }

    static ChoiceExerciseWindow* choice() {
        return dynamic_cast<ChoiceExerciseWindow*>(open_exercise());
    }
    static GridExerciseWindow* grid() { return dynamic_cast<GridExerciseWindow*>(open_exercise()); }
    static ExerciseSession& session() { return open_exercise()->session(); }

    static void press(Button* b) { click(b, QPoint(6, 6)); }
    static QPoint row_point(int row) { return QPoint(120, kChoiceRowHeight * row + 16); }
    static void click_row(int row) {
        ChoicePanel* panel = choice()->panel();
        move_pointer(panel, row_point(row));
        click(panel, row_point(row));
    }
    static void answer_right() { click_row(choice()->question().correctPosition); }
    static void answer_wrong() { click_row((choice()->question().correctPosition + 1) % 5); }
    static QPoint cell_point(int column, int row) {
        return QPoint(40 * column + 20, 40 * row + 20);
    }
    static void click_cell(int column, int row) {
        GridPanel* panel = grid()->grid();
        move_pointer(panel, cell_point(column, row));
        click(panel, cell_point(column, row));
    }

    // The feedback line's texts, joined by " | ".
    template <typename Strip> static QString feedback_text(const Strip* strip) {
        QStringList parts;
        for (const PlacedText& t : strip->lines())
            parts << t.text;
        return parts.join(QStringLiteral(" | "));
    }
    // The first kanji, from `from` on, that have both an ON and a KUN reading.
    static std::vector<int> kanji_with_both_readings(int count, int from = 1) {
        std::vector<int> found;
        for (int k = from; k <= kKanjiTotal && static_cast<int>(found.size()) < count; ++k) {
            const KanjiRecord* r = KanjiData_LoadRecord(k);
            if (r && r->hasOn() && r->hasKun()) found.push_back(k);
        }
        return found;
    }
    static std::vector<uint32_t> slots_of(int kanji) {
        const uint32_t* s = Scores_Get(kanji);
        return std::vector<uint32_t>(s, s + kScoreSlots);
    }
    static bool all_zero(const std::vector<uint32_t>& values) {
        return std::all_of(values.begin(), values.end(), [](uint32_t v) { return v == 0; });
    }

    QWidget* main_window = nullptr;
    RecordingView view;
    std::vector<bool> active_calls;
    int kanji_window_closes = 0;
    int example_closes = 0;
};
