#pragma once
// A screen's own copy of a kanji's strokes, mapped into its box: every point (StrokeSet) or only
// where each stroke starts (StrokeStarts). Screens fill them from the shared stroke buffer right
// after KanjiData_LoadStrokes and never draw from that buffer itself.
//
// Each store holds at most 30 strokes of at most 1000 points: whatever the file says, strokes and
// points beyond that are left out, never written past the store's end.
#include "stroke_mapping.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct StrokePoint {
    int32_t x = 0; // box pixels
    int32_t y = 0;
    int32_t corner = 0; // copied from the file; only 1 marks a corner

    bool is_corner() const { return corner == 1; }
    bool operator==(const StrokePoint&) const = default;
};

constexpr int kMaxStoredStrokes = 30;
constexpr int kMaxStoredPoints = 1000;

class StrokeSet {
  public:
    int stroke_count() const { return int(strokes_.size()); }
    // 0 for a stroke index out of range.
    int point_count(int stroke) const;
    // Point i of a stroke; the caller keeps both indexes in range.
    const StrokePoint& point(int stroke, int i) const {
        return strokes_[size_t(stroke)][size_t(i)];
    }
    const std::vector<StrokePoint>& stroke(int stroke) const { return strokes_[size_t(stroke)]; }
    int total_points() const;

    void clear() { strokes_.clear(); }
    // Appends a stroke, keeping its first kMaxStoredPoints points; false (and nothing stored)
    // when the set already holds kMaxStoredStrokes strokes.
    bool add_stroke(std::vector<StrokePoint> points);

  private:
    std::vector<std::vector<StrokePoint>> strokes_;
};

// Fills `set` from the shared stroke buffer, each point mapped with the screen's mapping.
void StrokeSet_Load(StrokeSet& set, StrokeScreen screen);

// Where a stroke starts, and the point its number marker is shifted along when it starts on top
// of an earlier stroke: point 2, or the stroke's last point when it has fewer than three.
struct StrokeStart {
    int x = 0;
    int y = 0;
    int toward_x = 0;
    int toward_y = 0;
};

class StrokeStarts {
  public:
    int stroke_count() const { return int(starts_.size()); }
    const StrokeStart& start(int stroke) const { return starts_[size_t(stroke)]; }

    void clear() { starts_.clear(); }
    // False (and nothing stored) when the store already holds kMaxStoredStrokes starts.
    bool add(const StrokeStart& start);

  private:
    std::vector<StrokeStart> starts_;
};

// Fills `starts` from the shared stroke buffer, mapped with the screen's mapping.
void StrokeStarts_Load(StrokeStarts& starts, StrokeScreen screen);

// The index of the point that a stroke's marker offset is measured towards: 2, or the last point
// of a stroke of fewer than three points (0 for an empty stroke).
int marker_toward_index(int point_count);
