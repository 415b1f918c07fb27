#include "glyph_display.h"

#include "drawing.h"

#include <algorithm>

namespace {

void draw_start_markers(Surface& s, MarkerFlavour flavour, const StrokeStarts& starts, int n) {
    for (int i = 0; i < std::min(n, starts.stroke_count()); ++i) {
        const StrokeStart& st = starts.start(i);
        DrawStrokeNumber(s, flavour, st.x, st.y, i + 1, stroke_colours::StaticMarker, i, &starts);
    }
}

} // namespace

void DrawReviewGlyphDisplay(Surface& s, char16_t kanji, const StrokeStarts& starts,
                            bool show_numbers) {
    fill_sunken_box(s, 0, 0, s.width(), s.height(), 0);
    DrawKanjiGlyph(s, kanji, kReviewGlyphSize, kReviewGlyphOffset, kReviewGlyphOffset);
    if (show_numbers) draw_start_markers(s, MarkerFlavour::Review, starts, starts.stroke_count());
}

void DrawExerciseGlyphDisplay(Surface& s, char16_t kanji, const StrokeStarts& starts, int found) {
    fill_sunken_box(s, 0, 0, s.width(), s.height(), 0);
    DrawKanjiGlyph(s, kanji, kExerciseGlyphSize, kExerciseGlyphOffset, kExerciseGlyphOffset);
    draw_start_markers(s, MarkerFlavour::Exercise, starts, found);
}
