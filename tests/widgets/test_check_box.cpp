// CheckBox and RadioButton: the value cycle, cancelled presses, keyboard toggling, caption
// wrapping, and the controls on the offscreen platform.
#include "check_box.h"
#include "radio_button.h"

#include "poll.h"
#include <QTest>
#include <gmock/gmock.h>

namespace {

// Pressed and released, the value runs 0 (unchecked), 1, 2 (checked), 3 and back to 0, each
// release reporting; leaving with the button down cancels the press; the key settles any value
// (unchecked and checked swap, pressed ones become checked).
TEST(CheckBoxBehaviour, PressAndReleaseCycleLeavingCancelsAndTheKeySettles) {
    CheckBoxBehaviour b;
    std::vector<int> seen;
    for (int click = 0; click < 2; ++click) {
        b.press();
        seen.push_back(b.value);
        EXPECT_TRUE(b.release().notify);
        seen.push_back(b.value);
    }
    EXPECT_THAT(seen, ::testing::ElementsAre(1, 2, 3, 0));
    for (int start : {0, 2}) {
        CheckBoxBehaviour c;
        c.value = start;
        c.mouse_move();
        c.press();
        EXPECT_FALSE(c.end_hover().notify);
        EXPECT_EQ(c.value, start);
    }
    for (auto [from, to] : {std::pair{0, 2}, {2, 0}, {1, 2}, {3, 2}}) {
        CheckBoxBehaviour b;
        b.value = from;
        EXPECT_TRUE(b.toggle_key().notify);
        EXPECT_EQ(b.value, to) << from;
    }
}

// Hover starts once and reports the hint; a disabled or locked box beeps at a press and stays
// put, and neither it nor a greyed one hovers.
TEST(CheckBoxBehaviour, HoverAndTheDisabledLockedAndGreyedBoxes) {
    CheckBoxBehaviour b;
    b.hint_id = 9;
    const ChoiceEffects fx = b.mouse_move();
    EXPECT_TRUE(fx.start_hover_timer && fx.end_other_hover);
    EXPECT_EQ(fx.hint, 9);
    EXPECT_FALSE(b.mouse_move().start_hover_timer);
    for (int kind = 0; kind < 3; ++kind) {
        CheckBoxBehaviour c;
        (kind == 0 ? c.enabled : kind == 1 ? c.locked : c.greyed) = kind != 0;
        EXPECT_FALSE(c.mouse_move().start_hover_timer) << kind;
        if (kind == 2) continue;
        EXPECT_TRUE(c.press().beep);
        EXPECT_FALSE(c.release().notify);
        EXPECT_EQ(c.value, 0);
    }
}

// A caption breaks at the last space before the overflow (the space dropped), or else where the
// width ends.
TEST(CaptionWrap, BreaksAtTheLastSpaceBeforeTheOverflowOrElseWhereTheWidthEnds) {
    const auto six = [](const QString& s) { return int(s.size()) * 6; };
    const QString caption = QStringLiteral("Exclude completed Kanji from Individual Exercises");
    CaptionLines lines = wrap_caption(caption, 30 * 6, six); // the 31st character overflows
    EXPECT_EQ(lines.first, "Exclude completed Kanji from");
    EXPECT_EQ(lines.second, "Individual Exercises");
    lines = wrap_caption(QStringLiteral("Donotshowthiswarningagain."), 10 * 6, six);
    EXPECT_EQ(lines.first, "Donotshowt");
    EXPECT_EQ(lines.second, "hiswarningagain.");
    EXPECT_FALSE(wrap_caption(QStringLiteral("Show Kanji Meanings"), 19 * 6, six).wrapped());
}

// Clicks and Space toggle (a press takes the focus), a disabled box passes the focus on, a radio
// button reports only a new selection; a caption too wide for the width wraps onto a second line.
TEST(ChoiceControls, ClickAndSpaceToggleADisabledBoxPassesTheFocusOnARadioReportsOnce) {
    QWidget host;
    host.setGeometry(100, 100, 600, 200);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    std::vector<bool> changes;
    const auto make_box = [&](const QString& caption, int max_width = -1) {
        return CheckBox::create(&host, nullptr, caption, 10, 10, max_width, 0, false,
                                [&](bool on) { changes.push_back(on); });
    };
    CheckBox* box = make_box(QStringLiteral("Show Kanji Meanings"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box->hasFocus());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    for (auto [key, checked] : {std::pair{Qt::Key_Space, true},
                                {Qt::Key_A, true},
                                {Qt::Key_Return, false},
                                {Qt::Key_Enter, true}}) {
        QTest::keyClick(box, key);
        EXPECT_EQ(box->checked(), checked) << key;
    }
    EXPECT_THAT(changes, ::testing::ElementsAre(true, false, true, false, true));
    CheckBox *disabled = make_box(QStringLiteral("A")), *next = make_box(QStringLiteral("B"));
    disabled->set_tab_order(next, next);
    disabled->set_enabled(false);
    disabled->focus();
    EXPECT_TRUE(next->hasFocus());
    std::vector<int> selections;
    RadioButton* radio = RadioButton::create(&host, nullptr, QStringLiteral("Meaning"), 10, 40, -1,
                                             false, true, [&](int v) { selections.push_back(v); });
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_THAT(selections, ::testing::ElementsAre(1));
    EXPECT_TRUE(radio->selected());
    CheckBox* wrapped = make_box(QStringLiteral("Exclude completed Kanji"), next->width());
    EXPECT_TRUE(wrapped->caption_lines().wrapped());
    EXPECT_GT(wrapped->height(), next->height());
}

} // namespace
