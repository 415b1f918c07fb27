// The program as a process: started without a desktop, started twice, and told to stop. Each test
// runs the real brushwise in the test's working folder on the offscreen platform, with a session
// runtime folder of its own, so that the single-copy socket is the test's alone.
#include "display_check.h"
#include "process_fixture.h"
#include "startup.h"
#include "test_helpers.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <csignal>

namespace {

TEST_F(ProcessTest, WithoutADesktopItSaysSoAndEndsWithCodeOne) {
    QProcessEnvironment env = environment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess* p = launch(env);
    ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit) << "no abort, no core dump";
    EXPECT_EQ(p->exitCode(), 1);
    EXPECT_EQ(p->readAllStandardError(), QByteArray(kMessageNoDisplay));
    EXPECT_FALSE(QFile::exists(folder + "/brushwise.opt"));
}

TEST_F(ProcessTest, AnUnreachableDisplayIsReportedTheSameWay) {
    QProcessEnvironment env = environment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", ":4093"); // no server there
    env.remove("WAYLAND_DISPLAY");
    QProcess* p = launch(env);
    ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 1);
    EXPECT_TRUE(p->readAllStandardError().endsWith(QByteArray(kMessageNoDisplay)));
}

TEST_F(ProcessTest, ASecondCopyBringsTheFirstForwardAndEndsHavingTouchedNothing) {
    QByteArray first_err;
    QProcess* first = launch_and_wait_for_loop(first_err);
    const QStringList before = folder_state(folder);

    QProcess* second = launch(environment());
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(wait_for_trace(first, first_err, "App_BringToFront")) << first_err.toStdString();
    EXPECT_FALSE(second->readAllStandardError().contains("message loop"));
    EXPECT_EQ(folder_state(folder), before) << "nothing read into being, nothing written";
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(ProcessTest, TerminationSignalSavesWhatExitSaves) {
    // The stored list holds an entry that is no kanji: the list in memory drops it, and only
    // leaving the program writes the list back.
    QFile list(folder + "/data/llist.dat");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    for (int32_t word : {3, 5, 2000, 7})
        list.write(reinterpret_cast<const char*>(&word), 4);
    list.close();

    QByteArray err;
    QProcess* p = launch_and_wait_for_loop(err);
    ASSERT_EQ(read_words(folder + "/data/llist.dat"), (std::vector<int32_t>{3, 5, 2000, 7}))
        << "until it leaves, the file holds the list as it was";
    ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
    ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 128 + SIGTERM);
    EXPECT_EQ(read_words(folder + "/data/llist.dat"), (std::vector<int32_t>{2, 5, 7}));
    const std::vector<int32_t> options = read_words(folder + "/brushwise.opt");
    ASSERT_EQ(options.size(), 106u);
    EXPECT_EQ(options[0], 1);
    // The window opened centred on the (offscreen) screen and stayed there.
    const QPoint centred =
        main_window_position(false, {}, QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(options[1], centred.x());
    EXPECT_EQ(options[2], centred.y());
}

} // namespace
