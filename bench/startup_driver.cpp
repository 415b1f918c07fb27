// A start-to-exit run of the real program, for bench_startup: the real start-up (options, data,
// fonts, main window) with the splash's minimum time taken out, every screen opened, painted and
// closed, the orderly exit, and then one line with what it cost:
//   qapplication_ms=... startup_ms=... tour_ms=... peak_rss_kb=... missing=<screens>
// With --steps it also prints the peak and current resident memory after the start-up and after
// each screen. Run in a working folder laid out like the installation; XDG_RUNTIME_DIR should be
// private, so that no running copy of the program is taken for this one.
#include "app_exit.h"
#include "main_window.h"
#include "screen_tour.h"
#include "splash.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A memory figure of the process from /proc/self/status ("VmHWM", the peak resident memory, or
// "VmRSS") in kB, -1 when unknown.
long status_kb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    return -1;
}

void print_memory(const std::string& after) {
    std::printf("after %s: peak %ld kB, resident %ld kB (anonymous %ld, files %ld, shared %ld)\n",
                after.c_str(), status_kb("VmHWM"), status_kb("VmRSS"), status_kb("RssAnon"),
                status_kb("RssFile"), status_kb("RssShmem"));
}

struct Figures {
    qint64 startup_ms = -1, tour_ms = -1;
    std::string missing;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    const bool steps = argc > 1 && std::string(argv[1]) == "--steps";
    const qint64 qapplication_ms = clock.elapsed();
    Splash_SetMinimumDuration(0);

    // The tour begins as soon as the main window is up and at rest in the message loop.
    Figures figures;
    QElapsedTimer startup, tour;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        MainWindow* w = MainWindow::instance();
        if (!w || !w->at_rest() || QThread::currentThread()->loopLevel() == 0) return;
        poll.stop();
        figures.startup_ms = startup.elapsed();
        if (steps) print_memory("start-up");
        tour.start();
        tour_every_screen(steps ? print_memory : std::function<void(const std::string&)>{},
                          [&](const std::vector<std::string>& missing) {
                              for (const std::string& name : missing)
                                  figures.missing += (figures.missing.empty() ? "" : ",") + name;
                              figures.tour_ms = tour.elapsed();
                              App_Exit();
                          });
    });
    poll.start();
    startup.start();
    const int code = App_Run(app);

    std::printf("qapplication_ms=%lld startup_ms=%lld tour_ms=%lld peak_rss_kb=%ld missing=%s\n",
                static_cast<long long>(qapplication_ms), static_cast<long long>(figures.startup_ms),
                static_cast<long long>(figures.tour_ms), status_kb("VmHWM"),
                figures.missing.c_str());
    return figures.startup_ms < 0 ? 2 : code;
}
