#include "run_files.h"

#include <QFile>
#include <QResource>
#include <algorithm>
#include <cstdlib>

QString run_path(const QString& relative) {
    QString dir = QString::fromLocal8Bit(qgetenv("BRUSHWISE_RUN_DIR"));
    if (dir.isEmpty()) dir = ARTWORK_RUN_DIR;
    return dir + "/" + relative;
}

QByteArray read_run_file(const QString& relative) {
    QFile file(run_path(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage library_image(const QString& library, int id, int scale) {
    static const bool registered = QResource::registerResource(run_path("dlls/ag.rcc")) &&
                                   QResource::registerResource(run_path("dlls/picmain.rcc"));
    (void)registered;
    const QString suffix = scale == 2 ? QStringLiteral("@2x") : QString();
    return QImage(QString(":/%1/%2%3.png").arg(library).arg(id).arg(suffix))
        .convertToFormat(QImage::Format_ARGB32);
}

namespace {

QImage premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int channel_difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

double mean_difference(const QImage& plain_image, const QImage& big_image) {
    const QImage plain = premultiplied(plain_image), big = premultiplied(big_image);
    double total = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int d = 0; d < 4; ++d) {
                const QRgb p = big.pixel(2 * x + d % 2, 2 * y + d / 2);
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
            }
            const QRgb average =
                qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4);
            total += channel_difference(plain.pixel(x, y), average);
        }
    return total / (plain.width() * plain.height());
}

int mixed_blocks(const QImage& image) {
    const QImage big = premultiplied(image);
    int n = 0;
    for (int y = 0; y + 1 < big.height(); y += 2)
        for (int x = 0; x + 1 < big.width(); x += 2) {
            const QRgb p = big.pixel(x, y);
            n += big.pixel(x + 1, y) != p || big.pixel(x, y + 1) != p ||
                 big.pixel(x + 1, y + 1) != p;
        }
    return n;
}

int contrasting_blocks(const QImage& image, QRect area, int spread) {
    const QImage big = premultiplied(image);
    int n = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            int lo = 255, hi = 0;
            for (int d = 0; d < 4; ++d) {
                const QRgb c = big.pixel(x + d % 2, y + d / 2);
                const int g = (qGray(c) * qAlpha(c) + 255 * (255 - qAlpha(c))) / 255; // over white
                lo = std::min(lo, g), hi = std::max(hi, g);
            }
            n += hi - lo > spread;
        }
    return n;
}

bool ByteView::tag(qsizetype at, const char* four) const {
    if (at < 0 || at + 4 > bytes_.size()) return false;
    return bytes_.mid(at, 4) == QByteArray(four, 4);
}

std::optional<uint32_t> ByteView::le(qsizetype at, int n) const {
    if (at < 0 || at + n > bytes_.size()) return std::nullopt;
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes_[at + i]);
    return v;
}
