// The program as a process: started without a desktop, started twice, and told to stop. Each test
// runs the real brushwise in the test's working folder on the offscreen platform, with a session
// runtime folder of its own, so that the single-copy socket is the test's alone.
#include "display_check.h"
#include "screen_fixture.h"
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

constexpr int kStartTimeoutMs = 20000;

// Every file under the folder with its size and modification time.
QStringList folder_state(const QString& folder) {
    QStringList state;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        state << QStringLiteral("%1 %2 %3")
                     .arg(info.filePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    state.sort();
    return state;
}

class ProcessTest : public ScreenTest {
  protected:
    QString runtime;
    std::vector<std::unique_ptr<QProcess>> children;

    void SetUp() override {
        ScreenTest::SetUp();
        runtime = folder + QStringLiteral("/runtime");
        ASSERT_TRUE(QDir().mkpath(runtime));
        QFile(runtime).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
    }
    void TearDown() override {
        for (auto& child : children)
            if (child->state() != QProcess::NotRunning) {
                child->kill();
                child->waitForFinished(5000);
            }
        ScreenTest::TearDown();
    }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime);
        env.insert("QT_LOGGING_RULES", "brushwise.trace.debug=true");
        return env;
    }
    QProcess* launch(const QProcessEnvironment& env) {
        children.push_back(std::make_unique<QProcess>());
        QProcess* p = children.back().get();
        p->setWorkingDirectory(folder);
        p->setProcessEnvironment(env);
        p->start(run_folder() + QStringLiteral("/brushwise"), {});
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }
    // Waits until the child's trace says `line`; its standard error collects in `err`.
    static bool wait_for_trace(QProcess* p, QByteArray& err, const QByteArray& line) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < kStartTimeoutMs) {
            err += p->readAllStandardError();
            if (err.contains(line)) return true;
            if (p->state() == QProcess::NotRunning) return false;
            p->waitForReadyRead(100);
        }
        return false;
    }
    QProcess* launch_and_wait_for_loop(QByteArray& err) {
        QProcess* p = launch(environment());
        EXPECT_TRUE(wait_for_trace(p, err, "App_Run: message loop")) << err.toStdString();
        return p;
    }
};

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
