#include "glyph_ink.h"

#include "fonts.h"
#include "surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kFar = 1e12;
constexpr int kInkGrey = 128;

} // namespace

QImage render_exercise_glyph(char16_t kanji, unsigned rgbColour) {
    Surface surface(kExerciseBox, kExerciseBox);
    const FontSpec font{kJapaneseFace, kExerciseGlyphSize};
    const ColorRef colour =
        RGB(int(rgbColour >> 16) & 0xff, int(rgbColour >> 8) & 0xff, int(rgbColour) & 0xff);
    surface.text(kExerciseGlyphOrigin, kExerciseGlyphOrigin, QString(QChar(kanji)), font, colour);
    return surface.image();
}

std::vector<double> squared_distance_1d(const std::vector<double>& f) {
    const int n = int(f.size());
    std::vector<double> d(n);
    std::vector<int> v(n);
    std::vector<double> z(n + 1);
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    for (int q = 1; q < n; ++q) {
        double s = 0;
        while (true) {
            s = ((f[q] + double(q) * q) - (f[v[k]] + double(v[k]) * v[k])) / (2.0 * q - 2.0 * v[k]);
            if (s > z[k] || k == 0) break;
            --k;
        }
        if (s <= z[k]) s = z[k]; // only when k == 0 and the parabola lies below everywhere
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = double(q - v[k]) * (q - v[k]) + f[v[k]];
    }
    return d;
}

InkDistance::InkDistance(const QImage& glyph)
    : width_(glyph.width()), height_(glyph.height()), distance_(size_t(width_) * height_) {
    std::vector<double> grid(distance_.size(), kFar);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (qGray(glyph.pixel(x, y)) < kInkGrey) {
                grid[size_t(y) * width_ + x] = 0;
                hasInk_ = true;
            }
    for (int y = 0; y < height_; ++y) {
        std::vector<double> row(grid.begin() + y * width_, grid.begin() + (y + 1) * width_);
        std::copy_n(squared_distance_1d(row).begin(), width_, grid.begin() + y * width_);
    }
    std::vector<double> column(height_);
    for (int x = 0; x < width_; ++x) {
        for (int y = 0; y < height_; ++y)
            column[y] = grid[size_t(y) * width_ + x];
        const auto d = squared_distance_1d(column);
        for (int y = 0; y < height_; ++y)
            distance_[size_t(y) * width_ + x] = float(std::sqrt(d[y]));
    }
}

double InkDistance::at(double x, double y) const {
    if (width_ == 0 || height_ == 0) return kFar;
    const int px = int(std::lround(x)), py = int(std::lround(y));
    const int cx = std::clamp(px, 0, width_ - 1), cy = std::clamp(py, 0, height_ - 1);
    const double outside = std::hypot(px - cx, py - cy);
    return distance_[size_t(cy) * width_ + cx] + outside;
}
