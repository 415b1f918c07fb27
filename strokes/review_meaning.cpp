#include "review_meaning.h"

#include "drawing.h"
#include "shell.h"

namespace {

constexpr int kLeft = 6;
constexpr int kLineStep = 16;
constexpr int kWrapAt = 194;
constexpr int kRomajiGap = 4;     // from the end of the kana to its romaji
constexpr int kEntryAdvance = 14; // after an entry's romaji, before the next entry
constexpr int kSeparatorBack = 7; // ";" this far back from where the next entry may start
constexpr int kMeasureSize = 13;  // widths of both blocks are measured at this size
constexpr int kBoxBorder = 3;     // the sunken box's border inside its rectangle

constexpr ColorRef kMeaningColour = RGB(0, 0, 192);
constexpr ColorRef kKanaColour = RGB(0, 0, 192);
constexpr ColorRef kRomajiColour = RGB(165, 165, 165);

struct Block {
    const char* heading;
    int heading_y;
    int box_top;
    int box_height;
    int top; // first line of the entries
    int size;
};
constexpr Block kOnBlock{"ON Pronunciation:", 106, 124, 72, kOnBlockTop, 14};
constexpr Block kKunBlock{"KUN Pronunciation:", 204, 222, 90, kKunBlockTop, 13};

QString qstring(std::u16string_view s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

FontSpec kana_font(int size) {
    return FontSpec{App_JapaneseFace(), size, true};
}

FontSpec romaji_font(int size) {
    return FontSpec{QStringLiteral("Arial"), size};
}

// The block's entries in one size: measured, laid out, and how many lines they take.
struct SizedBlock {
    int size;
    int line_step;
    ReadingBlockLayout layout;
    int lines;
};

SizedBlock lay_out(const Surface& s, const Block& block, const std::vector<ReadingPair>& pairs,
                   int size, int line_step, int one_per_line_up_to) {
    const int measure_size = kMeasureSize + size - block.size;
    std::vector<int> kana_widths, romaji_widths;
    for (const ReadingPair& p : pairs) {
        kana_widths.push_back(s.text_width(p.kana, kana_font(measure_size)));
        romaji_widths.push_back(s.text_width(p.romaji, romaji_font(measure_size)));
    }
    ReadingBlockLayout layout =
        layout_reading_block(block.top, kana_widths, romaji_widths, line_step, one_per_line_up_to);
    const int lines = lines_used(layout, block.top, line_step);
    return {size, line_step, std::move(layout), lines};
}

// One entry per line while the entries fit the box that way (five at most), else flowing; a
// flow that needs more lines than the box holds is set two pixels smaller, lines closer.
SizedBlock fit_block(const Surface& s, const Block& block, const std::vector<ReadingPair>& pairs) {
    const int bottom = block.box_top + block.box_height - kBoxBorder;
    const auto capacity = [&](int size, int step) {
        return (bottom - size - block.top) / step + 1;
    };
    const int lines_in_box = capacity(block.size, kLineStep);
    SizedBlock fitted = lay_out(s, block, pairs, block.size, kLineStep,
                                std::min(kOneEntryPerLineUpTo, lines_in_box));
    if (fitted.lines <= lines_in_box) return fitted;
    const int small = block.size - 2, small_step = kLineStep - 3;
    return lay_out(s, block, pairs, small, small_step,
                   std::min(kOneEntryPerLineUpTo, capacity(small, small_step)));
}

void draw_block(Surface& s, const Block& block, const CountedText<99>& kana,
                const CountedText<99>& romaji) {
    if (kana.empty()) return;
    const std::vector<ReadingPair> pairs = pair_readings(kana.text(), romaji.text());
    const SizedBlock b = fit_block(s, block, pairs);
    // What still does not fit is left out rather than drawn over the next heading.
    const int bottom = block.box_top + block.box_height - kBoxBorder;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const PlacedPair& at = b.layout.entries[i];
        if (at.y + b.size > bottom) continue;
        s.text(at.kana_x, at.y, pairs[i].kana, kana_font(b.size), kKanaColour);
        s.text(at.romaji_x, at.y, pairs[i].romaji, romaji_font(b.size), kRomajiColour);
    }
    for (const QPoint& at : b.layout.separators)
        if (at.y() + b.size <= bottom)
            s.text(at.x(), at.y(), QStringLiteral(";"), romaji_font(b.size), kRomajiColour);
}

} // namespace

std::vector<ReadingPair> pair_readings(std::u16string_view kana, std::u16string_view romaji) {
    const std::vector<std::u16string> k = split_readings(kana);
    const std::vector<std::u16string> r = split_readings(romaji);
    std::vector<ReadingPair> pairs;
    for (size_t i = 0; i < r.size(); ++i)
        pairs.push_back({i < k.size() ? qstring(k[i]) : QString(), qstring(r[i])});
    return pairs;
}

ReadingBlockLayout layout_reading_block(int top, const std::vector<int>& kana_widths,
                                        const std::vector<int>& romaji_widths, int line_step,
                                        int one_per_line_up_to) {
    ReadingBlockLayout layout;
    const size_t n = std::min(kana_widths.size(), romaji_widths.size());
    int x = kLeft, y = top;
    for (size_t i = 0; i < n; ++i) {
        const int kw = kana_widths[i], rw = romaji_widths[i];
        if (n <= size_t(one_per_line_up_to)) {
            layout.entries.push_back({kLeft, kLeft + kw + kRomajiGap, y});
            y += line_step;
            continue;
        }
        if (x + kw + rw + kRomajiGap >= kWrapAt) {
            y += line_step;
            x = kLeft;
        }
        layout.entries.push_back({x, x + kw + kRomajiGap, y});
        x += kw + rw + kEntryAdvance;
        if (i + 1 < n) layout.separators.push_back({x - kSeparatorBack, y});
    }
    return layout;
}

int lines_used(const ReadingBlockLayout& layout, int top, int line_step) {
    if (layout.entries.empty()) return 0;
    return (layout.entries.back().y - top) / line_step + 1;
}

void draw_meaning_display(Surface& s, const KanjiRecord& record) {
    draw_lined_background(s, 0, 0, s.width(), s.height(), true);
    draw_label(s, 3, 0, QStringLiteral("Meaning:"), 12, LabelTahomaBoldShadow, true);
    for (const Block* b : {&kOnBlock, &kKunBlock})
        draw_label(s, 3, b->heading_y, QString::fromLatin1(b->heading), 12, LabelTahomaBoldShadow,
                   true);
    fill_sunken_box(s, 0, 20, s.width(), 72, 1);
    for (const Block* b : {&kOnBlock, &kKunBlock})
        fill_sunken_box(s, 0, b->box_top, s.width(), b->box_height, 1);
    s.text_wrapped(8, 25, 184, 82, qstring(record.Meaning.text()),
                   FontSpec{QStringLiteral("Arial"), 14, true}, kMeaningColour);
    draw_block(s, kOnBlock, record.OnPronun, record.OnRomaji);
    draw_block(s, kKunBlock, record.KunPronun, record.KunRomaji);
}

ReviewMeaningDisplay::ReviewMeaningDisplay(QWidget* parent, int x, int y)
    : SurfaceWidget(parent, kWidth, kHeight) {
    setObjectName(QStringLiteral("ReviewMeaningDisplayWindow"));
    move(x, y);
    refresh();
}

void ReviewMeaningDisplay::load(const KanjiRecord& record) {
    record_ = record;
    refresh();
}

void ReviewMeaningDisplay::render() {
    draw_meaning_display(surface(), record_);
}
