// The base of the program's top-level windows: owner relation, fixed size, title, painting from
// its surface with the caption bar and border on top, and the caption bar's close glyph.
#include "frameless_window.h"
#include "input_mode.h"
#include "palette.h"

#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <gmock/gmock.h>

namespace {

constexpr ColorRef kContents = 0x336699;

class TestWindow : public FramelessWindow {
  public:
    TestWindow(QWidget* owner) : FramelessWindow(owner, 300, 200, QStringLiteral("Review")) {
        refresh();
    }
    int renders = 0;
    std::vector<QPoint> unclaimed;

  protected:
    void render(Surface& s) override {
        ++renders;
        s.fill_rect(0, 0, s.width(), s.height(), kContents);
    }
    void unclaimed_mouse_move(QPoint p) override { unclaimed.push_back(p); }
};

ColorRef pixel(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

TEST(FramelessWindow, IsAFixedSizeFramelessWindowTitledLikeItsCaption) {
    QWidget owner;
    owner.show();
    TestWindow w(&owner);
    EXPECT_TRUE(w.isWindow());
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Review"));
    EXPECT_EQ(w.minimumSize(), QSize(300, 200));
    EXPECT_EQ(w.maximumSize(), QSize(300, 200));
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->transientParent(), owner.windowHandle());
}

TEST(FramelessWindow, StaysEnabledWhenItsOwnerIsDisabled) {
    QWidget owner;
    owner.show();
    TestWindow w(&owner);
    owner.setEnabled(false);
    EXPECT_TRUE(w.isEnabled());
}

TEST(FramelessWindow, CaptionBarAndBorderAreDrawnOverTheContents) {
    TestWindow w(nullptr);
    const Surface& s = w.surface();
    EXPECT_EQ(pixel(s, 0, 100), palette::BorderDark);
    EXPECT_EQ(pixel(s, 1, 100), palette::White);
    EXPECT_EQ(pixel(s, 150, 100), kContents);
    EXPECT_NE(pixel(s, 150, 10), kContents) << "the caption bar covers the top 20 rows";
}

TEST(FramelessWindow, MovesBelowTheCaptionBarAreTheWindowsOwn) {
    TestWindow w(nullptr);
    w.show();
    QTest::mouseMove(&w, QPoint(150, 100));
    EXPECT_THAT(w.unclaimed, ::testing::Contains(QPoint(150, 100)));
}

TEST(FramelessWindow, CloseGlyphClosesTheWindow) {
    TestWindow w(nullptr);
    w.show();
    ASSERT_TRUE(w.isVisible());
    const QPoint glyph = w.caption_bar().state().close_rect().center();
    QTest::mouseClick(&w, Qt::LeftButton, {}, glyph);
    EXPECT_FALSE(w.isVisible());
}

TEST(SwitchInputMode, AlphabeticPrefersLatinAndNativeLeavesTheMethodFree) {
    QLineEdit field;
    field.setInputMethodHints(Qt::ImhNoPredictiveText);
    switch_input_mode(InputAlphabetic, &field);
    EXPECT_TRUE(field.inputMethodHints() & Qt::ImhPreferLatin);
    EXPECT_TRUE(field.inputMethodHints() & Qt::ImhNoPredictiveText) << "other hints stay";
    switch_input_mode(InputNative, &field);
    EXPECT_FALSE(field.inputMethodHints() & Qt::ImhPreferLatin);
    EXPECT_TRUE(field.inputMethodHints() & Qt::ImhNoPredictiveText);
    switch_input_mode(InputAlphabetic, nullptr); // no field: nothing happens
}

} // namespace
