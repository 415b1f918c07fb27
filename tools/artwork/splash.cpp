// The splash picture, 362 x 247: the emblem brushed in ink on the left, the program's name on
// the right, on the pale lines of the program's panels, framed like the program's windows.
#include "art_palette.h"
#include "artwork.h"
#include "brush.h"
#include "paint_util.h"

#include <QFont>
#include <QRadialGradient>

namespace art {
namespace {

constexpr int kWidth = 362, kHeight = 247;
constexpr QRgb kSplashLine = qRgb(242, 244, 249);
constexpr int kTextLeft = 192;

void paint_paper(QImage& image) {
    for (int y = 0; y < kHeight; ++y) {
        const QRgb row = y % 2 == 0 ? kSplashLine : kWhite;
        for (int x = 0; x < kWidth; ++x)
            set_plain_pixel(image, x, y, row);
    }
    QPainter p;
    begin_smooth(p, image);
    QRadialGradient wash(QPointF(100, 124), 98);
    wash.setColorAt(0, QColor(214, 226, 250, 200));
    wash.setColorAt(0.75, QColor(228, 236, 252, 120));
    wash.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawEllipse(QPointF(100, 124), 98, 98);
}

void paint_name(QImage& image) {
    QPainter p;
    begin_smooth(p, image);
    QFont title("Liberation Serif");
    title.setPixelSize(36);
    p.setFont(title);
    p.setPen(QColor::fromRgb(kNavy));
    p.drawText(QPointF(kTextLeft, 116), "Brushwise");
    const int rule_end = kTextLeft + p.fontMetrics().horizontalAdvance("Brushwise");
    p.setPen(QPen(QColor::fromRgb(kOutline), 1));
    p.drawLine(QPointF(kTextLeft + 1, 130.5), QPointF(rule_end, 130.5));
    QFont line("Liberation Sans");
    line.setPixelSize(12);
    p.setFont(line);
    p.setPen(QColor(112, 124, 168));
    p.drawText(QPointF(kTextLeft + 2, 150), "Reading and writing");
    p.drawText(QPointF(kTextLeft + 2, 165), "the jouyou kanji");
}

// The window border of the program: a dark outer line and a white one inside it.
void paint_frame(QPainter& p, QRect r, QRgb colour) {
    const QColor c = QColor::fromRgb(colour);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

// Filled as one-pixel rectangles, which stay whole pixels at every scale.
void paint_border(QImage& image) {
    QPainter p(&image);
    paint_frame(p, QRect(0, 0, kWidth, kHeight), kBorderDark);
    paint_frame(p, QRect(1, 1, kWidth - 2, kHeight - 2), kWhite);
}

} // namespace

QImage splash_picture() {
    QImage image = filled(kWidth, kHeight, kWhite);
    paint_paper(image);
    paint_brush_strokes(image, emblem_strokes(), QRectF(24, 44, 160, 160), QColor::fromRgb(kInk));
    paint_name(image);
    paint_border(image);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace art
