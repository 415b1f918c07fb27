// The application icon: the brushed emblem in white on a navy tile. Drawn at 256 pixels and
// reduced for the smaller sizes.
#include "art_palette.h"
#include "artwork.h"
#include "brush.h"
#include "paint_util.h"

#include <QLinearGradient>

namespace art {
namespace {

constexpr int kMaster = 256;

QImage master_icon() {
    QImage image = transparent(kMaster, kMaster);
    {
        QPainter p;
        begin_smooth(p, image);
        QLinearGradient tile(0, 0, 0, kMaster);
        tile.setColorAt(0, QColor(36, 64, 176));
        tile.setColorAt(1, QColor::fromRgb(kNavy));
        p.setPen(Qt::NoPen);
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(8, 8, kMaster - 16, kMaster - 16), 44, 44);
    }
    paint_brush_strokes(image, emblem_strokes(), QRectF(36, 36, 184, 184), Qt::white);
    return image;
}

} // namespace

QImage app_icon(int size) {
    static const QImage master = master_icon();
    if (size == kMaster) return master;
    return master.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace art
