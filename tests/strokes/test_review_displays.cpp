// The review window's displays: the list strip, the meaning display and the examples display.
#include "exercises/exercise_fixture.h"
#include "kanji_data.h"
#include "poll.h"
#include "review_examples.h"
#include "review_meaning.h"
#include "review_strip.h"
#include "screen_fixture.h"
#include "stroke_test_support.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Walks to `selection` from the opening, forward.
ReviewStripRange walked_to(int count, int selection) {
    ReviewStripRange r = ReviewStripRange::opening(count);
    while (r.selection < selection)
        r.move(true);
    return r;
}

// Once the list is longer than the strip, the selection keeps to the middle slot (13) wherever
// it can, in either direction; ".." stands at an end beyond which more kanji lie.
void expect_range(const ReviewStripRange& r, int count) {
    const int first = std::clamp(r.selection - 13, 0, std::max(0, count - 27));
    EXPECT_EQ(r.first, first) << "count " << count << ", selection " << r.selection;
    EXPECT_EQ(r.last, first + std::min(count, 27));
    for (int i = r.first; i < r.last; ++i)
        EXPECT_EQ(r.shows_dots(i), (i == first && first > 0) || (i == r.last - 1 && r.last < count))
            << "count " << count << ", slot " << i;
}

} // namespace

TEST(ReviewStrip, TheRangeFollowsTheSelectionBothWaysAndStopsAtTheEnds) {
    for (int count : {1, 2, 27, 28, 40}) {
        ReviewStripRange r = ReviewStripRange::opening(count);
        expect_range(r, count);
        for (int s = 1; s < count; ++s) {
            EXPECT_EQ(r.move(true), s < count - 1) << "true while strictly inside";
            EXPECT_EQ(r.selection, s);
            expect_range(r, count);
        }
        EXPECT_FALSE(r.move(true));
        EXPECT_EQ(r.selection, count - 1) << "no step past the end";
        expect_range(r, count);
        for (int s = count - 2; s >= 0; --s) {
            EXPECT_EQ(r.move(false), s > 0);
            EXPECT_EQ(r.selection, s);
            expect_range(r, count);
        }
        EXPECT_FALSE(r.move(false));
        EXPECT_EQ(r.selection, 0);
        expect_range(r, count);
    }
    EXPECT_EQ(walked_to(40, 39).first, 13) << "forty kanji slide from selection 14 to 26";
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

namespace {

std::vector<int> ys(const ReadingBlockLayout& l) {
    std::vector<int> y;
    for (const PlacedPair& p : l.entries)
        y.push_back(p.y);
    return y;
}

} // namespace

TEST(ReviewMeaning, KanaAndRomajiArePairedByEntryAsManyAsTheRomajiHas) {
    const auto pairs = pair_readings(u"\u3042, \u3044,\u3046", u"a, i");
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].kana, QStringLiteral("\u3042"));
    EXPECT_EQ(pairs[1].kana, QStringLiteral("\u3044"));
    EXPECT_EQ(pairs[1].romaji, QStringLiteral("i"));

    const auto short_kana = pair_readings(u"\u3042", u"a,  i, u");
    ASSERT_EQ(short_kana.size(), 3u);
    EXPECT_EQ(short_kana[1].romaji, QStringLiteral(" i")) << "only one blank is skipped";
    EXPECT_TRUE(short_kana[2].kana.isEmpty());
    EXPECT_TRUE(pair_readings(u"\u3042", u"").empty());
}

TEST(ReviewMeaning, FiveEntriesStandOnePerLineSixFlowAndWrapWhenAPairWouldReach194) {
    const std::vector<int> kana{20, 30, 150, 40, 10}, romaji{30, 90, 100, 20, 5};
    const ReadingBlockLayout five = layout_reading_block(kOnBlockTop, kana, romaji);
    ASSERT_EQ(five.entries.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(five.entries[size_t(i)].y, kOnBlockTop + 16 * i);
        EXPECT_EQ(five.entries[size_t(i)].kana_x, 6);
        EXPECT_EQ(five.entries[size_t(i)].romaji_x, 6 + kana[size_t(i)] + 4);
    }
    EXPECT_TRUE(five.separators.empty());
    // Each pair 30 + 40 wide: two fit on a line (the third would end at 174 + 74 >= 194).
    const ReadingBlockLayout l =
        layout_reading_block(kKunBlockTop, std::vector<int>(6, 30), std::vector<int>(6, 40));
    ASSERT_EQ(l.entries.size(), 6u);
    EXPECT_EQ(ys(l), (std::vector<int>{227, 227, 243, 243, 259, 259}));
    EXPECT_EQ(l.entries[1].kana_x, 6 + 30 + 40 + 14);
    EXPECT_EQ(l.entries[1].romaji_x, 90 + 30 + 4);
    EXPECT_EQ(l.entries[2].kana_x, 6);
    ASSERT_EQ(l.separators.size(), 5u) << "between entries, none after the last";
    EXPECT_EQ(l.separators[0], QPoint(90 - 7, 227));
    EXPECT_EQ(l.separators[1], QPoint(174 - 7, 227)) << "on the line of the entry before it";

    // The second entry starts at 90: a pair 100 wide (104 with its gap) reaches 194 and wraps.
    for (int width : {100, 99}) {
        std::vector<int> kana_widths(6, 30), romaji_widths(6, 40);
        kana_widths[1] = 50;
        romaji_widths[1] = width - 50;
        const ReadingBlockLayout w = layout_reading_block(kKunBlockTop, kana_widths, romaji_widths);
        EXPECT_EQ(w.entries[1].y, width == 100 ? 243 : 227) << "pair width " << width;
    }
}

class ReviewMeaningDrawing : public ScreenTest {};

TEST_F(ReviewMeaningDrawing, AKanjiWithoutKunLeavesItsBoxEmpty) {
    KanjiRecord r{};
    r.Kanji = u'\u96fb';
    r.Meaning.assign(u"electricity");
    r.OnPronun.assign(u"\u30c7\u30f3");
    r.OnRomaji.assign(u"DEN");
    r.KunRomaji.assign(u"inazuma"); // romaji without kana: still no KUN pronunciation
    Surface s(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    draw_meaning_display(s, r);
    const ColorRef blue = RGB(0, 0, 192);
    EXPECT_GT(count_near(s, {6, 25, 190, 60}, blue), 20) << "the meaning";
    EXPECT_GT(count_near(s, {6, 129, 60, 145}, blue), 10) << "the ON kana";
    EXPECT_GT(count_near(s, {30, 129, 90, 145}, RGB(165, 165, 165), 30), 5) << "its romaji";
    EXPECT_EQ(count_near(s, {2, 224, 198, 310}, blue), 0) << "nothing in the KUN box";
    EXPECT_EQ(count_near(s, {6, 226, 190, 300}, RGB(165, 165, 165), 30), 0);
    r.KunPronun.assign(u"\u3044\u306a\u305a\u307e");
    draw_meaning_display(s, r);
    EXPECT_GT(count_near(s, {6, 227, 80, 243}, blue), 10);
}

// Five ON entries do not fit their box one per line: they flow like the fourteen KUN entries, with
// ";" between. Outside the three boxes the display looks exactly as it does without readings.
TEST(ReviewMeaning, CrowdedReadingsFlowAndNeverLeaveTheirBoxes) {
    KanjiRecord crowded{};
    crowded.Kanji = u'\u751F';
    crowded.Meaning.assign(u"life, birth");
    crowded.OnPronun.assign(
        u"\u30BB\u30A4, \u30B7\u30E7\u30A6, \u30BD\u30A6, \u30B7, \u30B7\u30E5");
    crowded.OnRomaji.assign(u"SEI, SHOU, SOU, SHI, SHU");
    std::u16string kun, kun_romaji;
    for (int i = 0; i < 14; ++i) {
        kun += std::u16string(i ? u", " : u"") + u"\u3044.\u304D\u308B\u3055";
        kun_romaji += std::u16string(i ? u", " : u"") + u"i.kirusa";
    }
    crowded.KunPronun.assign(kun);
    crowded.KunRomaji.assign(kun_romaji);
    KanjiRecord bare{};
    bare.Kanji = crowded.Kanji;
    bare.Meaning = crowded.Meaning;

    Surface with(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    Surface without(ReviewMeaningDisplay::kWidth, ReviewMeaningDisplay::kHeight);
    draw_meaning_display(with, crowded);
    draw_meaning_display(without, bare);
    for (int top : {kOnBlockTop, kKunBlockTop}) { // a second entry's kana and ";" on the first line
        EXPECT_GT(count_near(with, {70, top + 2, 194, top + 14}, RGB(0, 0, 192)), 5) << top;
        EXPECT_GT(count_near(with, {60, top, 194, top + 14}, RGB(165, 165, 165), 30), 0) << top;
    }
    // Between the ON box (124 to 196) and the KUN box (222 to 312): the KUN heading's rows.
    for (int y = 196; y < 222; ++y)
        for (int x = 0; x < with.width(); ++x)
            ASSERT_EQ(with.image().pixel(x, y), without.image().pixel(x, y)) << x << ", " << y;
    EXPECT_NE(with.image(), without.image()) << "the readings are drawn inside the boxes";
}

TEST(ReviewExamplesRows, HoverTakesTheRowBetweenFiveAnd174AndTheWheelScrollsWithinTheRows) {
    EXPECT_EQ(examples_hover_row(4, 10, 3), 0);
    EXPECT_EQ(examples_hover_row(5, 10, 3), 1);
    EXPECT_EQ(examples_hover_row(173, 10, 3), 1);
    EXPECT_EQ(examples_hover_row(174, 10, 3), 0);
    EXPECT_EQ(examples_hover_row(60, 50, 3), 1) << "the gap below a box belongs to its row";
    EXPECT_EQ(examples_hover_row(60, 56 * 2 + 3, 3), 3);
    EXPECT_EQ(examples_hover_row(60, 56 * 3, 3), 0) << "below the last example";
    EXPECT_EQ(examples_hover_row(60, -1, 3), 0);
    EXPECT_EQ(examples_clicked_row(56 * 2 + 40, 3), 2);
    EXPECT_EQ(examples_clicked_row(56 * 3, 3), -1);
    EXPECT_EQ(examples_clicked_row(10, 0), -1);
    EXPECT_EQ(examples_clicked_row(-3, 3), -1);
    EXPECT_EQ(scrolled_first_row(0, 1, 12), 1);
    EXPECT_EQ(scrolled_first_row(6, 3, 12), 7) << "the last five rows fill the display";
    EXPECT_EQ(scrolled_first_row(2, -5, 12), 0);
    EXPECT_EQ(scrolled_first_row(0, 1, 5), 0) << "five examples never scroll";
    EXPECT_EQ(scrolled_first_row(0, 1, 0), 0);
}

namespace {

class ReviewExamples : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        window = new QWidget;
        window->setGeometry(300, 200, 240, 300);
        display =
            new ReviewExamplesDisplay(window, 10, 10, [this](int id) { opened.push_back(id); });
        window->show();
        const KanjiRecord* r = KanjiData_LoadRecord(44);
        ASSERT_GE(r->exampleCount(), 3);
        ids.assign(r->ExampleIds, r->ExampleIds + 3);
        display->load(3, ids.data());
    }

    // Outline pixels along the left edge of a row's box.
    int outline(int row) {
        const int top = 56 * row + 1;
        return count_near(display->surface(), {1, top + 8, 3, top + 36}, RGB(0, 0, 192), 60);
    }

    QWidget* window = nullptr;
    ReviewExamplesDisplay* display = nullptr;
    std::vector<int> ids;
    std::vector<int> opened;
};

} // namespace

TEST_F(ReviewExamples, TheRowUnderThePointerIsOutlinedAndADoubleClickAsksForItsExample) {
    move_pointer(display, {60, 56 + 20});
    EXPECT_EQ(display->hovered(), 2);
    EXPECT_GT(outline(1), 10);
    EXPECT_EQ(outline(0), 0);
    move_pointer(display, {176, 56 + 20});
    EXPECT_EQ(display->hovered(), 0);
    EXPECT_EQ(outline(1), 0);
    move_pointer(display, {60, 20});
    display->load(3, ids.data());
    EXPECT_EQ(display->hovered(), 0) << "a new load starts without a highlight";
    EXPECT_EQ(outline(0), 0);
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 2 + 30));
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 50));
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 3 + 5));
    QTest::mouseDClick(display, Qt::RightButton, {}, QPoint(60, 20));
    EXPECT_EQ(opened, (std::vector<int>{ids[2], ids[0]})) << "nothing below the last example";
}

TEST_F(ReviewExamples, LeavingWithoutAMoveInsideClearsTheHighlightUntilThePointerCheckEnds) {
    move_pointer(display, {60, 20});
    ASSERT_EQ(display->hovered(), 1);
    EXPECT_FALSE(wait_until([&] { return display->hovered() == 0; }, 500))
        << "the pointer is still over the display";
    QCursor::setPos(QPoint(5, 5)); // far off the window, no move reaches the display
    EXPECT_EQ(display->hovered(), 1) << "cleared by the pointer check, not at once";
    EXPECT_EVENTUALLY(display->hovered() == 0);
    EXPECT_EQ(outline(0), 0);

    // Another window over the display: the pointer is over that window, not the display.
    move_pointer(display, {60, 20});
    ASSERT_EQ(display->hovered(), 1);
    QWidget cover;
    cover.setGeometry(QRect(display->mapToGlobal(QPoint(0, 0)), QSize(178, 120)));
    cover.show();
    EXPECT_EVENTUALLY(display->hovered() == 0);

    // After the end of the pointer check nothing highlights.
    display->end_pointer_check();
    EXPECT_EQ(display->hovered(), -1);
    EXPECT_FALSE(display->pointer_check_running());
    move_pointer(display, {60, 56 + 20});
    display->load(3, ids.data());
    EXPECT_EQ(display->hovered(), -1);
    EXPECT_EQ(outline(1), 0);
}

TEST_F(ReviewExamples, ACountBeyondWhatARecordHoldsStopsAtFortyEight) {
    const std::vector<int32_t> all(kMaxExamplesPerKanji, ids[0]);
    display->load(1000, all.data());
    EXPECT_EQ(display->examples().size(), size_t(kMaxExamplesPerKanji));
    display->load(-5, all.data());
    EXPECT_TRUE(display->examples().empty());
}

// The highlight and the double click follow the examples as shown.
TEST_F(ReviewExamples, MoreThanFiveExamplesScrollIntoView) {
    std::vector<int32_t> many;
    int kanji = 1;
    for (; kanji <= kKanjiTotal && many.size() < 8; ++kanji) {
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        if (r->exampleCount() >= 8) many.assign(r->ExampleIds, r->ExampleIds + 8);
    }
    ASSERT_EQ(many.size(), 8u);
    display->load(8, many.data());
    const QImage top = display->surface().image();
    const auto wheel = [&](int angle) {
        QWheelEvent e(QPointF(60, 20), QPointF(display->mapToGlobal(QPoint(60, 20))), QPoint(),
                      QPoint(0, angle), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(display, &e);
    };
    wheel(-120 * 5);
    EXPECT_EQ(display->first_row(), 3) << "down as far as the last five";
    EXPECT_NE(display->surface().image(), top);
    move_pointer(display, {60, 20});
    EXPECT_EQ(display->hovered(), 4) << "the top row now shows the fourth example";
    QTest::mouseDClick(display, Qt::LeftButton, {}, QPoint(60, 56 * 4 + 30));
    EXPECT_EQ(opened, (std::vector<int>{many[7]}));
    wheel(60);
    EXPECT_EQ(display->first_row(), 3) << "half a notch is no row yet";
    wheel(60);
    EXPECT_EQ(display->first_row(), 2);
    display->load(8, many.data());
    EXPECT_EQ(display->first_row(), 0) << "a new kanji starts at its first example";
    EXPECT_EQ(display->surface().image(), top);
}

// Readings run on from the end of their word; however long the word and its reading, the
// reading is shortened before it reaches the row's right border.
TEST_F(ReviewExamples, NoReadingRunsOverItsRowsRightBorder) {
    int crowded_rows = 0;
    for (int kanji = 1; kanji <= kKanjiTotal; ++kanji) {
        const KanjiRecord* r = KanjiData_LoadRecord(kanji);
        const int count = std::min(r->exampleCount(), kVisibleExampleRows);
        display->load(count, r->ExampleIds);
        for (int row = 0; row < count; ++row) {
            const int top = kExampleRowStep * row;
            const PixelRect reading_line{7, top + 2, 171, top + 20};
            const PixelRect border_strip{171, top + 2, 177, top + 20};
            const PixelRect near_border{150, top + 2, 171, top + 20};
            if (count_near(display->surface(), border_strip, RGB(0, 0, 128), 80) > 0)
                ADD_FAILURE() << "kanji " << kanji << " row " << row << ": "
                              << QString::fromStdU16String(
                                     display->examples()[size_t(row)].ExampleReading.text())
                                     .toStdString();
            if (count_near(display->surface(), near_border, RGB(0, 0, 128), 80) > 0) ++crowded_rows;
            ASSERT_GT(count_near(display->surface(), reading_line, RGB(0, 0, 128), 80), 0);
        }
    }
    EXPECT_GT(crowded_rows, 20) << "many rows run their reading close to the border";
}
