#pragma once
// The pencil cursors of the stroke order practice and their hot spots (the pencil's tip).
// The artwork tool writes res/cursors/<name>.png and res/cursors/hotspots.txt from this table.
namespace art {

struct CursorSpot {
    const char* name;
    int x, y;
};

inline constexpr CursorSpot kPencilCursors[] = {
    {"idle", 3, 27},    // the pencil, tip at the hot spot
    {"drawing", 2, 28}, // the same pencil a little lower and further left
    {"refused", 3, 27}, // the pencil inside a prohibition circle
};
inline constexpr int kCursorSize = 32;

} // namespace art
