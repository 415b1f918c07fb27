// The screens over the real data (run with the installation folder as working folder, as make
// bench does), after the real start-up in a fresh working folder: a full repaint of every
// screen's window from its surfaces, opening Add Word (search index and list fill), and the main
// window's panels rebuilt in the other look, as when a screen opens over it or closes.
#include "add_word_window.h"
#include "exercises.h"
#include "main_window.h"
#include "screen_tour.h"
#include "sound_cue.h"
#include "splash.h"
#include "startup.h"
#include "stroke_screens.h"
#include "toolkit.h"
#include "work_folder.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The program as it stands after its start-up, shared by every benchmark of the run.
struct Stage {
    std::unique_ptr<WorkFolder> folder = std::make_unique<WorkFolder>();
    bool started = false;

    Stage() {
        if (!folder->has_data()) return;
        SoundCue_SetPlayer([](const std::string&) {});
        Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
        Splash_SetMinimumDuration(0);
        started = !App_Start().has_value() && MainWindow::instance();
    }
};

Stage* stage = nullptr;

bool ready(benchmark::State& state) {
    if (stage && stage->started) return true;
    state.SkipWithError("no start-up: run in the installation folder (build/run)");
    return false;
}

void BM_RepaintScreen(benchmark::State& state) {
    if (!ready(state)) return;
    const TourScreen screen = screen_tour()[size_t(state.range(0))];
    state.SetLabel(screen.name);
    QWidget* w = screen.open();
    if (!w) {
        screen.close();
        finish_closing();
        state.SkipWithError("the screen did not open");
        return;
    }
    pump_messages();
    for (auto _ : state) {
        QPixmap picture = w->grab();
        benchmark::DoNotOptimize(picture);
    }
    state.counters["width"] = w->width();
    state.counters["height"] = w->height();
    screen.close();
    finish_closing();
}
BENCHMARK(BM_RepaintScreen)
    ->DenseRange(0, int(screen_tour().size()) - 1)
    ->Unit(benchmark::kMillisecond);

// From the main window's button to Add Word shown and painted: the index of all kanji built and
// the results list filled.
void BM_OpenAddWord(benchmark::State& state) {
    if (!ready(state)) return;
    for (auto _ : state) {
        AddWordWindow::open();
        pump_messages();
        state.PauseTiming();
        if (AddWordWindow* w = AddWordWindow::instance())
            w->close();
        else
            state.SkipWithError("Add Word did not open");
        finish_closing();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAddWord)->Unit(benchmark::kMillisecond);

// Every panel of the main window redrawn in its inactive look, then in its active look (one
// iteration is one change of look, shown on screen).
void BM_MainWindowPanels(benchmark::State& state) {
    if (!ready(state)) return;
    bool active = true;
    for (auto _ : state) {
        active = !active;
        MainWindow_SetActive(active); // pumps messages: the window is painted again
    }
    if (!active) MainWindow_SetActive(true);
}
BENCHMARK(BM_MainWindowPanels)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    stage = new Stage;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete MainWindow::instance();
    delete stage;
    return 0;
}
