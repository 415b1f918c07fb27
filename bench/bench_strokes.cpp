// The practice checker's move and the practice box's full stroke drawing, on the real data (run
// from the installation folder, as make bench does).
#include "kanji_data.h"
#include "practice_checker.h"
#include "stroke_drawing.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

// The kanji with the most stroke points, in the practice mapping.
StrokeSet largest_kanji(int* number) {
    StrokeSet best;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        KanjiData_LoadStrokes(k);
        StrokeSet set;
        StrokeSet_Load(set, StrokeScreen::Practice);
        if (set.total_points() > best.total_points()) {
            best = set;
            *number = k;
        }
    }
    return best;
}

enum class Step { Press, Move, Release };
struct PointerStep {
    Step step;
    BoxPoint at;
};

// Presses, moves along every stored point, releases, stroke after stroke.
std::vector<PointerStep> trace(const StrokeSet& set) {
    std::vector<PointerStep> steps;
    for (int s = 0; s < set.stroke_count(); ++s) {
        const auto& pts = set.stroke(s);
        steps.push_back({Step::Press, {pts[0].x, pts[0].y}});
        for (size_t i = 1; i < pts.size(); ++i) {
            const BoxPoint mid{(pts[i - 1].x + pts[i].x) / 2, (pts[i - 1].y + pts[i].y) / 2 + 1};
            steps.push_back({Step::Move, mid});
            steps.push_back({Step::Move, {pts[i].x, pts[i].y + 1}});
        }
        steps.push_back({Step::Release, {pts.back().x, pts.back().y}});
    }
    return steps;
}

void BM_PracticeCheckerMove(benchmark::State& state) {
    int number = 0;
    const StrokeSet set = largest_kanji(&number);
    const std::vector<PointerStep> steps = trace(set);
    PracticeChecker checker;
    checker.load_kanji(set);
    checker.start_practice();
    size_t at = 0;
    int64_t moves = 0;
    for (auto _ : state) {
        // Presses and releases between the moves keep the attempt going; each kanji starts over.
        while (steps[at].step != Step::Move) {
            const PointerStep& p = steps[at];
            if (p.step == Step::Press)
                benchmark::DoNotOptimize(checker.press(p.at.x, p.at.y));
            else
                benchmark::DoNotOptimize(checker.release(p.at.x, p.at.y));
            if (++at == steps.size()) {
                at = 0;
                checker.restart();
            }
        }
        benchmark::DoNotOptimize(checker.move(steps[at].at.x, steps[at].at.y));
        ++at;
        ++moves;
    }
    if (!checker.practising() && checker.feedback().count() &&
        checker.feedback().by_age(0).severity == SeverityFatal)
        state.SkipWithError("the trace failed: the benchmark would time refused moves");
    state.SetItemsProcessed(moves);
    state.SetLabel(QStringLiteral("kanji %1").arg(number).toStdString());
}
BENCHMARK(BM_PracticeCheckerMove);

void BM_DrawStrokesPracticeBox(benchmark::State& state) {
    int number = 0;
    const StrokeSet set = largest_kanji(&number);
    Surface box(kPracticeBoxSize, kPracticeBoxSize);
    for (auto _ : state) {
        DrawShownStrokes(box, set);
        benchmark::DoNotOptimize(box.image().constBits());
    }
    state.SetLabel(QStringLiteral("kanji %1, %2 strokes, %3 points")
                       .arg(number)
                       .arg(set.stroke_count())
                       .arg(set.total_points())
                       .toStdString());
}
BENCHMARK(BM_DrawStrokesPracticeBox)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
