#pragma once
// Drawing at a device pixel ratio in tests, and measures that tell a picture drawn at twice the
// resolution from an enlarged one.
#include "surface.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdlib>

// Surfaces made while it lives are drawn at `ratio`; the ratio before comes back after.
class ScopedSurfaceRatio {
  public:
    explicit ScopedSurfaceRatio(int ratio) : previous_(surface_ratio()) {
        set_surface_ratio(ratio);
    }
    ~ScopedSurfaceRatio() { set_surface_ratio(previous_); }
    ScopedSurfaceRatio(const ScopedSurfaceRatio&) = delete;
    ScopedSurfaceRatio& operator=(const ScopedSurfaceRatio&) = delete;

  private:
    int previous_;
};

// Each pixel of `image` repeated factor x factor times: what a blurless enlargement shows.
inline QImage nearest_enlargement(const QImage& image, int factor) {
    QImage big = image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    big.setDevicePixelRatio(1);
    return big.convertToFormat(QImage::Format_RGB32);
}

// The device pixels of an image as plain RGB32 without a device pixel ratio, for comparing.
inline QImage device_pixels(const QImage& image) {
    QImage plain = image.convertToFormat(QImage::Format_RGB32);
    plain.setDevicePixelRatio(1);
    return plain;
}

inline int darkness(QRgb p) {
    return 255 - qGray(p);
}

// How many pixels are inked (darker than half of `full_ink`).
inline int count_ink(const QImage& image, int full_ink) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += darkness(image.pixel(x, y)) > full_ink / 2;
    return ink;
}

// Within `area` (device pixels): how many pairs of side-by-side pixels differ in darkness by
// more than `step`. A sharp picture at twice the resolution has at least twice the plain one's
// (its edges are twice as long and as steep); a smoothed enlargement has far fewer.
inline int steep_steps(const QImage& image, QRect area, int step) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int d = darkness(image.pixel(x, y));
            if (x < area.right()) n += std::abs(darkness(image.pixel(x + 1, y)) - d) > step;
            if (y < area.bottom()) n += std::abs(darkness(image.pixel(x, y + 1)) - d) > step;
        }
    return n;
}

// The smallest rectangle (device pixels) holding every pixel darker than `threshold`.
inline QRect ink_box(const QImage& image, int threshold = 128) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (darkness(image.pixel(x, y)) > threshold) box |= QRect(x, y, 1, 1);
    return box;
}

// How many factor x factor blocks hold more than one colour: none in a blurless enlargement.
inline int mixed_blocks(const QImage& image, int factor) {
    int n = 0;
    for (int y = 0; y + factor <= image.height(); y += factor)
        for (int x = 0; x + factor <= image.width(); x += factor) {
            const QRgb first = image.pixel(x, y);
            bool mixed = false;
            for (int dy = 0; dy < factor && !mixed; ++dy)
                for (int dx = 0; dx < factor && !mixed; ++dx)
                    mixed = image.pixel(x + dx, y + dy) != first;
            n += mixed;
        }
    return n;
}
