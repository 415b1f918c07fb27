#include "stroke_store.h"

#include "kanji_data.h"

#include <algorithm>

int StrokeSet::point_count(int stroke) const {
    if (stroke < 0 || stroke >= stroke_count()) return 0;
    return int(strokes_[size_t(stroke)].size());
}

int StrokeSet::total_points() const {
    int total = 0;
    for (const auto& s : strokes_)
        total += int(s.size());
    return total;
}

bool StrokeSet::add_stroke(std::vector<StrokePoint> points) {
    if (stroke_count() >= kMaxStoredStrokes) return false;
    if (points.size() > size_t(kMaxStoredPoints)) points.resize(size_t(kMaxStoredPoints));
    strokes_.push_back(std::move(points));
    return true;
}

bool StrokeStarts::add(const StrokeStart& start) {
    if (stroke_count() >= kMaxStoredStrokes) return false;
    starts_.push_back(start);
    return true;
}

int marker_toward_index(int point_count) {
    return std::clamp(point_count - 1, 0, 2);
}

namespace {

// Strokes the stores take from the block last loaded.
int stored_stroke_count() {
    return std::clamp(int(KanjiData_StrokeCount()), 0, kMaxStoredStrokes);
}

} // namespace

void StrokeSet_Load(StrokeSet& set, StrokeScreen screen) {
    set.clear();
    const int strokes = stored_stroke_count();
    for (int s = 0; s < strokes; ++s) {
        const int points = std::min(int(KanjiData_StrokePointCount(s)), kMaxStoredPoints);
        std::vector<StrokePoint> mapped;
        mapped.reserve(size_t(std::max(points, 0)));
        for (int i = 0; i < points; ++i) {
            const auto [x, y] = KanjiData_StrokePoint(s, i);
            mapped.push_back(
                {map_design(screen, x), map_design(screen, y), KanjiData_StrokeCorner(s, i)});
        }
        set.add_stroke(std::move(mapped));
    }
}

void StrokeStarts_Load(StrokeStarts& starts, StrokeScreen screen) {
    starts.clear();
    const int strokes = stored_stroke_count();
    for (int s = 0; s < strokes; ++s) {
        const auto [x, y] = KanjiData_StrokeStart(s);
        const auto [tx, ty] =
            KanjiData_StrokePoint(s, marker_toward_index(KanjiData_StrokePointCount(s)));
        starts.add({map_design(screen, x), map_design(screen, y), map_design(screen, tx),
                    map_design(screen, ty)});
    }
}
