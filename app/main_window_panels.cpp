#include "main_window_panels.h"

#include "drawing.h"
#include "palette.h"

namespace {

constexpr ColorRef kHeading = 0xc00000;
constexpr ColorRef kHeadingInactive = 0xdcdcdc;
constexpr ColorRef kExerciseHeadingInactive = 0xe6e6e6;
constexpr ColorRef kValue = 0x808080;
constexpr ColorRef kValueInactive = 0xd2d2d2;
constexpr ColorRef kHelpTitle = 0x808080;
constexpr ColorRef kHelpBody = 0xa8a8a8;
constexpr ColorRef kHelpInactive = 0xdcdcdc;
constexpr int kCaptionSize = 14;

FontSpec arial(int size, bool bold = false) {
    return FontSpec{QStringLiteral("Arial"), size, bold};
}

QString counted(const auto& field) {
    return QString::fromStdU16String(field.text());
}

QString shortened(const QString& text, const FontSpec& font, int max_width) {
    QString s = text;
    fit_text_to_width(font, max_width, s);
    return s;
}

} // namespace

void paint_main_background(Surface& s, bool active) {
    draw_lined_background(s, 0, 20, 672, 479, active);
    struct Caption {
        int x, y;
        const char* text;
    };
    static constexpr Caption captions[] = {
        {23, 26, "Learning List:"},           {203, 26, "Learning List Status:"},
        {203, 138, "Selected Word Summary:"}, {403, 26, "Exercises:"},
        {23, 288, "List Management:"},        {203, 288, "Help:"},
    };
    for (const Caption& c : captions)
        draw_label(s, c.x, c.y, QString::fromLatin1(c.text), kCaptionSize, LabelTahomaBoldShadow,
                   active);
}

void paint_status_panel(Surface& s, const StatusCounts& counts, bool active) {
    const FontSpec value = arial(12), label = arial(12, true);
    const int numbers[] = {counts.listed, counts.available, counts.completed,
                           counts.available - counts.completed};
    const char* labels[] = {"Learning List:", "Total:", "Completed:", "Incomplete:"};
    for (int i = 0; i < 4; ++i) {
        const int y = 8 + 16 * i;
        s.text(95, y, QStringLiteral("%1 words").arg(numbers[i]), value,
               active ? kValue : kValueInactive);
        s.text(10, y, QString::fromLatin1(labels[i]), label, active ? kHeading : kHeadingInactive);
    }
}

void paint_summary_panel(Surface& s, const KanjiRecord& record, const Surface& strip,
                         const QString& japanese_face, bool active) {
    const ColorRef grey = active ? kValue : kValueInactive;
    s.text(13, 40, QStringLiteral("On:"), arial(12), grey);
    s.text(13, 56, QStringLiteral("Kun:"), arial(12), grey);
    if (record.Meaning.count != 0) {
        const FontSpec meaning = arial(12, true);
        s.text(70, 8, shortened(counted(record.Meaning), meaning, 100), meaning, grey);
        const FontSpec kana{japanese_face, 12, true};
        s.text(43, 42, shortened(counted(record.OnPronun), kana, 120), kana, grey);
        s.text(43, 58, shortened(counted(record.KunPronun), kana, 120), kana, grey);
    }
    const FontSpec label = arial(12, true);
    const ColorRef heading = active ? kHeading : kHeadingInactive;
    s.text(10, 8, QStringLiteral("Meaning:"), label, heading);
    s.text(10, 24, QStringLiteral("Pronunciation:"), label, heading);
    s.text(10, 73, QStringLiteral("Incomplete Exercises:"), label, heading);
    s.copy_from(strip, 13, 92);
}

void paint_exercise_headings(Surface& s, bool active) {
    const FontSpec font = arial(12, true);
    const ColorRef c = active ? kHeading : kExerciseHeadingInactive;
    s.text(20, 10, QStringLiteral("General:"), font, c);
    s.text(20, 100, QStringLiteral("Individual Exercises:"), font, c);
    s.text(20, 250, QStringLiteral("Miscellaneous:"), font, c);
}

void paint_help_panel(Surface& s, const HelpText& text, bool enabled) {
    const FontSpec font = arial(11);
    s.text(10, 8, text.title, font, enabled ? kHelpTitle : kHelpInactive);
    s.text_wrapped(10, 25, 170, 120, text.body, font, enabled ? kHelpBody : kHelpInactive);
}
