// The start-up and the ways out in the test's process (options, splash, font check, study data,
// refill; what leaving saves), and the main window's list commands (their rules: tests/studydata).
#include "button.h"
#include "check_box.h"
#include "exercises.h"
#include "kanji_data.h"
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "message_box.h"
#include "options.h"
#include "scores.h"
#include "shell.h"
#include "start_fixture.h"
#include "startup.h"
#include "test_helpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <climits>
#include <csignal>

namespace {

std::vector<int32_t> options_file() {
    return read_words(QStringLiteral("brushwise.opt"));
}

class StartupTest : public StartTest {
  protected:
    MainWindow* w = nullptr;

    MainWindow* start() {
        EXPECT_FALSE(App_Start().has_value());
        return w = MainWindow::instance();
    }
    // Starts on a Learning List file holding the kanji.
    void open(const std::vector<int32_t>& list) {
        std::vector<int32_t> words{int32_t(list.size())};
        words.insert(words.end(), list.begin(), list.end());
        write_words(QStringLiteral("data/llist.dat"), words);
        ASSERT_NE(start(), nullptr);
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
    static std::vector<uint32_t> slots_of(int kanji) {
        const uint32_t* s = Scores_Get(kanji);
        return {s, s + kScoreSlots};
    }
};
using MainWindowTest = StartupTest;

TEST(MainWindowPosition, CentredInTheWorkAreaUntilAPositionIsSavedThatAWindowCanHave) {
    const QRect screen(0, 0, 1280, 1024);
    EXPECT_EQ(main_window_position(false, {}, screen), QPoint(304, 272));
    EXPECT_EQ(main_window_position(false, {}, QRect(100, 30, 1180, 994)), QPoint(304, 272));
    EXPECT_EQ(main_window_position(false, {}, QRect(0, 0, 600, 400)), QPoint(-36, -39));
    EXPECT_EQ(main_window_position(true, QPoint(-5000, 7), screen), QPoint(-5000, 7));
    // Positions no window system can give, from a damaged options file, are not taken.
    for (QPoint beyond : {QPoint(INT_MAX, 10), QPoint(10, INT_MIN), QPoint(32767 - 671, 0),
                          QPoint(-32768, 0), QPoint(0, 32767 - 478)})
        EXPECT_EQ(main_window_position(true, beyond, screen), QPoint(304, 272))
            << beyond.x() << ", " << beyond.y();
    EXPECT_EQ(main_window_position(true, QPoint(32767 - 672, -32767), screen),
              QPoint(32767 - 672, -32767));
}

TEST(JapaneseFace, ChosenByTheUsersLanguageAndFoundUnderEitherName) {
    EXPECT_EQ(japanese_face_for(QLocale::Japanese), QString::fromUtf8("IPAex明朝"));
    EXPECT_EQ(japanese_face_for(QLocale::English), "IPAexMincho");
    EXPECT_TRUE(japanese_face_installed({"DejaVu Sans", "IPAexMincho"}));
    EXPECT_TRUE(japanese_face_installed({QString::fromUtf8("IPAex明朝")}));
    EXPECT_TRUE(japanese_face_installed({"IPAexMincho [IPA]"}));
    EXPECT_FALSE(japanese_face_installed({"IPAexGothic", "IPAMincho", "Noto Serif CJK JP"}));
}

TEST_F(StartupTest, FirstStartCentresTheWindowAndShowsTheFirstTenKanjiAfterARefill) {
    Scores_Open();
    pass_all_exercises(3);
    Scores_Close();
    QElapsedTimer t;
    t.start();
    MainWindow* w = start();
    ASSERT_NE(w, nullptr);
    EXPECT_GE(t.elapsed(), kShortSplashMs) << "the splash was up for its time";
    EXPECT_EQ(w->pos(), main_window_position(
                            false, {}, QGuiApplication::primaryScreen()->availableGeometry()));
    EXPECT_EQ(read_words("data/llist.dat"),
              (std::vector<int32_t>{10, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}))
        << "kanji 3 graduated before the list was shown";
    EXPECT_EQ(w->learning_list()->count(), 10);
    EXPECT_EQ(read_words("data/clist.dat").at(1), 1);
    w->showMinimized();
    w->bring_forward();
    EXPECT_FALSE(w->isMinimized());
}

TEST_F(StartupTest, MissingFontAnsweredNoOpensTheInstructionsAndEndsAndYesOrClosedStartsAnyway) {
    set_japanese_family_source([] { return QStringList{"DejaVu Sans", "IPAexGothic"}; });
    answer_message_boxes({MessageNo});
    EXPECT_EQ(App_Start(), std::optional<int>(0));
    ASSERT_EQ(message_texts.size(), 1u);
    EXPECT_EQ(message_texts[0], QString::fromLatin1(kMessageFontsMissing));
    EXPECT_EQ(opened_pages, QStringList{QDir(folder).filePath("help/index.htm")});
    std::vector<int32_t> expected(106, 0);
    expected[OptMainWindowSaved] = 1;
    EXPECT_EQ(options_file(), expected);
    for (const char* f : {"data/clist.dat", "data/scores.dat", "data/llist.dat"})
        EXPECT_FALSE(QFile::exists(f)) << f;
    EXPECT_EQ(MainWindow::instance(), nullptr);
    EXPECT_EQ(Splash_Window(), nullptr) << "the splash closed before the question";

    for (int answer : {MessageYes, MessageClosed}) {
        answer_message_boxes({answer});
        MainWindow* w = start();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(opened_pages.size(), 1) << "no more instructions";
        delete w;
    }
}

TEST_F(StartupTest, ExitReportsAFileThatCouldNotBeSavedAndSavesTheOther) {
    // A folder in the file's place: the new file cannot be renamed over it.
    for (const char* blocked : {"data/llist.dat", "brushwise.opt"}) {
        start();
        QFile::remove(blocked);
        ASSERT_TRUE(QDir().mkdir(blocked));
        App_Exit();
        int code = 0;
        EXPECT_TRUE(App_ExitRequested(&code));
        EXPECT_EQ(code, 1) << blocked << ": a failed save is not reported as success";
        const bool list_blocked = QString::fromLatin1(blocked) == "data/llist.dat";
        EXPECT_EQ(list_blocked ? options_file().at(OptMainWindowSaved)
                               : read_words("data/llist.dat").front(),
                  list_blocked ? 1 : 10)
            << blocked << ": the other file is still saved";
        QDir().rmdir(blocked);
        delete MainWindow::instance();
    }
}

// A later start opens where the user left, with the exclude flag from its slot; a session save
// writes and keeps running; the window manager's close saves as Exit does, once.
TEST_F(StartupTest, ALaterStartOpensWhereTheUserLeftAndSavesForTheSessionAndOnClose) {
    set_option_slot(OptMainWindowSaved, 1);
    set_option_slot(OptMainWindowX, 37);
    set_option_slot(OptMainWindowX + 1, 55);
    set_option_slot(OptExcludeCompleted, 1);
    Options_Clear();
    SetExcludeCompleted(false);
    QPointer<MainWindow> w = start(); // the way out may already have destroyed it
    EXPECT_EQ(w->pos(), QPoint(37, 55));
    EXPECT_TRUE(GetExcludeCompleted());
    EXPECT_TRUE(w->exclude_box()->checked());
    click(w->exclude_box(), QPoint(6, 6)); // and the box sets the exercises' flag
    EXPECT_FALSE(GetExcludeCompleted());
    LearningList_Append(44);
    App_SaveForSession();
    EXPECT_EQ(read_words("data/llist.dat"),
              (std::vector<int32_t>{11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 44}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(App_ExitRequested(nullptr));

    LearningList_RemoveAt(0);
    w->move(40, 50);
    w->close();
    ASSERT_TRUE(wait_until([] { return App_ExitRequested(nullptr); }));
    EXPECT_EQ(read_words("data/llist.dat").front(), 10);
    EXPECT_EQ(options_file().at(OptMainWindowX), 40);
    EXPECT_EQ(options_file().at(OptExcludeCompleted), 0);
    EXPECT_TRUE(ended_with.empty()) << "the message loop ends; the process is not cut short";
    LearningList_Append(45); // saved once: the quit that follows writes nothing
    App_SaveBeforeQuit();
    EXPECT_EQ(read_words("data/llist.dat").front(), 10);
    delete w;
}

// A question owned by the main window waits in its own loop: the close arrives there, and the
// process cannot return to its message loop, so it ends at once after saving.
TEST_F(StartupTest, CloseWhileAQuestionIsOpenSavesAndEndsTheProcess) {
    MainWindow* w = start();
    LearningList_RemoveAt(0);
    bool closed_while_asking = false;
    QTimer::singleShot(30, w, [&] {
        closed_while_asking = open_message_box() != nullptr;
        w->close();
        for (Button* b : open_message_box()->findChildren<Button*>())
            if (b->caption() == " Yes ") click(b, QPoint(5, 5));
    });
    show_message_box(w, "Waiting", MessageYesNo, -1);
    EXPECT_TRUE(closed_while_asking);
    EXPECT_EQ(ended_with, std::vector<int>{0});
    EXPECT_EQ(read_words("data/llist.dat").front(), 9);
}

TEST_F(StartupTest, SignalBeforeTheStudyDataIsLoadedWritesNothing) {
    Options_Load();
    auto* w = new MainWindow; // created, not yet built: the Learning List is not loaded
    App_Leave(128 + SIGINT);
    EXPECT_EQ(ended_with, std::vector<int>{128 + SIGINT});
    EXPECT_FALSE(QFile::exists("data/llist.dat"));
    EXPECT_FALSE(QFile::exists("brushwise.opt"));
    delete w;
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

} // namespace
