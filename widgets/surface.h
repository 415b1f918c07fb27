#pragma once
// An off-screen drawing surface with the program's conventions: colours as 0x00BBGGRR values,
// rectangles as (left, top, right, bottom) with right and bottom excluded, fonts described by
// face, character height in pixels and weight, text placed by the top-left corner of its cell
// on a transparent background. One-pixel lines and frames stay crisp; text, kanji strokes,
// circles and arrows are antialiased.
//
// Every coordinate is in logical pixels. On a screen with a device pixel ratio above 1 the image
// behind a surface holds ratio x ratio device pixels per logical pixel (QImage's
// devicePixelRatio), so that text, strokes and artwork come out at the screen's own resolution.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

// A colour value 0x00BBGGRR.
using ColorRef = uint32_t;
constexpr ColorRef RGB(int r, int g, int b) {
    return ColorRef(r & 0xff) | (ColorRef(g & 0xff) << 8) | (ColorRef(b & 0xff) << 16);
}
inline QColor colorref(ColorRef c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}

// A font for one drawing: the face name as the program knows it ("Tahoma", "Arial", "Verdana",
// "Times New Roman", "MS Shell Dlg 2" or the Japanese face), mapped to an installed family.
struct FontSpec {
    QString face;
    int height = 12; // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The whole-number ratio of device to logical pixels at which new surfaces are made: 1 unless
// set. Whole numbers keep one-pixel lines whole device pixels.
int surface_ratio();
void set_surface_ratio(int ratio); // kept within 1..4
// The surface ratio for a screen's device pixel ratio: rounded up, so that the picture is at
// least as fine as the screen.
int surface_ratio_for(qreal device_pixel_ratio);

class Surface {
  public:
    Surface() = default;
    Surface(int w, int h);     // w x h logical pixels at surface_ratio()
    void resize(int w, int h); // contents become white
    // A surface with an alpha channel for controls whose face does not cover every pixel (the
    // parent shows through): contents become fully transparent.
    void resize_transparent(int w, int h);
    // Transparent on a surface with an alpha channel, else white.
    void clear();
    // Logical size; the image is ratio() times as wide and high.
    int width() const { return image_.width() / ratio(); }
    int height() const { return image_.height() / ratio(); }
    int ratio() const;
    // The picture in device pixels, with its device pixel ratio set.
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    void fill_rect(int l, int t, int r, int b, ColorRef c);
    // One-pixel rows from l to r at top, top + step, ... up to `last` inclusive, with one painter
    // for all of them (a painter per row costs more than the rows).
    void fill_rows(int l, int top, int r, int last, int step, ColorRef c);
    void frame_rect(int l, int t, int r, int b, ColorRef c); // one-pixel outline
    void line(int x1, int y1, int x2, int y2, ColorRef c, int width = 1, bool antialias = false);
    void set_pixel(int x, int y, ColorRef c); // all ratio x ratio device pixels of it
    void fill_ellipse(int l, int t, int r, int b, ColorRef fill, ColorRef outline, int width = 1);
    void rounded_rect(int l, int t, int r, int b, int ew, int eh, ColorRef fill, ColorRef outline);
    // Copies a w x h piece of `src` at (sx, sy) to (x, y); stretched to dw x dh when given. The
    // piece is in `src`'s logical pixels: an image of ratio 2 gives twice as many device pixels.
    void blit(int x, int y, const QImage& src, int sx, int sy, int w, int h);
    void stretch_blit(int x, int y, int dw, int dh, const QImage& src, int sx, int sy, int w,
                      int h);
    void copy_from(const Surface& other, int x, int y);

    // Text: placed by the top-left of its cell (baseline at y + ascent).
    void text(int x, int y, const QString& s, const FontSpec& font, ColorRef c);
    // Word-wrapped in the rectangle, one line height (Windows ascent plus descent) per line, the
    // first line's cell at the top; lines starting at or below the bottom are left out. Returns
    // the height of all the lines.
    int text_wrapped(int l, int t, int r, int b, const QString& s, const FontSpec& font, ColorRef c,
                     Qt::Alignment align = Qt::AlignLeft);
    int text_width(const QString& s, const FontSpec& font) const;
    int line_height(const FontSpec& font) const;

    // A painter on the image for drawing that the helpers above do not cover.
    std::unique_ptr<QPainter> painter(bool antialias);

  private:
    void make_image(int w, int h, QImage::Format format);

    QImage image_;
};

// Paints the logical rectangle `part` of the surface at the same place on a window's painter.
void paint_surface_part(QPainter& p, const Surface& s, const QRect& part);

// The installed font for a face name of the program (the face-name table).
QFont make_font(const FontSpec& desc);
