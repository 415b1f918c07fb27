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

// The straight parts of the two graded lines, each side in its own grey. The sides stop where
// the corner pieces begin: the pieces carry the bends and are transparent outside them, so the
// background shows round the box.
void graded_sides(Surface& s, int x, int y, int w, int h) {
    const int r = x + w, b = y + h;
    s.fill_rect(x + 7, y, r - 7, y + 1, grey(kOuterGreys[0])); // top
    s.fill_rect(x + 7, y + 1, r - 7, y + 2, grey(kInnerGreys[0]));
    s.fill_rect(r - 1, y + 6, r, b - 6, grey(kOuterGreys[1])); // right
    s.fill_rect(r - 2, y + 6, r - 1, b - 6, grey(kInnerGreys[1]));
    s.fill_rect(x + 6, b - 1, r - 6, b, grey(kOuterGreys[2])); // bottom
    s.fill_rect(x + 6, b - 2, r - 6, b - 1, grey(kInnerGreys[2]));
    s.fill_rect(x, y + 7, x + 1, b - 6, grey(kOuterGreys[3])); // left
    s.fill_rect(x + 1, y + 7, x + 2, b - 6, grey(kInnerGreys[3]));
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
    s.fill_rows(x, y, x + w, y + h, metrics::LineStep, line);
}

void draw_window_border(Surface& s, bool light) {
    int w = s.width(), h = s.height();
    s.frame_rect(0, 0, w, h, light ? palette::BorderLight : palette::BorderDark);
    s.frame_rect(1, 1, w - 1, h - 1, palette::White);
}

void draw_sunken_box(Surface& s, int x, int y, int w, int h, int variant) {
    graded_sides(s, x, y, w, h);
    const QImage& corners =
        toolkit_image(variant == 0 ? image_id::SunkenCorners0 : image_id::SunkenCorners1);
    s.blit(x, y, corners, 0, 0, 7, 7);
    s.blit(x + w - 7, y, corners, 8, 0, 7, 6);
    s.blit(x + w - 6, y + h - 6, corners, 16, 0, 6, 6);
    s.blit(x, y + h - 6, corners, 23, 0, 6, 6);
}

void fill_sunken_box(Surface& s, int x, int y, int w, int h, int variant) {
    s.fill_rect(x + 2, y + 2, x + w - 2, y + h - 2, palette::White); // inside the border
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
