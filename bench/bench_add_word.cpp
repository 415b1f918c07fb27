// The Add Word search over the real kanji (run with the installation folder as working folder):
// building the index, and ranking a 100-character search with the fast ranking and with the
// ranking loops written out literally.
#include "kanji_data.h"
#include "search_index.h"
#include "search_ranking.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

// Searches of exactly 100 characters, as a user might paste them: English for meanings, romaji
// and kana for the pronunciations.
std::u16string hundred(std::u16string text) {
    while (text.size() < 100)
        text += text;
    text.resize(100);
    return text;
}

NormalisedSearch search_for(int kind) {
    switch (kind) {
    case 1:
        return normalise_search(
            hundred(u"sui ka shou kou sei tou ryou kyou gyou jitsu nichi ichi "), SearchByOn);
    case 2:
        return normalise_search(hundred(u"みず ひ やま かわ き いし つき たけ うみ そら "),
                                SearchByKun);
    default:
        return normalise_search(
            hundred(u"the water of a mountain river runs cold and clear, bright as day under the "),
            SearchByMeaning);
    }
}

const char* kind_name(int kind) {
    return kind == 1 ? "ON romaji" : kind == 2 ? "KUN kana" : "meaning";
}

const SearchIndex& real_index() {
    static const SearchIndex index = build_search_index(kKanjiTotal);
    return index;
}

bool have_data(benchmark::State& state) {
    if (std::filesystem::exists("data/kanji.dat")) return true;
    state.SkipWithError("data/kanji.dat not found: run in the installation folder (build/run)");
    return false;
}

void BM_BuildSearchIndex(benchmark::State& state) {
    if (!have_data(state)) return;
    for (auto _ : state)
        benchmark::DoNotOptimize(build_search_index(kKanjiTotal));
}
BENCHMARK(BM_BuildSearchIndex)->Unit(benchmark::kMillisecond);

void BM_RankFast(benchmark::State& state) {
    if (!have_data(state)) return;
    const NormalisedSearch search = search_for(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rank_search(real_index(), search));
    state.SetLabel(kind_name(int(state.range(0))));
}
BENCHMARK(BM_RankFast)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RankLiteral(benchmark::State& state) {
    if (!have_data(state)) return;
    const NormalisedSearch search = search_for(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(rank_search_literal(real_index(), search));
    state.SetLabel(kind_name(int(state.range(0))));
}
BENCHMARK(BM_RankLiteral)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(3);

// Both rankings of the same search timed side by side; reports how many times faster the fast
// one is (and checks that they agree).
void BM_RankSpeedup(benchmark::State& state) {
    if (!have_data(state)) return;
    using Clock = std::chrono::steady_clock;
    const NormalisedSearch search = search_for(int(state.range(0)));
    double fast_ms = 0, literal_ms = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        std::vector<int> fast;
        constexpr int kFastRepeats = 50;
        for (int i = 0; i < kFastRepeats; ++i)
            fast = rank_search(real_index(), search);
        auto t1 = Clock::now();
        const std::vector<int> literal = rank_search_literal(real_index(), search);
        auto t2 = Clock::now();
        if (fast != literal) state.SkipWithError("the rankings disagree");
        fast_ms = std::chrono::duration<double, std::milli>(t1 - t0).count() / kFastRepeats;
        literal_ms = std::chrono::duration<double, std::milli>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    state.counters["fast_ms"] = fast_ms;
    state.counters["literal_ms"] = literal_ms;
    state.counters["times_faster"] = literal_ms / fast_ms;
    state.SetLabel(kind_name(int(state.range(0))));
}
BENCHMARK(BM_RankSpeedup)->DenseRange(0, 2)->UseManualTime()->Iterations(2);

} // namespace

BENCHMARK_MAIN();
