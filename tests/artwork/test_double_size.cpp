// The images drawn at twice the size for screens with twice the pixels ("<id>@2x.png" beside
// every library image, res/splash@2x.bmp): exactly twice each plain image, the same picture when
// brought back to the plain size, drawn rather than enlarged, and with the pieces that controls
// stretch and repeat still joining without a seam.
#include "run_files.h"

#include <QColor>
#include <QPainter>
#include <cmath>
#include <gmock/gmock.h>

namespace {

struct LibraryId {
    const char* library;
    int id;
};
constexpr LibraryId kImages[] = {
    {"ag", 3},          {"ag", 4},          {"ag", 400},        {"ag", 610}, {"ag", 620},
    {"ag", 7000},       {"ag", 810},        {"ag", 820},        {"ag", 840}, {"ag", 850},
    {"picmain", 13465}, {"picmain", 13466}, {"picmain", 16000},
};

QImage doubled_image(const QString& library, int id) {
    register_run_resources();
    return QImage(QString(":/%1/%2@2x.png").arg(library).arg(id))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage plain_image(const QString& library, int id) {
    return library_image(library, id).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The average of each 2 x 2 block, premultiplied, as the plain image would show it.
QRgb block_average(const QImage& big, int x, int y) {
    int sum[4] = {0, 0, 0, 0};
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            const QRgb p = big.pixel(2 * x + dx, 2 * y + dy);
            sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
        }
    return qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4);
}

int channel_difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// The mean difference of the reduced double-size image from the plain one, per pixel.
double mean_difference(const QImage& plain, const QImage& big) {
    double total = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            total += channel_difference(plain.pixel(x, y), block_average(big, x, y));
    return total / (plain.width() * plain.height());
}

int mixed_blocks(const QImage& big) {
    int n = 0;
    for (int y = 0; y + 1 < big.height(); y += 2)
        for (int x = 0; x + 1 < big.width(); x += 2) {
            const QRgb p = big.pixel(x, y);
            n += big.pixel(x + 1, y) != p || big.pixel(x, y + 1) != p ||
                 big.pixel(x + 1, y + 1) != p;
        }
    return n;
}

// 2 x 2 blocks within `area` whose pixels differ by more than `spread` in grey: edges drawn at
// the double size; a plain enlargement has none, and a smooth gradient's steps are smaller.
int contrasting_blocks(const QImage& big, QRect area, int spread) {
    int n = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            int lo = 255, hi = 0;
            for (QPoint p :
                 {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)}) {
                const QRgb c = big.pixel(p);
                const int g = (qGray(c) * qAlpha(c) + 255 * (255 - qAlpha(c))) / 255; // over white
                lo = std::min(lo, g), hi = std::max(hi, g);
            }
            n += hi - lo > spread;
        }
    return n;
}

QImage piece2(const QImage& big, QRect plain_rect) {
    return big.copy(plain_rect.x() * 2, plain_rect.y() * 2, plain_rect.width() * 2,
                    plain_rect.height() * 2);
}

TEST(DoubleSizeImages, EveryLibraryImageHasOneTwiceItsSizeShowingTheSamePicture) {
    for (const LibraryId& li : kImages) {
        SCOPED_TRACE(QString("%1 %2").arg(li.library).arg(li.id).toStdString());
        const QImage plain = plain_image(li.library, li.id);
        const QImage big = doubled_image(li.library, li.id);
        ASSERT_FALSE(plain.isNull());
        ASSERT_FALSE(big.isNull());
        ASSERT_EQ(big.size(), plain.size() * 2);
        EXPECT_LT(mean_difference(plain, big), 10.0) << "brought back to the plain size";
    }
}

TEST(DoubleSizeImages, ShiftedByOnePixelTheyWouldNotMatch) {
    // The measure above tells a misplaced picture: the button face moved by one plain pixel.
    const QImage plain = plain_image("ag", 4);
    const QImage big = doubled_image("ag", 4);
    QImage moved(big.size(), big.format());
    moved.fill(Qt::transparent);
    QPainter(&moved).drawImage(2, 0, big);
    EXPECT_GT(mean_difference(plain, moved), 2 * mean_difference(plain, big) + 2.0);
}

TEST(DoubleSizeImages, CurvesAreDrawnNotEnlarged) {
    for (const LibraryId& li : kImages) {
        if (li.id == 810) continue; // the caption bar is a vertical gradient, blocks are uniform
        SCOPED_TRACE(QString("%1 %2").arg(li.library).arg(li.id).toStdString());
        EXPECT_GT(mixed_blocks(doubled_image(li.library, li.id)), 3);
    }
}

// The button's straight middle, the caption bar's columns and the group frame's edges are still
// column for column (or row for row) the same where the controls stretch and repeat them.
TEST(DoubleSizeImages, TheEmblemOnTheWindowIconIsBrushedFiner) {
    const QImage icons = doubled_image("ag", 850);
    for (int cell = 0; cell < 3; ++cell)
        EXPECT_GT(contrasting_blocks(icons, QRect(cell * 24 + 4, 4, 16, 16), 32), 8) << cell;
}

TEST(DoubleSizeImages, StretchedAndRepeatedPiecesStillJoin) {
    for (int id : {3, 4}) {
        const QImage strip = doubled_image("ag", id);
        for (int slice = 0; slice < 5; ++slice) {
            const int sx = slice * 68;
            for (int x = 13; x <= 55; ++x)
                EXPECT_EQ(strip.copy(sx + x, 0, 1, 48), strip.copy(sx + 12, 0, 1, 48))
                    << id << "/" << slice << " column " << x;
        }
    }
    const QImage bar = doubled_image("ag", 810);
    for (int c : {0, 18})
        for (int x = c + 4; x <= c + 13; ++x)
            EXPECT_EQ(bar.copy(x, 0, 1, 40), bar.copy(c + 10, 0, 1, 40)) << x;
    const QImage f = doubled_image("ag", 7000);
    for (int c : {0, 14}) {
        const QImage horizontal = piece2(f, {c, 56, 1, 3});
        EXPECT_EQ(piece2(f, {c + 12, 0, 1, 3}), horizontal) << "top-left into the top edge";
        EXPECT_EQ(piece2(f, {c, 52, 1, 3}), horizontal) << "bottom edge into bottom-right";
        const QImage vertical = piece2(f, {c + 3, 56, 3, 2});
        EXPECT_EQ(piece2(f, {c, 11, 3, 2}), vertical) << "top-left into the left edge";
        EXPECT_EQ(piece2(f, {c + 10, 25, 3, 2}), vertical) << "top-right into the right edge";
    }
    // The sunken box's corners meet its straight border lines, which are one plain pixel (two
    // device pixels) each: the outer top line grey 153, the inner 180.
    for (int id : {610, 620}) {
        const QImage corners = doubled_image("ag", id);
        for (int y : {0, 1})
            EXPECT_EQ(corners.pixel(13, y), qRgb(153, 153, 153)) << id << " row " << y;
        for (int y : {2, 3})
            EXPECT_EQ(corners.pixel(13, y), qRgb(180, 180, 180)) << id << " row " << y;
    }
}

TEST(DoubleSizeImages, SplashPictureHasItsDoubleSize) {
    const QImage plain(run_path("res/splash.bmp"));
    const QImage big(run_path("res/splash@2x.bmp"));
    ASSERT_FALSE(plain.isNull());
    ASSERT_EQ(big.size(), plain.size() * 2);
    const QImage p = plain.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_LT(mean_difference(p, b), 6.0);
    EXPECT_GT(mixed_blocks(b), 500) << "the emblem and the name drawn finer";
    EXPECT_GT(contrasting_blocks(b, QRect(48, 88, 320, 320), 32), 300)
        << "the emblem brushed finer";
    for (int y = 0; y < 4; ++y) // the two border lines, each two device pixels thick
        EXPECT_EQ(b.pixel(300, y), y < 2 ? qRgb(128, 128, 128) : qRgb(255, 255, 255)) << y;
}

} // namespace
