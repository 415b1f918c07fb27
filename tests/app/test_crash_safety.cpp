// The program killed at any moment while it writes leaves every user file whole: a writer that
// rewrites options, scores, the completed list and the Learning List without pause is killed
// with SIGKILL at random moments, many times over; after each kill every file holds an old or a
// new state, never a torn one, and the program starts on what is left.
#include "process_fixture.h"

#include <QRandomGenerator>
#include <csignal>
#include <thread>

namespace {

constexpr int kKills = 150;

std::vector<uint32_t> words_of(const QString& path, qint64* size) {
    QFile f(path);
    std::vector<uint32_t> words;
    *size = -1;
    if (!f.open(QIODevice::ReadOnly)) return words;
    const QByteArray b = f.readAll();
    *size = b.size();
    for (qsizetype i = 0; i + 3 < b.size(); i += 4)
        words.push_back(uint32_t(uint8_t(b[i])) | uint32_t(uint8_t(b[i + 1])) << 8 |
                        uint32_t(uint8_t(b[i + 2])) << 16 | uint32_t(uint8_t(b[i + 3])) << 24);
    return words;
}

// What a whole file of each kind looks like; returns what is wrong, or an empty text.
std::string check_files(const QString& folder) {
    qint64 size = 0;
    const auto options = words_of(folder + "/brushwise.opt", &size);
    if (size != 424) return "options file of " + std::to_string(size) + " bytes";
    // Slot 40 is stored before slot 41, one save each.
    if (options[40] != options[41] && options[40] != options[41] + 1)
        return "option slots 40/41 hold " + std::to_string(options[40]) + "/" +
               std::to_string(options[41]);
    const auto completed = words_of(folder + "/data/clist.dat", &size);
    if (size != 7788 && size != 7792) return "completed list of " + std::to_string(size);
    if (completed[0] != 1945 || completed[2 + 1944] != 1944) return "completed list words";
    const auto list = words_of(folder + "/data/llist.dat", &size);
    if (size < 4 || size != 4 + 4 * qint64(list[0]))
        return "Learning List of " + std::to_string(size);
    for (size_t i = 1; i < list.size(); ++i)
        if (list[i] < 1 || list[i] > 1945) return "Learning List entry " + std::to_string(list[i]);
    const auto scores = words_of(folder + "/data/scores.dat", &size);
    if (size < 80 * 1945) return "score table of " + std::to_string(size);
    for (uint32_t w : scores)
        if (w > 1) return "score word " + std::to_string(w);
    return {};
}

class CrashSafetyTest : public ProcessTest {};

TEST_F(CrashSafetyTest, KillsWhileWritingLeaveWholeFilesAndTheProgramStarts) {
    auto* random = QRandomGenerator::global();
    int kills_while_writing = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess writer;
        writer.setWorkingDirectory(folder);
        writer.start(QStringLiteral(CRASH_WRITER), {});
        ASSERT_TRUE(writer.waitForStarted(5000));
        ASSERT_TRUE(writer.waitForReadyRead(5000)) << "the writer began";
        // Anywhere from at once to a few dozen rounds of saves.
        std::this_thread::sleep_for(std::chrono::microseconds(random->bounded(30000)));
        if (writer.state() == QProcess::Running) ++kills_while_writing;
        ::kill(pid_t(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(5000));
        const std::string wrong = check_files(folder);
        ASSERT_TRUE(wrong.empty()) << "after kill " << kill << ": " << wrong;
    }
    EXPECT_EQ(kills_while_writing, kKills);

    QByteArray err;
    QProcess* program = launch_and_wait_for_loop(err);
    ::kill(pid_t(program->processId()), SIGTERM);
    ASSERT_TRUE(program->waitForFinished(10000));
    EXPECT_EQ(program->exitCode(), 128 + SIGTERM);
    EXPECT_EQ(check_files(folder), "");
}

} // namespace
