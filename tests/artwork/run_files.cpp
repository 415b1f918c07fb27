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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage library_image(const QString& library, int id, int scale) {
    static const bool registered = QResource::registerResource(run_path("dlls/ag.rcc")) &&
                                   QResource::registerResource(run_path("dlls/picmain.rcc"));
    (void)registered;
    const QString suffix = scale == 2 ? QStringLiteral("@2x") : QString();
    return QImage(QString(":/%1/%2%3.png").arg(library).arg(id).arg(suffix))
        .convertToFormat(QImage::Format_ARGB32);
}

double mean_difference(const QImage& plain_image, const QImage& big_image) {
    const QImage plain = plain_image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage big = big_image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                           .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double total = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb a = plain.pixel(x, y), b = big.pixel(x, y);
            total += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                               std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    return total / (plain.width() * plain.height());
}

int contrasting_blocks(const QImage& image, QRect area, int spread) {
    const QImage big = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
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
