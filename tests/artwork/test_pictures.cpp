// The pictures beside the program: the splash bitmap (and its double size for screens with
// twice the pixels), the pencil cursors with their hot spots and the application icon.
#include "run_files.h"

#include <QFile>
#include <QStringList>
#include <gmock/gmock.h>
#include <map>

namespace {

constexpr int kSplashW = 362, kSplashH = 247;

TEST(Splash, IsA24BitBitmapOfTheSplashWindowsSizeDrawnFinerAtTheDoubleSize) {
    const QByteArray bytes = read_run_file("res/splash.bmp");
    const ByteView v(bytes);
    ASSERT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(v.u32(2).value_or(0), uint32_t(bytes.size()));
    EXPECT_EQ(v.u32(14).value_or(0), 40u); // BITMAPINFOHEADER
    EXPECT_EQ(v.u32(18).value_or(0), uint32_t(kSplashW));
    EXPECT_EQ(int32_t(v.u32(22).value_or(0)), kSplashH);
    EXPECT_EQ(v.u16(28).value_or(0), 24u);
    EXPECT_EQ(v.u32(30).value_or(1), 0u); // uncompressed
    const uint32_t offset = v.u32(10).value_or(0);
    const uint32_t stride = (kSplashW * 3 + 3) / 4 * 4;
    EXPECT_LE(uint64_t(offset) + uint64_t(stride) * kSplashH, uint64_t(bytes.size()));

    const QImage image(run_path("res/splash.bmp"));
    ASSERT_EQ(image.size(), QSize(kSplashW, kSplashH));
    int ink = 0; // the name and the emblem, in the program's navy
    for (int y = 0; y < kSplashH; ++y)
        for (int x = 0; x < kSplashW; ++x)
            if (qBlue(image.pixel(x, y)) > 2 * qRed(image.pixel(x, y)) + 20) ++ink;
    EXPECT_GT(ink, 2000);

    const QImage big(run_path("res/splash@2x.bmp"));
    ASSERT_EQ(big.size(), image.size() * 2);
    EXPECT_LT(mean_difference(image, big), 6.0);
    EXPECT_GT(mixed_blocks(big), 500) << "the emblem and the name drawn finer";
    EXPECT_GT(contrasting_blocks(big, QRect(48, 88, 320, 320), 32), 300)
        << "the emblem brushed finer";
    for (int y = 0; y < 4; ++y) // the two border lines, each two device pixels thick
        EXPECT_EQ(big.pixel(300, y), y < 2 ? qRgb(128, 128, 128) : qRgb(255, 255, 255)) << y;
}

struct Spot {
    int x, y;
};

std::map<QString, Spot> hot_spots() {
    std::map<QString, Spot> spots;
    const QStringList lines = QString::fromUtf8(read_run_file("res/cursors/hotspots.txt"))
                                  .split('\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList f = line.split(' ');
        if (f.size() == 3) spots[f[0]] = {f[1].toInt(), f[2].toInt()};
    }
    return spots;
}

QImage cursor(const QString& name) {
    return QImage(run_path("res/cursors/" + name)).convertToFormat(QImage::Format_ARGB32);
}

TEST(PencilCursors, HaveTheirHotSpotsOnThePencilsPoint) {
    const std::map<QString, Spot> spots = hot_spots();
    const std::map<QString, Spot> wanted = {
        {"idle.png", {3, 27}}, {"drawing.png", {2, 28}}, {"refused.png", {3, 27}}};
    ASSERT_EQ(spots.size(), wanted.size());
    for (const auto& [name, spot] : wanted) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(spots.count(name));
        EXPECT_EQ(spots.at(name).x, spot.x);
        EXPECT_EQ(spots.at(name).y, spot.y);
        const QImage image = cursor(name);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_GT(qAlpha(image.pixel(spot.x, spot.y)), 128) << "the point is on the hot spot";
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "transparent round the pencil";
        EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0);
    }
}

// Drawing is the idle pencil one pixel further left and one lower.
TEST(PencilCursors, DrawingIsTheIdlePencilMovedDownAndLeft) {
    const QImage idle = cursor("idle.png"), drawing = cursor("drawing.png");
    for (int y = 0; y < 31; ++y)
        for (int x = 1; x < 32; ++x)
            ASSERT_EQ(drawing.pixel(x - 1, y + 1), idle.pixel(x, y)) << x << "," << y;
}

TEST(PencilCursors, RefusedShowsARedProhibitionSign) {
    const QImage idle = cursor("idle.png"), refused = cursor("refused.png");
    int red_in_idle = 0, red_in_refused = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            auto red = [](QRgb c) { return qAlpha(c) > 200 && qRed(c) > 150 && qGreen(c) < 90; };
            red_in_idle += red(idle.pixel(x, y));
            red_in_refused += red(refused.pixel(x, y));
        }
    }
    EXPECT_EQ(red_in_idle, 0);
    EXPECT_GT(red_in_refused, 60);
}

TEST(AppIcon, ComesInItsSizesWithTransparentCorners) {
    for (const auto& [file, size] : std::map<QString, int>{{"brushwise.png", 256},
                                                           {"brushwise_16.png", 16},
                                                           {"brushwise_32.png", 32},
                                                           {"brushwise_48.png", 48},
                                                           {"brushwise_64.png", 64},
                                                           {"brushwise_128.png", 128}}) {
        SCOPED_TRACE(file.toStdString());
        const QImage icon = QImage(run_path("res/" + file)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

} // namespace
