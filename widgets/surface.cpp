#include "surface.h"

#include "cell_metrics.h"
#include "fonts.h"
#include "wrapped_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// Set once at start-up on the user-interface thread; read wherever surfaces and images are made.
std::atomic<int> new_surface_ratio{1};
constexpr int kMaxRatio = 4;

QRect to_qrect(int l, int t, int r, int b) {
    return QRect(l, t, r - l, b - t);
}

// Nothing can be drawn on an empty image; QPainter would warn.
bool drawable(const QImage& img) {
    return !img.isNull();
}

// A piece of an image given in its logical pixels, in its device pixels.
QRectF device_rect(const QImage& img, int x, int y, int w, int h) {
    const qreal r = img.devicePixelRatio();
    return QRectF(x * r, y * r, w * r, h * r);
}

QPen round_pen(ColorRef c, int width) {
    QPen pen(colorref(c));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

int surface_ratio() {
    return new_surface_ratio.load();
}

void set_surface_ratio(int ratio) {
    new_surface_ratio.store(std::clamp(ratio, 1, kMaxRatio));
}

int surface_ratio_for(qreal device_pixel_ratio) {
    // A hair above a whole number is that number (ratios come from divisions of screen sizes).
    const int whole = int(std::ceil(device_pixel_ratio - 1e-3));
    return std::clamp(whole, 1, kMaxRatio);
}

Surface::Surface(int w, int h) {
    resize(w, h);
}

int Surface::ratio() const {
    return std::max(1, int(std::lround(image_.devicePixelRatio())));
}

void Surface::make_image(int w, int h, QImage::Format format) {
    const int r = surface_ratio();
    image_ = QImage(std::max(w, 0) * r, std::max(h, 0) * r, format);
    image_.setDevicePixelRatio(r);
}

void Surface::resize(int w, int h) {
    make_image(w, h, QImage::Format_RGB32);
    if (drawable(image_)) image_.fill(Qt::white);
}

void Surface::resize_transparent(int w, int h) {
    make_image(w, h, QImage::Format_ARGB32_Premultiplied);
    clear();
}

void Surface::clear() {
    if (drawable(image_)) image_.fill(image_.hasAlphaChannel() ? Qt::transparent : Qt::white);
}

std::unique_ptr<QPainter> Surface::painter(bool antialias) {
    auto p = std::make_unique<QPainter>(&image_);
    p->setRenderHint(QPainter::Antialiasing, antialias);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    return p;
}

void Surface::fill_rect(int l, int t, int r, int b, ColorRef c) {
    if (!drawable(image_) || r <= l || b <= t) return;
    QPainter p(&image_);
    p.fillRect(to_qrect(l, t, r, b), colorref(c));
}

void Surface::fill_rows(int l, int top, int r, int last, int step, ColorRef c) {
    if (!drawable(image_) || r <= l || last < top || step <= 0) return;
    QPainter p(&image_);
    const QColor colour = colorref(c);
    for (int y = top; y <= last; y += step)
        p.fillRect(to_qrect(l, y, r, y + 1), colour);
}

void Surface::frame_rect(int l, int t, int r, int b, ColorRef c) {
    if (r <= l || b <= t) return;
    fill_rect(l, t, r, t + 1, c);
    fill_rect(l, b - 1, r, b, c);
    fill_rect(l, t, l + 1, b, c);
    fill_rect(r - 1, t, r, b, c);
}

// Both end points are drawn. Straight one-pixel lines are filled as rectangles so they stay
// crisp; other lines go through the painter with round caps.
void Surface::line(int x1, int y1, int x2, int y2, ColorRef c, int width, bool antialias) {
    if (!drawable(image_)) return;
    if (width <= 1 && !antialias && (x1 == x2 || y1 == y2)) {
        fill_rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1,
                  c);
        return;
    }
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setPen(round_pen(c, width));
    p.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void Surface::set_pixel(int x, int y, ColorRef c) {
    const int r = ratio();
    if (!image_.valid(x * r, y * r)) return;
    for (int dy = 0; dy < r; ++dy)
        for (int dx = 0; dx < r; ++dx)
            image_.setPixel(x * r + dx, y * r + dy, colorref(c).rgb());
}

void Surface::fill_ellipse(int l, int t, int r, int b, ColorRef fill, ColorRef outline, int width) {
    if (!drawable(image_) || r <= l || b <= t) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(colorref(fill));
    qreal inset = width / 2.0;
    if (width > 0) {
        p.setPen(round_pen(outline, width));
    } else {
        p.setPen(Qt::NoPen);
        inset = 0;
    }
    p.drawEllipse(QRectF(l + inset, t + inset, r - l - 2 * inset, b - t - 2 * inset));
}

void Surface::rounded_rect(int l, int t, int r, int b, int ew, int eh, ColorRef fill,
                           ColorRef outline) {
    if (!drawable(image_) || r <= l || b <= t) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(colorref(fill));
    p.setPen(round_pen(outline, 1));
    p.drawRoundedRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1), ew / 2.0, eh / 2.0);
}

void Surface::blit(int x, int y, const QImage& src, int sx, int sy, int w, int h) {
    if (!drawable(image_) || src.isNull() || w <= 0 || h <= 0) return;
    QPainter p(&image_);
    p.drawImage(QPointF(x, y), src, device_rect(src, sx, sy, w, h));
}

void Surface::stretch_blit(int x, int y, int dw, int dh, const QImage& src, int sx, int sy, int w,
                           int h) {
    if (!drawable(image_) || src.isNull() || w <= 0 || h <= 0 || dw <= 0 || dh <= 0) return;
    QPainter p(&image_);
    p.drawImage(QRectF(x, y, dw, dh), src, device_rect(src, sx, sy, w, h));
}

// Draws the whole of `other` with its top-left at (x, y).
void Surface::copy_from(const Surface& other, int x, int y) {
    if (!drawable(image_) || !drawable(other.image_)) return;
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, y), other.image_);
}

void Surface::text(int x, int y, const QString& s, const FontSpec& font, ColorRef c) {
    if (!drawable(image_) || s.isEmpty()) return;
    QPainter p(&image_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QFont f = make_font(font);
    p.setFont(f);
    p.setPen(colorref(c));
    p.drawText(QPoint(x, y + cell_ascent(f)), s);
}

int Surface::text_wrapped(int l, int t, int r, int b, const QString& s, const FontSpec& font,
                          ColorRef c, Qt::Alignment align) {
    if (!drawable(image_) || s.isEmpty() || r <= l) return 0;
    const int step = line_height(font);
    const auto lines = wrap_text(
        {l, t, r}, s, font, c, step,
        [this](const QString& text, const FontSpec& f) { return text_width(text, f); }, align);
    for (const PlacedText& line : lines) // lines starting at or below the bottom are cut off
        if (line.y < b) text(line.x, line.y, line.text, line.font, line.colour);
    return int(lines.size()) * step;
}

int Surface::text_width(const QString& s, const FontSpec& font) const {
    return QFontMetrics(make_font(font)).horizontalAdvance(s);
}

int Surface::line_height(const FontSpec& font) const {
    return cell_height(make_font(font));
}

void paint_surface_part(QPainter& p, const Surface& s, const QRect& part) {
    const QImage& img = s.image();
    // A screen whose ratio is not the surface's gets a smoothly scaled copy.
    p.setRenderHint(QPainter::SmoothPixmapTransform,
                    !qFuzzyCompare(p.device()->devicePixelRatioF(), img.devicePixelRatio()));
    p.drawImage(QRectF(part), img,
                device_rect(img, part.x(), part.y(), part.width(), part.height()));
}

QFont make_font(const FontSpec& desc) {
    QFont f(installed_family(desc.face));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(desc.height, 1));
    f.setWeight(desc.bold ? QFont::Bold : QFont::Normal);
    f.setItalic(desc.italic);
    f.setUnderline(desc.underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}
