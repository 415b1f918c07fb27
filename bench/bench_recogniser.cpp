// The handwriting recogniser with the real Japanese model (run with the installation folder as
// working folder): one recognition of a 20-stroke kanji drawn by hand along its own strokes
// (the target is 30 ms), one of a 4-stroke kanji, preparing the strokes alone, and opening the
// model (read, checked, handed to the library) as the Draw a Kanji window does.
#include "app/hand_drawing.h"
#include "kanji_data.h"
#include "kanji_recogniser.h"
#include "kanji_recogniser_ink.h"
#include "kanji_record.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

bool have_data(benchmark::State& state) {
    if (!std::filesystem::exists("data/kanji.dat")) {
        state.SkipWithError("data/kanji.dat not found: run in the installation folder (build/run)");
        return false;
    }
    if (!handwriting_model_present()) {
        state.SkipWithError("the handwriting model is not installed (tegaki-zinnia-japanese)");
        return false;
    }
    return true;
}

// The first kanji with that many strokes (0 when there is none).
int kanji_with_strokes(int strokes) {
    for (int k = 1; k <= kKanjiTotal; ++k) {
        KanjiData_LoadStrokes(k);
        if (KanjiData_StrokeCount() == strokes) return k;
    }
    return 0;
}

Ink drawn_by_hand(int kanji) {
    std::mt19937 rng{unsigned(kanji)};
    return draw_by_hand(box_strokes(kanji), 0, rng);
}

void BM_Recognise(benchmark::State& state) {
    if (!have_data(state)) return;
    const int kanji = kanji_with_strokes(int(state.range(0)));
    const Ink ink = drawn_by_hand(kanji);
    const auto recogniser = open_kanji_recogniser(all_kanji());
    if (!kanji || !recogniser) {
        state.SkipWithError("no such kanji, or the model cannot be opened");
        return;
    }
    std::vector<int> found;
    for (auto _ : state) {
        found = recogniser->recognise(ink, kTestBox, 10);
        benchmark::DoNotOptimize(found);
    }
    const auto at = std::find(found.begin(), found.end(), kanji);
    state.counters["rank"] = at == found.end() ? -1 : double(at - found.begin() + 1);
    state.counters["reports"] = 0;
    for (const InkStroke& s : ink)
        state.counters["reports"] += double(s.size());
}
BENCHMARK(BM_Recognise)->Arg(20)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_PrepareInk(benchmark::State& state) {
    if (!have_data(state)) return;
    const Ink ink = drawn_by_hand(kanji_with_strokes(20));
    for (auto _ : state)
        benchmark::DoNotOptimize(prepare_ink(ink, kTestBox));
}
BENCHMARK(BM_PrepareInk)->Unit(benchmark::kMicrosecond);

void BM_OpenModel(benchmark::State& state) {
    if (!have_data(state)) return;
    const std::u16string kanji = all_kanji();
    for (auto _ : state)
        benchmark::DoNotOptimize(open_kanji_recogniser(kanji));
}
BENCHMARK(BM_OpenModel)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
