#pragma once
// How the grid panel and the clue panel of the kanji grid search look, without pixels.
#include "grid_question.h"
#include "placed_text.h"

#include <QRect>
#include <array>

constexpr int kGridPanelWidth = 404;
constexpr int kGridPanelHeight = 241;
constexpr int kCellSize = 40;
constexpr int kCluePanelWidth = 422;
constexpr int kCluePanelHeight = 60;

namespace grid_colour {
constexpr ColorRef Cell = 0x800000;
constexpr ColorRef Hovered = 0xc00000;
constexpr ColorRef Pressed = 0xff0000;
constexpr ColorRef Answer = 0xc00000; // the target once answered or shown
constexpr ColorRef Faded = 0xe6e6e6;  // the other cells then
constexpr ColorRef BevelDark = 0xa5a5a5;
constexpr ColorRef BevelLight = 0xdedede;
constexpr ColorRef Clue = 0xa50000;
constexpr ColorRef ClueCaption = 0xa5a5a5;
} // namespace grid_colour

enum class Bevel { None, Raised, Sunken };

struct CellLook {
    ColorRef colour = grid_colour::Cell;
    int offset = 0; // d: the character sits at (40c + 5 + d, 40r + 4 + d)
    Bevel bevel = Bevel::None;
};

struct GridView {
    bool answered = false; // answered right or shown: the target stands out, the rest fades
    int hover_column = -1; // -1: no cell hovered
    int hover_row = 0;
    bool pressed = false;
};

CellLook grid_cell_look(int column, int row, const GridQuestion& question, const GridView& view);

// The cell under a point of the grid panel; false on the margin beyond the last column or row
// and outside the panel.
bool grid_cell_at(QPoint point, int& column, int& row);

// The clue panel: the caption, and the clue in one line or word-wrapped in a rectangle.
struct ClueLook {
    PlacedText caption;
    PlacedText clue; // its x, y: the single line's place
    bool wrapped = false;
    QRect wrap_rect; // (l, t, r, b) as QRect(l, t, r - l, b - t) when wrapped
};
ClueLook clue_look(const GridQuestion& question, bool show_romaji, const TextMeasure& measure);
