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

namespace {
int current_scale = 1;

QImage scaled_image(int w, int h) {
    QImage image(w * current_scale, h * current_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(current_scale);
    return image;
}
} // namespace

int art_scale() {
    return current_scale;
}

ArtScale::ArtScale(int scale) : previous_(current_scale) {
    current_scale = std::max(1, scale);
}

ArtScale::~ArtScale() {
    current_scale = previous_;
}

QImage filled(int w, int h, QRgb colour) {
    QImage image = scaled_image(w, h);
    image.fill(QColor::fromRgba(colour));
    return image;
}

QImage transparent(int w, int h) {
    QImage image = scaled_image(w, h);
    image.fill(Qt::transparent);
    return image;
}

int scale_of(const QImage& image) {
    return std::max(1, int(std::lround(image.devicePixelRatio())));
}

void set_plain_pixel(QImage& image, int x, int y, QRgb colour) {
    const int s = scale_of(image);
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx)
            image.setPixel(x * s + dx, y * s + dy, colour);
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
            set_plain_pixel(image, x, y, c);
    }
}

} // namespace art
