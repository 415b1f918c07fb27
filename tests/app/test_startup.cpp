// The start-up and the ways out, in the test's own process: the order of the start (options,
// splash, font check, study data, refill), the splash also at twice the pixels, where the main
// window opens and is brought forward, and what leaving saves (a second copy: test_process.cpp).
#include "button.h"
#include "caption_bar.h"
#include "check_box.h"
#include "exercises.h"
#include "kanji_list.h"
#include "learning_list.h"
#include "main_window.h"
#include "message_box.h"
#include "options.h"
#include "scores.h"
#include "start_fixture.h"
#include "startup.h"
#include "test_helpers.h"

#include "ratio_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <climits>
#include <csignal>

namespace {

// The options file as written: 106 slots.
std::vector<int32_t> options_file() {
    return read_words(QStringLiteral("brushwise.opt"));
}

class StartupTest : public StartTest {
  protected:
    MainWindow* start() {
        const std::optional<int> ended = App_Start();
        EXPECT_FALSE(ended.has_value());
        return MainWindow::instance();
    }
    static QRect work_area() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST(MainWindowPosition, CentredInTheWorkAreaUntilAPositionIsSaved) {
    // Right and bottom edges of the work area, halved with the window's size taken off.
    EXPECT_EQ(main_window_position(false, {}, QRect(0, 0, 1280, 1024)), QPoint(304, 272));
    EXPECT_EQ(main_window_position(false, {}, QRect(100, 30, 1180, 994)), QPoint(304, 272));
    EXPECT_EQ(main_window_position(false, {}, QRect(0, 0, 600, 400)), QPoint(-36, -39));
    EXPECT_EQ(main_window_position(true, QPoint(-5000, 7), QRect(0, 0, 1280, 1024)),
              QPoint(-5000, 7))
        << "a saved position is taken as it is";
    // Positions no window system can give, from a damaged options file, are not taken.
    for (QPoint beyond : {QPoint(INT_MAX, 10), QPoint(10, INT_MIN), QPoint(32767 - 671, 0),
                          QPoint(-32768, 0), QPoint(0, 32767 - 478)})
        EXPECT_EQ(main_window_position(true, beyond, QRect(0, 0, 1280, 1024)), QPoint(304, 272))
            << beyond.x() << ", " << beyond.y();
    EXPECT_EQ(main_window_position(true, QPoint(32767 - 672, -32767), QRect(0, 0, 1280, 1024)),
              QPoint(32767 - 672, -32767));
}

TEST(JapaneseFace, ChosenByTheUsersLanguageAndFoundUnderEitherName) {
    EXPECT_EQ(japanese_face_for(QLocale::Japanese), QString::fromUtf8("IPAex明朝"));
    EXPECT_EQ(japanese_face_for(QLocale::English), "IPAexMincho");
    EXPECT_EQ(japanese_face_for(QLocale::Korean), "IPAexMincho");
    EXPECT_TRUE(japanese_face_installed({"DejaVu Sans", "IPAexMincho"}));
    EXPECT_TRUE(japanese_face_installed({QString::fromUtf8("IPAex明朝")}));
    EXPECT_TRUE(japanese_face_installed({"IPAexMincho [IPA]"}));
    EXPECT_FALSE(japanese_face_installed({"IPAexGothic", "IPAMincho", "Noto Serif CJK JP"}));
    EXPECT_FALSE(japanese_face_installed({}));
}

TEST(Splash, WaitsOnlyForWhatIsLeftOfTheMinimum) {
    EXPECT_EQ(splash_remaining_wait(1000, 1500, 2000), 1500);
    EXPECT_EQ(splash_remaining_wait(1000, 3000, 2000), 0);
    EXPECT_EQ(splash_remaining_wait(1000, 3500, 2000), 0);
    EXPECT_EQ(splash_position(QSize(1280, 1024)), QPoint(459, 388));
    EXPECT_EQ(splash_position(QSize(301, 200)), QPoint(-31, -24)) << "an arithmetic halving";
}

TEST_F(StartupTest, SplashShowsThePictureForTheMinimumTime) {
    QWidget owner;
    QElapsedTimer t;
    t.start();
    Splash_Show(&owner);
    QWidget* splash = Splash_Window();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(362, 247));
    EXPECT_EQ(splash->pos(), splash_position(QGuiApplication::primaryScreen()->size()));
    const QImage picture(QStringLiteral("res/splash.bmp"));
    ASSERT_FALSE(picture.isNull());
    const QImage shown = splash->grab().toImage();
    for (QPoint p : {QPoint(5, 5), QPoint(180, 120), QPoint(360, 245)})
        EXPECT_EQ(shown.pixel(p) & 0xffffff, picture.pixel(p) & 0xffffff);
    Splash_Close();
    EXPECT_GE(t.elapsed(), kShortSplashMs);
    EXPECT_EQ(Splash_Window(), nullptr);
    Splash_Close(); // no splash: nothing happens
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
    EXPECT_EQ(Splash_Window(), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), main_window_position(false, {}, work_area()));
    EXPECT_EQ(w->learning_list()->count(), 10);
    EXPECT_EQ(options_file().at(OptMainWindowSaved), 1);
    EXPECT_EQ(read_words("data/llist.dat"),
              (std::vector<int32_t>{10, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}))
        << "kanji 3 graduated before the list was shown";
    EXPECT_EQ(CompletedList_CompletedCount(), 1u);
    EXPECT_EQ(read_words("data/clist.dat").at(1), 1);
}

TEST_F(StartupTest, TheCaptionBarIsDrawnWithTheControlImages) {
    // As in a real start, no image library is known before the start-up registers them.
    if (!toolkit_image(image_id::CaptionClose).isNull())
        GTEST_SKIP() << "an earlier test of this process registered image libraries elsewhere";
    MainWindow* w = start();
    ASSERT_FALSE(toolkit_image(image_id::CaptionClose).isNull());
    Surface fresh(w->width(), 20);
    CaptionBar::paint(fresh, w->caption_bar().state(), "Brushwise");
    EXPECT_EQ(w->caption_bar().image().image(), fresh.image());
}

TEST_F(StartupTest, LaterStartsOpenWhereTheUserLeft) {
    Options_Clear();
    set_option_slot(OptMainWindowSaved, 1);
    set_option_slot(OptMainWindowX, 37);
    set_option_slot(OptMainWindowX + 1, 55);
    set_option_slot(OptExcludeCompleted, 1);
    Options_Clear();
    SetExcludeCompleted(false);
    MainWindow* w = start();
    EXPECT_EQ(w->pos(), QPoint(37, 55));
    EXPECT_TRUE(GetExcludeCompleted()) << "the exclude flag comes from its slot";
    EXPECT_TRUE(w->exclude_box()->checked());
    click(w->exclude_box(), QPoint(6, 6)); // and the box sets the exercises' flag
    EXPECT_FALSE(GetExcludeCompleted());
    click(w->exclude_box(), QPoint(6, 6));
    EXPECT_TRUE(GetExcludeCompleted());
}

TEST_F(StartupTest, MissingFontAnsweredNoOpensTheInstructionsAndEndsAndYesOrClosedStartsAnyway) {
    set_japanese_family_source([] { return QStringList{"DejaVu Sans", "IPAexGothic"}; });
    answer_message_boxes({MessageNo});
    const std::optional<int> ended = App_Start();
    ASSERT_TRUE(ended.has_value());
    EXPECT_EQ(*ended, 0);
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

    // Answered Yes or closed, the program starts anyway.
    for (int answer : {MessageYes, MessageClosed}) {
        answer_message_boxes({answer});
        MainWindow* w = start();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(opened_pages.size(), 1) << "no more instructions";
        delete w;
    }
    EXPECT_EQ(message_texts.size(), 3u);
}

TEST_F(StartupTest, SessionSaveKeepsRunningAndExitSavesTheListThePositionAndTheExcludeFlag) {
    MainWindow* w = start();
    LearningList_Append(44);
    App_SaveForSession();
    EXPECT_EQ(read_words("data/llist.dat"),
              (std::vector<int32_t>{11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 44}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(App_ExitRequested(nullptr));

    // What changes after the session's save is saved on exit.
    LearningList_RemoveAt(0);
    w->move(123, 77);
    SetExcludeCompleted(true);
    App_Exit();
    EXPECT_FALSE(w->isVisible());
    int code = -1;
    EXPECT_TRUE(App_ExitRequested(&code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(read_words("data/llist.dat"),
              (std::vector<int32_t>{10, 2, 3, 4, 5, 6, 7, 8, 9, 10, 44}));
    const auto options = options_file();
    EXPECT_EQ(options.at(OptMainWindowX), 123);
    EXPECT_EQ(options.at(OptMainWindowX + 1), 77);
    EXPECT_EQ(options.at(OptExcludeCompleted), 1);
    EXPECT_TRUE(ended_with.empty()) << "the message loop ends; the process is not cut short";

    // Saved once: what changes afterwards (the quit that follows) is not written.
    LearningList_Append(45);
    App_SaveBeforeQuit();
    EXPECT_EQ(read_words("data/llist.dat").front(), 10);
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

// A termination signal at rest is the same way out (test_process.cpp sends one).
TEST_F(StartupTest, TheWindowManagersCloseSavesAsExitDoes) {
    QPointer<MainWindow> w = start(); // the way out may already have destroyed it
    LearningList_RemoveAt(0);
    w->move(40, 50);
    w->close();
    ASSERT_TRUE(wait_until([] { return App_ExitRequested(nullptr); }));
    int code = -1;
    App_ExitRequested(&code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(w.isNull() || !w->isVisible());
    EXPECT_EQ(read_words("data/llist.dat").front(), 9);
    EXPECT_EQ(options_file().at(OptMainWindowX), 40);
    EXPECT_TRUE(ended_with.empty()) << "the message loop ends; the process is not cut short";
    delete w;
}

TEST_F(StartupTest, CloseWhileAQuestionIsOpenSavesAndEndsTheProcess) {
    MainWindow* w = start();
    LearningList_RemoveAt(0);
    // A question owned by the main window waits in its own loop: the close arrives there, and the
    // process cannot return to its message loop, so it ends at once after saving.
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
    EXPECT_FALSE(App_ExitRequested(nullptr));
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

TEST_F(StartupTest, BroughtForwardTheMainWindowIsUnminimised) {
    MainWindow* w = start();
    w->showMinimized();
    ASSERT_TRUE(w->isMinimized());
    w->bring_forward();
    EXPECT_FALSE(w->isMinimized());
    EXPECT_TRUE(w->isVisible());
}

// The splash on a screen with twice the pixels: the picture drawn at twice the size when the
// installation has it, else the plain picture enlarged, else a blank splash.
TEST_F(StartupTest, AtRatioTwoTheSplashShowsTheDoubleSizePictureOrThePlainOneEnlarged) {
    Splash_SetMinimumDuration(0);
    const auto shown_splash = [] {
        ScopedSurfaceRatio at(2);
        QWidget owner;
        Splash_Show(&owner);
        QImage shown(QSize(kSplashWidth, kSplashHeight) * 2, QImage::Format_RGB32);
        shown.setDevicePixelRatio(2);
        shown.fill(Qt::magenta);
        if (QWidget* splash = Splash_Window()) splash->render(&shown);
        Splash_Close();
        return device_pixels(shown);
    };
    const QImage big(QStringLiteral("res/splash@2x.bmp"));
    ASSERT_EQ(big.size(), QSize(kSplashWidth, kSplashHeight) * 2);
    EXPECT_EQ(shown_splash(), device_pixels(big));

    // The working folder's res/ is a link to the installation's: a copy without the double size
    // picture goes in its place.
    const QString plain_file = QFileInfo(QStringLiteral("res/splash.bmp")).canonicalFilePath();
    ASSERT_FALSE(plain_file.isEmpty());
    ASSERT_TRUE(QFile::remove(QStringLiteral("res")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("res")));
    ASSERT_TRUE(QFile::copy(plain_file, QStringLiteral("res/splash.bmp")));
    EXPECT_EQ(shown_splash(), nearest_enlargement(QImage(QStringLiteral("res/splash.bmp")), 2));

    ASSERT_TRUE(QFile::remove(QStringLiteral("res/splash.bmp")));
    const QImage blank = shown_splash();
    EXPECT_EQ(blank.pixel(100, 100), qRgb(255, 255, 255)) << "no picture: a blank splash";
    EXPECT_EQ(blank.pixel(723, 493), qRgb(255, 255, 255));
}

} // namespace
