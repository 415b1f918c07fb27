#include "grid_look.h"

#include "shell.h"

CellLook grid_cell_look(int column, int row, const GridQuestion& question, const GridView& view) {
    using namespace grid_colour;
    if (view.answered) {
        const bool target = column == question.target_column && row == question.target_row;
        return {target ? Answer : Faded, 0, Bevel::None};
    }
    if (view.hover_column == column && view.hover_row == row)
        return view.pressed ? CellLook{Pressed, 1, Bevel::Sunken}
                            : CellLook{Hovered, -1, Bevel::Raised};
    return {};
}

bool grid_cell_at(QPoint point, int& column, int& row) {
    if (point.x() < 0 || point.y() < 0) return false;
    column = point.x() / kCellSize;
    row = point.y() / kCellSize;
    return column < kGridColumns && row < kGridRows;
}

namespace {

constexpr int kClueMaxWidth = 406;

const char* clue_caption(int clue_kind) {
    switch (clue_kind) {
    case ClueOn:
        return "ON Pronunciation:";
    case ClueKun:
        return "KUN Pronunciation:";
    default:
        return "Meaning:";
    }
}

QString clue_text(const KanjiRecord& r, int clue_kind, bool romaji) {
    if (clue_kind == ClueMeaning) return QString::fromStdU16String(r.Meaning.text());
    if (clue_kind == ClueOn)
        return QString::fromStdU16String(romaji ? r.OnRomaji.text() : r.OnPronun.text());
    return QString::fromStdU16String(romaji ? r.KunRomaji.text() : r.KunPronun.text());
}

} // namespace

// Meaning and romaji in Tahoma 30 at (8, 18), kana in the Japanese face bold 30 at (8, 22); a
// clue wider than 406 pixels is word-wrapped smaller.
ClueLook clue_look(const GridQuestion& q, bool show_romaji, const TextMeasure& measure) {
    ClueLook look;
    look.caption = {QString::fromLatin1(clue_caption(q.clue_kind)), 7, 3,
                    FontSpec{QStringLiteral("Tahoma"), 13}, grid_colour::ClueCaption};
    const bool kana = q.clue_kind != ClueMeaning && !show_romaji;
    const QString text = clue_text(q.record, q.clue_kind, show_romaji);
    FontSpec font =
        kana ? FontSpec{App_JapaneseFace(), 30, true} : FontSpec{QStringLiteral("Tahoma"), 30};
    look.clue = {text, 8, kana ? 22 : 18, font, grid_colour::Clue};
    if (measure(text, font) <= kClueMaxWidth) return look;
    look.wrapped = true;
    if (kana) {
        look.clue.font.height = 16;
        look.wrap_rect = QRect(8, 20, 406 - 8, 52 - 20);
    } else {
        look.clue.font.height = q.clue_kind == ClueOn ? 16 : 15;
        look.wrap_rect = QRect(8, 18, 406 - 8, 56 - 18);
    }
    return look;
}
