#pragma once
// KanjiVG stroke paths: the "d" attributes of a kanji's SVG file, flattened into polylines.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Vec2 {
    double x = 0, y = 0;
};

// A stroke's centre line as a dense polyline in KanjiVG units (a 109 x 109 box).
struct Polyline {
    std::vector<Vec2> points;
};

// The "d" attributes of the file's path elements, in document (writing) order.
std::vector<std::string> svg_path_data(std::string_view svg);

// Flattens one path of M/m, C/c, S/s and L/l commands (repeated operands allowed). Nullopt for
// anything else or for malformed numbers.
std::optional<Polyline> flatten_path(std::string_view d);
