#pragma once
// The stroke drawings: strokes as thick polylines, the numbered stroke marker, the direction
// arrow and the kanji glyph, drawn into a screen's off-screen surface. Each function draws only;
// the caller asks its window to repaint.
#include "stroke_geometry.h"
#include "surface.h"

// Colours of the stroke drawings.
namespace stroke_colours {
constexpr ColorRef Glyph = RGB(0, 0, 128);
constexpr ColorRef MarkerText = RGB(128, 0, 0);
constexpr ColorRef StaticMarker = RGB(128, 0, 0);
constexpr ColorRef AnimationMarker = RGB(168, 0, 0);
constexpr ColorRef MarkerFill = RGB(240, 240, 240); // the practice's number circles
constexpr ColorRef ShownStrokes = RGB(0, 0, 192);
constexpr ColorRef Template = RGB(192, 192, 192);
constexpr ColorRef FinishedStrokes = RGB(128, 0, 0);
constexpr ColorRef Arrow = RGB(255, 255, 255);
} // namespace stroke_colours

struct StrokeStyle {
    ColorRef colour = stroke_colours::ShownStrokes;
    int pen_width = 16;
    bool numbers = false;     // numbered markers at every stroke's start (practice look)
    bool arrows = false;      // direction arrows at every stroke's start (practice look)
    bool clear_first = false; // whiten the box and draw its sunken frame first
    int stroke_limit = -1;    // lines for the first n strokes only; -1 all
};

// Draws the set's strokes in the style: lines for the first stroke_limit strokes, then, when
// asked, the markers of every stroke (each pair moved along its own line when the stroke starts
// on an earlier one).
void DrawStrokes(Surface& s, const StrokeSet& set, const StrokeStyle& style);

// A numbered circle centred on (x, y) in the flavour's look; the review and exercise flavours
// first move it off earlier starts in `starts` (stroke_index -1 or no starts: no check).
void DrawStrokeNumber(Surface& s, MarkerFlavour flavour, int x, int y, int number, ColorRef circle,
                      int stroke_index = -1, const StrokeStarts* starts = nullptr);

// A white arrow that starts near (x0, y0) and points towards (x1, y1).
void DrawDirectionArrow(Surface& s, ArrowFlavour flavour, int x0, int y0, int x1, int y1);

// The kanji in the program's Japanese face, `size` pixels high, its cell's top-left at (x, y).
void DrawKanjiGlyph(Surface& s, char16_t kanji, int size, int x, int y);

// The pictures the screens draw with DrawStrokes.
// Practice box, kanji loaded or "Show Stroke Order": every stroke with numbers and arrows.
void DrawShownStrokes(Surface& s, const StrokeSet& set);
// Practice box, practice (re)started: the faint template to trace over.
void DrawTracingTemplate(Surface& s, const StrokeSet& set);
// Practice box, strokes 0 to `last` done: the template with those strokes drawn clean on top.
void DrawFinishedStrokes(Surface& s, const StrokeSet& set, int last);
