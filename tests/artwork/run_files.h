#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// A file of the installation folder (BRUSHWISE_RUN_DIR, else the build's).
QString run_path(const QString& relative);
QByteArray read_run_file(const QString& relative);

// An image of dlls/ag.rcc or dlls/picmain.rcc as ARGB32; at scale 2, its "<id>@2x.png".
QImage library_image(const QString& library, int id, int scale = 1);

// The part of an image drawn at `scale` times the size that shows the plain image's `r`.
inline QImage piece(const QImage& image, QRect r, int scale = 1) {
    return image.copy(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
}

// The mean channel difference per pixel of `big`, brought back to the plain size by averaging
// each 2 x 2 block, from `plain`.
double mean_difference(const QImage& plain, const QImage& big);
// 2 x 2 blocks within `area` whose pixels, shown over white, differ by more than `spread` in
// grey: edges drawn at the double size. A plain enlargement has none, and a smoothed one's steps
// are smaller.
int contrasting_blocks(const QImage& big, QRect area, int spread = 32);
