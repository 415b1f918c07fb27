// Button faces (3 and 4): a strip 24 high of five 34-wide slices (normal, hover, pressed,
// disabled, greyed). The button copies a slice's 10-pixel caps and stretches its 14-pixel middle,
// so every shading runs vertically: each column of the middle is the same. Outside the rounded
// face the slices are transparent, and the shadow under the face is a translucent tint, so a
// button sits on any background.
#include "art_palette.h"
#include "artwork.h"
#include "paint_util.h"

#include <QLinearGradient>

namespace art {
namespace {

constexpr int kSliceWidth = 34;
constexpr int kHeight = 24;
constexpr int kSlices = 5;
constexpr int kBodyBottom = 22; // row 23 holds the soft shadow under the face
constexpr double kRadius = 4.5;

struct FaceLook {
    QRgb outline;
    QRgb fill_top, fill_bottom;
    QRgb top_line; // the row just inside the top outline: a highlight or, pressed, a shade
    QRgb shadow;   // the row under the face, as it shows on white (white: no shadow)
};

FaceLook normal_look(int slice) {
    switch (slice) {
    case 0:
        return {kOutline, kFillTop, kFillBottom, kWhite, kShadow};
    case 1:
        return {kOutlineHover, kFillTop, kFillHoverBottom, kWhite, kShadow};
    case 2:
        return {kOutlinePressed, kFillPressedTop, kFillPressedBottom, qRgb(178, 194, 236), kWhite};
    case 3:
        return {kOutlinePale, kFillTop, kFillPaleBottom, kWhite, kWhite};
    default:
        return {kOutlineFaint, kFillTop, kFillTop, kWhite, kWhite};
    }
}

// The alternative style: a bluer face for the screens that want their buttons to stand out.
FaceLook alternative_look(int slice) {
    switch (slice) {
    case 0:
        return {qRgb(112, 130, 190), qRgb(236, 242, 255), qRgb(196, 212, 248), kWhite, kShadow};
    case 1:
        return {kOutlineHover, qRgb(242, 247, 255), qRgb(178, 200, 252), kWhite, kShadow};
    case 2:
        return {kOutlinePressed, qRgb(170, 190, 240), qRgb(214, 226, 252), qRgb(150, 170, 226),
                kWhite};
    default:
        return normal_look(slice);
    }
}

void paint_slice(QImage& strip, int slice, const FaceLook& look) {
    QImage face = transparent(kSliceWidth, kHeight);
    QPainter p;
    begin_smooth(p, face);
    const QPainterPath body = pixel_rounded_rect(0, 0, kSliceWidth - 1, kBodyBottom, kRadius);
    QLinearGradient fill(0, 1, 0, kBodyBottom);
    fill.setColorAt(0, QColor::fromRgb(look.fill_top));
    fill.setColorAt(1, QColor::fromRgb(look.fill_bottom));
    p.fillPath(body, fill);
    p.setPen(QPen(QColor::fromRgb(look.top_line), 1));
    p.drawLine(QPointF(3.5, 1.5), QPointF(kSliceWidth - 3.5, 1.5));
    p.setPen(QPen(QColor::fromRgb(look.outline), 1));
    p.drawPath(body);
    p.setPen(QPen(QColor::fromRgba(tint_over_white(look.shadow)), 1));
    p.drawLine(QPointF(3.5, kHeight - 0.5), QPointF(kSliceWidth - 3.5, kHeight - 0.5));
    p.end();
    QPainter out(&strip);
    out.drawImage(slice * kSliceWidth, 0, face);
}

} // namespace

QImage button_faces(bool alternative) {
    QImage strip = transparent(kSliceWidth * kSlices, kHeight);
    for (int slice = 0; slice < kSlices; ++slice)
        paint_slice(strip, slice, alternative ? alternative_look(slice) : normal_look(slice));
    return strip;
}

} // namespace art
