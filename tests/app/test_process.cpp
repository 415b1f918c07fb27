// The program as a process, in the test's folder with a runtime folder of its own: without a
// desktop, on a damaged installation told to stop, and after a writer is killed at random.
#include "damaged_folder.h"
#include "display_check.h"
#include "screen_fixture.h"
#include "test_helpers.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <csignal>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

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
    // Waits until the child's trace says one of `lines`; its standard error collects in `err`.
    static bool wait_for_trace(QProcess* p, QByteArray& err,
                               std::initializer_list<const char*> lines) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            err += p->readAllStandardError();
            for (const char* line : lines)
                if (err.contains(line)) return true;
            if (p->state() == QProcess::NotRunning) return false;
            p->waitForReadyRead(100);
        }
        return false;
    }
    QProcess* launch_and_wait_for_loop(QByteArray& err) {
        QProcess* p = launch(environment());
        EXPECT_TRUE(wait_for_trace(p, err, {"App_Run: message loop"})) << err.toStdString();
        return p;
    }
    // A termination signal ends the program in order, with the signal's exit code.
    static void terminate(QProcess* p, QByteArray& err) {
        ::kill(pid_t(p->processId()), SIGTERM);
        ASSERT_TRUE(p->waitForFinished(10000));
        err += p->readAllStandardError();
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(p->exitCode(), 128 + SIGTERM) << err.toStdString();
    }
};

TEST_F(ProcessTest, WithoutAReachableDisplayItSaysSoAndEndsWithCodeOne) {
    for (const char* display : {"", ":4093"}) { // no desktop at all; no X server there
        QProcessEnvironment env = environment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (*display) {
            env.insert("QT_QPA_PLATFORM", "xcb");
            env.insert("DISPLAY", display);
        }
        QProcess* p = launch(env);
        ASSERT_TRUE(p->waitForFinished(10000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit) << "no abort, no core dump";
        EXPECT_EQ(p->exitCode(), 1);
        const QByteArray err = p->readAllStandardError();
        // Qt says its own words before an unreachable X server's message.
        EXPECT_TRUE(*display ? err.endsWith(kMessageNoDisplay) : err == kMessageNoDisplay)
            << err.toStdString();
        if (*display) {
            EXPECT_TRUE(err.contains(display)) << "Qt's reason, naming the display";
        }
        EXPECT_FALSE(QFile::exists(folder + "/brushwise.opt"));
    }
}

// In a damaged installation folder the whole program, with what it sets up around the start (the
// sounds, the window icon, the signal handlers), comes up (at its message loop, or asking the
// refill's question on the way there), and a termination signal ends it with whole user files:
// the files cut short or garbage are whole again only if leaving on the signal saved them. (A
// second copy bringing the first forward and touching nothing is held by shell_x11.)
class DamagedInstallationProcessTest : public ProcessTest,
                                       public ::testing::WithParamInterface<FolderDamage> {
  protected:
    void SetUp() override {
        ProcessTest::SetUp();
        GetParam().apply(folder);
    }
};

TEST_P(DamagedInstallationProcessTest, StartsAndEndsInOrderOnASignal) {
    QProcess* p = launch(environment());
    QByteArray err;
    ASSERT_TRUE(wait_for_trace(p, err, {"App_Run: message loop", "show_message_box: "}))
        << err.toStdString();
    if (err.contains("show_message_box: ")) {
        EXPECT_TRUE(err.contains("show_message_box: Insufficient unlearned kanji remaining."))
            << "the only question at start is the refill's: " << err.toStdString();
    }
    terminate(p, err);
    EXPECT_FALSE(err.contains("runtime error")) << err.toStdString();
    EXPECT_EQ(read_words(folder + "/brushwise.opt").size(), 106u);
    const std::vector<int32_t> list = read_words(folder + "/data/llist.dat");
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.size(), size_t(list[0]) + 1) << "the Learning List file is whole";
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedInstallationProcessTest,
                         ::testing::ValuesIn(folder_damages(false)), damage_name);

// The crash writer (tools/crash_writer.cpp) rewrites options, scores, the completed list and the
// Learning List without pause and is killed with SIGKILL at random moments, many times over;
// after each kill every file holds an old or a new state, never a torn one, and the program
// starts on what is left. Returns what is wrong, or an empty text.
std::string check_files(const QString& folder) {
    const auto size = [&](const char* file) { return QFileInfo(folder + file).size(); };
    const auto options = read_words(folder + "/brushwise.opt");
    if (size("/brushwise.opt") != 424)
        return "options file of " + std::to_string(size("/brushwise.opt"));
    // Slot 40 is stored before slot 41, one save each.
    if (options[40] != options[41] && options[40] != options[41] + 1)
        return "option slots 40/41 hold " + std::to_string(options[40]) + "/" +
               std::to_string(options[41]);
    const auto completed = read_words(folder + "/data/clist.dat");
    if (size("/data/clist.dat") != 7788 && size("/data/clist.dat") != 7792)
        return "completed list of " + std::to_string(size("/data/clist.dat"));
    if (completed[0] != 1945 || completed[2 + 1944] != 1944) return "completed list words";
    const auto list = read_words(folder + "/data/llist.dat");
    if (list.empty() || size("/data/llist.dat") != 4 + 4 * qint64(list[0]))
        return "Learning List of " + std::to_string(size("/data/llist.dat"));
    for (size_t i = 1; i < list.size(); ++i)
        if (list[i] < 1 || list[i] > 1945) return "Learning List entry " + std::to_string(list[i]);
    const auto scores = read_words(folder + "/data/scores.dat");
    if (size("/data/scores.dat") < 80 * 1945)
        return "score table of " + std::to_string(size("/data/scores.dat"));
    for (int32_t w : scores)
        if (uint32_t(w) > 1) return "score word " + std::to_string(w);
    return {};
}

using CrashSafetyTest = ProcessTest;

TEST_F(CrashSafetyTest, KillsWhileWritingLeaveWholeFilesAndTheProgramStarts) {
    constexpr int kKills = 150;
    int kills_while_writing = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess writer;
        writer.setWorkingDirectory(folder);
        writer.start(QStringLiteral(CRASH_WRITER), {});
        ASSERT_TRUE(writer.waitForStarted(5000));
        ASSERT_TRUE(writer.waitForReadyRead(5000)) << "the writer began";
        // Anywhere from at once to a few dozen rounds of saves.
        std::this_thread::sleep_for(
            std::chrono::microseconds(QRandomGenerator::global()->bounded(30000)));
        kills_while_writing += writer.state() == QProcess::Running;
        ::kill(pid_t(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(5000));
        const std::string wrong = check_files(folder);
        ASSERT_TRUE(wrong.empty()) << "after kill " << kill << ": " << wrong;
    }
    EXPECT_EQ(kills_while_writing, kKills);

    QByteArray err;
    terminate(launch_and_wait_for_loop(err), err);
    EXPECT_EQ(check_files(folder), "");
}

} // namespace
