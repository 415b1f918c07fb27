#pragma once
// Fitting a kanji's KanjiVG strokes onto its glyph as the stroke order exercise draws it: a
// scale and an offset per kanji, within bounds around the global fit, chosen so that the
// strokes' centre lines run on the glyph's ink and their starts lie on it.
#include "glyph_ink.h"
#include "stroke_sampling.h"

#include <vector>

// How closely a mapping lays the strokes on the ink: lower is better.
double fit_cost(const std::vector<Polyline>& strokes, const InkDistance& ink,
                const StrokeMapping& mapping);

// The best mapping for one kanji; the global mapping when the glyph has no ink.
StrokeMapping fit_strokes(const std::vector<Polyline>& strokes, const InkDistance& ink);

// Share of stroke starts, after sampling with `mapping` and mapping the stored design
// coordinates into the exercise display, that lie within `pixels` of ink: (hits, starts).
std::pair<int, int> starts_near_ink(const std::vector<std::vector<StrokeSample>>& strokes,
                                    const InkDistance& ink, double pixels);
