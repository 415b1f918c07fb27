// kanjidata: builds data/kanji.dat and data/examples.dat from the 1981 kanji list, KANJIDIC2,
// EDICT and KanjiVG, and draws a contact sheet of the result.
//
//   kanjidata --list L --kanjidic K --edict E --kanjivg DIR --out DATA_DIR [--threads N]
//   kanjidata --sheet OUT.png [--data DATA_DIR]
#include "contact_sheet.h"
#include "counted_text.h"
#include "data_writer.h"
#include "file_io.h"
#include "kanji_builder.h"
#include "source_files.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using Options = std::map<std::string, std::string>;

Options parse_options(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2)
        o[argv[i]] = argv[i + 1];
    return o;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "kanjidata: %s\n", message.c_str());
    return 1;
}

std::u16string kanji_of(const std::string& listUtf8) {
    std::u16string out;
    for (char16_t c : utf8_to_utf16(listUtf8))
        if (c > 0x7f && c != 0xFEFF) out += c;
    return out;
}

std::optional<Sources> load_sources(const Options& o) {
    auto list = read_source_file(o.at("--list"));
    auto dic = read_source_file(o.at("--kanjidic"));
    auto edict = read_source_file(o.at("--edict"));
    if (!list || !dic || !edict) return std::nullopt;
    auto parsed = parse_kanjidic(*dic);
    if (!parsed) return std::nullopt;
    return Sources{kanji_of(*list), std::move(*parsed), parse_edict(euc_jp_to_utf8(*edict)),
                   o.at("--kanjivg")};
}

double percent(int part, int whole) {
    return whole ? 100.0 * part / whole : 0;
}

void print_report(const BuiltData& d) {
    const BuildReport& r = d.report;
    const int n = int(d.kanji.size());
    std::printf("records: %d, examples: %zu\n", n, d.examples.size());
    std::printf("stroke count equal to KANJIDIC2: %d of %d (%.2f%%)\n",
                n - int(r.strokeMismatches.size()), n,
                percent(n - int(r.strokeMismatches.size()), n));
    for (const StrokeCountMismatch& m : r.strokeMismatches)
        std::printf("  %s: %d strokes, KANJIDIC2 %d\n",
                    utf16_to_utf8(std::u16string(1, m.kanji)).c_str(), m.stored, m.dictionary);
    std::printf("kanji with 3 or more examples: %d (%.2f%%), average %.2f\n",
                r.kanjiWithThreeExamples, percent(r.kanjiWithThreeExamples, n),
                n ? double(r.exampleLinks) / n : 0);
    std::printf("stroke starts within %.0f px of ink: per-kanji fit %d of %d (%.2f%%), "
                "global fit %d (%.2f%%); glyphs not rendered: %d\n",
                kNearInkPixels, r.startsNearInk, r.starts, percent(r.startsNearInk, r.starts),
                r.baselineNearInk, percent(r.baselineNearInk, r.starts), r.globalFallbacks);
}

int generate(const Options& o) {
    for (const char* key : {"--list", "--kanjidic", "--edict", "--kanjivg", "--out"})
        if (!o.count(key)) return fail(std::string("missing ") + key);
    auto sources = load_sources(o);
    if (!sources) return fail("cannot read the sources");
    const int threads =
        o.count("--threads") ? std::clamp(std::atoi(o.at("--threads").c_str()), 1, 16) : 2;
    const BuiltData data = build_kanji_data(*sources, threads);
    const std::string out = o.at("--out");
    if (!write_file_atomically(out + "/kanji.dat", build_kanji_file(data.kanji)) ||
        !write_file_atomically(out + "/examples.dat", build_examples_file(data.examples)))
        return fail("cannot write into " + out);
    print_report(data);
    return 0;
}

int sheet(const Options& o) {
    const std::string folder = o.count("--data") ? o.at("--data") : "data";
    auto bytes = read_file_prefix(folder + "/kanji.dat", size_t(64) << 20);
    if (!bytes) return fail("cannot read " + folder + "/kanji.dat");
    auto kanji = read_kanji_file(*bytes, kKanjiTotal);
    if (!kanji) return fail(folder + "/kanji.dat is damaged");
    if (!draw_contact_sheet(*kanji).save(QString::fromStdString(o.at("--sheet"))))
        return fail("cannot write " + o.at("--sheet"));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Options options = parse_options(argc, argv);
    if (options.count("--sheet")) return sheet(options);
    return generate(options);
}
