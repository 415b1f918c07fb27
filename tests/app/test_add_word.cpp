// The Add Word window: which field it searches and shows, its two questions with their
// remembered answers; its Draw a Kanji window with the real handwriting model.
// The Kanji Window: its offset kept when its reference has gone. Where the detail windows open
// is held in tests/widgets (the placement rules) and in the damaged-installation walk (each
// opens and closes).
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

// Add Word over a plain window standing in for the main window, whose appended kanji are
// recorded.
class AddWordTest : public ScreenTest {
  protected:
    AddWordWindow* w = nullptr;
    std::vector<int> appended; // MainWindow_ListAppendKanji

    void SetUp() override {
        ScreenTest::SetUp();
        open_study_data();
        auto* main_window = new QWidget; // deleted with the other windows by TearDown
        main_window->setGeometry(40, 30, 672, 499);
        main_window->show();
        ShellOperations ops;
        ops.list_append_kanji = [this](int kanji) { appended.push_back(kanji); };
        install_detail_window_operations(ops);
        Shell_Install(main_window, ops);
        AddWordWindow::reset_search_mode();
    }
    void TearDown() override {
        Shell_Install(nullptr, {});
        ScreenTest::TearDown();
    }
    void open() {
        AddWord_Open();
        w = AddWordWindow::instance();
        ASSERT_NE(w, nullptr);
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
    open();
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
    open();
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

void send_mouse(QWidget* w, QEvent::Type type, InkPoint p) {
    const QPointF at(p.x, p.y);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void draw_stroke(DrawKanjiBox* box, const InkStroke& stroke) {
    send_mouse(box, QEvent::MouseButtonPress, stroke.front());
    for (size_t i = 1; i < stroke.size(); ++i)
        send_mouse(box, QEvent::MouseMove, stroke[i]);
    send_mouse(box, QEvent::MouseButtonRelease, stroke.back());
}

class DrawKanjiTest : public AddWordTest {
  protected:
    void SetUp() override {
        AddWordTest::SetUp();
        set_learning_list({});
        open();
    }
    void TearDown() override {
        set_handwriting_model_path({});
        AddWordTest::TearDown();
    }
    DrawKanjiWindow* open_drawing() {
        press(w->draw_button());
        return DrawKanjiWindow::instance();
    }
};

// 水 drawn along its own strokes (as the practice box maps them), stroke by stroke.
TEST_F(DrawKanjiTest, WaterDrawnIsOfferedClickedIsSelectedAndUndoneStrokeByStroke) {
    DrawKanjiWindow* d = open_drawing();
    ASSERT_NE(d, nullptr);
    std::vector<std::vector<int>> after;
    KanjiData_LoadStrokes(kWater);
    for (int s = 0; s < KanjiData_StrokeCount(); ++s) {
        InkStroke stroke;
        for (int p = 0; p < KanjiData_StrokePointCount(s); ++p) {
            const auto [x, y] = KanjiData_StrokePoint(s, p);
            stroke.push_back(
                {map_design(StrokeScreen::Practice, x), map_design(StrokeScreen::Practice, y)});
        }
        draw_stroke(d->box(), stroke);
        after.push_back(d->candidates()->candidates());
        EXPECT_EQ(after.back().size(), 10u) << "ten candidates after every stroke";
    }
    ASSERT_EQ(after.size(), 4u);
    const auto at = std::find(after[3].begin(), after[3].end(), kWater);
    ASSERT_NE(at, after[3].end()) << "水 is not offered";

    click(d->candidates(), QPoint(DrawKanjiCandidates::kWidth - 2, 2));
    EXPECT_EQ(cell(0, 0), character(1)) << "a click beside the candidates chooses nothing";
    click(d->candidates(), DrawKanjiCandidates::cell_rect(int(at - after[3].begin())).center());
    EXPECT_EQ(cell(0, 0), character(kWater));
    EXPECT_EQ(w->details().kanji(), kWater);
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
