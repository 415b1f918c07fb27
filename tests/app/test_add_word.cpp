// The Add Word window: the order of its results for searches by meaning, ON and KUN (checked row
// by row against the longest piece of the search text each row's shown text contains), its two
// questions with their remembered answers, the meanings box, and how it opens and closes.
#include "add_word_window.h"
#include "button.h"
#include "check_box.h"
#include "edit_box.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "learning_list.h"
#include "message_box.h"
#include "options.h"
#include "pair_list.h"
#include "panel.h"
#include "radio_button.h"
#include "scores.h"
#include "test_add_word_fixture.h"

#include <QLineEdit>
#include <QTreeView>
#include <gmock/gmock.h>
#include <map>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char16_t kWater = u'水'; // kanji 44, "water"
constexpr int kWaterNumber = 44;

// Where a text ranks for a search: the longest piece of the search it contains and the leftmost
// start of such a piece (0, 0 for none), found by trying every piece.
std::pair<int, int> piece_found(const QString& text, const QString& sought) {
    for (int m = int(sought.size()); m >= 1; --m)
        for (int s = 0; s + m <= sought.size(); ++s)
            if (text.contains(sought.mid(s, m))) return {m, s};
    return {0, 0};
}

class AddWordTest : public DetailWindowTest {
  protected:
    AddWordWindow* w = nullptr;
    std::map<QChar, int> kanji_numbers;

    void SetUp() override {
        DetailWindowTest::SetUp();
        AddWordWindow::reset_search_mode();
        for (int k = 1; k <= kKanjiTotal; ++k)
            kanji_numbers[QChar(KanjiData_LoadRecord(k)->Kanji)] = k;
    }
    void open() {
        AddWord_Open();
        w = AddWordWindow::instance();
        ASSERT_NE(w, nullptr);
    }
    void search(const QString& text, int by) {
        w->search_field()->edit()->setText(text);
        click(w->search_by_button(by), QPoint(5, 5));
        click(w->search_button(), QPoint(5, 5));
    }
    QAbstractItemModel* model() const { return w->results()->view()->model(); }
    QString cell(int row, int column) const {
        return model()->index(row, column).data().toString();
    }
    int kanji_at(int row) const { return kanji_numbers.at(cell(row, 0).at(0)); }
    ColorRef colour(int row, int column) const {
        const QColor c =
            model()->index(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
        return RGB(c.red(), c.green(), c.blue());
    }
    void click_row(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTreeView* view = w->results()->view();
        view->scrollTo(model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(model()->index(row, 0)).center());
    }
    // Every row ranks no better than the one above it, rows of equal rank are in kanji order,
    // and all kanji are listed.
    void expect_ranked_by_shown_text(const QString& sought) {
        ASSERT_EQ(model()->rowCount(), kKanjiTotal);
        std::pair<int, int> previous{int(sought.size()) + 1, 0};
        int previous_kanji = 0;
        for (int row = 0; row < kKanjiTotal; ++row) {
            const std::pair<int, int> rank = piece_found(cell(row, 1), sought);
            const bool same = rank == previous;
            const bool worse = rank.first < previous.first ||
                               (rank.first == previous.first && rank.second > previous.second);
            ASSERT_TRUE(same || worse) << "row " << row << " ranks above the row before it";
            if (same) {
                ASSERT_GT(kanji_at(row), previous_kanji) << "row " << row;
            }
            previous = rank;
            previous_kanji = kanji_at(row);
        }
    }
};

TEST_F(AddWordTest, WaterByMeaningListsTheWholeWordFirstThenItsPiecesAndEveryKanji) {
    open();
    search("water", SearchByMeaning);
    std::vector<int> whole_word; // the kanji whose meaning holds "water", in kanji order
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text()).contains("water"))
            whole_word.push_back(k);
    ASSERT_GE(whole_word.size(), 2u);
    for (size_t row = 0; row < whole_word.size(); ++row)
        EXPECT_EQ(kanji_at(int(row)), whole_word[row]);
    EXPECT_EQ(piece_found(cell(int(whole_word.size()), 1), "water").first, 4)
        << "the first four or the last four letters come next";
    expect_ranked_by_shown_text("water");
    EXPECT_EQ(piece_found(cell(kKanjiTotal - 1, 1), "water").first, 0);
}

TEST_F(AddWordTest, OnAndKunAreSoughtInTheScriptAndCaseTheyAreShownIn) {
    open();
    const auto check = [&](const char* typed, int by, int mode, const char* sought) {
        SCOPED_TRACE(typed);
        search(QString::fromUtf8(typed), by);
        EXPECT_EQ(AddWordWindow::search_mode(), mode);
        EXPECT_TRUE(w->search_by_button(by)->selected());
        EXPECT_TRUE(cell(0, 1).contains(QString::fromUtf8(sought)));
        expect_ranked_by_shown_text(QString::fromUtf8(sought));
    };
    check("ka", SearchByOn, ModeOnRomaji, "KA");     // romaji by ON: in capitals
    check("KA", SearchByKun, ModeKunRomaji, "ka");   // by KUN: in small letters
    check("すい", SearchByOn, ModeOnKana, "スイ");   // hiragana by ON: in katakana
    check("ミズ", SearchByKun, ModeKunKana, "みず"); // katakana by KUN: in hiragana
    EXPECT_FALSE(w->search_by_button(SearchByOn)->selected()) << "one choice at a time";
    EXPECT_EQ(cell(0, 0), QString(QChar(kWater)));
}

TEST_F(AddWordTest, PastedKanjiAreListedFirstInTheOrderTypedWhateverSearchBySays) {
    open();
    search("火水", SearchByOn);
    EXPECT_EQ(cell(0, 0), "火");
    EXPECT_EQ(cell(1, 0), "水");
    EXPECT_EQ(kanji_at(2), 1) << "then every other kanji in kanji-number order";
    EXPECT_EQ(AddWordWindow::search_mode(), ModeOnKana);
    EXPECT_EQ(cell(1, 1),
              QString::fromStdU16String(KanjiData_LoadRecord(kWaterNumber)->OnPronun.text()));
    EXPECT_EQ(model()->rowCount(), kKanjiTotal);
}

TEST_F(AddWordTest, AKanjiAlreadyListedIsAddedOnlyOnYesAndATickedYesStopsTheQuestion) {
    set_learning_list({kWaterNumber});
    open();
    search("water", SearchByMeaning);
    ASSERT_EQ(cell(0, 0), QString(QChar(kWater)));
    click_row(0);
    ASSERT_TRUE(w->add_button()->behaviour().enabled);

    answer_message_boxes({MessageNo});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, IsEmpty());
    EXPECT_EQ(LearningList_Count(), 1);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], "The selected kanji ' 水 ' already exists on the Learning List.\n"
                                "Would you like to add a copy of the selected kanji.");

    answer_message_boxes({MessageYes + MessageTicked});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber));
    EXPECT_EQ(get_option_slot(OptRememberAlreadyListed), 1);

    click(w->add_button(), QPoint(5, 5)); // no box: a box would fail the test
    EXPECT_THAT(appended, ElementsAre(kWaterNumber, kWaterNumber));
    EXPECT_EQ(message_texts.size(), 2u);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EQ(LearningList_At(2), kWaterNumber);
}

TEST_F(AddWordTest, ACompletedKanjiComesBackOnYesWithItsScoresResetAndTheCountLowered) {
    pass_all_exercises(kWaterNumber);
    Scores_SetSlot(kWaterNumber, CompletedFlag, 1);
    CompletedList_AddCompleted(+1);
    CompletedList_AddCompleted(+1);
    set_learning_list({1, 2});
    open();
    search("water", SearchByMeaning);
    EXPECT_EQ(colour(0, 1), ColorRef(0xa5a5a5)) << "completed kanji are listed grey";
    click_row(0);

    answer_message_boxes({MessageNo});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, IsEmpty());
    EXPECT_EQ(Scores_Get(kWaterNumber)[CompletedFlag], 1u);
    EXPECT_EQ(Scores_Get(kWaterNumber)[KanjiMeaningMC], 1u);
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
    EXPECT_EQ(LearningList_Count(), 2);
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], "The selected kanji ' 水 ' has been successfully completed.\n"
                                "Would you reset scores and add it to the Learning List?");

    answer_message_boxes({MessageYes});
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kWaterNumber));
    for (int slot = 0; slot < kScoreSlots; ++slot)
        EXPECT_EQ(Scores_Get(kWaterNumber)[slot], 0u) << "slot " << slot;
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(LearningList_Count(), 3);
    EXPECT_EQ(LearningList_At(2), kWaterNumber);
}

TEST_F(AddWordTest, SeveralSelectedRowsAreAddedInRowOrder) {
    set_learning_list({});
    open();
    search("water", SearchByMeaning);
    click_row(3);
    click_row(1, Qt::ControlModifier);
    click(w->add_button(), QPoint(5, 5));
    EXPECT_THAT(appended, ElementsAre(kanji_at(1), kanji_at(3)));
    EXPECT_EQ(LearningList_Count(), 2);
}

TEST_F(AddWordTest, BeforeAnySearchTheMeaningsBoxChangesNeitherTheListNorTheStoredFlag) {
    open();
    const QString first_right = cell(0, 1);
    click(w->meanings_box(), QPoint(5, 5));
    EXPECT_TRUE(w->meanings_box()->checked());
    EXPECT_FALSE(w->show_meanings());
    EXPECT_EQ(cell(0, 1), first_right);
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptAddWordShowMeanings), 0);

    // After a search by ON the box takes effect and is remembered.
    open();
    search("ka", SearchByOn);
    click(w->meanings_box(), QPoint(5, 5));
    EXPECT_TRUE(w->show_meanings());
    EXPECT_EQ(cell(0, 1),
              QString::fromStdU16String(KanjiData_LoadRecord(kanji_at(0))->Meaning.text()));
    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(get_option_slot(OptAddWordShowMeanings), 1);
    open();
    EXPECT_TRUE(w->meanings_box()->checked());
}

TEST_F(AddWordTest, TheSearchModeOutlastsTheWindowAndShowAllReturnsToMeanings) {
    open();
    search("ka", SearchByKun);
    click(w->exit_button(), QPoint(5, 5));
    open();
    EXPECT_EQ(w->search_by(), SearchByMeaning);
    EXPECT_TRUE(w->search_by_button(SearchByMeaning)->selected());
    EXPECT_EQ(kanji_at(0), 1);
    EXPECT_EQ(cell(0, 1), QString::fromStdU16String(KanjiData_LoadRecord(1)->KunRomaji.text()));

    search("water", SearchByMeaning);
    click_row(0);
    ASSERT_EQ(w->details().kanji(), kWaterNumber);
    click(w->show_all_button(), QPoint(5, 5));
    EXPECT_EQ(AddWordWindow::search_mode(), ModeMeaning);
    EXPECT_EQ(w->details().kanji(), -1);
    for (int row : {0, 1, kKanjiTotal - 1})
        EXPECT_EQ(kanji_at(row), row + 1);
    EXPECT_EQ(cell(1, 1), QString::fromStdU16String(KanjiData_LoadRecord(2)->Meaning.text()));
}

TEST_F(AddWordTest, ListedAndCompletedKanjiAreColouredAndTheRestNavyWithGreyText) {
    set_learning_list({1});
    Scores_SetSlot(2, CompletedFlag, 1);
    open();
    EXPECT_EQ(colour(0, 0), ColorRef(0xdc0000));
    EXPECT_EQ(colour(0, 1), ColorRef(0xdc0000));
    EXPECT_EQ(colour(1, 0), ColorRef(0xa5a5a5));
    EXPECT_EQ(colour(2, 0), ColorRef(0x800000));
    EXPECT_EQ(colour(2, 1), ColorRef(0x808080));
}

TEST_F(AddWordTest, OpensCentredOverTheDisabledMainWindowAndGivesItBackOnExit) {
    open();
    EXPECT_FALSE(main_window->isEnabled());
    EXPECT_THAT(set_active_calls, ElementsAre(false));
    const QRect main = main_window->frameGeometry();
    EXPECT_EQ(w->pos(), QPoint(main.left() + (main.width() - 408) / 2,
                               main.top() + (main.height() - 495) / 2));
    EXPECT_EQ(w->size(), QSize(408, 495));
    EXPECT_FALSE(w->search_button()->behaviour().enabled) << "nothing typed yet";
    EXPECT_FALSE(w->add_button()->behaviour().enabled);
    w->search_field()->edit()->setText("a");
    EXPECT_TRUE(w->search_button()->behaviour().enabled);
    w->search_field()->edit()->clear();
    EXPECT_FALSE(w->search_button()->behaviour().enabled);

    click(w->exit_button(), QPoint(5, 5));
    EXPECT_EQ(AddWordWindow::instance(), nullptr);
    EXPECT_TRUE(main_window->isEnabled());
    EXPECT_THAT(set_active_calls, ElementsAre(false, true));
}

TEST_F(AddWordTest, TheDetailsPanelAndADoubleClickedRowOpenTheKanjiWindow) {
    open();
    search("water", SearchByMeaning);
    click_row(0);
    EXPECT_EQ(w->details().kanji(), kWaterNumber);
    EXPECT_TRUE(w->details().filled());
    click(w->details().panel(), QPoint(50, 50));
    KanjiWindow* kw = KanjiWindow::instance();
    ASSERT_NE(kw, nullptr);
    EXPECT_EQ(kw->record().Kanji, kWater);
    EXPECT_EQ(kw->reference(), w);

    // Once the panel is cleared a click on it opens nothing.
    KanjiWindow_Close();
    click(w->show_all_button(), QPoint(5, 5));
    EXPECT_FALSE(w->details().filled());
    click(w->details().panel(), QPoint(50, 50));
    EXPECT_EQ(KanjiWindow::instance(), nullptr);

    QTreeView* view = w->results()->view();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {},
                       view->visualRect(model()->index(2, 0)).center());
    ASSERT_NE(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(int(KanjiWindow::instance()->record().Kanji), int(cell(2, 0).at(0).unicode()));
    EXPECT_EQ(KanjiWindow::instance()->reference(), w);
}

ColorRef pixel(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

TEST(IndicatorStrip, ColoursTheOpenExercisesAndCrossesThoseWithoutAReading) {
    KanjiRecord record{};
    record.Kanji = u'電';
    record.OnPronun.assign(u"デン");
    std::array<uint32_t, kScoreSlots> scores{};
    scores[KanjiMeaningMC] = 1;
    // No KUN reading: its cell is crossed, not coloured, though its slot was never passed.
    Surface strip;
    draw_indicator_strip(strip, record, scores);
    ASSERT_EQ(strip.width(), 150);
    ASSERT_EQ(strip.height(), 18);
    EXPECT_EQ(pixel(strip, 29 * 0 + 10, 4), ColorRef(0xebebeb)) << "passed";
    EXPECT_EQ(pixel(strip, 29 * 1 + 10, 4), ColorRef(0x78d278)) << "ON still to do";
    EXPECT_EQ(pixel(strip, 29 * 2 + 4, 14), ColorRef(0xebebeb)) << "no KUN reading";
    EXPECT_EQ(pixel(strip, 29 * 2 + 16, 8), ColorRef(0xfad2d2)) << "its cross";
    EXPECT_EQ(pixel(strip, 29 * 3 + 10, 4), ColorRef(0x4c92ff));
    EXPECT_EQ(pixel(strip, 29 * 4 + 10, 4), ColorRef(0xeaeab2));
    EXPECT_EQ(pixel(strip, 75, 0), ColorRef(0xdcdcdc)) << "outline";

    KanjiRecord none{};
    draw_indicator_strip(strip, none, scores);
    EXPECT_EQ(pixel(strip, 29 * 1 + 10, 8), ColorRef(0xffffff)) << "no cells without a kanji";
}

} // namespace
