// The main window: the list-management commands and their question, the window while another
// screen is open, and the help texts. The list rules themselves are held in tests/studydata.
#include "button.h"
#include "kanji_data.h"
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "message_box.h"
#include "options.h"
#include "panel.h"
#include "scores.h"
#include "screen_fixture.h"
#include "shell.h"
#include "summary_strip.h"

#include <QFile>
#include <QTest>
#include <QTreeView>

namespace {

ColorRef pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

class MainWindowTest : public ScreenTest {
  protected:
    MainWindow* w = nullptr;

    void open(const std::vector<int>& list) {
        QFile f(QStringLiteral("data/llist.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        std::vector<int32_t> words{int32_t(list.size())};
        words.insert(words.end(), list.begin(), list.end());
        f.write(reinterpret_cast<const char*>(words.data()), qint64(4 * words.size()));
        f.close();
        Options_Load();
        w = new MainWindow;
        w->build();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    QTreeView* view() const { return w->learning_list()->view(); }
    void click_row(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers,
                          view()->visualRect(view()->model()->index(row, 0)).center());
    }
    void click_below_rows() {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                          QPoint(20, view()->viewport()->height() - 3));
    }
    std::vector<int> learning_list() const {
        std::vector<int> list;
        for (int p = 0; p < LearningList_Count(); ++p)
            list.push_back(LearningList_At(p));
        return list;
    }
    // The list as the window shows it, as kanji numbers.
    std::vector<int> shown_list() const {
        std::vector<int> list;
        for (int r = 0; r < view()->model()->rowCount(); ++r)
            for (int k = 1; k <= kKanjiTotal; ++k)
                if (view()->model()->index(r, 0).data().toString() ==
                    QString(QChar(KanjiData_LoadRecord(k)->Kanji)))
                    list.push_back(k);
        return list;
    }
    void press(const char* caption) { click(w->button(QString::fromLatin1(caption)), {8, 8}); }
    bool row_commands_enabled() const {
        return w->button("Remove Word")->behaviour().enabled &&
               w->button("Zero Word Score")->behaviour().enabled;
    }
    std::vector<uint32_t> slots_of(int kanji) const {
        const uint32_t* s = Scores_Get(kanji);
        return {s, s + kScoreSlots};
    }
};

TEST(SummaryStrip, CellsFollowTheScoresTheReadingsAndTheActiveLook) {
    const StripKanji k{true, true, false, {1, 0, 0, 0, 1}};
    auto cells = strip_cells(k, true);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0].fill, 0xebebebu);
    EXPECT_EQ(cells[1].fill, kExerciseColours[1]);
    EXPECT_TRUE(cells[2].crossed);
    EXPECT_FALSE(cells[1].crossed);
    cells = strip_cells(k, false);
    EXPECT_EQ(cells[0].fill, 0xfafafau);
    EXPECT_EQ(cells[1].fill, 0xf5f5f5u);
    EXPECT_EQ(cells[2].cross, 0xf0f0f0u);
    EXPECT_TRUE(strip_cells(StripKanji{}, true).empty());
}

TEST_F(MainWindowTest, RemoveWordYesMarksTheRemovedWordsCompletedCountingCopiesOnce) {
    open({7, 8, 7, 9, 10, 11});
    click_row(0);
    click_row(2, Qt::ControlModifier);
    click_row(4, Qt::ControlModifier);
    answer_message_boxes({MessageYes});
    press("Remove Word");
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(learning_list(), (std::vector<int>{8, 9, 11}));
    EXPECT_EQ(shown_list(), learning_list());
    EXPECT_EQ(CompletedList_CompletedCount(), 2u) << "two kanji, one of them listed twice";
    for (int k : {7, 10}) {
        for (int s = 0; s <= MarkedSlot; ++s)
            EXPECT_EQ(slots_of(k)[size_t(s)], 1u) << "kanji " << k << " slot " << s;
        EXPECT_EQ(slots_of(k)[CompletedFlag], 1u);
    }
    EXPECT_EQ(slots_of(8)[0], 0u) << "kept words are untouched";
    EXPECT_FALSE(row_commands_enabled());
}

TEST_F(MainWindowTest, RemoveWordClosedKeepsTheWordsAndNoDropsTheChosenOneThoughARefillMovedIt) {
    open({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    click_row(4);
    answer_message_boxes({MessageClosed, MessageNo});
    press("Remove Word");
    EXPECT_EQ(LearningList_Count(), 10) << "closing the question removes nothing";
    click_row(5);
    pass_all_exercises(3); // an exercise closes: the refill takes row 2 out
    LearningList_Refill();
    MainWindow_SetActive(true);
    press("Remove Word");
    EXPECT_EQ(message_texts.size(), 2u);
    EXPECT_EQ(learning_list(), (std::vector<int>{1, 2, 4, 5, 7, 8, 9, 10, 11}))
        << "the word the user chose is removed, not the one that moved into its row";
    EXPECT_EQ(shown_list(), learning_list());
    EXPECT_EQ(CompletedList_CompletedCount(), 1u) << "No: only the refill's graduate counts";
    EXPECT_EQ(slots_of(6), std::vector<uint32_t>(kScoreSlots, 0));
}

TEST_F(MainWindowTest, ZeroWordScoreResetsOnlyTheSelectedWordsAndRowCommandsNeedASelection) {
    open({1, 2, 3});
    for (int k : {1, 2, 3})
        Scores_SetSlot(k, KanjiMeaningMC, 1);
    click_row(1);
    click_row(2, Qt::ControlModifier);
    answer_message_boxes({}); // a question now fails the test
    press("Zero Word Score");
    EXPECT_EQ(slots_of(2), std::vector<uint32_t>(kScoreSlots, 0));
    EXPECT_EQ(slots_of(3), std::vector<uint32_t>(kScoreSlots, 0));
    EXPECT_EQ(slots_of(1)[KanjiMeaningMC], 1u) << "an unselected word keeps its score";
    EXPECT_EQ(w->summary_position(), 2) << "the summary shows the last selected row";

    click_below_rows(); // the user selects nothing
    EXPECT_EQ(w->summary_position(), -1);
    EXPECT_FALSE(row_commands_enabled());
    MainWindow_SetActive(false);
    MainWindow_SetActive(true); // enables both whatever the selection
    ASSERT_TRUE(row_commands_enabled());
    Scores_SetSlot(1, KanjiMeaningMC, 1);
    press("Remove Word");
    press("Zero Word Score");
    EXPECT_EQ(learning_list(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(slots_of(1)[KanjiMeaningMC], 1u);
    EXPECT_TRUE(message_texts.empty());
}

// While another screen is open the list takes no clicks; when it closes, the selected word's
// scores it changed show at once.
TEST_F(MainWindowTest, TheInactiveWindowTakesNoClicksAndShowsNewScoresWhenActiveAgain) {
    open({1, 2, 3, 4});
    click_row(0);
    MainWindow_SetActive(false);
    EXPECT_FALSE(row_commands_enabled());
    click_row(3);
    EXPECT_EQ(w->summary_position(), 0);
    Scores_SetSlot(1, KanjiMeaningMC, 1);
    MainWindow_SetActive(true);
    EXPECT_EQ(pixel(w->strip().image(), 15, 8), 0xebebebu);
    EXPECT_EQ(pixel(w->summary_panel()->surface().image(), 13 + 15, 92 + 8), 0xebebebu);
}

TEST(HelpTexts, StoredTextsAreDecodedSafely) {
    const auto utf16 = [](std::u16string s) {
        return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(2 * s.size()));
    };
    EXPECT_EQ(decode_help_text(utf16(u"\uFEFFExit")), "Exit") << "the mark is never shown";
    EXPECT_EQ(decode_help_text(utf16(u"Exit")), "Exit");
    EXPECT_EQ(decode_help_text(utf16(u"\uFEFFAb") + 'x'), "Ab") << "an odd last byte is dropped";
    EXPECT_EQ(decode_help_text(QByteArray("x")), "");
    const QByteArray huge = utf16(u"\uFEFF" + std::u16string(kMaxHelpTextBytes, u'a'));
    EXPECT_EQ(decode_help_text(huge).size(), kMaxHelpTextBytes / 2 - 1);
}

} // namespace
