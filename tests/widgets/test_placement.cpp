// Window placement: centring, offsets and the work-area clamps; remembering an offset.
#include "options.h"
#include "placement.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <gmock/gmock.h>

namespace {

const QRect kWorkArea(0, 0, 1024, 740); // a task bar below

TEST(PlaceWindow, CentresOnTheReferenceRoundingDown) {
    const QRect ref(100, 80, 672, 499);
    const QPoint p = place_window(kCentreOnReference, 0, 301, 200, ref, kWorkArea);
    EXPECT_EQ(p, QPoint(100 + (672 - 301) / 2, 80 + (499 - 200) / 2));
}

TEST(PlaceWindow, CentringAWiderWindowRoundsTowardsTheLeft) {
    const QRect ref(300, 300, 100, 100);
    const QPoint p = place_window(kCentreOnReference, 0, 201, 101, ref, kWorkArea);
    EXPECT_EQ(p, QPoint(300 - 51, 300 - 1)); // -101 / 2 and -1 / 2, rounded down
}

TEST(PlaceWindow, OffsetsFromTheReferenceTopLeft) {
    const QRect ref(100, 80, 672, 499);
    EXPECT_EQ(place_window(40, 30, 200, 100, ref, kWorkArea), QPoint(140, 110));
}

TEST(PlaceWindow, ClampsFourPixelsInsideTheWorkArea) {
    const QRect ref(-300, -200, 400, 300); // partly off screen
    const QPoint centred = place_window(kCentreOnReference, 0, 300, 250, ref, kWorkArea);
    EXPECT_EQ(centred, QPoint(4, 4));

    const QRect right(900, 600, 400, 300);
    const QPoint p = place_window(100, 100, 300, 250, right, kWorkArea);
    EXPECT_EQ(p.x(), 1024 - 300 - 4);
    EXPECT_EQ(p.y(), 740 - 250 - 4);
}

TEST(PlaceWindow, AWindowWiderThanTheWorkAreaEndsFourInsideItsRightEdge) {
    const QRect ref(0, 0, 200, 200);
    const QPoint p = place_window(kCentreOnReference, 0, 1100, 100, ref, kWorkArea);
    EXPECT_EQ(p.x() + 1100, 1024 - 4) << "the right clamp comes last";
}

TEST(PlaceWindow, OffsetsAtTheEndsOfTheirRangeStillLandInsideTheWorkArea) {
    // A damaged options file may hold any offset; the sum with the reference must not wrap.
    const QRect ref(100, 80, 672, 499);
    EXPECT_EQ(place_window(INT_MAX, INT_MAX, 300, 250, ref, kWorkArea),
              QPoint(1024 - 300 - 4, 740 - 250 - 4));
    EXPECT_EQ(place_window(INT_MIN + 1, INT_MIN, 300, 250, ref, kWorkArea), QPoint(4, 4));
    EXPECT_EQ(place_window(INT_MAX, INT_MIN, 300, 250, QRect(INT_MAX - 10, 0, 5, 5), QRect()),
              QPoint(INT_MAX, INT_MIN))
        << "without a work area, the nearest position";
}

TEST(RememberWindowOffset, StoresLeftAndTopRelativeToTheReference) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Options_Clear();
    QWidget reference, window;
    reference.setGeometry(200, 150, 300, 200);
    window.setGeometry(260, 120, 100, 80);
    remember_window_offset(&window, &reference, OptReviewOffset);
    const QPoint offset = window.frameGeometry().topLeft() - reference.frameGeometry().topLeft();
    EXPECT_EQ(get_option_slot(OptReviewOffset), offset.x());
    EXPECT_EQ(get_option_slot(OptReviewOffset + 1), offset.y());
    Options_Clear();
    QDir::setCurrent(previous);
}

} // namespace
