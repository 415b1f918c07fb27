#pragma once
// Reading pixels back from a surface.
#include "surface.h"

#include <QRect>
#include <cstdlib>

inline ColorRef pixel_at(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// Pixels in (left, top, right, bottom) within `tolerance` of the colour in every channel.
struct PixelRect {
    int left, top, right, bottom;
};
inline int count_near(const Surface& s, PixelRect r, ColorRef c, int tolerance = 40) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const ColorRef p = pixel_at(s, x, y);
            bool near = true;
            for (int shift : {0, 8, 16})
                near = near &&
                       std::abs(int((p >> shift) & 0xff) - int((c >> shift) & 0xff)) <= tolerance;
            n += near;
        }
    return n;
}
