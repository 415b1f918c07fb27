// The main window on the offscreen platform: the Learning List with the selected word's summary,
// the list-management commands and their questions, the refill's rows, the inactive look while
// another screen is open, the help panel, and the window at twice the pixels.
#include "button.h"
#include "caption_bar.h"
#include "check_box.h"
#include "exercises.h"
#include "hint.h"
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

#include "ratio_support.h"

#include <QFile>
#include <QTest>
#include <QTreeView>

namespace {

void write_learning_list_file(const std::vector<int>& kanji) {
    QFile f(QStringLiteral("data/llist.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const int32_t count = int32_t(kanji.size());
    f.write(reinterpret_cast<const char*>(&count), 4);
    for (int32_t k : kanji)
        f.write(reinterpret_cast<const char*>(&k), 4);
}

ColorRef pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

bool all_white(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// The first kanji (by number) for which the test holds.
int first_kanji(bool (*test)(const KanjiRecord&)) {
    for (int k = 1; k <= kKanjiTotal; ++k)
        if (test(*KanjiData_LoadRecord(k))) return k;
    return -1;
}

class MainWindowTest : public ScreenTest {
  protected:
    MainWindow* w = nullptr;

    // Builds and shows the main window over the given Learning List (the default one when empty).
    void open(const std::vector<int>& list = {}) {
        if (!list.empty()) write_learning_list_file(list);
        Options_Load();
        w = new MainWindow;
        w->build();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    QTreeView* view() const { return w->learning_list()->view(); }
    QPoint row_centre(int row) const {
        return view()->visualRect(view()->model()->index(row, 0)).center();
    }
    void click_row(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers, row_centre(row));
    }
    void click_below_rows() {
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                          QPoint(20, view()->viewport()->height() - 3));
    }
    QStringList row_texts() const {
        QStringList texts;
        for (int r = 0; r < view()->model()->rowCount(); ++r)
            texts << view()->model()->index(r, 0).data().toString();
        return texts;
    }
    QStringList characters(const std::vector<int>& kanji) const {
        QStringList texts;
        for (int k : kanji)
            texts << QString(QChar(KanjiData_LoadRecord(k)->Kanji));
        return texts;
    }
    std::vector<int> learning_list() const {
        std::vector<int> list;
        for (int p = 0; p < LearningList_Count(); ++p)
            list.push_back(LearningList_At(p));
        return list;
    }
    void press(const QString& caption) {
        Button* b = w->button(caption);
        ASSERT_NE(b, nullptr) << caption.toStdString();
        click(b, QPoint(8, 8));
    }
    bool row_commands_enabled() const {
        return w->button("Remove Word")->behaviour().enabled &&
               w->button("Zero Word Score")->behaviour().enabled;
    }
    std::vector<uint32_t> slots_of(int kanji) const {
        const uint32_t* s = Scores_Get(kanji);
        return {s, s + kScoreSlots};
    }
};

TEST_F(MainWindowTest, ShowsTheLearningListFromItsFileInListOrder) {
    open({12, 3, 1945, 3});
    EXPECT_EQ(w->windowTitle(), "Brushwise");
    EXPECT_EQ(w->size(), QSize(672, 479));
    EXPECT_EQ(row_texts(), characters({12, 3, 1945, 3}));
    EXPECT_EQ(App_MainWindow(), w);
}

TEST_F(MainWindowTest, SelectingARowShowsItsStripAndSummaryAndEnablesTheRowCommands) {
    const int no_kun = first_kanji([](const KanjiRecord& r) { return r.hasOn() && !r.hasKun(); });
    const int no_on = first_kanji([](const KanjiRecord& r) { return !r.hasOn() && r.hasKun(); });
    ASSERT_GT(no_kun, 0);
    ASSERT_GT(no_on, 0);
    open({1, 2, no_kun, no_on}); // room below the rows
    EXPECT_FALSE(row_commands_enabled()) << "nothing is selected at first";
    Scores_SetSlot(no_kun, KanjiMeaningMC, 1);
    Scores_SetSlot(no_kun, KunPronunciationMC, 1); // the cross shows whatever the slot holds
    click_row(2);
    EXPECT_EQ(w->summary_position(), 2);
    EXPECT_TRUE(row_commands_enabled());
    QImage strip = w->strip().image();
    EXPECT_EQ(pixel(strip, 15, 8), 0xebebebu) << "the passed exercise is pale";
    EXPECT_EQ(pixel(strip, 29 * 1 + 16, 8), kExerciseColours[1]) << "still to do: coloured";
    EXPECT_EQ(pixel(strip, 29 * 3 + 15, 8), kExerciseColours[3]);
    EXPECT_EQ(pixel(strip, 29 * 2 + 16, 8), 0xfad2d2u) << "KUN cell crossed";
    EXPECT_EQ(pixel(strip, 29 * 2 + 4, 14), 0xebebebu) << "on the pale cell";
    const QImage summary = w->summary_panel()->surface().image();
    EXPECT_FALSE(all_white(summary, QRect(70, 8, 100, 14))) << "the meaning is shown";
    click_row(3);
    strip = w->strip().image();
    EXPECT_EQ(pixel(strip, 29 * 1 + 16, 8), 0xd2fad2u) << "ON cell crossed";
    EXPECT_EQ(pixel(strip, 29 * 2 + 16, 8), kExerciseColours[2]) << "KUN still to do";

    // A click below the rows selects nothing: the summary keeps only its labels.
    click_below_rows();
    EXPECT_EQ(w->summary_position(), -1);
    EXPECT_FALSE(row_commands_enabled());
    EXPECT_TRUE(all_white(w->strip().image(), QRect(2, 2, 146, 14))) << "no strip cells";
    EXPECT_TRUE(all_white(w->summary_panel()->surface().image(), QRect(70, 8, 100, 14)));
}

TEST(SummaryStrip, CellsFollowTheScoresAndTheActiveLook) {
    StripKanji k{true, true, false, {1, 0, 0, 0, 1}};
    auto cells = strip_cells(k, true);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[4].left + cells[4].width, 148) << "the last cell is one wider";
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

TEST_F(MainWindowTest, RemoveWordAnsweredYesMarksTheRemovedWordsCompletedCountingCopiesOnce) {
    open({7, 8, 7, 9, 10, 11});
    click_row(0);
    click_row(2, Qt::ControlModifier);
    click_row(4, Qt::ControlModifier);
    answer_message_boxes({MessageYes});
    press("Remove Word");
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], "Would you like to mark removed words as completed?");
    EXPECT_EQ(learning_list(), (std::vector<int>{8, 9, 11}));
    EXPECT_EQ(row_texts(), characters({8, 9, 11}));
    EXPECT_EQ(CompletedList_CompletedCount(), 2u) << "two kanji, one of them listed twice";
    for (int k : {7, 10}) {
        const auto scores = slots_of(k);
        for (int s = 0; s <= MarkedSlot; ++s)
            EXPECT_EQ(scores[static_cast<size_t>(s)], 1u) << "kanji " << k << " slot " << s;
        EXPECT_EQ(scores[CompletedFlag], 1u);
    }
    EXPECT_EQ(slots_of(8)[0], 0u) << "kept words are untouched";
    EXPECT_EQ(w->summary_position(), -1);
    EXPECT_FALSE(row_commands_enabled());
}

TEST_F(MainWindowTest, RemoveWordClosedKeepsTheWordsAndNoDropsTheChosenOneThoughARefillMovedIt) {
    open();
    const std::vector<int> before = learning_list();
    click_row(4);
    answer_message_boxes({MessageClosed, MessageNo});
    press("Remove Word");
    EXPECT_EQ(learning_list(), before) << "closing the question removes nothing";
    click_row(5);
    pass_all_exercises(before[2]); // an exercise closes: the refill takes row 2 out
    LearningList_Refill();
    MainWindow_SetActive(true);
    press("Remove Word");
    EXPECT_EQ(message_texts.size(), 2u);
    EXPECT_FALSE(LearningList_Contains(before[5])) << "the word the user chose is removed";
    EXPECT_TRUE(LearningList_Contains(before[6])) << "not the one that moved into its row";
    EXPECT_EQ(row_texts(), characters(learning_list()));
    EXPECT_EQ(learning_list().size(), 9u);
    EXPECT_EQ(CompletedList_CompletedCount(), 1u) << "No: only the refill's graduate counts";
    EXPECT_EQ(slots_of(before[5]), std::vector<uint32_t>(kScoreSlots, 0));
}

TEST_F(MainWindowTest, ZeroWordScoreResetsTheSelectedWordsAndUncountsCompletedOnes) {
    open({1, 2, 3});
    pass_all_exercises(2);
    Scores_SetSlot(2, CompletedFlag, 1); // kanji 2 counts as completed (a copy kept on the list)
    CompletedList_AddCompleted(+2);      // and one more kanji, completed earlier
    Scores_SetSlot(3, KanjiMeaningMC, 1);
    Scores_SetSlot(1, KanjiMeaningMC, 1);
    click_row(1);
    click_row(2, Qt::ControlModifier);
    press("Zero Word Score");
    EXPECT_TRUE(message_texts.empty()) << "no question is asked";
    EXPECT_EQ(slots_of(2), std::vector<uint32_t>(kScoreSlots, 0));
    EXPECT_EQ(slots_of(3), std::vector<uint32_t>(kScoreSlots, 0));
    EXPECT_EQ(slots_of(1)[KanjiMeaningMC], 1u) << "an unselected word keeps its score";
    EXPECT_EQ(CompletedList_CompletedCount(), 1u) << "only the completed kanji is uncounted";
    EXPECT_EQ(learning_list(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(w->summary_position(), 2) << "the summary shows the last selected row";
}

TEST_F(MainWindowTest, RefillTakesGraduatesOffTheListAndAppendsTheNextKanji) {
    open();
    const std::vector<int> before = learning_list();
    click_row(2);
    pass_all_exercises(before[2]);
    pass_all_exercises(before[5]);
    LearningList_Refill();
    std::vector<int> expected = before;
    expected.erase(expected.begin() + 5);
    expected.erase(expected.begin() + 2);
    expected.push_back(11);
    expected.push_back(12);
    EXPECT_EQ(learning_list(), expected);
    EXPECT_EQ(row_texts(), characters(expected));
    EXPECT_EQ(w->summary_position(), -1) << "a removed row clears the summary";
    EXPECT_EQ(CompletedList_CompletedCount(), 2u);
}

TEST_F(MainWindowTest, RefillWithoutUnlearnedKanjiLeftAndAnEmptyListSaySo) {
    open({1, 2});
    for (int k = 3; k <= kKanjiTotal; ++k)
        Scores_SetSlot(k, CompletedFlag, 1);
    pass_all_exercises(2);
    answer_message_boxes({MessageYes});
    LearningList_Refill();
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], QString::fromLatin1(kMessageNoUnlearnedKanji));
    EXPECT_EQ(row_texts(), characters({1}));

    // An empty list stops a request with its message.
    LearningList_Clear();
    answer_message_boxes({MessageYes});
    EXPECT_TRUE(LearningList_RequireNotEmpty());
    ASSERT_EQ(message_texts.size(), 2u);
    EXPECT_EQ(message_texts[1], QString::fromLatin1(kMessageListEmpty));
}

TEST_F(MainWindowTest, HelpFollowsThePointerAndTheWindowIsInactiveWhileAnotherScreenIsOpen) {
    open();
    EXPECT_EQ(w->hint_topic(), 1);
    EXPECT_FALSE(w->hint_text().title.isEmpty()) << "the general topic shows at first";
    show_hint(6); // as the status panel reports it
    EXPECT_EQ(w->hint_text().title, "Learning List Status");
    QTest::mouseMove(w, QPoint(300, 150)); // the window's own surface, between two panels
    EXPECT_EQ(w->hint_topic(), 1);
    QTest::mouseMove(w->button("Remove Word"), QPoint(10, 10));
    EXPECT_EQ(w->hint_topic(), 3);
    EXPECT_EQ(w->hint_text().title, "Remove Word");

    click_row(0);
    show_hint(1);
    const QImage help_active = w->help_panel()->surface().image().copy();
    MainWindow_SetActive(false);
    EXPECT_NE(w->help_panel()->surface().image(), help_active) << "the help panel greyed";
    EXPECT_EQ(w->caption_bar().state().close_state, 3) << "caption glyphs disabled";
    EXPECT_FALSE(w->button("Exit")->behaviour().shown_active);
    EXPECT_FALSE(w->button("Kanji Meaning Multichoice")->behaviour().shown_active);
    EXPECT_FALSE(row_commands_enabled());
    EXPECT_TRUE(w->exclude_box()->behaviour().greyed);
    EXPECT_FALSE(w->status_panel()->active());
    show_hint(8);
    EXPECT_EQ(w->hint_topic(), 1) << "the help panel does not follow the mouse";
    click_row(3);
    EXPECT_EQ(w->summary_position(), 0) << "the inactive list takes no clicks";

    // The closing screen changed the selected word's scores: they show at once.
    Scores_SetSlot(LearningList_At(0), KanjiMeaningMC, 1);
    MainWindow_SetActive(true);
    EXPECT_EQ(pixel(w->strip().image(), 15, 8), 0xebebebu);
    EXPECT_EQ(pixel(w->summary_panel()->surface().image(), 13 + 15, 92 + 8), 0xebebebu)
        << "the summary panel shows the new strip";
    EXPECT_EQ(w->help_panel()->surface().image(), help_active);
    EXPECT_TRUE(w->button("Exit")->behaviour().shown_active);
    EXPECT_FALSE(w->exclude_box()->behaviour().greyed);
    show_hint(8);
    EXPECT_EQ(w->hint_topic(), 8);
}

TEST_F(MainWindowTest, RowCommandsWithNothingSelectedDoNothing) {
    open({1, 2, 3});
    click_below_rows(); // the user selects nothing
    MainWindow_SetActive(false);
    MainWindow_SetActive(true); // enables both whatever the selection
    ASSERT_TRUE(row_commands_enabled());
    answer_message_boxes({}); // a question now fails the test
    press("Remove Word");
    press("Zero Word Score");
    EXPECT_EQ(learning_list(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(message_texts.empty());
}

TEST(HelpTexts, StoredTextsAreDecodedSafely) {
    auto utf16 = [](std::u16string s) {
        QByteArray b;
        for (char16_t c : s) {
            b.append(char(c & 0xff));
            b.append(char(c >> 8));
        }
        return b;
    };
    EXPECT_EQ(decode_help_text(utf16(u"\uFEFFExit")), "Exit") << "the mark is never shown";
    EXPECT_EQ(decode_help_text(utf16(u"Exit")), "Exit") << "a text without the mark is whole";
    EXPECT_EQ(decode_help_text(utf16(u"\uFEFFAb") + 'x'), "Ab") << "an odd last byte is dropped";
    EXPECT_EQ(decode_help_text(QByteArray("x")), "");
    EXPECT_EQ(decode_help_text(QByteArray()), "");
    const QByteArray huge = utf16(u"\uFEFF" + std::u16string(kMaxHelpTextBytes, u'a'));
    EXPECT_EQ(decode_help_text(huge).size(), kMaxHelpTextBytes / 2 - 1);
}

TEST_F(MainWindowTest, EveryHelpTopicHasATitleAndABodyThatFitsThePanel) {
    Surface s(180, 125);
    const FontSpec font{QStringLiteral("Arial"), 11};
    for (int topic = 1; topic <= 17; ++topic) {
        const HelpText text = load_help_topic(topic);
        EXPECT_FALSE(text.title.isEmpty()) << "topic " << topic;
        EXPECT_FALSE(text.body.isEmpty()) << "topic " << topic;
        EXPECT_FALSE(text.title.startsWith(QChar(0xFEFF)));
        EXPECT_LE(s.text_width(text.title, font), 160) << "topic " << topic;
        EXPECT_LE(s.text_wrapped(10, 25, 170, 120, text.body, font, 0), 95) << "topic " << topic;
    }
    EXPECT_TRUE(load_help_topic(18).title.isEmpty()) << "a missing topic leaves the panel empty";
}

// On a screen with twice the pixels the window's picture is twice as large each way, laid out as
// at ratio 1, and its captions, kanji, list and artwork are drawn at the finer resolution rather
// than enlarged.
TEST_F(MainWindowTest, AtRatioTwoEverythingIsDrawnAtTwiceTheResolution) {
    // The whole window as a screen of `ratio` shows it (device pixels).
    const auto window_picture = [](int ratio) {
        ScopedSurfaceRatio at(ratio);
        Options_Load();
        std::unique_ptr<MainWindow> w(new MainWindow);
        w->build();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QImage picture(w->size() * ratio, QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::magenta);
        static_cast<QWidget*>(w.get())->render(&picture);
        return device_pixels(picture);
    };
    const QImage plain = window_picture(1);
    const QImage doubled = window_picture(2);
    ASSERT_EQ(doubled.size(), plain.size() * 2);
    EXPECT_EQ(doubled.pixelColor(0, 0), plain.pixelColor(0, 0)) << "the window border";
    EXPECT_EQ(doubled.pixelColor(1, 1), plain.pixelColor(0, 0)) << "two device pixels thick";

    // Brought back to the plain size, the picture is the plain one but for antialiasing: the
    // layout is the same.
    const QImage reduced =
        doubled.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int far_off = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            far_off += std::abs(qGray(reduced.pixel(x, y)) - qGray(plain.pixel(x, y))) > 96;
    EXPECT_LT(far_off, plain.width() * plain.height() / 100) << "the same layout";

    // Sharp, not enlarged, in the status panel's lines of text on its white inside: as steep
    // steps across twice the edge length (a smoothed enlargement has hardly a steep step), and
    // the device pixels of a logical pixel differ along the edges (never in a plain enlargement).
    const QRect text(206, 52, 150, 66);
    const QRect text2(text.topLeft() * 2, text.size() * 2);
    const int steps1 = steep_steps(plain, text, 128);
    ASSERT_GT(steps1, 300) << "the panel's text is there";
    EXPECT_GT(steep_steps(doubled, text2, 128), 1.5 * steps1);
    EXPECT_GT(mixed_blocks(doubled.copy(text2), 2), 400);
}

} // namespace
