#include "kanji_window_contents.h"

#include "counted_text.h"
#include "drawing.h"
#include "kanji_record.h"
#include "kanji_window_layout.h"
#include "palette.h"
#include "shell.h"

namespace {

constexpr ColorRef kKanaColour = 0xc00000;
constexpr ColorRef kRomajiColour = 0xa5a5a5;

FontSpec kana_font() {
    return FontSpec{App_JapaneseFace(), 11, true};
}
FontSpec romaji_font() {
    return FontSpec{QStringLiteral("Arial"), 11, false};
}

QString qstring(const std::u16string& s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

std::vector<QString> entries_of(const auto& field) {
    std::vector<QString> out;
    for (const std::u16string& e : split_readings(field.text()))
        out.push_back(qstring(e));
    return out;
}

std::vector<int> widths_of(const Surface& s, const std::vector<QString>& texts,
                           const FontSpec& font) {
    std::vector<int> widths;
    for (const QString& t : texts)
        widths.push_back(s.text_width(t, font));
    return widths;
}

void draw_frame(Surface& s) {
    draw_lined_background(s, 0, 0, kKanjiContentsWidth, kKanjiContentsHeight, true);
    draw_label(s, 3, 4, QStringLiteral("Kanji:"), 11, LabelTahomaBoldShadow, true);
    draw_label(s, 99, 4, QStringLiteral("Meaning:"), 11, LabelTahomaBoldShadow, true);
    draw_label(s, 3, 108, QStringLiteral("ON Pronunciation:"), 11, LabelTahomaBoldShadow, true);
    draw_label(s, 3, 204, QStringLiteral("KUN Pronunciation:"), 11, LabelTahomaBoldShadow, true);
    for (const QRect& box : {kKanjiBox, kMeaningBox, kOnBox, kKunBox})
        fill_sunken_box(s, box.x(), box.y(), box.width(), box.height(), 1);
}

void draw_kanji_and_meaning(Surface& s, const KanjiRecord& record) {
    if (record.Kanji != 0)
        s.text(3, 23, QString(QChar(record.Kanji)), FontSpec{App_JapaneseFace(), 74, false},
               palette::Navy);
    s.text_wrapped(104, 25, 210, 90, qstring(record.Meaning.text()),
                   FontSpec{QStringLiteral("Arial"), 11, false}, palette::Navy);
}

// Draws one pronunciation field into its box. The entries are drawn on a copy of the box and
// only the inside of its border is copied back, so a wide entry cannot spill over.
void draw_readings(Surface& s, const QRect& box, const ReadingBox& lines, const auto& kana_field,
                   const auto& romaji_field) {
    if (kana_field.empty()) return;
    const std::vector<QString> kana = entries_of(kana_field), romaji = entries_of(romaji_field);
    const ReadingLayout layout = layout_readings(lines, widths_of(s, kana, kana_font()),
                                                 widths_of(s, romaji, romaji_font()));
    Surface inside(box.width(), box.height());
    inside.blit(0, 0, s.image(), box.x(), box.y(), box.width(), box.height());
    const int dx = -box.x(), dy = -box.y();
    for (size_t i = 0; i < layout.entries.size(); ++i) {
        const PlacedReading& e = layout.entries[i];
        inside.text(e.kana_x + dx, e.kana_y + dy, kana[i], kana_font(), kKanaColour);
        if (i < romaji.size())
            inside.text(e.romaji_x + dx, e.romaji_y + dy, romaji[i], romaji_font(), kRomajiColour);
    }
    for (const PlacedSeparator& sep : layout.separators)
        inside.text(sep.x + dx, sep.y + dy, QStringLiteral(";"), romaji_font(), kRomajiColour);
    const int b = kSunkenBorder;
    s.blit(box.x() + b, box.y() + b, inside.image(), b, b, box.width() - 2 * b,
           box.height() - 2 * b);
}

} // namespace

void draw_kanji_contents(Surface& s, const KanjiRecord& record) {
    draw_frame(s);
    draw_kanji_and_meaning(s, record);
    draw_readings(s, kOnBox, kOnReadingBox, record.OnPronun, record.OnRomaji);
    draw_readings(s, kKunBox, kKunReadingBox, record.KunPronun, record.KunRomaji);
}
