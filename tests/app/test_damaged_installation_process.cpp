// The real program, started as a process in a damaged installation folder (damaged_folder.h),
// comes up: it reaches its message loop, or waits on a question about the study state that the
// damage brought about; a termination signal then ends it in order, with whole user files.
#include "damaged_folder.h"
#include "process_fixture.h"

#include <csignal>

namespace {

class DamagedInstallationProcessTest : public ProcessTest,
                                       public ::testing::WithParamInterface<FolderDamage> {
  protected:
    void SetUp() override {
        ProcessTest::SetUp();
        GetParam().apply(folder);
    }
};

// The program is up: at its message loop, or asking its question on the way there.
bool came_up(QProcess* p, QByteArray& err) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < kStartTimeoutMs) {
        err += p->readAllStandardError();
        if (err.contains("App_Run: message loop") || err.contains("show_message_box: "))
            return true;
        if (p->state() == QProcess::NotRunning) return false;
        p->waitForReadyRead(100);
    }
    return false;
}

TEST_P(DamagedInstallationProcessTest, StartsAndEndsInOrderOnASignal) {
    QProcess* p = launch(environment());
    QByteArray err;
    ASSERT_TRUE(came_up(p, err)) << err.toStdString();
    if (err.contains("show_message_box: ")) {
        EXPECT_TRUE(err.contains("show_message_box: Insufficient unlearned kanji remaining."))
            << "the only question at start is the refill's: " << err.toStdString();
    }
    ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
    ASSERT_TRUE(p->waitForFinished(10000));
    err += p->readAllStandardError();
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit) << err.toStdString();
    EXPECT_EQ(p->exitCode(), 128 + SIGTERM) << err.toStdString();
    EXPECT_FALSE(err.contains("runtime error")) << err.toStdString();
    EXPECT_EQ(read_words(folder + "/brushwise.opt").size(), 106u);
    const std::vector<int32_t> list = read_words(folder + "/data/llist.dat");
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.size(), size_t(list[0]) + 1) << "the Learning List file is whole";
}

using KanjiDataLostProcessTest = DamagedInstallationProcessTest;

TEST_P(KanjiDataLostProcessTest, WithoutWholeKanjiDataItSaysSoAndWritesNothing) {
    const QStringList before = folder_state(folder);
    QProcess* p = launch(environment());
    QByteArray err;
    ASSERT_TRUE(wait_for_trace(p, err, "show_message_box: The kanji data (data/kanji.dat)"))
        << err.toStdString();
    ::kill(static_cast<pid_t>(p->processId()), SIGTERM);
    ASSERT_TRUE(p->waitForFinished(10000));
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 128 + SIGTERM);
    EXPECT_FALSE(err.contains("message loop"));
    EXPECT_EQ(folder_state(folder), before) << "nothing read into being, nothing written";
}

auto damage_name = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(Damage, DamagedInstallationProcessTest,
                         ::testing::ValuesIn(folder_damages(false)), damage_name);
INSTANTIATE_TEST_SUITE_P(Damage, KanjiDataLostProcessTest,
                         ::testing::ValuesIn(folder_damages(true)), damage_name);

} // namespace
