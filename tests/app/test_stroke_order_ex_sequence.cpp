// "Do Exercises to Complete List" on the real main window runs all five exercises, the stroke
// order exercise fourth; a kanji that passes all five graduates and is replaced in the list.
#include "button.h"
#include "choice_exercise.h"
#include "choice_panel.h"
#include "exercise_framework.h"
#include "grid_exercise.h"
#include "grid_panel.h"
#include "kanji_data.h"
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "options.h"
#include "scores.h"
#include "screen_fixture.h"
#include "stroke_box.h"
#include "stroke_order_ex.h"
#include "stroke_screens.h"

#include <QTest>
#include <QTreeView>

namespace {

class FullSequenceTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
    }
    void TearDown() override {
        Exercises_Abandon();
        Exercises_SetStrokeOrderOpener({});
        ScreenTest::TearDown();
    }
    void open_main_window(const std::vector<int>& list) {
        Options_Load();
        CompletedList_Load();
        Scores_Open();
        LearningList_Clear();
        for (int k : list)
            LearningList_Append(k);
        ASSERT_TRUE(LearningList_Save());
        main = new MainWindow;
        main->build();
        main->show();
    }
    QStringList list_rows() const {
        QTreeView* view = main->learning_list()->view();
        QStringList rows;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            rows << view->model()->index(r, 0).data().toString();
        return rows;
    }

    // Answers the current question of the open exercise right; in the stroke order exercise the
    // kanji `shown` gets Show Answer instead.
    static void answer(int shown) {
        ExerciseWindow* w = open_exercise();
        if (auto* c = dynamic_cast<ChoiceExerciseWindow*>(w)) {
            click(c->panel(), QPoint(100, kChoiceRowHeight * c->question().correctPosition + 16));
        } else if (auto* g = dynamic_cast<GridExerciseWindow*>(w)) {
            const GridQuestion& q = g->question();
            click(g->grid(), QPoint(40 * q.target_column + 20, 40 * q.target_row + 20));
        } else if (auto* s = dynamic_cast<StrokeOrderExWindow*>(w)) {
            if (w->session().currentKanji == shown) return click(w->show_answer_button(), {6, 6});
            for (int i = 0; i < s->starts().stroke_count(); ++i)
                click(s->display(), QPoint(s->starts().start(i).x, s->starts().start(i).y));
        }
    }
    // Every question of every exercise of the sequence, each exercise left with Exit.
    static std::vector<ExerciseKind> run_sequence(int shown) {
        std::vector<ExerciseKind> opened;
        while (ExerciseWindow* w = open_exercise()) {
            opened.push_back(w->kind());
            for (int q = 0; q < w->session().kanjiCount(); ++q) {
                answer(shown);
                if (q + 1 < w->session().kanjiCount()) click(w->next_button(), {6, 6});
            }
            click(w->exit_button(), {6, 6});
        }
        return opened;
    }

    MainWindow* main = nullptr;
};

// Kanji with ON and KUN readings, so that every exercise asks them.
std::vector<int> kanji_with_both_readings(int count) {
    std::vector<int> found;
    for (int k = 1; k <= kKanjiTotal && int(found.size()) < count; ++k)
        if (KanjiData_LoadRecord(k)->hasOn() && KanjiData_LoadRecord(k)->hasKun())
            found.push_back(k);
    return found;
}

TEST_F(FullSequenceTest, AKanjiPassingAllFiveGraduatesAndIsReplaced) {
    const std::vector<int> kanji = kanji_with_both_readings(2);
    const int passed = kanji[0], shown = kanji[1];
    open_main_window(kanji);
    click(main->button(QStringLiteral("Do Exercises to Complete List")), {8, 8});
    const std::vector<ExerciseKind> opened = run_sequence(shown);
    EXPECT_EQ(opened, (std::vector<ExerciseKind>{
                          ExerciseKind::KanjiMeaningMC, ExerciseKind::OnPronunciationMC,
                          ExerciseKind::KunPronunciationMC, ExerciseKind::StrokeOrderExercise,
                          ExerciseKind::KanjiGridSearch}));
    EXPECT_EQ(ExerciseSequence_Step(), -1);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(LearningList_Contains(passed));
    EXPECT_TRUE(LearningList_Contains(shown)) << "Show Answer passed no stroke order";
    EXPECT_EQ(Scores_Get(shown)[StrokeOrderExercise], 0u);
    EXPECT_EQ(Scores_Get(passed)[CompletedFlag], 1u);
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    // The lowest-numbered kanji neither completed nor on the list takes its place.
    int replacement = 1;
    while (replacement == passed || replacement == shown)
        ++replacement;
    EXPECT_EQ(LearningList_Count(), 2);
    EXPECT_TRUE(LearningList_Contains(replacement));
    const QString character = QString(QChar(KanjiData_LoadRecord(replacement)->Kanji));
    EXPECT_TRUE(list_rows().contains(character)) << "the main window's list shows it";
    EXPECT_FALSE(list_rows().contains(QString(QChar(KanjiData_LoadRecord(passed)->Kanji))));
}

} // namespace
