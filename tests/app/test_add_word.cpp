// Add Word: the field each search shows, its two questions, Draw a Kanji with the real model; the
// Kanji Window's offset once its reference has gone (placement: tests/widgets).
#include "add_word_window.h"
#include "button.h"
#include "detail_windows.h"
#include "draw_kanji_box.h"
#include "draw_kanji_candidates.h"
#include "draw_kanji_window.h"
#include "edit_box.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "pair_list.h"
#include "radio_button.h"
#include "scores.h"
#include "screen_fixture.h"
#include "shell.h"
#include "stroke_mapping.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTreeView>
#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kWater = 44; // 水

QString character(int kanji) {
    return QString(QChar(KanjiData_LoadRecord(kanji)->Kanji));
}

// Add Word open over a plain window standing in for the main window, whose appended kanji are
// recorded.
class AddWordTest : public ScreenTest {
  protected:
    AddWordWindow* w = nullptr;
    std::vector<int> appended; // MainWindow_ListAppendKanji

    void SetUp() override {
        ScreenTest::SetUp();
        open_study_data();
        auto* main_window = new QWidget; // deleted with the other windows by TearDown
        main_window->show();
        ShellOperations ops;
        ops.list_append_kanji = [this](int kanji) { appended.push_back(kanji); };
        install_detail_window_operations(ops);
        Shell_Install(main_window, ops);
        AddWordWindow::reset_search_mode();
        AddWord_Open();
        w = AddWordWindow::instance();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        Shell_Install(nullptr, {});
        ScreenTest::TearDown();
    }
    void press(Button* b) { click(b, QPoint(5, 5)); }
    void search(const QString& text, int by) {
        w->search_field()->edit()->setText(text);
        click(w->search_by_button(by), QPoint(5, 5));
        press(w->search_button());
    }
    QAbstractItemModel* model() const { return w->results()->view()->model(); }
    QString cell(int row, int column) const {
        return model()->index(row, column).data().toString();
    }
    void click_row(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTreeView* view = w->results()->view();
        view->scrollTo(model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(model()->index(row, 0)).center());
    }
};

// The ranking itself is held in test_search.cpp; here, that the window ranks and shows
// the field the typed script and Search By choose, and ranks pasted kanji first.
TEST_F(AddWordTest, EachSearchRanksAndShowsTheFieldItsScriptAndSearchByChoose) {
    const auto check = [&](const char* typed, int by, int mode, const char* first_shows) {
        SCOPED_TRACE(typed);
        search(QString::fromUtf8(typed), by);
        EXPECT_EQ(AddWordWindow::search_mode(), mode);
        EXPECT_TRUE(cell(0, 1).contains(QString::fromUtf8(first_shows)));
        EXPECT_EQ(model()->rowCount(), kKanjiTotal);
    };
    check("water", SearchByMeaning, ModeMeaning, "water");
    check("ka", SearchByOn, ModeOnRomaji, "KA");     // romaji by ON: in capitals
    check("KA", SearchByKun, ModeKunRomaji, "ka");   // by KUN: in small letters
    check("すい", SearchByOn, ModeOnKana, "スイ");   // hiragana by ON: in katakana
    check("ミズ", SearchByKun, ModeKunKana, "みず"); // katakana by KUN: in hiragana
    EXPECT_EQ(cell(0, 0), character(kWater));
    search("火水", SearchByOn);
    EXPECT_EQ(cell(0, 0) + cell(1, 0) + cell(2, 0), "火水" + character(1));
}

// A completed kanji comes back only on Yes, its scores reset and the count lowered; then, being
// listed, it is added again only on Yes, and a ticked Yes stops the question.
TEST_F(AddWordTest, ACompletedOrListedKanjiIsAddedOnlyOnYesAndATickedYesStopsTheQuestion) {
    pass_all_exercises(kWater);
    Scores_SetSlot(kWater, CompletedFlag, 1);
    CompletedList_AddCompleted(+2);
    set_learning_list({1, 2});
    search("water", SearchByMeaning);
    click_row(0);
    answer_message_boxes(
        {MessageNo, MessageYes, MessageNo, MessageYes, MessageYes + MessageTicked});
    press(w->add_button());
    EXPECT_THAT(appended, IsEmpty());
    EXPECT_EQ(Scores_Get(kWater)[CompletedFlag], 1u);
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_TRUE(message_texts[0].contains("' 水 ' has been successfully completed"));
    press(w->add_button());
    EXPECT_THAT(appended, ElementsAre(kWater));
    for (int slot = 0; slot < kScoreSlots; ++slot)
        EXPECT_EQ(Scores_Get(kWater)[slot], 0u) << "slot " << slot;
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);

    press(w->add_button());
    EXPECT_EQ(appended.size(), 1u);
    ASSERT_EQ(message_texts.size(), 3u);
    EXPECT_TRUE(message_texts[2].contains("' 水 ' already exists on the Learning List"));
    press(w->add_button()); // asked again: an answer without the tick is not remembered
    press(w->add_button());
    EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 1);
    press(w->add_button()); // no box: a box would fail the test
    EXPECT_THAT(appended, ElementsAre(kWater, kWater, kWater, kWater));
    EXPECT_EQ(message_texts.size(), 5u);
    EXPECT_EQ(LearningList_Count(), 6);

    // Several selected rows are added in row order.
    click_row(3);
    click_row(1, Qt::ControlModifier);
    press(w->add_button());
    EXPECT_EQ(LearningList_Count(), 8);
    EXPECT_EQ(character(LearningList_At(6)), cell(1, 0));
    EXPECT_EQ(character(LearningList_At(7)), cell(3, 0));
}

// 水 drawn along its own strokes (as the practice box maps them), stroke by stroke: pressed at
// the first point, moved along, released at the last.
TEST_F(AddWordTest, WaterDrawnIsOfferedClickedIsSelectedAndUndoneStrokeByStroke) {
    press(w->draw_button());
    DrawKanjiWindow* d = DrawKanjiWindow::instance();
    ASSERT_NE(d, nullptr);
    const auto send = [&](QEvent::Type type, int x, int y, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(x, y), d->box()->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(d->box(), &event);
    };
    std::vector<std::vector<int>> after;
    KanjiData_LoadStrokes(kWater);
    for (int s = 0; s < KanjiData_StrokeCount(); ++s)
        for (int p = 0, last = KanjiData_StrokePointCount(s) - 1; p <= last; ++p) {
            const auto [x, y] = KanjiData_StrokePoint(s, p);
            send(p == 0      ? QEvent::MouseButtonPress
                 : p == last ? QEvent::MouseButtonRelease
                             : QEvent::MouseMove,
                 map_design(StrokeScreen::Practice, x), map_design(StrokeScreen::Practice, y),
                 p == last ? Qt::NoButton : Qt::LeftButton);
            if (p == 0) {
                EXPECT_EQ(d->box()->cursor().hotSpot(), QPoint(2, 28)) << "the drawing pencil";
            }
            if (p == last) after.push_back(d->candidates()->candidates());
        }
    EXPECT_EQ(d->box()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(d->box()->cursor().hotSpot(), QPoint(3, 27)) << "the idle pencil";
    for (const auto& candidates : after)
        EXPECT_EQ(candidates.size(), 10u) << "ten candidates after every stroke";
    ASSERT_EQ(after.size(), 4u);
    const auto at = std::find(after[3].begin(), after[3].end(), kWater);
    ASSERT_NE(at, after[3].end()) << "水 is not offered";

    click(d->candidates(), QPoint(DrawKanjiCandidates::kWidth - 2, 2));
    EXPECT_EQ(cell(0, 0), character(1)) << "a click beside the candidates chooses nothing";
    click(d->candidates(), DrawKanjiCandidates::cell_rect(int(at - after[3].begin())).center());
    EXPECT_EQ(cell(0, 0), character(kWater));
    EXPECT_EQ(cell(kWater, 0), character(kWater + 1)) << "the rest keeps kanji order";
    press(w->add_button());
    EXPECT_THAT(appended, ElementsAre(kWater));
    EXPECT_EQ(DrawKanjiWindow::instance(), d) << "the window stays open for the next kanji";

    ASSERT_NE(after[2], after[3]);
    press(d->undo_button());
    EXPECT_EQ(d->box()->ink().size(), 3u);
    EXPECT_EQ(d->candidates()->candidates(), after[2]) << "recognised again, from three strokes";
    press(d->clear_button());
    EXPECT_THAT(d->box()->ink(), IsEmpty());
    EXPECT_THAT(d->candidates()->candidates(), IsEmpty());
    press(d->undo_button()); // nothing left to take back
    EXPECT_THAT(d->box()->ink(), IsEmpty());
    QPointer<DrawKanjiWindow> closing(d);
    press(w->exit_button());
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr) << "closed with Add Word";
    EXPECT_TRUE(closing.isNull() || !closing->holds_model()) << "the model is let go";
}

// Without the model a click greys Draw Kanji and opens nothing; a damaged model
// leaves the button as it is and a click says what is wrong; once installed, a click opens.
TEST_F(AddWordTest, WithoutTheModelDrawKanjiIsGreyedAndADamagedModelIsReported) {
    const auto model_at = [&](const QString& name) {
        set_handwriting_model_path(QDir(folder).filePath(name).toStdString());
    };
    model_at("missing.model");
    press(w->draw_button());
    EXPECT_FALSE(w->draw_button()->behaviour().shown_active);
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    QFile damaged(QDir(folder).filePath("damaged.model"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("not a model") == 11);
    damaged.close();
    model_at("damaged.model");
    answer_message_boxes({MessageYes});
    press(w->draw_button());
    EXPECT_EQ(DrawKanjiWindow::instance(), nullptr);
    EXPECT_TRUE(w->draw_button()->behaviour().shown_active);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], DrawKanjiWindow::model_unreadable_text());
    EXPECT_TRUE(message_texts[0].contains("damaged.model"));
    set_handwriting_model_path({});
    press(w->draw_button());
    EXPECT_NE(DrawKanjiWindow::instance(), nullptr);
}

using KanjiWindowTest = ScreenTest;

TEST_F(KanjiWindowTest, ClosedAfterItsReferenceHasGoneItKeepsItsOffset) {
    open_study_data();
    ShellOperations ops;
    install_detail_window_operations(ops);
    Shell_Install(new QWidget, ops); // a stand-in main window, deleted by TearDown
    auto* reference = new QWidget;
    reference->show();
    set_option_slot(OptKanjiWindowOffset, 11);
    KanjiWindow_Open(reference, 3, false);
    ASSERT_NE(KanjiWindow::instance(), nullptr);
    delete reference;
    KanjiWindow_Close();
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), 11);
    Shell_Install(nullptr, {});
}

} // namespace
