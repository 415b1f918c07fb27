#pragma once
// Screen tests of the exercises: a plain main window installed in the shell with its operations
// recorded, a recording view for the Learning List, the real study data, and clicks on answers.
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
#include "options.h"
#include "poll.h"
#include "scores.h"
#include "screen_fixture.h"
#include "shell.h"
#include "sound_cue.h"

#include <QTest>
#include <gmock/gmock.h>

using ::testing::ElementsAre;

struct RecordingView : StudyListView {
    void removeRow(int position) override { removed.push_back(position); }
    void appendKanji(int) override {}
    void refreshStatus() override {}
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<int> removed;
    std::vector<std::string> messages;
};

// Moves the pointer, and sends the move to the widget (offscreen, the cursor's own goes to any).
inline void move_pointer(QWidget* w, QPoint at) {
    QCursor::setPos(w->mapToGlobal(at));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// The first kanji whose meaning is wider than `pixels` in a multiple-choice row's font.
inline int kanji_with_meaning_wider_than(int pixels) {
    Surface measure(1, 1);
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const QString meaning = QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text());
        if (measure.text_width(meaning, choice_row_font(ChoiceKind::Meaning, false)) > pixels)
            return k;
    }
    return -1;
}

class ExerciseTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        main_window = new QWidget;
        main_window->move(120, 90);
        main_window->show();
        ShellOperations ops;
        ops.set_active = [this](bool active) { active_calls.push_back(active); };
        ops.close_kanji_window = [this] { ++kanji_window_closes; };
        ops.close_example_window = [this] { ++example_closes; };
        Shell_Install(main_window, ops);
        StudyLists_SetView(&view);
        open_study_data();
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
    // Points at and clicks the right or a wrong answer: a row of the choice panel or a grid cell.
    static void answer(bool right) {
        QWidget* panel = choice() ? static_cast<QWidget*>(choice()->panel()) : grid()->grid();
        const QPoint at =
            choice() ? row_point((choice()->question().correctPosition + !right) % kChoiceRows)
                     : QPoint(40 * ((grid()->question().target_column + 3 * !right) % kGridColumns),
                              40 * grid()->question().target_row) +
                           QPoint(20, 20);
        move_pointer(panel, at);
        click(panel, at);
    }
    // The feedback line's texts, joined by " | ".
    template <typename Strip> static QString feedback_text(const Strip* strip) {
        QStringList parts;
        for (const PlacedText& t : strip->lines())
            parts << t.text;
        return parts.join(QStringLiteral(" | "));
    }
    // The first kanji with both an ON and a KUN reading.
    static std::vector<int> kanji_with_both_readings(int count) {
        std::vector<int> found;
        for (int k = 1; k <= kKanjiTotal && static_cast<int>(found.size()) < count; ++k)
            if (KanjiData_LoadRecord(k)->hasOn() && KanjiData_LoadRecord(k)->hasKun())
                found.push_back(k);
        return found;
    }
    static std::vector<uint32_t> slots_of(int kanji) {
        const uint32_t* s = Scores_Get(kanji);
        return std::vector<uint32_t>(s, s + kScoreSlots);
    }

    QWidget* main_window = nullptr;
    RecordingView view;
    std::vector<bool> active_calls;
    int kanji_window_closes = 0, example_closes = 0;
};
