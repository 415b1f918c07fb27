// The windows' pieces: FramelessWindow and CaptionBar (glyphs, hints, the drag, translucent while
// moving but never the main window).
#include "caption_bar.h"
#include "frameless_window.h"
#include "hint.h"
#include "palette.h"

#include "poll.h"
#include <QTest>
#include <QWindow>
#include <gmock/gmock.h>

namespace {

constexpr ColorRef kContents = 0x336699;
constexpr int kWidth = 300, kHeight = 20;

class TestWindow : public FramelessWindow {
  public:
    TestWindow(QWidget* owner) : FramelessWindow(owner, 300, 200, QStringLiteral("Review")) {
        refresh();
    }
    std::vector<QPoint> unclaimed;

  protected:
    void render(Surface& s) override { s.fill_rect(0, 0, s.width(), s.height(), kContents); }
    void unclaimed_mouse_move(QPoint p) override { unclaimed.push_back(p); }
};

ColorRef pixel(const Surface& s, int x, int y) {
    const QRgb p = s.image().pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// A fixed-size window owned by another and enabled while its owner is not; its caption bar and
// border are drawn over the contents, moves below the bar are its own, the glyph closes it.
TEST(FramelessWindow, AFixedSizeOwnedWindowDrawnUnderItsBarAndBorder) {
    QWidget owner;
    owner.show();
    TestWindow w(&owner);
    ASSERT_NE(w.windowHandle(), nullptr);
    EXPECT_EQ(w.windowHandle()->transientParent(), owner.windowHandle());
    owner.setEnabled(false);
    EXPECT_TRUE(w.isEnabled());
    owner.setEnabled(true);
    const Surface& s = w.surface();
    EXPECT_EQ(pixel(s, 0, 100), palette::BorderDark);
    EXPECT_EQ(pixel(s, 150, 100), kContents);
    EXPECT_NE(pixel(s, 150, 10), kContents) << "the caption bar covers the top rows";
    w.show();
    QTest::mouseMove(&w, QPoint(150, 100));
    EXPECT_THAT(w.unclaimed, ::testing::Contains(QPoint(150, 100)));
    QTest::mouseClick(&w, Qt::LeftButton, {}, w.caption_bar().state().close_rect().center());
    EXPECT_FALSE(w.isVisible());
}

class CaptionBarWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window->resize(kWidth, 200);
        window->move(100, 100);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        set_hint_handler([this](int id) { hints.push_back(id); });
    }
    void TearDown() override { set_hint_handler(nullptr); }
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    std::vector<int> hints;
};

// Hovering a glyph highlights it and reports its hint (unless hints are off), and the owner hears
// of changes only; an inactive bar disables the glyphs and takes moves without a look. A glyph
// acts when released on it, a bar press moves the window; the minimise glyph minimises.
TEST_F(CaptionBarWindowTest, GlyphHoverHintsChangesInactivityAndMinimise) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    const CaptionBarState& st = bar->state();
    int changes = 0;
    bar->set_on_change([&] { ++changes; });
    const QPoint close = st.close_rect().center(), minimise = st.minimise_rect().center();
    EXPECT_EQ(bar->mouse_move(close), 1);
    EXPECT_EQ(st.close_state, caption::Hovered);
    EXPECT_EQ(bar->mouse_move(minimise), 1);
    EXPECT_THAT(hints, ::testing::ElementsAre(caption::CloseHint, caption::MinimiseHint));
    EXPECT_EQ(bar->mouse_move({100, 10}), 0);
    EXPECT_EQ(st.minimise_state, caption::Normal);
    bar->mouse_move({101, 10});
    EXPECT_EQ(changes, 3) << "a move that changes nothing is no change";
    bar->set_hints(false);
    EXPECT_EQ(bar->mouse_move(close), 1) << "still takes the move";
    EXPECT_EQ(hints.size(), 2u);
    EXPECT_FALSE(CaptionBarState(kWidth, kHeight, false).on_minimise(minimise));
    bar->set_active(false);
    EXPECT_EQ(st.minimise_state, caption::Disabled);
    const int inactive_changes = changes;
    EXPECT_EQ(bar->mouse_move(close), 1);
    EXPECT_EQ(changes, inactive_changes);
    bar->set_active(true);
    bar->mouse_down(close);
    EXPECT_EQ(st.close_state, caption::Pressed);
    EXPECT_EQ(bar->mouse_up({100, 10}), 0) << "released elsewhere: no close";
    EXPECT_EQ(st.close_state, caption::Normal);
    bar->mouse_down({100, 10});
    EXPECT_EQ(bar->mouse_up(close), 1) << "a move released on the close glyph closes";
    bar->mouse_down(minimise);
    EXPECT_FALSE(bar->moving()) << "a glyph press does not move the window";
    EXPECT_EQ(bar->mouse_up(minimise), 0);
    ASSERT_EVENTUALLY(window->isMinimized());
}

TEST_F(CaptionBarWindowTest, AMovingWindowIsTranslucentAndFollowsThePointerUntilRelease) {
    for (bool main_window : {false, true}) {
        auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Review", main_window);
        bar->mouse_down({100, 10});
        EXPECT_TRUE(bar->moving());
        EXPECT_DOUBLE_EQ(window->windowOpacity(), main_window ? 1.0 : CaptionBar::kMovingOpacity);
        const QPoint start = window->pos();
        bar->mouse_move({130, 5});
        const QPoint moved = window->pos();
        if (moved != start) { // else the platform moves the window itself
            EXPECT_EQ(moved, start + QPoint(30, -5));
        }
        EXPECT_EQ(bar->mouse_up({100, 10}), 0);
        EXPECT_FALSE(bar->moving());
        EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
        bar->mouse_move({140, 10});
        EXPECT_EQ(window->pos(), moved) << "the move ended with the release";
    }
}

} // namespace
