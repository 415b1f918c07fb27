#include "choice_rows.h"

#include "drawing.h"
#include "shell.h"

#include <algorithm>

namespace {

bool shows_kana(ChoiceKind kind, bool romaji) {
    return kind != ChoiceKind::Meaning && !romaji;
}

// Meaning and ON: texts of 6 characters or more are fitted to 250 pixels, the flag says whether
// they were shortened. KUN: texts of 16 or more are fitted to 255, the flag is the full width.
int fit_row_text(ChoiceKind kind, QString& text, const FontSpec& font, const TextMeasure& measure) {
    auto measure_in_font = [&](const QString& t) { return measure(t, font); };
    if (kind == ChoiceKind::Kun) {
        const int full_width = measure(text, font);
        if (text.size() >= 16) fit_text_to_width(measure_in_font, 255, text);
        return full_width;
    }
    return text.size() >= 6 ? fit_text_to_width(measure_in_font, 250, text) : 0;
}

int bullet_frame(int row, const ChoicePanelView& view) {
    if (view.answered) return BulletAnswered;
    if (view.hover_row < 0) return BulletIdle;
    return row == view.hover_row ? BulletHovered : BulletOther;
}

ColorRef row_colour(int row, int right_row, const ChoicePanelView& view) {
    using namespace choice_colour;
    if (view.answered) return row == right_row ? Highlight : Faded;
    return row == view.hover_row ? Highlight : Row;
}

} // namespace

FontSpec choice_row_font(ChoiceKind kind, bool romaji) {
    if (shows_kana(kind, romaji)) return FontSpec{App_JapaneseFace(), 22, true};
    return FontSpec{QStringLiteral("Tahoma"), 22};
}

FontSpec choice_popup_font(ChoiceKind kind, bool romaji) {
    FontSpec font = choice_row_font(kind, romaji);
    font.height = 20;
    return font;
}

std::array<ChoiceRowLook, kChoiceRows> layout_choice_rows(ChoiceKind kind,
                                                          const ChoiceQuestion& question,
                                                          const ChoicePanelView& view,
                                                          const TextMeasure& measure) {
    const FontSpec font = choice_row_font(kind, view.romaji);
    const int kana_drop = shows_kana(kind, view.romaji) ? 2 : 0;
    std::array<ChoiceRowLook, kChoiceRows> rows;
    for (int r = 0; r < kChoiceRows; ++r) {
        ChoiceRowLook& row = rows[r];
        const std::u16string& text = question.row_text(r, view.romaji);
        row.full = QString::fromStdU16String(text);
        QString shown = row.full;
        row.flag = fit_row_text(kind, shown, font, measure);
        row.needs_popup = kind == ChoiceKind::Kun ? row.flag > 257 : row.flag == 1;
        const int press = view.pressed && r == view.hover_row && !view.answered ? 1 : 0;
        row.text = PlacedText{shown, kChoiceTextX + press, kChoiceRowHeight * r + kana_drop + press,
                              font, row_colour(r, question.correctPosition, view)};
        row.bullet_frame = bullet_frame(r, view);
        row.bullet_y = 5 + kChoiceRowHeight * r;
    }
    return rows;
}

int choice_popup_width(const QString& text, const FontSpec& font, const TextMeasure& measure) {
    return std::max(267, measure(text, font) + 20);
}

int choice_row_at(QPoint point) {
    if (point.x() < 0 || point.y() < 0 || point.x() >= kChoicePanelWidth ||
        point.y() >= kChoicePanelHeight)
        return -1;
    return point.y() / kChoiceRowHeight;
}
