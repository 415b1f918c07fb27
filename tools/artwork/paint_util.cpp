#include "paint_util.h"

#include <algorithm>
#include <cmath>

namespace art {

QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgba(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                 channel(qBlue(a), qBlue(b)), channel(qAlpha(a), qAlpha(b)));
}

QRgb tint_over_white(QRgb seen) {
    const int darkest = std::min({qRed(seen), qGreen(seen), qBlue(seen)});
    const int alpha = 255 - darkest;
    if (alpha == 0) return qRgba(0, 0, 0, 0);
    // over white: c * alpha + 255 * (255 - alpha) = seen * 255, per channel
    auto channel = [alpha](int s) {
        return std::clamp(int(std::lround(255.0 - (255.0 - s) * 255.0 / alpha)), 0, 255);
    };
    return qRgba(channel(qRed(seen)), channel(qGreen(seen)), channel(qBlue(seen)), alpha);
}

QImage filled(int w, int h, QRgb colour) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(colour));
    return image;
}

QImage transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void begin_smooth(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath pixel_rounded_rect(int left, int top, int right, int bottom, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left + 0.5, top + 0.5, right - left, bottom - top), radius, radius);
    return path;
}

void vertical_gradient(QImage& image, QRect rect, QRgb top, QRgb bottom) {
    const int rows = std::max(1, rect.height() - 1);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb c = mix(top, bottom, double(y - rect.top()) / rows);
        for (int x = rect.left(); x <= rect.right(); ++x)
            image.setPixel(x, y, c);
    }
}

} // namespace art
