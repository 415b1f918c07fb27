#pragma once
// The kanji glyph as the stroke order exercise draws it, and the distance of every pixel of its
// display to the glyph's ink.
#include <QImage>

#include <vector>

constexpr int kExerciseBox = 260;       // the exercise display is 260 x 260 pixels
constexpr int kExerciseGlyphSize = 250; // character height of the glyph
constexpr int kExerciseGlyphOrigin = 2; // top-left of the glyph's cell

// The glyph in the exercise display: the Japanese face at 250 px at (2, 2), dark on white.
QImage render_exercise_glyph(char16_t kanji, unsigned rgbColour = 0x000080);

// Euclidean distance, in pixels, from each pixel of an image to the nearest ink pixel (darker
// than half way to white).
class InkDistance {
  public:
    explicit InkDistance(const QImage& glyph);

    bool has_ink() const { return hasInk_; }
    // Distance at the pixel nearest to (x, y); points outside the box add their distance to it.
    double at(double x, double y) const;

  private:
    int width_ = 0, height_ = 0;
    bool hasInk_ = false;
    std::vector<float> distance_;
};

// Squared distances to the nearest zero of a sampled function along one line (Felzenszwalb and
// Huttenlocher); `f` holds 0 at ink and a large value elsewhere.
std::vector<double> squared_distance_1d(const std::vector<double>& f);
