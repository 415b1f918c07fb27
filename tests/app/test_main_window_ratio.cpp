// The main window on a screen with twice the pixels: its picture is twice as large each way,
// laid out as at ratio 1, and its captions, kanji, list and artwork are drawn at the finer
// resolution rather than enlarged.
#include "main_window.h"
#include "options.h"
#include "screen_fixture.h"

#include "ratio_support.h"

#include <QTest>

namespace {

class MainWindowRatioTest : public ScreenTest {
  protected:
    // The whole window as a screen of `ratio` shows it (device pixels).
    static QImage window_picture(int ratio) {
        ScopedSurfaceRatio at(ratio);
        Options_Load();
        std::unique_ptr<MainWindow> w(new MainWindow);
        w->build();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QImage picture(w->size() * ratio, QImage::Format_RGB32);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::magenta);
        static_cast<QWidget*>(w.get())->render(&picture);
        return device_pixels(picture);
    }
};

TEST_F(MainWindowRatioTest, AtRatioTwoEverythingIsDrawnAtTwiceTheResolution) {
    const QImage plain = window_picture(1);
    const QImage doubled = window_picture(2);
    ASSERT_EQ(doubled.size(), plain.size() * 2);
    EXPECT_EQ(doubled.pixelColor(0, 0), plain.pixelColor(0, 0)) << "the window border";
    EXPECT_EQ(doubled.pixelColor(1, 1), plain.pixelColor(0, 0)) << "two device pixels thick";

    // Brought back to the plain size, the picture is the plain one but for antialiasing: the
    // layout is the same.
    const QImage reduced =
        doubled.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int far_off = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            far_off += std::abs(qGray(reduced.pixel(x, y)) - qGray(plain.pixel(x, y))) > 96;
    EXPECT_LT(far_off, plain.width() * plain.height() / 100) << "the same layout";

    // Sharp, not enlarged, in the status panel's lines of text on its white inside: as steep
    // steps across twice the edge length (a smoothed enlargement has hardly a steep step), and
    // the device pixels of a logical pixel differ along the edges (never in a plain enlargement).
    const QRect text(206, 52, 150, 66);
    const QRect text2(text.topLeft() * 2, text.size() * 2);
    const int steps1 = steep_steps(plain, text, 128);
    ASSERT_GT(steps1, 300) << "the panel's text is there";
    EXPECT_GT(steep_steps(doubled, text2, 128), 1.5 * steps1);
    EXPECT_GT(mixed_blocks(doubled.copy(text2), 2), 400);
}

} // namespace
