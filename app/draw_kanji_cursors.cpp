#include "draw_kanji_cursors.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

namespace {

constexpr qint64 kMaxHotspotsBytes = 4096;
constexpr int kMaxCursorSide = 64;

QString read_hotspots(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.read(kMaxHotspotsBytes));
}

// The image, when it is there and small enough for a cursor (its size is checked before the
// pixels are decoded).
QImage cursor_image(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxCursorSide || size.height() > kMaxCursorSide)
        return {};
    return reader.read();
}

QCursor cursor_from(const QDir& folder, const QString& hotspots, const QString& file) {
    const QImage image = cursor_image(folder.filePath(file));
    if (image.isNull()) return QCursor(Qt::ArrowCursor);
    const std::optional<QPoint> spot = hot_spot_for(hotspots, file, image.size());
    if (!spot) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(image), spot->x(), spot->y());
}

} // namespace

std::optional<QPoint> hot_spot_for(const QString& hotspots, const QString& file, QSize size) {
    for (const QString& line : hotspots.split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.size() != 3 || words[0] != file) continue;
        bool x_ok = false, y_ok = false;
        const int x = words[1].toInt(&x_ok);
        const int y = words[2].toInt(&y_ok);
        if (!x_ok || !y_ok || x < 0 || y < 0 || x >= size.width() || y >= size.height())
            return std::nullopt;
        return QPoint(x, y);
    }
    return std::nullopt;
}

PencilCursors load_pencil_cursors(const QString& folder) {
    const QDir dir(folder);
    const QString hotspots = read_hotspots(dir.filePath(QStringLiteral("hotspots.txt")));
    PencilCursors cursors;
    cursors.idle = cursor_from(dir, hotspots, QStringLiteral("idle.png"));
    cursors.drawing = cursor_from(dir, hotspots, QStringLiteral("drawing.png"));
    cursors.refused = cursor_from(dir, hotspots, QStringLiteral("refused.png"));
    return cursors;
}
