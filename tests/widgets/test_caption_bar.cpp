// CaptionBar: the glyph and bar states without pixels, the drag on a real window (translucent
// while moving, never the main window), and the title colours of the active and inactive bar.
#include "caption_bar.h"
#include "hint.h"
#include "palette.h"

#include "poll.h"

#include <QTest>
#include <gmock/gmock.h>

namespace {

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

TEST_F(CaptionBarStateTest, HoveringAGlyphHighlightsItAndReportsItsHint) {
    CaptionEffects fx = main.mouse_move(close_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_EQ(fx.hint, caption::CloseHint);
    EXPECT_EQ(main.close_state, caption::Hovered);
    fx = main.mouse_move(minimise_point());
    EXPECT_EQ(fx.hint, caption::MinimiseHint);
    EXPECT_EQ(main.minimise_state, caption::Hovered);
    EXPECT_EQ(main.close_state, caption::Normal);
    fx = main.mouse_move(title_point());
    EXPECT_EQ(fx.result, 0);
    EXPECT_EQ(fx.hint, -1);
    EXPECT_EQ(main.minimise_state, caption::Normal);
    EXPECT_EQ(main.bar_state, 1);
    EXPECT_EQ(main.mouse_move({100, kHeight + 5}).result, 0);
    EXPECT_EQ(main.bar_state, 0);
}

TEST_F(CaptionBarStateTest, HintsOffReportsNoHintButStillTakesTheMove) {
    main.hints = false;
    CaptionEffects fx = main.mouse_move(close_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_EQ(fx.hint, -1);
}

TEST_F(CaptionBarStateTest, RedrawOnlyWhenTheLookChanges) {
    EXPECT_TRUE(main.mouse_move(title_point()).redraw);
    EXPECT_FALSE(main.mouse_move(title_point() + QPoint(5, 0)).redraw);
    EXPECT_TRUE(main.mouse_move(close_point()).redraw);
    EXPECT_FALSE(main.mouse_move(close_point() + QPoint(1, 0)).redraw);
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

TEST_F(CaptionBarStateTest, PressingTheBarStartsAMoveAndPressingAGlyphDoesNot) {
    EXPECT_FALSE(main.mouse_down(close_point()).start_move);
    EXPECT_EQ(main.close_state, caption::Pressed);
    CaptionEffects fx = other.mouse_down(title_point());
    EXPECT_TRUE(fx.start_move);
    EXPECT_EQ(other.bar_state, 2);
    EXPECT_FALSE(other.mouse_down({100, kHeight + 3}).start_move) << "below the bar";
}

TEST_F(CaptionBarStateTest, ReleasingOnTheCloseGlyphClosesEvenAfterPressingElsewhere) {
    other.mouse_down(title_point());
    CaptionEffects fx = other.mouse_up(close_point());
    EXPECT_EQ(fx.result, 1);
    EXPECT_EQ(other.bar_state, 1);
}

TEST_F(CaptionBarStateTest, ReleasingElsewhereRestoresTheGlyphs) {
    main.mouse_down(close_point());
    CaptionEffects fx = main.mouse_up(title_point());
    EXPECT_EQ(fx.result, 0);
    EXPECT_FALSE(fx.minimise);
    EXPECT_EQ(main.close_state, caption::Normal);
}

TEST_F(CaptionBarStateTest, ReleasingOnTheMinimiseGlyphMinimises) {
    main.mouse_down(minimise_point());
    EXPECT_EQ(main.minimise_state, caption::Pressed);
    CaptionEffects fx = main.mouse_up(minimise_point());
    EXPECT_TRUE(fx.minimise);
    EXPECT_EQ(fx.result, 0);
    EXPECT_EQ(main.minimise_state, caption::Normal);
}

// ---- on a window ----

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

TEST_F(CaptionBarWindowTest, AMovingWindowIsTranslucentUntilTheMoveEnds) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Review", false);
    bar->mouse_down({100, 10});
    EXPECT_TRUE(bar->moving());
    EXPECT_DOUBLE_EQ(window->windowOpacity(), CaptionBar::kMovingOpacity);
    bar->end_drag();
    EXPECT_FALSE(bar->moving());
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
}

TEST_F(CaptionBarWindowTest, TheMainWindowNeverTurnsTranslucent) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    bar->mouse_down({100, 10});
    EXPECT_TRUE(bar->moving());
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    bar->mouse_up({100, 10});
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

TEST_F(CaptionBarWindowTest, GlyphHintsReachTheHelpPanelUnlessTurnedOff) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    EXPECT_EQ(bar->mouse_move(bar->state().close_rect().center()), 1);
    EXPECT_EQ(bar->mouse_move(bar->state().minimise_rect().center()), 1);
    EXPECT_THAT(hints, ::testing::ElementsAre(caption::CloseHint, caption::MinimiseHint));
    bar->set_hints(false);
    bar->mouse_move({100, 10});
    bar->mouse_move(bar->state().close_rect().center());
    EXPECT_EQ(hints.size(), 2u);
}

TEST_F(CaptionBarWindowTest, TheMinimiseGlyphMinimisesTheMainWindow) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Brushwise", true);
    const QPoint glyph = bar->state().minimise_rect().center();
    bar->mouse_down(glyph);
    EXPECT_FALSE(bar->moving()) << "a glyph press does not move the window";
    EXPECT_EQ(bar->mouse_up(glyph), 0);
    ASSERT_EVENTUALLY(window->isMinimized());
}

TEST_F(CaptionBarWindowTest, ChangesReachTheOwner) {
    auto bar = CaptionBar::create(window.get(), kWidth, kHeight, "Review", false);
    int changes = 0;
    bar->set_on_change([&] { ++changes; });
    bar->mouse_move({100, 10});
    bar->mouse_move({101, 10});
    EXPECT_EQ(changes, 1);
    bar->set_active(false);
    EXPECT_EQ(changes, 2);
}

// ---- pixels ----

// The title's most saturated ink: the pixel farthest from white.
QColor darkest(const QImage& image, QRect area) {
    QColor best = Qt::white;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() < best.red() + best.green() + best.blue()) best = c;
        }
    return best;
}

// Antialiased text reaches its own colour only where a stroke covers a whole pixel, so the
// ink is compared within a tolerance.
bool near(const QColor& ink, ColorRef expected) {
    const QColor e = colorref(expected);
    return std::abs(ink.red() - e.red()) <= 24 && std::abs(ink.green() - e.green()) <= 24 &&
           std::abs(ink.blue() - e.blue()) <= 24;
}

TEST(CaptionBarPaint, TitleColourFollowsTheBarStateAndActivity) {
    const QRect title_area(22, 2, 120, 16);
    Surface s(kWidth, kHeight);
    CaptionBarState st(kWidth, kHeight, false);
    const auto ink = [&] {
        CaptionBar::paint(s, st, "Kanji Meaning");
        return darkest(s.image(), title_area);
    };
    EXPECT_TRUE(near(ink(), palette::BorderDark)) << ink().name().toStdString();
    st.mouse_move({100, 10});
    EXPECT_TRUE(near(ink(), palette::MediumBlue)) << ink().name().toStdString();
    st.mouse_down({100, 10});
    EXPECT_TRUE(near(ink(), palette::BrightBlue)) << ink().name().toStdString();
    st.set_active(false);
    st.bar_state = 0;
    EXPECT_TRUE(near(ink(), 0xc8c8c8)) << ink().name().toStdString();
}

} // namespace
