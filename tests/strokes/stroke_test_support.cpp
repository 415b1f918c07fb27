#include "stroke_test_support.h"

#include "kanji_data.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

StrokeSet strokes_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, screen);
    return set;
}

StrokeStarts starts_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeStarts starts;
    StrokeStarts_Load(starts, screen);
    return starts;
}

int apart_stroke(const StrokeSet& set) {
    for (int s = 1; s < set.stroke_count(); ++s) {
        const StrokePoint &a = set.point(0, 0), &b = set.point(s, 0);
        if (std::max(std::abs(a.x - b.x), std::abs(a.y - b.y)) > 10) return s;
    }
    return -1;
}

void KanjiFileTest::write_kanji_file(const std::vector<KanjiEntry>& entries) {
    if (folder_.empty()) {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/brushwise-strokes-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directories(folder_ + "/data");
        std::filesystem::current_path(folder_);
    }
    const std::vector<uint8_t> bytes = build_kanji_file(entries);
    std::ofstream out("data/kanji.dat", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    ASSERT_TRUE(out.good());
    KanjiData_Close();
}

void KanjiFileTest::TearDown() {
    KanjiData_Close();
    if (folder_.empty()) return;
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
}

std::vector<BoxPoint> pointer_path(const std::vector<StrokePoint>& points, double spacing) {
    std::vector<BoxPoint> path;
    if (points.empty()) return path;
    path.push_back({points[0].x, points[0].y});
    double carried = 0; // distance walked since the last position given
    for (size_t i = 1; i < points.size(); ++i) {
        const double x0 = points[i - 1].x, y0 = points[i - 1].y;
        const double dx = points[i].x - x0, dy = points[i].y - y0;
        const double length = std::hypot(dx, dy);
        double at = spacing - carried;
        for (; at <= length; at += spacing)
            path.push_back(
                {int(std::lround(x0 + dx * at / length)), int(std::lround(y0 + dy * at / length))});
        carried = length - (at - spacing);
    }
    const BoxPoint end{points.back().x, points.back().y};
    if (!(path.back() == end)) path.push_back(end);
    return path;
}

namespace {

class Hand {
  public:
    Hand(std::mt19937& random, Jitter jitter) : random_(random), jitter_(jitter) {}
    BoxPoint place(BoxPoint p) {
        if (jitter_ == Jitter::None) return p;
        dx_ = std::clamp(dx_ + pick(-1, 1), -2, 2);
        dy_ = std::clamp(dy_ + pick(-1, 1), -2, 2);
        return {p.x + dx_, p.y + dy_};
    }

  private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    std::mt19937& random_;
    Jitter jitter_;
    int dx_ = 0, dy_ = 0;
};

} // namespace

TraceOutcome trace_kanji(const StrokeSet& set, std::mt19937& random, Jitter jitter,
                         double spacing) {
    PracticeChecker c;
    c.load_kanji(set);
    c.start_practice();
    Hand hand(random, jitter);
    BoxPoint at;
    for (int s = 0; s < set.stroke_count() && c.practising(); ++s) {
        const std::vector<BoxPoint> path = pointer_path(set.stroke(s), spacing);
        at = hand.place(path.front());
        c.press(at.x, at.y);
        for (size_t i = 1; i < path.size() && c.practising(); ++i) {
            at = hand.place(path[i]);
            c.move(at.x, at.y);
        }
        c.release(at.x, at.y);
    }
    const QString verdict = newest(c);
    return {verdict == "WELL DONE: Character complete", verdict, c.current_stroke(), at,
            c.backward_moves()};
}
