#pragma once
// Tests that run the real brushwise as a child process in the test's working folder on the
// offscreen platform, with a session runtime folder of its own, so that the single-copy socket
// is the test's alone.
#include "screen_fixture.h"
#include "test_helpers.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <memory>
#include <vector>

inline constexpr int kStartTimeoutMs = 20000;

// Every file under the folder with its size and modification time.
inline QStringList folder_state(const QString& folder) {
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
