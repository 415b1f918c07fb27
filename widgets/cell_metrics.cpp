#include "cell_metrics.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <cmath>
#include <mutex>

namespace {

struct CellMetrics {
    int ascent;
    int descent;
};

// Reads a big-endian 16-bit word of a font table; -1 when the table is too short.
int table_word(const QByteArray& table, int offset) {
    if (offset < 0 || table.size() < offset + 2) return -1;
    return (uchar(table[offset]) << 8) | uchar(table[offset + 1]);
}

CellMetrics measure(const QFont& font) {
    const QFontMetrics qt(font);
    CellMetrics m{qt.ascent(), qt.descent()};
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.unitsPerEm() <= 0) return m;
    const QByteArray os2 = raw.fontTable("OS/2");
    const int winAscent = table_word(os2, 74), winDescent = table_word(os2, 76);
    if (winAscent <= 0 || winDescent < 0) return m;
    const double scale = font.pixelSize() / raw.unitsPerEm();
    return {int(std::lround(winAscent * scale)), int(std::lround(winDescent * scale))};
}

// The stroke animations draw text on their worker threads while the user-interface thread draws
// its own: the cache is shared, so it is locked.
CellMetrics metrics(const QFont& font) {
    static std::mutex lock;
    static QHash<QString, CellMetrics> cache;
    const QString key = font.key();
    std::lock_guard<std::mutex> hold(lock);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, measure(font));
    return *it;
}

} // namespace

int cell_ascent(const QFont& font) {
    return metrics(font).ascent;
}

int cell_height(const QFont& font) {
    const CellMetrics m = metrics(font);
    return m.ascent + m.descent;
}
