#pragma once
// Small stroke sets for the stroke tests, and a working folder with a kanji file built on the fly.
#include "data_writer.h"
#include "stroke_store.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// A straight stroke from (x0, y0), `count` points `step` pixels apart along (dx, dy).
inline std::vector<StrokePoint> straight_stroke(int x0, int y0, int dx, int dy, int count,
                                                int step = 5) {
    std::vector<StrokePoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({x0 + dx * step * i, y0 + dy * step * i, 0});
    return points;
}

inline StrokeSet stroke_set(std::initializer_list<std::vector<StrokePoint>> strokes) {
    StrokeSet set;
    for (const auto& s : strokes)
        set.add_stroke(s);
    return set;
}

// A fresh working folder whose data/kanji.dat holds the given kanji (kanji number i + 1 for
// entry i); the folder and the open data file are dropped afterwards.
class KanjiFileTest : public ::testing::Test {
  protected:
    void write_kanji_file(const std::vector<KanjiEntry>& entries);
    void TearDown() override;

  private:
    std::string previous_;
    std::string folder_;
};
