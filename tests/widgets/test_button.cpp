// Button: behaviour without pixels (hover, popup timing, hold, blink) and the control on the
// offscreen platform (clicks, cues, Enter, timers).
#include "button.h"
#include "sound_cue.h"

#include "poll.h"
#include <QElapsedTimer>
#include <QTest>
#include <gmock/gmock.h>

namespace {

const QSize kSize(80, 24);
const QPoint kInside(20, 12);

// Entering reports the hint once, leaving the general topic; a disabled button reports it at
// every move and takes neither press nor focus, a greyed one no press.
TEST(ButtonBehaviour, HintsAndTheDisabledAndGreyedButtons) {
    ButtonBehaviour b;
    b.hint_id = 7;
    EXPECT_EQ(b.mouse_move().hint, 7);
    EXPECT_EQ(b.mouse_move().hint, -1);
    const ButtonEffects left = b.hover_tick(QPoint(kSize.width() + 3, 5), 10, kSize);
    EXPECT_TRUE(left.stop_hover_timer);
    EXPECT_EQ(left.hint, 1);
    b.enable(false);
    EXPECT_EQ(b.mouse_move().hint, 7);
    EXPECT_EQ(b.mouse_move().hint, 7);
    EXPECT_FALSE(b.press().call_on_press);
    EXPECT_FALSE(b.release().call_on_click);
    EXPECT_FALSE(b.focus_in());
    ButtonBehaviour greyed;
    greyed.shown_active = false;
    EXPECT_FALSE(greyed.press().call_on_press);
}

// The popup opens after more than a second at rest over a button with an explanation, once per
// hover: a small move keeps the rest, a larger one or a press closes it and prevents another.
TEST(ButtonBehaviour, PopupOpensAfterMoreThanOneSecondAtRestOncePerHover) {
    const auto resting = [](bool explained) {
        ButtonBehaviour b;
        b.has_explanation = explained;
        b.has_on_click = true;
        b.mouse_move();
        b.hover_tick(kInside, 0, kSize);
        return b;
    };
    ButtonBehaviour b = resting(true);
    const QPoint nudge = kInside + QPoint(ButtonBehaviour::kStillRadius - 1, 0);
    EXPECT_FALSE(b.hover_tick(nudge, ButtonBehaviour::kPopupDelayMs, kSize).open_popup);
    EXPECT_TRUE(b.hover_tick(nudge, ButtonBehaviour::kPopupDelayMs + 1, kSize).open_popup);
    EXPECT_FALSE(b.hover_tick(nudge, 5000, kSize).open_popup) << "one popup per rest";
    const QPoint away = kInside + QPoint(ButtonBehaviour::kStillRadius + 1, 0);
    EXPECT_TRUE(b.hover_tick(away, 5100, kSize).close_popup);
    EXPECT_FALSE(b.hover_tick(away, 9000, kSize).open_popup) << "none until the mouse leaves";
    b = resting(true);
    b.press();
    EXPECT_FALSE(b.hover_tick(kInside, 2000, kSize).open_popup) << "pressed";
    EXPECT_FALSE(resting(false).hover_tick(kInside, 5000, kSize).open_popup) << "unexplained";
}

// Blinking alternates the phases while the button is normal; hovering holds the phase, a held
// button neither blinks nor takes input, and a click ends the blinking.
TEST(ButtonBehaviour, BlinksOnlyWhileNormalNotWhileHeldAndAClickStopsIt) {
    ButtonBehaviour b;
    b.has_on_click = true;
    EXPECT_TRUE(b.attention(true).start_blink_timer);
    EXPECT_FALSE(b.attention(true).start_blink_timer) << "already blinking";
    ASSERT_TRUE(b.blink_tick().repaint);
    EXPECT_EQ(b.blink, 2);
    b.blink_tick();
    EXPECT_EQ(b.blink, 1);
    b.hold(-1);
    EXPECT_EQ(b.state, 2);
    EXPECT_FALSE(b.blink_tick().repaint);
    EXPECT_EQ(b.blink, 1) << "the phase stays while held";
    EXPECT_FALSE(b.press().call_on_press);
    EXPECT_FALSE(b.release().call_on_click);
    EXPECT_FALSE(b.mouse_move().start_hover_timer);
    b.leave();
    EXPECT_EQ(b.state, 2) << "leaving does not end a hold";
    b.enable(false);
    b.hold(0);
    EXPECT_TRUE(b.enabled) << "releasing a hold enables";
    EXPECT_EQ(b.state, 0);
    EXPECT_TRUE(b.blink_tick().repaint) << "released, it blinks again";
    b.mouse_move();
    EXPECT_FALSE(b.blink_tick().repaint) << "hovering holds the phase";
    EXPECT_TRUE(b.press().stop_blink_timer);
    EXPECT_TRUE(b.release().stop_blink_timer);
    EXPECT_EQ(b.blink, 0);
}

// A click plays the press and release cues and runs the command, unless released away; Enter
// shows the button pressed for a moment, then clicks and stops the blinking that the timer
// alternates; a timed hold releases itself.
TEST(ButtonControl, ClickCuesEnterTheBlinkTimerAndATimedHold) {
    std::vector<std::string> cues;
    SoundCue_SetPlayer([&](const std::string& path) { cues.push_back(path); });
    QWidget host;
    host.setGeometry(200, 200, 400, 100); // away from the screen corner
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    int clicks = 0;
    const auto make = [&] {
        return Button::create(
            &host, 10, 10, QStringLiteral("Start"), 12, nullptr, [&] { ++clicks; }, {}, -1, 0);
    };
    Button* b = make();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    SoundCue_SetPlayer({});
    EXPECT_EQ(clicks, 1);
    EXPECT_THAT(cues, ::testing::ElementsAre("res/2.wav", "res/6.wav"));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(b->width() + 20, 5));
    EXPECT_EQ(clicks, 1);
    b = make(); // not hovered
    b->attention(true);
    ASSERT_EVENTUALLY(b->behaviour().blink == 2);
    ASSERT_EVENTUALLY(b->behaviour().blink == 1);
    ASSERT_TRUE(b->hasFocus());
    QElapsedTimer t;
    t.start();
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_GE(t.elapsed(), 150);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(b->behaviour().blink, 0);
    b->hold(30);
    EXPECT_EQ(b->state(), 2);
    ASSERT_EVENTUALLY(!b->behaviour().held);
    EXPECT_EQ(b->state(), 0);
}

// A held or disabled button shows no hover; Tab and Shift+Tab follow the button's own order, and
// a right click gives it the focus without clicking it.
TEST(ButtonControl, NoHoverWhileHeldOrDisabledTabOrderAndARightClickFocuses) {
    for (bool held : {true, false}) {
        ButtonBehaviour b;
        held ? b.hold(-1) : b.enable(false);
        const int look = b.state; // pressed while held, -1 while disabled
        EXPECT_FALSE(b.mouse_move().repaint);
        EXPECT_EQ(b.state, look);
    }
    QWidget host;
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    int clicks = 0;
    Button* b[3];
    for (int i = 0; i < 3; ++i)
        b[i] = Button::create(
            &host, 10, 10 + 30 * i, QStringLiteral("B"), 12, nullptr, [&] { ++clicks; }, {}, -1, 0);
    b[1]->set_tab_order(b[0], b[2]); // next is the first, previous the last
    b[1]->focus();
    QTest::keyClick(b[1], Qt::Key_Tab);
    EXPECT_TRUE(b[0]->hasFocus());
    b[1]->focus();
    QTest::keyClick(b[1], Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(b[2]->hasFocus());
    QTest::mouseClick(b[1], Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(b[1]->hasFocus());
    EXPECT_EQ(clicks, 0);
}

} // namespace
