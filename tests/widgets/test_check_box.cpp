// CheckBox and RadioButton: the value cycle, cancelled presses, keyboard toggling, radio
// re-selection, caption wrapping and sizing, and the controls on the offscreen platform.
#include "check_box.h"
#include "radio_button.h"

#include "poll.h"

#include <QTest>
#include <gmock/gmock.h>

namespace {

constexpr int kCharWidth = 6;
int fixed_width(const QString& s) {
    return int(s.size()) * kCharWidth;
}

TEST(CheckBoxBehaviour, PressAndReleaseCycleThroughTheFourValues) {
    CheckBoxBehaviour b;
    std::vector<int> seen;
    std::vector<bool> reported;
    for (int click = 0; click < 2; ++click) {
        b.press();
        seen.push_back(b.value);
        ChoiceEffects fx = b.release();
        seen.push_back(b.value);
        ASSERT_TRUE(fx.notify);
        reported.push_back(b.checked());
    }
    EXPECT_THAT(seen, ::testing::ElementsAre(1, 2, 3, 0));
    EXPECT_THAT(reported, ::testing::ElementsAre(true, false));
}

TEST(CheckBoxBehaviour, LeavingWithTheButtonDownCancelsThePress) {
    CheckBoxBehaviour unchecked;
    unchecked.mouse_move();
    unchecked.press();
    ChoiceEffects fx = unchecked.end_hover();
    EXPECT_EQ(unchecked.value, 0);
    EXPECT_FALSE(fx.notify);
    EXPECT_FALSE(unchecked.hovered);

    CheckBoxBehaviour checked;
    checked.value = 2;
    checked.press();
    checked.end_hover();
    EXPECT_EQ(checked.value, 2);
}

// The key settles any value: unchecked and checked swap, pressed ones become checked.
TEST(CheckBoxBehaviour, KeyToggleSettlesAnyValue) {
    const std::pair<int, int> cases[] = {{0, 2}, {2, 0}, {1, 2}, {3, 2}};
    for (auto [from, to] : cases) {
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
    ChoiceEffects fx = b.mouse_move();
    EXPECT_TRUE(fx.start_hover_timer);
    EXPECT_TRUE(fx.end_other_hover);
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

TEST(RadioBehaviour, SelectingReportsOnceAndReselectingNothing) {
    RadioBehaviour r;
    r.press();
    EXPECT_EQ(r.value, 1);
    EXPECT_TRUE(r.release().notify);
    EXPECT_EQ(r.value, 2);

    r.press();
    EXPECT_EQ(r.value, 3);
    EXPECT_FALSE(r.release().notify) << "a selected button reports nothing";
    EXPECT_EQ(r.value, 3) << "its pressed look ends when the mouse leaves";
    r.end_hover();
    EXPECT_EQ(r.value, 2);

    RadioBehaviour disabled;
    disabled.enabled = false;
    EXPECT_TRUE(disabled.press().beep);
    EXPECT_FALSE(disabled.release().notify);
}

TEST(CaptionWrap, BreaksAtTheLastSpaceBeforeTheOverflowOrElseWhereTheWidthEnds) {
    const QString caption = QStringLiteral("Exclude completed Kanji from Individual Exercises");
    const int threshold = 30 * kCharWidth; // the 31st character overflows
    CaptionLines lines = wrap_caption(caption, threshold, fixed_width);
    const int expected_break = int(caption.left(30).lastIndexOf(u' '));
    EXPECT_EQ(lines.break_index, expected_break);
    EXPECT_EQ(lines.first, caption.left(expected_break));
    EXPECT_EQ(lines.second, caption.mid(expected_break + 1)) << "the space is dropped";

    const QString unbroken = QStringLiteral("Donotshowthiswarningagain.");
    lines = wrap_caption(unbroken, 10 * kCharWidth, fixed_width);
    EXPECT_EQ(lines.first, unbroken.left(10));
    EXPECT_EQ(lines.second, unbroken.mid(10));

    const QString fits = QStringLiteral("Show Kanji Meanings");
    lines = wrap_caption(fits, fixed_width(fits), fixed_width);
    EXPECT_FALSE(lines.wrapped());
    EXPECT_EQ(lines.first, fits);
    EXPECT_EQ(lines.break_index, 0);
}

class ChoiceControls : public ::testing::Test {
  protected:
    void SetUp() override {
        host.setGeometry(100, 100, 600, 200);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }
    CheckBox* make_box(const QString& caption, int max_width = -1) {
        return CheckBox::create(&host, nullptr, caption, 10, 10, max_width, 0, false,
                                [this](bool on) { changes.push_back(on); });
    }
    QWidget host;
    std::vector<bool> changes;
};

TEST_F(ChoiceControls, SizesFollowTheCaption) {
    const QString caption = QStringLiteral("Automatically progress to next kanji");
    CheckBox* one_line = make_box(caption);
    EXPECT_EQ(one_line->height(), 16);
    EXPECT_EQ(one_line->width(), Surface().text_width(caption, ChoiceControl::caption_font()) + 22);

    CheckBox* wrapped = make_box(caption, one_line->width() - 40);
    EXPECT_EQ(wrapped->width(), one_line->width() - 40);
    EXPECT_EQ(wrapped->height(), 30);
    EXPECT_TRUE(wrapped->caption_lines().wrapped());

    CheckBox* bare = make_box({});
    EXPECT_EQ(bare->size(), QSize(14, 14));

    RadioButton* radio = RadioButton::create(&host, nullptr, caption, 10, 60, -1, false, true, {});
    EXPECT_EQ(radio->width(), one_line->width() - 22 + 19);
}

TEST_F(ChoiceControls, ClickAndSpaceToggleADisabledBoxPassesTheFocusOnARadioReportsOnce) {
    CheckBox* box = make_box(QStringLiteral("Show Kanji Meanings"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(box->checked());
    EXPECT_TRUE(box->hasFocus()) << "a press takes the focus";
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_THAT(changes, ::testing::ElementsAre(true, false));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_THAT(changes, ::testing::ElementsAre(true, false, true));
    EXPECT_TRUE(box->checked());
    CheckBox* disabled = make_box(QStringLiteral("A"));
    CheckBox* next = make_box(QStringLiteral("B"));
    disabled->set_tab_order(next, next);
    disabled->set_enabled(false);
    disabled->focus();
    EXPECT_TRUE(next->hasFocus());
    std::vector<int> selections;
    RadioButton* radio = RadioButton::create(&host, nullptr, QStringLiteral("Meaning"), 10, 40, -1,
                                             false, true, [&](int v) { selections.push_back(v); });
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_THAT(selections, ::testing::ElementsAre(1)) << "only a new selection is reported";
    EXPECT_TRUE(radio->selected());
    radio->set_checked(false);
    EXPECT_FALSE(radio->selected());
}

TEST_F(ChoiceControls, PressInsideReleaseOutsideLeavesTheValue) {
    CheckBox* box = make_box(QStringLiteral("Show Kanji Meanings"));
    const QPoint inside(5, 5);
    QCursor::setPos(box->mapToGlobal(inside));
    if (box->mapFromGlobal(QCursor::pos()) != inside) GTEST_SKIP() << "no cursor positioning";
    QTest::mouseMove(box, inside);
    ASSERT_TRUE(box->behaviour().hovered);
    QTest::mousePress(box, Qt::LeftButton, {}, inside);
    EXPECT_EQ(box->behaviour().value, 1);

    const QPoint outside(box->width() + 30, 5);
    QCursor::setPos(box->mapToGlobal(outside));
    ASSERT_EVENTUALLY(!box->behaviour().hovered);
    QTest::mouseRelease(box, Qt::LeftButton, {}, outside);
    EXPECT_EQ(box->behaviour().value, 0);
    EXPECT_TRUE(changes.empty());
}

} // namespace
