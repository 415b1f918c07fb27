// The files beside the program: the splash bitmap (and its double size), the pencil cursors with
// their hot spots and the sound cues.
#include "run_files.h"

#include <cmath>
#include <gmock/gmock.h>

namespace {

quint32 le(const QByteArray& b, qsizetype at, int n) {
    quint32 v = 0;
    for (int i = n; i-- > 0;)
        v = v << 8 | uchar(b[at + i]);
    return v;
}

TEST(Splash, IsA24BitBitmapOfTheSplashWindowsSizeDrawnFinerAtTheDoubleSize) {
    const QByteArray bytes = read_run_file("res/splash.bmp");
    ASSERT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(le(bytes, 28, 2), 24);
    const QImage image(run_path("res/splash.bmp")), big(run_path("res/splash@2x.bmp"));
    ASSERT_EQ(image.size(), QSize(362, 247));
    ASSERT_EQ(big.size(), image.size() * 2);
    EXPECT_LT(mean_difference(image, big), 6.0);
    EXPECT_GT(contrasting_blocks(big, QRect(48, 88, 320, 320)), 300) << "the emblem drawn finer";
}

// Each cursor's hot spot, as hotspots.txt gives it, lies on the pencil's point.
TEST(PencilCursors, HaveTheirHotSpotsOnThePencilsPointAndDiffer) {
    const QString spots = QString::fromUtf8(read_run_file("res/cursors/hotspots.txt"));
    EXPECT_EQ(spots, "idle.png 3 27\ndrawing.png 2 28\nrefused.png 3 27\n");
    std::vector<QImage> images;
    for (const QString& line : spots.split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(' ');
        const QImage& image = images.emplace_back(run_path("res/cursors/" + f[0]));
        ASSERT_EQ(image.size(), QSize(32, 32)) << f[0].toStdString();
        EXPECT_GT(image.pixelColor(f[1].toInt(), f[2].toInt()).alpha(), 128) << f[0].toStdString();
        EXPECT_EQ(image.pixelColor(31, 31).alpha(), 0) << "transparent round the pencil";
    }
    ASSERT_EQ(images.size(), 3u);
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[0], images[2]);
}

// The cues res/0.wav, 1, 2, 6, 7: PCM 16-bit mono at 22050 Hz, short, soft, starting and ending
// quietly (no click), each different from the others.
TEST(SoundCues, ArePcm16MonoAt22050HzShortSoftFadingInAndOutAndAllDiffer) {
    std::vector<std::vector<int16_t>> cues;
    for (int n : {0, 1, 2, 6, 7}) {
        SCOPED_TRACE(n);
        const QByteArray b = read_run_file(QString("res/%1.wav").arg(n));
        const auto u16 = [&b](qsizetype at) { return le(b, at, 2); };
        const auto u32 = [&b](qsizetype at) { return le(b, at, 4); };
        const qsizetype fmt = b.indexOf("fmt "), data = b.indexOf("data");
        ASSERT_TRUE(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE" && fmt > 0 && data >= fmt + 24);
        ASSERT_LE(data + 8 + qsizetype(u32(data + 4)), b.size());
        EXPECT_EQ(u32(4) + 8, quint32(b.size()));
        EXPECT_THAT((std::vector<quint32>{u16(fmt + 8), u16(fmt + 10), u32(fmt + 12), u32(fmt + 16),
                                          u16(fmt + 20), u16(fmt + 22)}),
                    testing::ElementsAre(1, 1, 22050, 2 * 22050, 2, 16));
        std::vector<int16_t> s(u32(data + 4) / 2);
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = int16_t(u16(data + 8 + 2 * i));
        const auto peak = [&s](size_t from, size_t to) {
            double p = 0;
            for (size_t i = from; i < to; ++i)
                p = std::max(p, std::abs(s[i] / 32768.0));
            return p;
        };
        EXPECT_TRUE(s.size() >= 22050 / 50 && s.size() <= 22050 * 4 / 5) << s.size();
        const double loudest = peak(0, s.size());
        EXPECT_GT(loudest, 0.05) << "audible";
        EXPECT_LT(loudest, 0.5) << "soft";
        const size_t ms = 22050 / 1000;
        EXPECT_LT(peak(0, ms), loudest / 4) << "no click at the start";
        EXPECT_LT(peak(s.size() - ms, s.size()), loudest / 4) << "no click at the end";
        for (const auto& other : cues)
            EXPECT_NE(s, other);
        cues.push_back(s);
    }
}

} // namespace
