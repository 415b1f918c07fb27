// The splash on a screen with twice the pixels: the picture drawn at twice the size when the
// installation has it, else the plain picture enlarged (a damaged installation still starts).
#include "screen_fixture.h"
#include "splash.h"

#include "ratio_support.h"

#include <QDir>
#include <QFile>

namespace {

class SplashRatioTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Splash_SetMinimumDuration(0);
    }
    void TearDown() override {
        Splash_SetMinimumDuration(-1);
        ScreenTest::TearDown();
    }
    // The splash as a screen of ratio 2 shows it (device pixels).
    static QImage shown_splash() {
        ScopedSurfaceRatio at(2);
        QWidget owner;
        Splash_Show(&owner);
        QWidget* splash = Splash_Window();
        EXPECT_NE(splash, nullptr);
        QImage shown(QSize(kSplashWidth, kSplashHeight) * 2, QImage::Format_RGB32);
        shown.setDevicePixelRatio(2);
        shown.fill(Qt::magenta);
        if (splash) splash->render(&shown);
        Splash_Close();
        return device_pixels(shown);
    }
};

TEST_F(SplashRatioTest, ShowsThePictureDrawnAtTwiceTheSize) {
    const QImage big(QStringLiteral("res/splash@2x.bmp"));
    ASSERT_EQ(big.size(), QSize(kSplashWidth, kSplashHeight) * 2);
    EXPECT_EQ(shown_splash(), device_pixels(big));
}

TEST_F(SplashRatioTest, WithoutThatPictureShowsThePlainOneEnlarged) {
    // The working folder's res/ is a link to the installation's: put a copy without the double
    // size picture in its place.
    const QString plain_file = QFileInfo(QStringLiteral("res/splash.bmp")).canonicalFilePath();
    ASSERT_FALSE(plain_file.isEmpty());
    ASSERT_TRUE(QFile::remove(QStringLiteral("res")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("res")));
    ASSERT_TRUE(QFile::copy(plain_file, QStringLiteral("res/splash.bmp")));
    const QImage plain(QStringLiteral("res/splash.bmp"));
    EXPECT_EQ(shown_splash(), nearest_enlargement(plain, 2));

    ASSERT_TRUE(QFile::remove(QStringLiteral("res/splash.bmp")));
    const QImage blank = shown_splash();
    EXPECT_EQ(blank.pixel(100, 100), qRgb(255, 255, 255)) << "no picture: a blank splash";
    EXPECT_EQ(blank.pixel(723, 493), qRgb(255, 255, 255));
}

} // namespace
