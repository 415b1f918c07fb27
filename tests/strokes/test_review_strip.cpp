// The review window's list strip: the visible range of 27 that slides once the selection passes
// the middle, ".." at an end beyond which more kanji lie, the numbers above the kanji.
#include "pixel_support.h"
#include "review_strip.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Walks to `selection` from the opening, forward.
ReviewStripRange walked_to(int count, int selection) {
    ReviewStripRange r = ReviewStripRange::opening(count);
    while (r.selection < selection)
        r.move(true);
    return r;
}

std::vector<int> dot_slots(const ReviewStripRange& r) {
    std::vector<int> dots;
    for (int i = r.first; i < r.last; ++i)
        if (r.shows_dots(i)) dots.push_back(i);
    return dots;
}

} // namespace

TEST(ReviewStrip, FortyKanjiForwardSlideFromFourteenToTwentySixThenStay) {
    ReviewStripRange r = ReviewStripRange::opening(40);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.last, 27);
    EXPECT_EQ(dot_slots(r), std::vector<int>{26});
    for (int s = 1; s <= 13; ++s) {
        EXPECT_TRUE(r.move(true));
        EXPECT_EQ(r.selection, s);
        EXPECT_EQ(r.first, 0) << "no slide up to the middle, selection " << s;
        EXPECT_EQ(dot_slots(r), std::vector<int>{26});
    }
    for (int s = 14; s <= 26; ++s) {
        const int before = r.first;
        r.move(true);
        EXPECT_EQ(r.first, before + 1) << "one place per step, selection " << s;
        EXPECT_EQ(r.last - r.first, 27);
    }
    EXPECT_EQ(r.first, 13);
    EXPECT_EQ(r.last, 40);
    EXPECT_EQ(dot_slots(r), std::vector<int>{13}) << "nothing lies beyond the last slot";
    for (int s = 27; s <= 38; ++s)
        EXPECT_TRUE(r.move(true));
    EXPECT_FALSE(r.move(true)) << "the last kanji is not strictly inside";
    EXPECT_EQ(r.selection, 39);
    EXPECT_FALSE(r.move(true)) << "no step past the end";
    EXPECT_EQ(r.selection, 39);
    EXPECT_EQ(r.first, 13);
    EXPECT_EQ(r.last, 40);
}

TEST(ReviewStrip, FortyKanjiBackSlideOnceTheSelectionIsBelowTwentySix) {
    ReviewStripRange r = walked_to(40, 39);
    for (int s = 38; s >= 26; --s) {
        r.move(false);
        EXPECT_EQ(r.first, 13) << "no slide back at selection " << s;
    }
    r.move(false);
    EXPECT_EQ(r.selection, 25);
    EXPECT_EQ(r.first, 12);
    EXPECT_EQ(r.last, 39);
    EXPECT_EQ(dot_slots(r), (std::vector<int>{12, 38}));
    while (r.selection > 13)
        r.move(false);
    EXPECT_EQ(r.first, 0);
    EXPECT_EQ(r.last, 27);
    EXPECT_TRUE(r.move(false));
    EXPECT_EQ(r.first, 0) << "never before the start";
    while (r.selection > 1)
        r.move(false);
    EXPECT_FALSE(r.move(false));
    EXPECT_EQ(r.selection, 0);
    EXPECT_FALSE(r.move(false));
    EXPECT_EQ(r.selection, 0);
}

TEST(ReviewStrip, ShortListsNeverSlide) {
    ReviewStripRange one = ReviewStripRange::opening(1);
    EXPECT_EQ(one.last, 1);
    EXPECT_FALSE(one.move(true));
    EXPECT_FALSE(one.move(false));
    EXPECT_EQ(one.selection, 0);
    EXPECT_TRUE(dot_slots(one).empty());

    ReviewStripRange full = walked_to(27, 26);
    EXPECT_EQ(full.first, 0);
    EXPECT_EQ(full.last, 27);
    EXPECT_TRUE(dot_slots(full).empty());

    ReviewStripRange one_more = walked_to(28, 27);
    EXPECT_EQ(one_more.first, 1);
    EXPECT_EQ(one_more.last, 28);
    EXPECT_EQ(dot_slots(one_more), std::vector<int>{1});
}

namespace {

std::vector<KanjiRecord> records(int count) {
    std::vector<KanjiRecord> r(size_t(count), KanjiRecord{});
    for (int i = 0; i < count; ++i)
        r[size_t(i)].Kanji = char16_t(0x4e00 + 37 * i);
    return r;
}

// Pixels darker than the background lines (220) in a rectangle.
int ink(const Surface& s, PixelRect r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const QRgb p = s.image().pixel(x, y);
            n += std::min({qRed(p), qGreen(p), qBlue(p)}) < 210;
        }
    return n;
}

PixelRect number_area(int slot) {
    return {19 * slot + 10, 1, 19 * slot + 24, 13};
}

PixelRect kanji_area(int slot) {
    return {19 * slot + 7, 14, 19 * slot + 25, 33};
}

} // namespace

TEST(ReviewStrip, NumbersStandAboveTheKanjiAndNotAboveTheDots) {
    const std::vector<KanjiRecord> list = records(40);
    const ReviewStripRange r = walked_to(40, 20); // positions 7 to 33 visible
    Surface s(ReviewListStrip::kWidth, ReviewListStrip::kHeight);
    draw_review_strip(s, r, list);
    const int kanji_ink = ink(s, kanji_area(5));
    EXPECT_GT(kanji_ink, 40);
    for (int slot : {0, 26}) {
        EXPECT_EQ(ink(s, number_area(slot)), 0) << "no number over the dots of slot " << slot;
        EXPECT_LT(ink(s, kanji_area(slot)), kanji_ink / 3) << "slot " << slot << " shows ..";
    }
    for (int slot = 1; slot < 26; ++slot)
        EXPECT_GT(ink(s, number_area(slot)), 4) << "the number over slot " << slot;
    const int selected = r.selection - r.first;
    EXPECT_GT(count_near(s, kanji_area(selected), RGB(0, 0, 255), 60), 10);
    EXPECT_EQ(count_near(s, kanji_area(selected + 1), RGB(0, 0, 255), 60), 0);
    EXPECT_GT(count_near(s, kanji_area(selected + 1), RGB(128, 128, 128), 40), 10);
}

TEST(ReviewStrip, AReleaseAtEitherEndMoves) {
    std::vector<bool> moves;
    QWidget parent;
    auto* strip = new ReviewListStrip(&parent, 0, 0, records(3),
                                      [&](bool forward) { moves.push_back(forward); });
    parent.show();
    for (QPoint at : {QPoint(19, 10), QPoint(20, 10), QPoint(506, 20), QPoint(507, 20),
                      QPoint(0, 33), QPoint(526, 0)})
        QTest::mouseClick(strip, Qt::LeftButton, {}, at);
    EXPECT_EQ(moves, (std::vector<bool>{false, true, false, true}));
    QTest::mouseClick(strip, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(moves.size(), 4u) << "the right button does nothing";
}
