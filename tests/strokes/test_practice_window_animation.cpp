// The practice window's animation (run under ThreadSanitizer by make test-tsan): the button held
// while it runs, stopped and waited for by every action that draws into the box, at a corner's
// pause or at its normal end, and by closing the window.
#include "test_practice_window_fixture.h"

#include "ratio_support.h"

#include <QEvent>
#include <QTimer>

namespace {

// Under ThreadSanitizer the window does not paint: Qt hands the conversion of a whole window's
// picture to a thread pool of its own, whose hand-over through Qt Core's futex locks the
// sanitizer cannot see. The box's canvas is read back directly instead, and the worker's drawing
// beside the box's painting is checked with the box alone (test_stroke_animation.cpp).
class PracticeWindowStrokeAnimation : public PracticeWindowTest {
  protected:
    void open(const std::vector<int>& list) {
        PracticeWindowTest::open(list);
        if (w()) w()->setUpdatesEnabled(false);
    }

    // The worker waits in the first pause of `ms` until the animation is asked to stop.
    void hold_in_pause(int ms) {
        clock.on_pause = [this, ms](int pause) {
            if (pause != ms || held_once.exchange(true)) return;
            holding = true;
            while (animation->running())
                std::this_thread::yield();
            holding = false;
            stop_seen_hidden = hidden.load();
        };
    }
    void start_animation() {
        animation = &w()->animation();
        press(w()->animation_button());
    }

    StrokeAnimation* animation = nullptr;
    std::atomic<bool> held_once{false};
    std::atomic<bool> holding{false};
    std::atomic<bool> hidden{false};
    std::atomic<bool> stop_seen_hidden{false};
};

TEST_F(PracticeWindowStrokeAnimation, ShowStrokesStopsItDuringACornerPause) {
    open({kanji_with_corner()});
    hold_in_pause(animation_pause::Corner);
    start_animation();
    EXPECT_TRUE(w()->animation_button()->behaviour().held);
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    ASSERT_TRUE(wait_until([&] { return holding.load(); }, 10000));
    press(w()->animation_button()); // held: a second start is not possible
    press(w()->show_button());
    EXPECT_FALSE(animation->running());
    EXPECT_FALSE(holding.load()) << "the worker has left its pause";
    EXPECT_FALSE(w()->animation_button()->behaviour().held);
    EXPECT_TRUE(w()->show_button()->behaviour().held);
    QCoreApplication::processEvents(); // repaints the worker asked for change nothing now
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image()), 0);
}

TEST_F(PracticeWindowStrokeAnimation, AtTheNormalEndTheButtonIsReleasedAndThePictureStays) {
    open({kanji_with_corner(), 20});
    start_animation();
    ASSERT_TRUE(wait_until(
        [&] { return !animation->running() && !w()->animation_button()->behaviour().held; },
        10000));
    const Surface finished = box_picture();
    const StrokePoint& end = w()->strokes().stroke(0).back();
    EXPECT_EQ(pixel_at(finished, end.x, end.y), RGB(128, 0, 0)) << "drawn in the stroke pen";
    EXPECT_FALSE(w()->show_button()->behaviour().held);
    // Practice after it draws the template; another kanji shows its strokes.
    press(w()->practice_button());
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawTracingTemplate).image()), 0);
    start_animation(); // leaves practice mode first
    EXPECT_FALSE(w()->checker().practice_mode());
    EXPECT_FALSE(w()->practice_button()->behaviour().held);
    press(w()->next_button());
    EXPECT_FALSE(animation->running());
    EXPECT_EQ(w()->kanji(), 20);
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image()), 0);
}

TEST_F(PracticeWindowStrokeAnimation, PracticeStopsItFirst) {
    open({kanji_with_corner()});
    hold_in_pause(animation_pause::Marker);
    start_animation();
    ASSERT_TRUE(wait_until([&] { return holding.load(); }, 10000));
    press(w()->practice_button());
    EXPECT_FALSE(animation->running());
    EXPECT_TRUE(w()->checker().practising());
    EXPECT_FALSE(w()->animation_button()->behaviour().held);
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawTracingTemplate).image()), 0);
}

TEST_F(PracticeWindowStrokeAnimation, ClosingHidesTheWindowAtOnceAndDestroysItAfterTheWorker) {
    open({kanji_with_corner()});
    class HideWatch : public QObject {
      public:
        explicit HideWatch(std::atomic<bool>& flag) : flag_(flag) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Hide) flag_ = true;
            return false;
        }

      private:
        std::atomic<bool>& flag_;
    } watch(hidden);
    w()->installEventFilter(&watch);
    hold_in_pause(animation_pause::Point);
    start_animation();
    ASSERT_TRUE(wait_until([&] { return holding.load(); }, 10000));
    QPointer<PracticeWindow> window = w();
    press(w()->exit_button());
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(stop_seen_hidden.load()) << "hidden before the worker was stopped";
    ASSERT_FALSE(window.isNull()) << "destroyed only after the close";
    EXPECT_FALSE(window->animation().running());
    window->removeEventFilter(&watch);
    EXPECT_EVENTUALLY(window.isNull());
    EXPECT_TRUE(main_window->isEnabled());
}

TEST_F(PracticeWindowStrokeAnimation, LeavingTheProgramClosesTheWindowAndStopsTheWorker) {
    open({kanji_with_corner()});
    hold_in_pause(animation_pause::Marker);
    start_animation();
    ASSERT_TRUE(wait_until([&] { return holding.load(); }, 10000));
    QPointer<PracticeWindow> window = w();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec(); // its end announces that the program leaves
    EXPECT_EQ(w(), nullptr);
    EXPECT_TRUE(window.isNull() || !window->animation().running());
    EXPECT_FALSE(holding.load()) << "the worker has left its pause";
    EXPECT_TRUE(main_window->isEnabled());
}

// On a screen with twice the pixels the worker draws into the box's finer picture: at its end the
// picture is the plain one's, in the same places, with edges finer than the plain one's; showing
// the strokes afterwards draws the full picture at that ratio.
TEST_F(PracticeWindowStrokeAnimation, AtRatioTwoTheWorkerDrawsTheFinerPicture) {
    const int kanji = kanji_with_corner();
    auto animated = [&](int ratio) {
        ScopedSurfaceRatio at(ratio);
        open({kanji});
        start_animation();
        EXPECT_TRUE(wait_until(
            [&] { return !animation->running() && !w()->animation_button()->behaviour().held; },
            10000));
        return box_picture();
    };
    const Surface plain = animated(1);
    WritingEx_Close();
    ScopedSurfaceRatio at(2);
    const Surface doubled = animated(2);
    EXPECT_EQ(doubled.ratio(), 2);
    ASSERT_EQ(doubled.image().size(), plain.image().size() * 2);
    const QImage one_image = device_pixels(plain.image()),
                 two_image = device_pixels(doubled.image());
    const InkCount one = count_ink(one_image, one_image.rect(), 255);
    const InkCount two = count_ink(two_image, two_image.rect(), 255);
    EXPECT_NEAR(double(two.ink) / one.ink, 4.0, 0.8);
    EXPECT_LT(two.edge_share(), 0.75 * one.edge_share());
    EXPECT_GT(steep_steps(two_image, two_image.rect(), 128),
              1.5 * steep_steps(one_image, one_image.rect(), 128));
    EXPECT_GT(mixed_blocks(two_image, 2), 1000);
    const QRect box1 = ink_box(one_image), box2 = ink_box(two_image);
    EXPECT_NEAR(box2.left(), 2 * box1.left(), 3);
    EXPECT_NEAR(box2.bottom(), 2 * box1.bottom(), 4);

    press(w()->show_button());
    EXPECT_EQ(differing_pixels(box_picture().image(), drawn(&DrawShownStrokes).image(), 14), 0);
}

} // namespace
