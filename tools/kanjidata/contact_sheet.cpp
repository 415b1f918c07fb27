#include "contact_sheet.h"

#include "glyph_ink.h"
#include "stroke_sampling.h"
#include "surface.h"

#include <cmath>

namespace {

constexpr ColorRef kGlyphColour = RGB(0, 0, 128);
constexpr ColorRef kStrokeColour = RGB(230, 60, 60);
constexpr ColorRef kMarkerColour = RGB(128, 0, 0);
constexpr ColorRef kMarkerFill = RGB(255, 255, 255);
constexpr ColorRef kFrameColour = RGB(160, 160, 160);
constexpr ColorRef kLabelColour = RGB(0, 0, 0);
constexpr int kLabelHeight = 16;
constexpr int kMarkerRadius = 8;
constexpr double kCollisionFactor = 1.95;

struct Pixel {
    int x, y;
};

Pixel display_point(const StrokeSample& s) {
    return {exercise_pixel(s.x), exercise_pixel(s.y)};
}

// The exercise's marker position for stroke `s`: shifted along its own line past earlier
// starts that lie within the 8-pixel square around its start.
Pixel marker_position(const std::vector<std::vector<StrokeSample>>& strokes, size_t s) {
    const Pixel start = display_point(strokes[s].front());
    Pixel at = start;
    if (strokes[s].size() < 3) return at;
    const Pixel q = display_point(strokes[s][2]);
    for (size_t j = 0; j < s; ++j) {
        const Pixel other = display_point(strokes[j].front());
        if (other.x >= start.x - kMarkerRadius && other.x < start.x + kMarkerRadius &&
            other.y >= start.y - kMarkerRadius && other.y < start.y + kMarkerRadius) {
            at.x += int(std::trunc((q.x - at.x) * kCollisionFactor));
            at.y += int(std::trunc((q.y - at.y) * kCollisionFactor));
        }
    }
    return at;
}

void draw_marker(Surface& surface, Pixel p, int number) {
    surface.fill_ellipse(p.x - kMarkerRadius, p.y - kMarkerRadius, p.x + kMarkerRadius + 1,
                         p.y + kMarkerRadius + 1, kMarkerFill, kMarkerColour, 2);
    const int shift = number > 9 ? 3 : 0;
    surface.text(p.x - 3 - shift, p.y - 7, QString::number(number), FontSpec{"Arial", 11, true},
                 kMarkerColour);
}

} // namespace

QImage draw_exercise_cell(const StoredKanji& kanji) {
    Surface surface;
    surface.image() = render_exercise_glyph(kanji.record.Kanji, 0x000080);
    surface.frame_rect(0, 0, kExerciseBox, kExerciseBox, kFrameColour);
    for (const auto& stroke : kanji.strokes)
        for (size_t i = 1; i < stroke.size(); ++i) {
            const Pixel a = display_point(stroke[i - 1]), b = display_point(stroke[i]);
            surface.line(a.x, a.y, b.x, b.y, kStrokeColour, 2, true);
        }
    for (size_t s = 0; s < kanji.strokes.size(); ++s)
        if (!kanji.strokes[s].empty())
            draw_marker(surface, marker_position(kanji.strokes, s), int(s) + 1);
    return surface.image();
}

QImage draw_contact_sheet(const std::vector<StoredKanji>& kanji) {
    const int rows = (kSheetKanji + kSheetColumns - 1) / kSheetColumns;
    const int cellHeight = kExerciseBox + kLabelHeight;
    Surface sheet(kSheetColumns * kExerciseBox, rows * cellHeight);
    for (int i = 0; i < kSheetKanji; ++i) {
        const size_t index = size_t(i) * kSheetStep;
        if (index >= kanji.size()) break;
        const int x = (i % kSheetColumns) * kExerciseBox, y = (i / kSheetColumns) * cellHeight;
        sheet.text(x + 4, y + 1, QString("%1").arg(index + 1), FontSpec{"Arial", 12}, kLabelColour);
        sheet.blit(x, y + kLabelHeight, draw_exercise_cell(kanji[index]), 0, 0, kExerciseBox,
                   kExerciseBox);
    }
    return sheet.image();
}
