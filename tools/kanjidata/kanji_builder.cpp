#include "kanji_builder.h"

#include "example_words.h"
#include "readings.h"
#include "romaji.h"
#include "source_files.h"
#include "stroke_fit.h"
#include "study_order.h"

#include <cstdio>
#include <memory>
#include <thread>

namespace {

constexpr size_t kFitBatch = 64; // glyphs rendered at a time, then fitted in parallel

struct StrokeJob {
    std::vector<Polyline> lines;
    std::unique_ptr<InkDistance> ink;
    std::vector<std::vector<StrokeSample>> strokes;
    std::pair<int, int> fitted{0, 0}, baseline{0, 0};
    bool fallback = false;
};

std::string svg_path(const std::string& folder, char16_t kanji) {
    char name[16];
    std::snprintf(name, sizeof name, "/%05x.svg", unsigned(kanji));
    return folder + name;
}

std::vector<Polyline> kanjivg_strokes(const std::string& folder, char16_t kanji) {
    auto svg = read_source_file(svg_path(folder, kanji));
    if (!svg) return {};
    std::vector<Polyline> lines;
    for (const std::string& d : svg_path_data(*svg)) {
        auto line = flatten_path(d);
        if (!line) return {};
        if (lines.size() < kMaxStrokes) lines.push_back(std::move(*line));
    }
    return lines;
}

std::vector<std::vector<StrokeSample>> sampled(const std::vector<Polyline>& lines,
                                               const StrokeMapping& m) {
    std::vector<std::vector<StrokeSample>> out;
    for (const Polyline& line : lines)
        out.push_back(sample_stroke(line, m));
    return out;
}

void fit_job(StrokeJob& job) {
    job.fallback = !job.ink->has_ink();
    const StrokeMapping mapping = fit_strokes(job.lines, *job.ink);
    job.strokes = sampled(job.lines, mapping);
    job.fitted = starts_near_ink(job.strokes, *job.ink, kNearInkPixels);
    job.baseline = starts_near_ink(sampled(job.lines, global_mapping()), *job.ink, kNearInkPixels);
    job.ink.reset();
}

void fit_batch(std::vector<StrokeJob>& jobs, size_t begin, size_t end, int threads) {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            for (size_t i = begin + size_t(t); i < end; i += size_t(threads))
                fit_job(jobs[i]);
        });
    for (auto& w : workers)
        w.join();
}

void add_strokes(const Sources& sources, BuiltData& data, int threads) {
    std::vector<StrokeJob> jobs(data.kanji.size());
    for (size_t begin = 0; begin < jobs.size(); begin += kFitBatch) {
        const size_t end = std::min(jobs.size(), begin + kFitBatch);
        for (size_t i = begin; i < end; ++i) { // fonts are used on this thread only
            jobs[i].lines = kanjivg_strokes(sources.kanjivgFolder, data.kanji[i].kanji);
            jobs[i].ink = std::make_unique<InkDistance>(render_exercise_glyph(data.kanji[i].kanji));
        }
        fit_batch(jobs, begin, end, std::max(threads, 1));
    }
    BuildReport& r = data.report;
    for (size_t i = 0; i < jobs.size(); ++i) {
        KanjiEntry& e = data.kanji[i];
        e.strokes = std::move(jobs[i].strokes);
        if (e.strokes.empty()) r.missingStrokes.push_back(e.kanji);
        auto found = sources.kanjidic.find(e.kanji);
        const int expected = found != sources.kanjidic.end() ? found->second.strokeCount : 0;
        if (int(e.strokes.size()) != expected)
            r.strokeMismatches.push_back({e.kanji, int(e.strokes.size()), expected});
        r.startsNearInk += jobs[i].fitted.first;
        r.starts += jobs[i].fitted.second;
        r.baselineNearInk += jobs[i].baseline.first;
        r.globalFallbacks += jobs[i].fallback;
    }
}

KanjiEntry text_fields(char16_t kanji, const KanjidicEntry& dic) {
    KanjiEntry e;
    e.kanji = kanji;
    e.meaning = joined_meaning(dic.meanings);
    const ReadingFields on = on_reading_fields(dic.on);
    const ReadingFields kun = kun_reading_fields(dic.kun);
    e.onPronun = on.kana;
    e.onRomaji = on.romaji;
    e.kunPronun = kun.kana;
    e.kunRomaji = kun.romaji;
    e.trailingFlag = 0;
    return e;
}

void add_examples(const Sources& sources, BuiltData& data) {
    std::map<char16_t, int> rank;
    for (const auto& [c, e] : sources.kanjidic)
        rank[c] = e.frequency;
    const ExampleChooser chooser(sources.edict, sources.kanjiList, rank);
    ExampleBook book;
    for (KanjiEntry& e : data.kanji) {
        for (const ExampleWord& w : chooser.examples_for(e.kanji))
            e.exampleIds.push_back(book.id_for(w));
        data.report.exampleLinks += int(e.exampleIds.size());
        data.report.kanjiWithThreeExamples += e.exampleIds.size() >= 3;
    }
    for (const ExampleWord& w : book.records())
        data.examples.push_back({w.word, w.reading, w.meaning});
}

} // namespace

BuiltData build_kanji_data(const Sources& sources, int threads) {
    BuiltData data;
    for (char16_t c : study_order(sources.kanjiList, sources.kanjidic)) {
        auto found = sources.kanjidic.find(c);
        data.kanji.push_back(
            text_fields(c, found != sources.kanjidic.end() ? found->second : KanjidicEntry{}));
    }
    add_examples(sources, data);
    add_strokes(sources, data, threads);
    return data;
}
