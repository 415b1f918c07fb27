#include "practice_cursors.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace {

// A hotspots file longer than this is not ours.
constexpr qint64 kMaxHotspotsBytes = 4096;

QByteArray read_hotspots(const QDir& folder) {
    QFile f(folder.filePath(QStringLiteral("hotspots.txt")));
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxHotspotsBytes) return {};
    return f.read(kMaxHotspotsBytes);
}

// The picture, when it is a readable square of at most kMaxCursorSize pixels.
QImage read_picture(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size(); // from the header, before anything is decoded
    if (!size.isValid() || size.width() != size.height() || size.width() > kMaxCursorSize)
        return {};
    QImage image = reader.read();
    if (image.isNull() || image.size() != size) return {};
    return image;
}

QCursor load_cursor(const QDir& folder, const QByteArray& hotspots, const char* name) {
    const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
    const QImage picture = read_picture(folder.filePath(file));
    QPoint spot;
    if (picture.isNull() || !cursor_hotspot(hotspots, file, picture.width(), spot))
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(picture), spot.x(), spot.y());
}

} // namespace

const QCursor* PracticeCursors::for_request(PracticeCursor kind) const {
    switch (kind) {
    case PracticeCursor::Idle:
        return &idle;
    case PracticeCursor::Drawing:
        return &drawing;
    case PracticeCursor::Refused:
        return &refused;
    case PracticeCursor::Unchanged:
        break;
    }
    return nullptr;
}

bool cursor_hotspot(const QByteArray& text, const QString& file, int size, QPoint& spot) {
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 3 || QString::fromLatin1(fields[0]) != file) continue;
        bool x_ok = false, y_ok = false;
        const int x = fields[1].toInt(&x_ok), y = fields[2].toInt(&y_ok);
        if (!x_ok || !y_ok || x < 0 || y < 0 || x >= size || y >= size) return false;
        spot = QPoint(x, y);
        return true;
    }
    return false;
}

PracticeCursors PracticeCursors_Load(const QString& folder) {
    const QDir dir(folder.isEmpty() ? QStringLiteral("res/cursors") : folder);
    const QByteArray hotspots = read_hotspots(dir);
    PracticeCursors c;
    c.idle = load_cursor(dir, hotspots, "idle");
    c.drawing = load_cursor(dir, hotspots, "drawing");
    c.refused = load_cursor(dir, hotspots, "refused");
    return c;
}
