// Surfaces at a device pixel ratio of 2: twice the pixels each way, one-pixel shapes kept whole,
// text, kanji and antialiased shapes drawn at the finer resolution rather than enlarged, copies
// between surfaces and onto the screen exact to the device pixel, and the toolkit's images taken
// from their double-size variants when those are sound.
#include "button.h"
#include "check_box.h"
#include "fonts.h"
#include "surface_widget.h"
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

bool artwork_registered() {
    const QString run = qEnvironmentVariable("BRUSHWISE_RUN_DIR");
    if (run.isEmpty() || !QFile::exists(run + "/dlls/ag.rcc")) return false;
    register_toolkit_resources_in(run);
    return true;
}

TEST(SurfaceRatio, ScreensGetTheWholeRatioAtOrAboveTheirOwnAndImagesThatManyPixels) {
    EXPECT_EQ(surface_ratio_for(1.0), 1);
    EXPECT_EQ(surface_ratio_for(1.0000001), 1) << "a rounding error is not a finer screen";
    EXPECT_EQ(surface_ratio_for(1.25), 2);
    EXPECT_EQ(surface_ratio_for(2.0), 2);
    EXPECT_EQ(surface_ratio_for(0.5), 1);
    EXPECT_EQ(surface_ratio_for(9.0), 4);
    {
        ScopedSurfaceRatio at(7);
        EXPECT_EQ(surface_ratio(), 4);
    }
    ScopedSurfaceRatio at(2);
    Surface s(30, 20);
    EXPECT_EQ(s.image().size(), QSize(60, 40));
    EXPECT_EQ(s.image().devicePixelRatio(), 2.0);
    EXPECT_EQ(s.width(), 30);
    EXPECT_EQ(s.height(), 20);
    EXPECT_EQ(s.ratio(), 2);
    s.resize_transparent(7, 5);
    EXPECT_EQ(s.image().size(), QSize(14, 10));
    EXPECT_EQ(qAlpha(s.image().pixel(13, 9)), 0);
    EXPECT_EQ(s.width(), 7);
}

TEST(SurfaceRatio, OnePixelShapesAreWholeDevicePixelsInTheirPlaces) {
    auto draw = [](Surface& s) {
        s.fill_rect(3, 2, 11, 6, RGB(200, 10, 10));
        s.frame_rect(1, 8, 19, 15, RGB(0, 0, 128));
        s.line(2, 17, 17, 17, RGB(10, 120, 10));
        s.line(18, 1, 18, 14, RGB(10, 120, 10));
        for (int x = 0; x < 20; x += 2)
            s.set_pixel(x, 19, RGB(90, 90, 90));
    };
    const QImage plain = drawn_at(1, 20, 20, draw);
    const QImage doubled = drawn_at(2, 20, 20, draw);
    EXPECT_EQ(device_pixels(doubled), nearest_enlargement(plain, 2));
}

// Text in Tahoma and a kanji in the Japanese face, large enough to have inner edges.
void draw_text(Surface& s) {
    s.text(4, 2, QStringLiteral("Brushwise"), FontSpec{QStringLiteral("Tahoma"), 16, true},
           RGB(0, 0, 0));
    s.text(4, 24, QStringLiteral(u"\u6C38\u5B57"), FontSpec{QString::fromLatin1(kJapaneseFace), 40},
           RGB(0, 0, 0));
}

void draw_shapes(Surface& s) {
    s.line(3, 3, 50, 40, RGB(0, 0, 0), 3, true);
    s.fill_ellipse(10, 30, 58, 58, RGB(0, 0, 0), RGB(0, 0, 0), 1);
}

// Four times the ink of the plain drawing, with edges no wider than a device pixel.
TEST(SurfaceRatio, TextKanjiAntialiasedLinesAndCirclesAreDrawnAtTheFinerResolution) {
    init_face_table();
    const QImage plain = drawn_at(1, 120, 70, draw_text);
    const QImage doubled = device_pixels(drawn_at(2, 120, 70, draw_text));
    const QRect box1 = ink_box(plain), box2 = ink_box(doubled);
    ASSERT_FALSE(box1.isEmpty());
    EXPECT_NEAR(box2.left(), 2 * box1.left(), 3) << "in the same logical place";
    EXPECT_NEAR(box2.top(), 2 * box1.top(), 3);
    EXPECT_NEAR(box2.right(), 2 * box1.right(), 4);
    EXPECT_NEAR(box2.bottom(), 2 * box1.bottom(), 4);
    const InkCount one = count_ink(plain, plain.rect(), 255);
    const InkCount two = count_ink(doubled, doubled.rect(), 255);
    EXPECT_NEAR(double(two.ink) / one.ink, 4.0, 0.8) << "the same glyphs, four times the pixels";
    // A plain enlargement has no mixed blocks, a smoothed one hardly a steep step.
    EXPECT_GT(mixed_blocks(doubled, 2), 100) << "not each plain pixel repeated";
    EXPECT_GT(steep_steps(doubled, doubled.rect(), 128),
              1.5 * steep_steps(plain, plain.rect(), 128))
        << "as steep edges, twice as long";

    const QImage shapes = drawn_at(1, 60, 60, draw_shapes);
    const InkCount shapes1 = count_ink(shapes, shapes.rect(), 255);
    const QImage shapes2 = device_pixels(drawn_at(2, 60, 60, draw_shapes));
    const InkCount shapes4 = count_ink(shapes2, shapes2.rect(), 255);
    EXPECT_NEAR(double(shapes4.ink) / shapes1.ink, 4.0, 0.6);
    EXPECT_LT(shapes4.edge_share(), 0.75 * shapes1.edge_share());
}

TEST(SurfaceRatio, CopiesBetweenSurfacesKeepEveryDevicePixelAndPlainImagesLandInPlace) {
    init_face_table();
    ScopedSurfaceRatio at(2);
    Surface src(60, 40);
    draw_text(src);
    Surface dst(80, 60);
    dst.fill_rect(0, 0, 80, 60, RGB(255, 255, 0));
    dst.blit(5, 7, src.image(), 3, 20, 40, 15);
    const QImage a = device_pixels(src.image()), b = device_pixels(dst.image());
    EXPECT_EQ(b.copy(10, 14, 80, 30), a.copy(6, 40, 80, 30));
    EXPECT_EQ(b.pixel(9, 14), qRgb(255, 255, 0)) << "nothing left of the piece";
    EXPECT_EQ(b.pixel(90, 44), qRgb(255, 255, 0)) << "nothing beyond it";

    Surface whole(60, 40);
    whole.copy_from(src, 0, 0);
    EXPECT_EQ(device_pixels(whole.image()), a);

    // One logical column is two device columns: each fills its half of the stretch.
    Surface stretched(30, 10);
    stretched.stretch_blit(0, 0, 30, 10, src.image(), 20, 28, 1, 10);
    const QImage left = a.copy(40, 56, 1, 20), right = a.copy(41, 56, 1, 20);
    ASSERT_NE(left, right) << "a column through the kanji";
    for (int x : {0, 1, 29, 30, 31, 59})
        EXPECT_EQ(device_pixels(stretched.image()).copy(x, 0, 1, 20), x < 30 ? left : right) << x;

    // A plain image lands on its logical pixels: what it shows at ratio 1, each pixel doubled.
    QImage plain(4, 3, QImage::Format_RGB32);
    plain.fill(Qt::blue);
    plain.setPixel(1, 2, qRgb(255, 0, 0));
    const auto blit_plain = [&](Surface& s) { s.blit(3, 4, plain, 0, 0, 4, 3); };
    EXPECT_EQ(device_pixels(drawn_at(2, 10, 10, blit_plain)),
              nearest_enlargement(drawn_at(1, 10, 10, blit_plain), 2));
}

class TextWidget : public SurfaceWidget {
  public:
    TextWidget() : SurfaceWidget(nullptr, 120, 70) { refresh(); }

  protected:
    void render() override { draw_text(surface()); }
};

TEST(SurfaceRatio, WindowsShowTheirSurfacesDevicePixelForDevicePixel) {
    init_face_table();
    ScopedSurfaceRatio at(2);
    TextWidget w;
    QImage screen(240, 140, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::green);
    static_cast<QWidget&>(w).render(&screen);
    EXPECT_EQ(device_pixels(screen), device_pixels(w.surface().image()));

    // A repaint of a part copies that part only, from the same place.
    screen.fill(Qt::green);
    {
        QPainter p(&screen);
        paint_surface_part(p, w.surface(), QRect(30, 20, 40, 30));
    }
    const QImage shown = device_pixels(screen), face = device_pixels(w.surface().image());
    EXPECT_EQ(shown.copy(60, 40, 80, 60), face.copy(60, 40, 80, 60));
    EXPECT_EQ(shown.pixel(59, 40), QColor(Qt::green).rgb());
    EXPECT_EQ(shown.pixel(140, 100), QColor(Qt::green).rgb());
}

class ImageFiles : public ::testing::Test {
  protected:
    QString path(const char* name) const { return QDir(dir_.path()).filePath(name); }
    void write(const char* name, QSize size) const {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(path(name)));
    }
    QTemporaryDir dir_;
};

TEST_F(ImageFiles, TheDoubleSizeImageStandsInOnlyWhenItIsExactlyTwiceThePlainOne) {
    write("a.png", {10, 6});
    write("a@2x.png", {20, 12});
    const QImage doubled = load_image_for_ratio(path("a.png"), path("a@2x.png"), true);
    EXPECT_EQ(doubled.size(), QSize(20, 12));
    EXPECT_EQ(doubled.devicePixelRatio(), 2.0);
    EXPECT_EQ(doubled.deviceIndependentSize(), QSizeF(10, 6)) << "the plain image's layout";

    const QImage plain = load_image_for_ratio(path("a.png"), path("a@2x.png"), false);
    EXPECT_EQ(plain.size(), QSize(10, 6));
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);

    const QImage missing = load_image_for_ratio(path("a.png"), path("none@2x.png"), true);
    EXPECT_EQ(missing.size(), QSize(10, 6)) << "a missing double-size file falls back";
    EXPECT_EQ(missing.devicePixelRatio(), 1.0);

    write("b.png", {10, 6});
    write("b@2x.png", {20, 13});
    EXPECT_EQ(load_image_for_ratio(path("b.png"), path("b@2x.png"), true).size(), QSize(10, 6))
        << "a damaged double-size file falls back";
    QFile(path("c@2x.png")).open(QIODevice::WriteOnly);
    EXPECT_EQ(load_image_for_ratio(path("a.png"), path("c@2x.png"), true).size(), QSize(10, 6))
        << "an empty double-size file falls back";
    EXPECT_TRUE(load_image_for_ratio(path("none.png"), path("a@2x.png"), true).isNull())
        << "without the plain image, nothing";
}

TEST(ToolkitImages, MissingImagesAreNullAndDrawNothingRegisteredOnesLoadOnce) {
    const QImage& missing = toolkit_image(4242);
    EXPECT_TRUE(missing.isNull());
    Surface s(10, 10);
    s.blit(0, 0, missing, 0, 0, 10, 10);
    s.stretch_blit(0, 0, 10, 10, missing, 0, 0, 1, 1);
    EXPECT_EQ(s.image().pixel(5, 5), QColor(Qt::white).rgb());
    if (!artwork_registered()) GTEST_SKIP() << "no artwork built";
    const QImage& face = toolkit_image(image_id::ButtonNormal);
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.height(), 24);
    EXPECT_GE(face.width(), 5 * 34) << "five slices";
    EXPECT_EQ(&toolkit_image(image_id::ButtonNormal), &face) << "cached";
    EXPECT_EQ(toolkit_image(13466).size(), QSize(32, 32)) << "message box icon from picmain";
}

// The faces of a button and a ticked check box drawn at either ratio: the double-size artwork is
// chosen above ratio one (an enlargement would have no mixed blocks), shows the same face and
// lands in the same place.
TEST(ToolkitImagesAtRatio, ControlsDrawTheSameArtworkWithFinerEdgesInPlace) {
    if (!artwork_registered()) GTEST_SKIP() << "no artwork built";
    auto face = [](int ratio) {
        ScopedSurfaceRatio at(ratio);
        std::unique_ptr<Button> b(
            Button::create(nullptr, 0, 0, QString(), 12, nullptr, nullptr, QString(), -1, 0));
        return device_pixels(b->surface().image());
    };
    const QImage plain = face(1), doubled = face(2);
    ASSERT_EQ(doubled.size(), plain.size() * 2);
    EXPECT_GT(mixed_blocks(doubled.copy(0, 0, 20, 48), 2), 6)
        << "the rounded end is drawn, not enlarged";
    // Each logical pixel's average over its device pixels, compared with the plain face's left
    // cap (a rounded end).
    const QImage average =
        doubled.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int most = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 10; ++x)
            most = std::max(most, std::abs(qGray(average.pixel(x, y)) - qGray(plain.pixel(x, y))));
    EXPECT_LT(most, 60) << "the same face";

    auto box = [](int ratio) {
        ScopedSurfaceRatio at(ratio);
        std::unique_ptr<CheckBox> c(
            CheckBox::create(nullptr, nullptr, QString(), 0, 0, -1, 0, true, nullptr));
        return device_pixels(c->surface().image());
    };
    const QImage plain_box = box(1), doubled_box = box(2);
    const QRect mark(3, 3, 10, 10); // inside the white box, under the tick
    const InkCount one = count_ink(plain_box, mark, 200);
    const InkCount two = count_ink(doubled_box, QRect(6, 6, 20, 20), 200);
    ASSERT_GT(one.ink, 4);
    EXPECT_NEAR(double(two.ink) / one.ink, 4.0, 1.6) << "the whole tick, on the same place";
    const QRect box1 = ink_box(plain_box.copy(mark), 100),
                box2 = ink_box(doubled_box.copy(6, 6, 20, 20), 100);
    EXPECT_NEAR(box2.center().x(), 2 * box1.center().x(), 2);
    EXPECT_NEAR(box2.center().y(), 2 * box1.center().y(), 2);
}

} // namespace
