#include "drawing.h"

#include "palette.h"
#include "toolkit_images.h"

#include <QFontMetrics>

namespace {

// The graded greys of the sunken box, side by side: top, right, bottom, left.
constexpr int kOuterGreys[4] = {153, 228, 249, 143};
constexpr int kInnerGreys[4] = {180, 225, 242, 198};
constexpr int kMinShortenedLength = 5;

ColorRef grey(int level) {
    return RGB(level, level, level);
}

// One rectangle outline drawn as a path top, right, bottom, left, each side in its own grey;
// each side leaves out its end point, which the next side starts from.
void graded_outline(Surface& s, int l, int t, int r, int b, const int greys[4]) {
    s.fill_rect(l, t, r, t + 1, grey(greys[0]));         // (l, t) .. (r - 1, t)
    s.fill_rect(r, t, r + 1, b, grey(greys[1]));         // (r, t) .. (r, b - 1)
    s.fill_rect(l + 1, b, r + 1, b + 1, grey(greys[2])); // (r, b) .. (l + 1, b)
    s.fill_rect(l, t + 1, l + 1, b + 1, grey(greys[3])); // (l, b) .. (l, t + 1)
}

} // namespace

FontSpec label_font(int style, int size) {
    FontSpec f;
    f.height = size;
    switch (style) {
    case LabelVerdana:
        f.face = QStringLiteral("Verdana");
        break;
    case LabelTimes:
        f.face = QStringLiteral("Times New Roman");
        break;
    case LabelTahomaBoldShadow:
    case LabelTahomaBold:
        f.face = QStringLiteral("Tahoma"), f.bold = true;
        break;
    case LabelTahoma:
        f.face = QStringLiteral("Tahoma");
        break;
    case LabelArialGrey:
        f.face = QStringLiteral("Arial");
        break;
    case LabelVerdanaBold:
        f.face = QStringLiteral("Verdana"), f.bold = true;
        break;
    case LabelTimesBold:
        f.face = QStringLiteral("Times New Roman"), f.bold = true;
        break;
    default:
        break; // the system's default face
    }
    return f;
}

void draw_label(Surface& s, int x, int y, const QString& text, int size, int style, bool enabled) {
    FontSpec font = label_font(style, size);
    ColorRef colour = enabled ? palette::Navy : palette::DisabledGrey;
    if (style == LabelArialGrey) colour = palette::LabelGrey;
    if (style == LabelTahomaBoldShadow && enabled)
        s.text(x + 4, y + 2, text, font, palette::ShadowGrey);
    s.text(x + 2, y, text, font, colour);
}

void draw_lined_background(Surface& s, int x, int y, int w, int h, bool active) {
    s.fill_rect(x, y, x + w, y + h, palette::White);
    ColorRef line = active ? palette::LineActive : palette::LineInactive;
    for (int ly = y; ly <= y + h; ly += metrics::LineStep)
        s.fill_rect(x, ly, x + w, ly + 1, line);
}

void draw_window_border(Surface& s, bool light) {
    int w = s.width(), h = s.height();
    s.frame_rect(0, 0, w, h, light ? palette::BorderLight : palette::BorderDark);
    s.frame_rect(1, 1, w - 1, h - 1, palette::White);
}

void draw_sunken_box(Surface& s, int x, int y, int w, int h, int variant) {
    graded_outline(s, x, y, x + w - 1, y + h - 1, kOuterGreys);
    graded_outline(s, x + 1, y + 1, x + w - 2, y + h - 2, kInnerGreys);
    const QImage& corners =
        toolkit_image(variant == 0 ? image_id::SunkenCorners0 : image_id::SunkenCorners1);
    s.blit(x, y, corners, 0, 0, 7, 7);
    s.blit(x + w - 7, y, corners, 8, 0, 7, 6);
    s.blit(x + w - 6, y + h - 6, corners, 16, 0, 6, 6);
    s.blit(x, y + h - 6, corners, 23, 0, 6, 6);
}

void fill_sunken_box(Surface& s, int x, int y, int w, int h, int variant) {
    s.fill_rect(x, y, x + w, y + h, palette::White);
    draw_sunken_box(s, x, y, w, h, variant);
}

int fit_text_to_width(const std::function<int(const QString&)>& measure, int max_width,
                      QString& text) {
    if (measure(text) <= max_width || text.size() <= kMinShortenedLength) return 0;
    const QString dots = QStringLiteral("..");
    const int dots_width = measure(dots);
    for (qsizetype n = kMinShortenedLength; n < text.size(); ++n) {
        if (measure(text.left(n)) + dots_width > max_width) {
            text = text.left(n - 1) + dots;
            return 1;
        }
    }
    return 0;
}

int fit_text_to_width(const FontSpec& font, int max_width, QString& text) {
    QFontMetrics fm(make_font(font));
    return fit_text_to_width([&fm](const QString& s) { return fm.horizontalAdvance(s); }, max_width,
                             text);
}
