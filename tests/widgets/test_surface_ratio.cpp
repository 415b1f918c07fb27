// Surfaces at a device pixel ratio of 2: shapes whole, text drawn finer rather than enlarged,
// copies exact to the device pixel, the toolkit's double-size images taken when they are sound.
#include "button.h"
#include "fonts.h"
#include "toolkit_images.h"

#include "ratio_support.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

namespace {

QImage drawn_at(int ratio, int w, int h, const std::function<void(Surface&)>& draw) {
    ScopedSurfaceRatio at(ratio);
    Surface s(w, h);
    draw(s);
    return s.image();
}

// Text in Tahoma and a kanji in the Japanese face, large enough to have inner edges.
void draw_text(Surface& s) {
    init_face_table();
    s.text(4, 2, QStringLiteral("Brushwise"), FontSpec{QStringLiteral("Tahoma"), 16, true},
           RGB(0, 0, 0));
    s.text(4, 24, QStringLiteral(u"\u6C38\u5B57"), FontSpec{QString::fromLatin1(kJapaneseFace), 40},
           RGB(0, 0, 0));
}

// A screen gets the whole ratio at or above its own (at most 4), a surface that many pixels,
// transparent when resized so.
TEST(SurfaceRatio, ScreensGetTheWholeRatioAtOrAboveTheirOwnAndSurfacesThatManyPixels) {
    const std::pair<double, int> cases[] = {{1.0, 1}, {1.0000001, 1}, {1.25, 2},
                                            {2.0, 2}, {0.5, 1},       {9.0, 4}};
    for (auto [screen, ratio] : cases)
        EXPECT_EQ(surface_ratio_for(screen), ratio) << screen;
    ScopedSurfaceRatio at(2);
    Surface s(30, 20);
    s.resize_transparent(7, 5);
    EXPECT_EQ(s.image().size(), QSize(14, 10));
    EXPECT_EQ(qAlpha(s.image().pixel(13, 9)), 0);
}

// One-pixel shapes and a plain image land on their logical pixels, each doubled.
TEST(SurfaceRatio, OnePixelShapesAndPlainImagesAreWholeDevicePixelsInTheirPlaces) {
    QImage plain(4, 3, QImage::Format_RGB32);
    plain.fill(Qt::blue);
    plain.setPixel(1, 2, qRgb(255, 0, 0));
    auto draw = [&plain](Surface& s) {
        s.blit(12, 10, plain, 0, 0, 4, 3);
        s.fill_rect(3, 2, 11, 6, RGB(200, 10, 10));
        s.frame_rect(1, 8, 19, 15, RGB(0, 0, 128));
        s.line(2, 17, 17, 17, RGB(10, 120, 10));
        s.line(18, 1, 18, 14, RGB(10, 120, 10));
        for (int x = 0; x < 20; x += 2)
            s.set_pixel(x, 19, RGB(90, 90, 90));
    };
    EXPECT_EQ(device_pixels(drawn_at(2, 20, 20, draw)),
              nearest_enlargement(drawn_at(1, 20, 20, draw), 2));
}

// In the same logical place with four times the ink, not each plain pixel repeated, with steep
// edges twice as long.
TEST(SurfaceRatio, TextAndKanjiAreDrawnAtTheFinerResolution) {
    const QImage plain = drawn_at(1, 120, 70, draw_text);
    const QImage doubled = device_pixels(drawn_at(2, 120, 70, draw_text));
    const QRect box1 = ink_box(plain), box2 = ink_box(doubled);
    ASSERT_FALSE(box1.isEmpty());
    EXPECT_NEAR(box2.left(), 2 * box1.left(), 3);
    EXPECT_NEAR(box2.bottom(), 2 * box1.bottom(), 4);
    EXPECT_NEAR(double(count_ink(doubled, 255)) / count_ink(plain, 255), 4.0, 0.8);
    EXPECT_GT(mixed_blocks(doubled, 2), 100);
    EXPECT_GT(steep_steps(doubled, doubled.rect(), 128),
              1.5 * steep_steps(plain, plain.rect(), 128));
}

// A piece lands on its device pixels, nothing beside it; a stretched logical column fills each
// half from its own device column; a window's paint of a part copies that part only.
TEST(SurfaceRatio, CopiesBetweenSurfacesAndOntoTheScreenKeepEveryDevicePixel) {
    ScopedSurfaceRatio at(2);
    Surface src(60, 40);
    draw_text(src);
    Surface dst(80, 60);
    dst.fill_rect(0, 0, 80, 60, RGB(255, 255, 0));
    dst.blit(5, 7, src.image(), 3, 20, 40, 15);
    const QImage a = device_pixels(src.image()), b = device_pixels(dst.image());
    EXPECT_EQ(b.copy(10, 14, 80, 30), a.copy(6, 40, 80, 30));
    EXPECT_EQ(b.pixel(9, 14), qRgb(255, 255, 0));
    EXPECT_EQ(b.pixel(90, 44), qRgb(255, 255, 0));
    Surface stretched(30, 10);
    stretched.stretch_blit(0, 0, 30, 10, src.image(), 20, 28, 1, 10);
    const QImage left = a.copy(40, 56, 1, 20), right = a.copy(41, 56, 1, 20);
    ASSERT_NE(left, right) << "a column through the kanji";
    for (int x : {0, 29, 30, 59})
        EXPECT_EQ(device_pixels(stretched.image()).copy(x, 0, 1, 20), x < 30 ? left : right) << x;
    QImage screen(120, 80, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::green);
    {
        QPainter p(&screen);
        paint_surface_part(p, src, QRect(20, 10, 30, 25));
    }
    const QImage shown = device_pixels(screen);
    EXPECT_EQ(shown.copy(40, 20, 60, 50), a.copy(40, 20, 60, 50));
    EXPECT_EQ(shown.pixel(39, 20), QColor(Qt::green).rgb());
    EXPECT_EQ(shown.pixel(100, 70), QColor(Qt::green).rgb());
}

// The double-size image stands in, with the plain image's layout, only when it is exactly twice
// the plain one; a missing, damaged or empty one falls back; without the plain image, nothing.
TEST(ToolkitImages, TheDoubleSizeImageStandsInOnlyWhenItIsExactlyTwiceThePlainOne) {
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return QDir(dir.path()).filePath(name); };
    for (auto [name, size] : {std::pair{"a.png", QSize(10, 6)},
                              {"a@2x.png", QSize(20, 12)},
                              {"b@2x.png", QSize(20, 13)}}) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(path(name)));
    }
    QFile(path("c@2x.png")).open(QIODevice::WriteOnly);
    const QImage doubled = load_image_for_ratio(path("a.png"), path("a@2x.png"), true);
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(10, 6));
    for (const char* fallback : {"none@2x.png", "b@2x.png", "c@2x.png"}) {
        const QImage image = load_image_for_ratio(path("a.png"), path(fallback), true);
        EXPECT_EQ(image.size(), QSize(10, 6)) << fallback;
        EXPECT_EQ(image.devicePixelRatio(), 1.0) << fallback;
    }
    EXPECT_TRUE(load_image_for_ratio(path("none.png"), path("a@2x.png"), true).isNull());
}

// A missing image is null and draws nothing; a button drawn at ratio 2 takes the double-size face,
// its rounded end drawn, not enlarged.
TEST(ToolkitImages, MissingImagesDrawNothingAndControlsDrawTheDoubleSizeArtwork) {
    const QImage& missing = toolkit_image(4242);
    EXPECT_TRUE(missing.isNull());
    Surface s(10, 10);
    s.blit(0, 0, missing, 0, 0, 10, 10);
    EXPECT_EQ(s.image().pixel(5, 5), QColor(Qt::white).rgb());
    const QString run = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
    if (run.isEmpty() || !QFile::exists(run + "/dlls/ag.rcc")) GTEST_SKIP() << "no artwork built";
    register_toolkit_resources_in(run);
    const auto face = [](int ratio) {
        ScopedSurfaceRatio at(ratio);
        std::unique_ptr<Button> b(
            Button::create(nullptr, 0, 0, QString(), 12, nullptr, nullptr, QString(), -1, 0));
        return device_pixels(b->surface().image());
    };
    ASSERT_EQ(face(2).size(), face(1).size() * 2);
    EXPECT_GT(mixed_blocks(face(2).copy(0, 0, 20, 48), 2), 6);
}

} // namespace
