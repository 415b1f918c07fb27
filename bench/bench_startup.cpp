// The real program from start to exit, each iteration a fresh process (startup_driver) in a
// throwaway working folder linked to the installation the benchmark runs in (build/run under
// make bench): the start-up work behind the splash (the splash's minimum time taken out; the
// iteration time) and the peak resident memory of a run that opens every screen.
#include "work_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

namespace {

// Skips the benchmark with a message that outlives it.
void skip(benchmark::State& state, const QString& message) {
    static std::string kept;
    kept = message.toStdString();
    state.SkipWithError(kept.c_str());
}

struct DriverRun {
    double qapplication_ms = 0, startup_ms = 0, tour_ms = 0, peak_rss_mb = 0, process_ms = 0;
    QString missing;
};

double field(const QString& line, const char* name) {
    const QRegularExpression re(QStringLiteral("%1=(-?\\d+)").arg(QLatin1String(name)));
    const auto m = re.match(line);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

// Runs the driver in `folder`; nothing when it failed.
std::optional<DriverRun> run_driver(const QString& folder, QString* error) {
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(STARTUP_DRIVER), {});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("the driver failed: ") + QString::fromLocal8Bit(p.readAll());
        return std::nullopt;
    }
    DriverRun run;
    run.process_ms = double(clock.elapsed());
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    run.qapplication_ms = field(out, "qapplication_ms");
    run.startup_ms = field(out, "startup_ms");
    run.tour_ms = field(out, "tour_ms");
    run.peak_rss_mb = field(out, "peak_rss_kb") / 1024.0;
    const auto m = QRegularExpression(QStringLiteral("missing=(\\S*)")).match(out);
    run.missing = m.hasMatch() ? m.captured(1) : QStringLiteral("?");
    if (run.startup_ms < 0 || run.peak_rss_mb <= 0) {
        *error = QStringLiteral("unreadable driver output: ") + out;
        return std::nullopt;
    }
    return run;
}

void BM_StartToExit(benchmark::State& state) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(folder.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!link_installation(QDir::currentPath(), folder.path())) {
        state.SkipWithError("data/kanji.dat not found: run in the installation folder (build/run)");
        return;
    }
    // The very first start writes the new user files; the timed starts find them there.
    QString error;
    const std::optional<DriverRun> first = run_driver(folder.path(), &error);
    if (!first) {
        skip(state, error);
        return;
    }
    DriverRun sum, worst;
    int runs = 0;
    for (auto _ : state) {
        const std::optional<DriverRun> run = run_driver(folder.path(), &error);
        if (!run) {
            skip(state, error);
            return;
        }
        state.SetIterationTime(run->startup_ms / 1000.0);
        sum.qapplication_ms += run->qapplication_ms;
        sum.startup_ms += run->startup_ms;
        sum.tour_ms += run->tour_ms;
        sum.process_ms += run->process_ms;
        worst.startup_ms = std::max(worst.startup_ms, run->startup_ms);
        worst.peak_rss_mb = std::max(worst.peak_rss_mb, run->peak_rss_mb);
        if (!run->missing.isEmpty())
            skip(state, QStringLiteral("screens did not open: ") + run->missing);
        ++runs;
    }
    state.counters["first_start_ms"] = first->startup_ms;
    state.counters["startup_ms"] = sum.startup_ms / runs;
    state.counters["startup_max_ms"] = worst.startup_ms;
    state.counters["qapp_ms"] = sum.qapplication_ms / runs;
    state.counters["tour_ms"] = sum.tour_ms / runs;
    state.counters["process_ms"] = sum.process_ms / runs;
    state.counters["peak_rss_MB"] = std::max(worst.peak_rss_mb, first->peak_rss_mb);
}
BENCHMARK(BM_StartToExit)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
