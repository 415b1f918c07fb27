// Record lookups and the refill walk, on a full-size data set built in a temporary folder.
#include "data_writer.h"
#include "file_io.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "scores.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// A temporary working folder holding 1945 kanji of ten strokes each.
struct BenchFolder {
    std::filesystem::path dir, previous = std::filesystem::current_path();
    BenchFolder() {
        char pattern[] = "/tmp/brushwise-bench-XXXXXX";
        dir = mkdtemp(pattern);
        std::filesystem::create_directory(dir / "data");
        std::filesystem::current_path(dir);
        std::vector<KanjiEntry> entries(kKanjiTotal);
        for (int n = 0; n < kKanjiTotal; ++n) {
            entries[n].kanji = static_cast<char16_t>(0x4E00 + n);
            entries[n].meaning = u"meaning";
            entries[n].onPronun = u"オン";
            entries[n].strokes.assign(10, std::vector<StrokeSample>(40, StrokeSample{1, 2, 0}));
        }
        const auto file = build_kanji_file(entries);
        std::ofstream("data/kanji.dat", std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    }
    ~BenchFolder() {
        KanjiData_Close();
        Scores_Close();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }
};

void BM_LoadRecord(benchmark::State& state) {
    BenchFolder folder;
    int n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(KanjiData_LoadRecord(n));
        n = n % kKanjiTotal + 1;
    }
}
BENCHMARK(BM_LoadRecord);

void BM_LoadStrokes(benchmark::State& state) {
    BenchFolder folder;
    int n = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(KanjiData_LoadStrokes(n));
        n = n % kKanjiTotal + 1;
    }
}
BENCHMARK(BM_LoadStrokes);

// The worst top-up: one graduation whose replacement is found only at the end of the walk.
// With argument 0 the two saves skip their flush to disk: the difference to argument 1 is what
// the flushes of data/clist.dat and data/llist.dat cost.
void BM_RefillWalksEveryKanji(benchmark::State& state) {
    const bool flushed = state.range(0) != 0;
    if (!flushed) file_io_set_sync([](int) { return 0; });
    BenchFolder folder;
    CompletedList_Load();
    Scores_Open();
    for (auto _ : state) {
        state.PauseTiming();
        LearningList_Clear();
        LearningList_Append(1);
        for (int slot = 0; slot <= 4; ++slot)
            Scores_SetSlot(1, slot, 1);
        for (int k = 2; k < kKanjiTotal; ++k)
            Scores_SetSlot(k, CompletedFlag, 1);
        Scores_SetSlot(kKanjiTotal, CompletedFlag, 0);
        Scores_SetSlot(1, CompletedFlag, 0);
        state.ResumeTiming();
        LearningList_Refill();
    }
    file_io_set_sync(nullptr);
    state.SetLabel(flushed ? "saves flushed" : "flushes skipped");
}
BENCHMARK(BM_RefillWalksEveryKanji)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
