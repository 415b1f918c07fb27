// The windows' pieces: FramelessWindow, the base of the program's top-level windows (owner
// relation, fixed size, title, painting from its surface with the caption bar and border on
// top); CaptionBar (the glyph and bar states without pixels, the drag on a real window,
// translucent while moving but never the main window, and the title colours); GroupFrame's
// ring-shaped window and Panel's input; what a screen reader is told.
#include "button.h"
#include "caption_bar.h"
#include "check_box.h"
#include "frameless_window.h"
#include "group_frame.h"
#include "hint.h"
#include "palette.h"
#include "panel.h"
#include "radio_button.h"
#include "text_display.h"

#include "poll.h"

#include <QAccessible>
#include <QAccessibleInterface>
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

TEST(FramelessWindow, AFixedSizeOwnedWindowTitledLikeItsCaptionDrawnUnderItsBarAndBorder) {
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
    owner.setEnabled(false);
    EXPECT_TRUE(w.isEnabled()) << "enabled while its owner is not";
    owner.setEnabled(true);
    // It draws its caption bar and border over the contents and closes from its glyph.
    const Surface& s = w.surface();
    EXPECT_EQ(pixel(s, 0, 100), palette::BorderDark);
    EXPECT_EQ(pixel(s, 1, 100), palette::White);
    EXPECT_EQ(pixel(s, 150, 100), kContents);
    EXPECT_NE(pixel(s, 150, 10), kContents) << "the caption bar covers the top 20 rows";
    w.show();
    QTest::mouseMove(&w, QPoint(150, 100));
    EXPECT_THAT(w.unclaimed, ::testing::Contains(QPoint(150, 100))) << "moves below the bar";
    ASSERT_TRUE(w.isVisible());
    const QPoint glyph = w.caption_bar().state().close_rect().center();
    QTest::mouseClick(&w, Qt::LeftButton, {}, glyph);
    EXPECT_FALSE(w.isVisible());
}

QString said(QWidget* w, QAccessible::Text what) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(what) : QStringLiteral("<no interface>");
}

// What a screen reader is told: a window's title, each control's caption as its name and a
// button's explanation as its description.
TEST(Accessibility, WindowsAndControlsSayWhatTheyShow) {
    TestWindow window(nullptr);
    Button* exit = Button::create(
        &window, 10, 30, QStringLiteral("Exit"), 12, nullptr, [] {},
        QStringLiteral("Click to exit Brushwise"), 17, 0);
    CheckBox* check = CheckBox::create(&window, nullptr, QStringLiteral("Show Kanji Meanings"), 10,
                                       60, 500, 0, false, nullptr);
    RadioButton* radio = RadioButton::create(&window, nullptr, QStringLiteral("ON Pronunciation"),
                                             10, 90, 500, false, true, nullptr);
    TextDisplay* shown =
        TextDisplay::create(&window, 10, 120, 200, 60, QStringLiteral("水"), false, -7, 2);
    window.show();
    EXPECT_EQ(said(&window, QAccessible::Name), "Review");
    EXPECT_EQ(said(exit, QAccessible::Name), "Exit");
    EXPECT_EQ(said(exit, QAccessible::Description), "Click to exit Brushwise");
    EXPECT_EQ(said(check, QAccessible::Name), "Show Kanji Meanings");
    EXPECT_EQ(said(radio, QAccessible::Name), "ON Pronunciation");
    EXPECT_EQ(said(shown, QAccessible::Name), "水");
    shown->set_text(QStringLiteral("火"));
    EXPECT_EQ(said(shown, QAccessible::Name), "火") << "the name follows the text shown";
}

constexpr int kWidth = 300;
constexpr int kHeight = 20;

class CaptionBarStateTest : public ::testing::Test {
  protected:
    CaptionBarState main{kWidth, kHeight, true};
    CaptionBarState other{kWidth, kHeight, false};
    QPoint close_point() const { return main.close_rect().center(); }
    QPoint minimise_point() const { return main.minimise_rect().center(); }
    QPoint title_point() const { return {100, 10}; }
};

TEST_F(CaptionBarStateTest, GlyphRectanglesExcludeTheirRightAndBottomEdges) {
    // The close glyph spans (w - 25, 4) to (w - 6, 18), right and bottom excluded.
    EXPECT_TRUE(main.on_close({kWidth - 25, 4}));
    EXPECT_TRUE(main.on_close({kWidth - 7, 17}));
    EXPECT_FALSE(main.on_close({kWidth - 6, 10}));
    EXPECT_FALSE(main.on_close({kWidth - 10, 18}));
    EXPECT_TRUE(main.on_minimise({kWidth - 44, 4}));
    EXPECT_FALSE(main.on_minimise({kWidth - 26, 10}));
    EXPECT_FALSE(other.on_minimise({kWidth - 30, 10})) << "only the main window has one";
}

TEST_F(CaptionBarStateTest, HoveringAGlyphHighlightsItReportsItsHintAndRedrawsOnChangesOnly) {
    CaptionEffects fx = main.mouse_move(close_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_EQ(fx.hint, caption::CloseHint);
    EXPECT_TRUE(fx.redraw);
    EXPECT_EQ(main.close_state, caption::Hovered);
    EXPECT_FALSE(main.mouse_move(close_point() + QPoint(1, 0)).redraw);
    fx = main.mouse_move(minimise_point());
    EXPECT_EQ(fx.hint, caption::MinimiseHint);
    EXPECT_EQ(main.minimise_state, caption::Hovered);
    EXPECT_EQ(main.close_state, caption::Normal);
    fx = main.mouse_move(title_point());
    EXPECT_EQ(fx.result, 0);
    EXPECT_EQ(fx.hint, -1);
    EXPECT_TRUE(fx.redraw);
    EXPECT_FALSE(main.mouse_move(title_point() + QPoint(5, 0)).redraw);
    EXPECT_EQ(main.minimise_state, caption::Normal);
    EXPECT_EQ(main.bar_state, 1);
    EXPECT_EQ(main.mouse_move({100, kHeight + 5}).result, 0);
    EXPECT_EQ(main.bar_state, 0);
}

TEST_F(CaptionBarStateTest, InactiveBarDisablesGlyphsAndIgnoresMoves) {
    main.set_active(false);
    EXPECT_EQ(main.close_state, caption::Disabled);
    EXPECT_EQ(main.minimise_state, caption::Disabled);
    CaptionEffects fx = main.mouse_move(title_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_FALSE(fx.redraw);
    EXPECT_EQ(main.bar_state, 0);
    main.set_active(true);
    EXPECT_EQ(main.close_state, caption::Normal);
}

TEST_F(CaptionBarStateTest, PressesAndReleases) {
    // Pressing a glyph shows it pressed and does not move the window; released elsewhere, the
    // glyphs come back.
    EXPECT_FALSE(main.mouse_down(close_point()).start_move);
    EXPECT_EQ(main.close_state, caption::Pressed);
    CaptionEffects fx = main.mouse_up(title_point());
    EXPECT_EQ(fx.result, 0);
    EXPECT_FALSE(fx.minimise);
    EXPECT_EQ(main.close_state, caption::Normal);
    // Released on the minimise glyph, it minimises.
    main.mouse_down(minimise_point());
    EXPECT_EQ(main.minimise_state, caption::Pressed);
    fx = main.mouse_up(minimise_point());
    EXPECT_TRUE(fx.minimise);
    EXPECT_EQ(fx.result, 0);
    EXPECT_EQ(main.minimise_state, caption::Normal);
    // Pressing the bar starts a move; releasing on the close glyph closes even so.
    EXPECT_FALSE(other.mouse_down({100, kHeight + 3}).start_move) << "below the bar";
    fx = other.mouse_down(title_point());
    EXPECT_TRUE(fx.start_move);
    EXPECT_EQ(other.bar_state, 2);
    fx = other.mouse_up(close_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_EQ(other.bar_state, 1);
}

class CaptionBarWindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    std::vector<int> hints;

    void SetUp() override {
        window->resize(kWidth, 200);
        window->move(100, 100);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        set_hint_handler([this](int id) { hints.push_back(id); });
    }
    void TearDown() override { set_hint_handler(nullptr); }
};

TEST_F(CaptionBarWindowTest, AMovingWindowIsTranslucentUntilTheMoveEndsButNeverTheMainWindow) {
    for (bool main_window : {false, true}) {
        auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Review", main_window);
        bar->mouse_down({100, 10});
        EXPECT_TRUE(bar->moving());
        EXPECT_DOUBLE_EQ(window->windowOpacity(), main_window ? 1.0 : CaptionBar::kMovingOpacity);
        bar->end_drag();
        EXPECT_FALSE(bar->moving());
        EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    }
}

TEST_F(CaptionBarWindowTest, WithoutAPlatformMoveTheWindowFollowsThePointerUntilRelease) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Review", false);
    bar->mouse_down({100, 10});
    const QPoint start = window->pos();
    bar->mouse_move({130, 5}); // pointer moved by (30, -5) relative to the window
    if (window->pos() == start) GTEST_SKIP() << "the platform moves the window itself";
    EXPECT_EQ(window->pos(), start + QPoint(30, -5));
    EXPECT_EQ(bar->mouse_up({100, 10}), 0);
    EXPECT_FALSE(bar->moving());
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    bar->mouse_move({140, 10});
    EXPECT_EQ(window->pos(), start + QPoint(30, -5)) << "the move ended with the release";
}

TEST_F(CaptionBarWindowTest, GlyphHintsReachTheHelpPanelUnlessTurnedOffAndChangesTheOwner) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    int changes = 0;
    bar->set_on_change([&] { ++changes; });
    EXPECT_EQ(bar->mouse_move(bar->state().close_rect().center()), 1);
    EXPECT_EQ(bar->mouse_move(bar->state().minimise_rect().center()), 1);
    EXPECT_THAT(hints, ::testing::ElementsAre(caption::CloseHint, caption::MinimiseHint));
    bar->set_hints(false);
    bar->mouse_move({100, 10});
    bar->mouse_move({101, 10});
    EXPECT_EQ(changes, 3) << "a move that changes nothing is no change";
    EXPECT_EQ(bar->mouse_move(bar->state().close_rect().center()), 1) << "still takes the move";
    EXPECT_EQ(hints.size(), 2u);
    bar->set_active(false);
    EXPECT_EQ(changes, 5);
}

TEST_F(CaptionBarWindowTest, TheMinimiseGlyphMinimisesTheMainWindow) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    const QPoint glyph = bar->state().minimise_rect().center();
    bar->mouse_down(glyph);
    EXPECT_FALSE(bar->moving()) << "a glyph press does not move the window";
    EXPECT_EQ(bar->mouse_up(glyph), 0);
    ASSERT_EVENTUALLY(window->isMinimized());
}

// Whether the title's darkest ink (antialiased text reaches its own colour only where a stroke
// covers a whole pixel) is within 24 of `expected` in each channel.
bool title_ink_near(const QImage& image, ColorRef expected) {
    QColor ink = Qt::white;
    for (int y = 2; y < 18; ++y)
        for (int x = 22; x < 142; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < ink.red() + ink.green() + ink.blue()) ink = c;
        }
    const QColor e = colorref(expected);
    return std::abs(ink.red() - e.red()) <= 24 && std::abs(ink.green() - e.green()) <= 24 &&
           std::abs(ink.blue() - e.blue()) <= 24;
}

TEST(CaptionBarPaint, TitleColourFollowsTheBarStateAndActivity) {
    Surface s(kWidth, kHeight);
    CaptionBarState st(kWidth, kHeight, false);
    const auto ink_near = [&](ColorRef expected) {
        CaptionBar::paint(s, st, "Kanji Meaning");
        return title_ink_near(s.image(), expected);
    };
    EXPECT_TRUE(ink_near(palette::BorderDark));
    st.mouse_move({100, 10});
    EXPECT_TRUE(ink_near(palette::MediumBlue));
    st.mouse_down({100, 10});
    EXPECT_TRUE(ink_near(palette::BrightBlue));
    st.set_active(false);
    st.bar_state = 0;
    EXPECT_TRUE(ink_near(0xc8c8c8));
}

TEST(GroupFrame, WindowCoversOnlyTheBorderRing) {
    QWidget host;
    GroupFrame* titled = GroupFrame::create(&host, 10, 10, 200, 100, QStringLiteral("Status"));
    GroupFrame* plain = GroupFrame::create(&host, 10, 10, 200, 100, {});
    for (auto [frame, t] : {std::pair{titled, 6}, std::pair{plain, 0}}) {
        const QRegion ring = frame->mask();
        EXPECT_TRUE(ring.contains(QPoint(2, 50)));
        EXPECT_TRUE(ring.contains(QPoint(100, t + 9)));
        EXPECT_FALSE(ring.contains(QPoint(6, t + 10))) << "inner rectangle starts at (6, t + 10)";
        EXPECT_FALSE(ring.contains(QPoint(193, 93)));
        EXPECT_TRUE(ring.contains(QPoint(194, 50)));
        EXPECT_TRUE(ring.contains(QPoint(100, 94)));
    }
}

TEST(Panel, ClickCallsBackWithOneAndMovesReportTheHint) {
    QWidget host;
    host.show();
    std::vector<int> clicks, hints;
    set_hint_handler([&](int id) { hints.push_back(id); });
    Panel* panel = Panel::create(&host, 0, 0, 150, 80, QStringLiteral("Help"), nullptr,
                                 [&](int v) { clicks.push_back(v); });
    QTest::mouseMove(panel, QPoint(20, 20));
    EXPECT_TRUE(hints.empty()) << "no hint identifier yet";
    panel->set_hint_id(12);
    QTest::mouseMove(panel, QPoint(30, 30));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_THAT(hints, ::testing::ElementsAre(12));
    EXPECT_THAT(clicks, ::testing::ElementsAre(1));
    set_hint_handler({});
}

TEST(Panel, PaintCallbackDrawsAfterTheFrameAndLineEditsPreferLatin) {
    QWidget host;
    int paints = 0;
    Panel* panel = Panel::create(
        &host, 0, 0, 150, 80, {}, [&](Surface&) { ++paints; }, nullptr);
    EXPECT_EQ(paints, 1);
    panel->set_active(0);
    panel->set_active(0);
    EXPECT_EQ(paints, 2) << "repaints only when the flag changes";
    panel->set_active(-1);
    EXPECT_EQ(paints, 3) << "-1 always repaints";

    auto* edit = new QLineEdit(panel);
    edit->show();
    host.show();
    edit->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    if (!edit->hasFocus()) GTEST_SKIP() << "no focus on this platform";
    EXPECT_TRUE(edit->inputMethodHints() & Qt::ImhPreferLatin);
}

} // namespace
