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

class RecordingView : public StudyListView {
  public:
    void removeRow(int position) override { removed.push_back(position); }
    void appendKanji(int) override {}
    void refreshStatus() override {}
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<int> removed;
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
    // The right or a wrong answer to the open exercise: a row of the choice panel or a grid cell,
    // pointed at and clicked.
    static void answer(bool right) {
        QWidget* panel = grid() ? static_cast<QWidget*>(grid()->grid()) : choice()->panel();
        QPoint at;
        if (grid()) {
            const GridQuestion& q = grid()->question();
            const int column = right ? q.target_column : (q.target_column + 3) % kGridColumns;
            at = QPoint(40 * column + 20, 40 * q.target_row + 20);
        } else {
            at = row_point((choice()->question().correctPosition + (right ? 0 : 1)) % kChoiceRows);
        }
        move_pointer(panel, at);
        click(panel, at);
    }
    static void answer_right() { answer(true); }
    static void answer_wrong() { answer(false); }
    // The first kanji that have both an ON and a KUN reading.
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
    int kanji_window_closes = 0;
};
