// The Kanji and Example windows: where they open and what they remember, replacing their contents
// in place, the Example Window opened from the review window, and how the Kanji Window lays out
// a kanji's pronunciations, from one per line to flowing lines that stay inside their box however
// many entries there are.
#include "button.h"
#include "example_window.h"
#include "examples.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "kanji_window_contents.h"
#include "kanji_window_layout.h"
#include "learning_list.h"
#include "options.h"
#include "review_examples.h"
#include "review_window.h"
#include "stroke_screens.h"
#include "test_add_word_fixture.h"

#include <QWindow>
#include <gmock/gmock.h>

namespace {

using ::testing::ElementsAre;

class DetailWindowsTest : public DetailWindowTest {
  protected:
    QWidget* reference = nullptr;

    void SetUp() override {
        DetailWindowTest::SetUp();
        reference = new QWidget;
        reference->setGeometry(200, 120, 300, 300);
        reference->show();
    }
    // Opened over the reference the window first stands at its top-left; opened again it shows
    // the next contents in place; closed with its button it remembers its offset, and it comes
    // back at that offset from the reference moved elsewhere.
    template <typename Window> void expect_placed(void (*open)(QWidget*, int), int offset_slot) {
        open(reference, 1);
        Window* w = Window::instance();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->pos(), reference->pos()) << "first opening: the reference's top-left";
        const QImage first = w->contents().image();
        w->move(reference->pos() + QPoint(150, -20));
        open(reference, 2);
        EXPECT_EQ(Window::instance(), w);
        EXPECT_EQ(w->pos(), reference->pos() + QPoint(150, -20));
        EXPECT_NE(w->contents().image(), first);
        click(w->close_button(), QPoint(5, 5));
        EXPECT_EQ(Window::instance(), nullptr);
        EXPECT_EQ(get_option_slot(offset_slot), 150);
        EXPECT_EQ(get_option_slot(offset_slot + 1), -20);
        reference->move(60, 140);
        open(reference, 1);
        ASSERT_NE(Window::instance(), nullptr);
        EXPECT_EQ(Window::instance()->pos(), QPoint(60 + 150, 140 - 20));
    }
};

TEST_F(DetailWindowsTest, TheKanjiWindowOpensAtItsReferenceAndComesBackWhereItWasLeft) {
    expect_placed<KanjiWindow>([](QWidget* r, int kanji) { KanjiWindow_Open(r, kanji, false); },
                               OptKanjiWindowOffset);
    // Opened again from the main window by Learning List position: its offset is now taken from
    // the main window, to which it belongs.
    set_learning_list({5, 9});
    KanjiWindow_Open(main_window, 1, true);
    KanjiWindow* w = KanjiWindow::instance();
    EXPECT_EQ(w->record().Kanji, KanjiData_LoadRecord(9)->Kanji);
    EXPECT_EQ(w->reference(), main_window);
    EXPECT_EQ(w->size(), QSize(254, 359));
    EXPECT_EQ(w->windowHandle()->transientParent(), main_window->windowHandle());
    const QPoint at = w->pos();
    KanjiWindow_Close(); // as an exercise does, through the shell
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), at.x() - main_window->x());
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset + 1), at.y() - main_window->y());

    // Closed after its reference has gone, it keeps the stored offset.
    set_option_slot(OptKanjiWindowOffset, 11);
    KanjiWindow_Open(reference, 3, false);
    delete reference;
    KanjiWindow_Close();
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), 11);
}

TEST_F(DetailWindowsTest, TheExampleWindowOpensAtItsReferenceAndComesBackWhereItWasLeft) {
    expect_placed<ExampleWindow>([](QWidget* r, int id) { ExampleWindow_Open(r, id); },
                                 OptExampleWindowOffset);
    ExampleWindow* w = ExampleWindow::instance();
    EXPECT_EQ(w->size(), QSize(300, 143));
    EXPECT_EQ(w->windowHandle()->transientParent(), reference->windowHandle());
    // An example that cannot be read shows an empty box, drawn afresh over the last example.
    ExampleWindow_Open(reference, 1000000); // far beyond the end of the file
    Surface empty(kExampleContentsWidth, kExampleContentsHeight);
    draw_example_contents(empty, ExampleRecord{});
    EXPECT_EQ(w->contents().image(), empty.image());
}

// The review window with the real Example Window: a double click on an example opens it at its
// remembered offset from the review window, showing that example; closing the review closes it
// and keeps its offset from the review window.
TEST_F(DetailWindowsTest, ADoubleClickedExampleOpensAtItsOffsetFromTheReviewWindow) {
    main_window->setGeometry(10, 30, 200, 100); // the review fits the screen beside it
    set_option_slot(OptExampleWindowOffset, 120);
    set_option_slot(OptExampleWindowOffset + 1, 90);
    set_learning_list({44});
    Review_Open();
    ReviewWindow* review = ReviewWindow::instance();
    ASSERT_NE(review, nullptr);
    const KanjiRecord record = *KanjiData_LoadRecord(44);
    ASSERT_GE(record.exampleCount(), 2);

    QTest::mouseDClick(review->examples_display(), Qt::LeftButton, {}, QPoint(80, 56 + 20));
    ExampleWindow* example = ExampleWindow::instance();
    ASSERT_NE(example, nullptr);
    EXPECT_EQ(example->reference(), review);
    EXPECT_EQ(example->pos(), review->pos() + QPoint(120, 90));
    Surface expected(kExampleContentsWidth, kExampleContentsHeight);
    draw_example_contents(expected, *Examples_Load(record.ExampleIds[1]));
    EXPECT_EQ(example->contents().image(), expected.image()) << "the second example";

    example->move(review->pos() + QPoint(200, 40));
    click(review->exit_button(), QPoint(8, 8));
    EXPECT_EQ(ReviewWindow::instance(), nullptr);
    EXPECT_EQ(ExampleWindow::instance(), nullptr) << "closed with the review window";
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset), 200);
    EXPECT_EQ(get_option_slot(OptExampleWindowOffset + 1), 40);
}

// Layout of the entries of one field, widths in, positions out: each entry as "kana_x,kana_y
// romaji_x,romaji_y line", each separator as "; x,y line".
std::vector<std::string> placed(const ReadingLayout& l) {
    std::vector<std::string> out;
    const auto at = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
    for (const PlacedReading& e : l.entries)
        out.push_back(at(e.kana_x, e.kana_y) + " " + at(e.romaji_x, e.romaji_y) + " " +
                      std::to_string(e.line));
    for (const PlacedSeparator& s : l.separators)
        out.push_back("; " + at(s.x, s.y) + " " + std::to_string(s.line));
    return out;
}

TEST(ReadingLayout, UpToFourEntriesStandOnePerLineAndMoreFlowSeparatedBySemicolons) {
    EXPECT_THAT(placed(layout_readings(kKunReadingBox, {30, 20, 40}, {25, 15, 35})),
                ElementsAre("6,227 40,225 0", "6,243 30,241 1", "6,259 50,257 2"));
    EXPECT_THAT(
        placed(layout_readings(kOnReadingBox, {30, 20, 40, 10}, {})),
        ElementsAre("6,130 41,129 0", "6,146 31,145 1", "6,162 51,161 2", "6,178 21,177 3"));
    // Each entry takes 30 + 40 + 14 = 84: two fit on a line (6 + 84 + 74 = 164 < 220, then
    // 174 + 74 = 248 >= 220 wraps); a separator stays on the line of the entry before it.
    EXPECT_THAT(
        placed(layout_readings(kKunReadingBox, std::vector<int>(6, 30), std::vector<int>(6, 40))),
        ElementsAre("6,227 40,225 0", "90,227 124,225 0", "6,243 40,241 1", "90,243 124,241 1",
                    "6,259 40,257 2", "90,259 124,257 2", "; 83,225 0", "; 167,225 0", "; 83,241 1",
                    "; 167,241 1", "; 83,257 2"));
    // Five ON entries flow like KUN entries, so that all five show.
    EXPECT_THAT(
        placed(layout_readings(kOnReadingBox, std::vector<int>(5, 20), std::vector<int>(5, 30))),
        ElementsAre("6,130 30,129 0", "70,130 94,129 0", "134,130 158,129 0", "6,146 30,145 1",
                    "70,146 94,145 1", "; 63,129 0", "; 127,129 0", "; 191,129 0", "; 63,145 1"));
}

TEST(ReadingLayout, LinesWrapAtTheWrapColumnAndNothingFallsBelowTheFourthLine) {
    // The second entry starts at 6 + w + 14 and would end, with the 4-pixel gap, at 2w + 24:
    // it wraps from w = 98 (exactly 220) on.
    const auto five = [](int kana, int romaji) {
        return layout_readings(kKunReadingBox, std::vector<int>(5, kana),
                               std::vector<int>(5, romaji));
    };
    EXPECT_EQ(five(49, 49).entries[1].line, 1);
    EXPECT_EQ(five(49, 48).entries[1].line, 0);
    // An entry wider than a line does not leave the line before it empty.
    const ReadingLayout wide =
        layout_readings(kKunReadingBox, {150, 20, 20, 20, 20}, {100, 20, 20, 20, 20});
    EXPECT_EQ(wide.entries[0].line, 0);
    EXPECT_EQ(wide.entries[1].line, 1);
    // 38 pixels an entry: five to a line; more than ten keep flowing, up to the fourth line.
    const ReadingLayout twelve =
        layout_readings(kKunReadingBox, std::vector<int>(12, 12), std::vector<int>(12, 12));
    EXPECT_EQ(twelve.entries.size(), 12u);
    EXPECT_EQ(twelve.entries.back().line, 2);
    const ReadingLayout thirty =
        layout_readings(kKunReadingBox, std::vector<int>(30, 12), std::vector<int>(30, 12));
    EXPECT_EQ(thirty.entries.size(), 20u);
    for (const PlacedReading& e : thirty.entries)
        EXPECT_LE(e.kana_y, 227 + 3 * 16);
    for (const PlacedSeparator& s : thirty.separators)
        EXPECT_LE(s.y, 225 + 3 * 16);
}

// The drawn contents, on records made for the purpose and on the real ones.
class KanjiContents : public ScreenTest {
  protected:
    static QImage drawn(const KanjiRecord& record) {
        Surface s(kKanjiContentsWidth, kKanjiContentsHeight);
        draw_kanji_contents(s, record);
        return s.image();
    }
    static QRect inside(const QRect& box) {
        return box.adjusted(kSunkenBorder, kSunkenBorder, -kSunkenBorder, -kSunkenBorder);
    }
    // The pixels of `a` and `b` that differ inside `area`, or outside it. The large kanji is
    // left out of the outside: the font engine's glyph caches antialias it a shade differently
    // from one drawing to another, and no reading comes near it.
    static int differences(const QImage& a, const QImage& b, const QRect& area, bool in = true) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += (in ? area.contains(x, y)
                         : !area.contains(x, y) && !inside(kKanjiBox).contains(x, y)) &&
                     a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
    static KanjiRecord with_readings(const std::u16string& on, const std::u16string& on_romaji,
                                     const std::u16string& kun, const std::u16string& kun_romaji) {
        KanjiRecord r{};
        r.Kanji = u'生';
        r.Meaning.assign(u"life");
        r.OnPronun.assign(on);
        r.OnRomaji.assign(on_romaji);
        r.KunPronun.assign(kun);
        r.KunRomaji.assign(kun_romaji);
        return r;
    }
};

TEST_F(KanjiContents, OneOnReadingAndNoKunShowOneOnLineAndAnEmptyKunBox) {
    const KanjiRecord one_on = with_readings(u"デン", u"DEN", u"", u"");
    const KanjiRecord none = with_readings(u"", u"", u"", u"");
    const QImage a = drawn(one_on), b = drawn(none);
    EXPECT_EQ(differences(a, b, inside(kKunBox)), 0) << "an empty KUN box";
    EXPECT_GT(differences(a, b, QRect(4, 128, 200, 16)), 0) << "the ON line";
    EXPECT_EQ(differences(a, b, QRect(2, 146, 222, 48)), 0) << "and no second one";
}

// An entry far too wide for the box is cut at the box's side (the layout keeps many entries
// on the box's lines; the real kanji with the most entries are drawn below).
TEST_F(KanjiContents, AnEntryTooWideForTheKunBoxIsCutAtItsSide) {
    const KanjiRecord too_wide = with_readings(u"セイ", u"SEI", std::u16string(40, u'あ'), u"a");
    const KanjiRecord without = with_readings(u"セイ", u"SEI", u"", u"");
    EXPECT_EQ(differences(drawn(too_wide), drawn(without), inside(kKunBox), false), 0);
    EXPECT_GT(differences(drawn(too_wide), drawn(without), inside(kKunBox)), 0);
}

TEST_F(KanjiContents, TheRealKanjiWithTheMostReadingsStayInsideTheirBoxes) {
    int checked = 0;
    for (int k = 1; k <= kKanjiTotal; ++k) {
        KanjiRecord r = *KanjiData_LoadRecord(k);
        const bool crowded = split_readings(r.OnPronun.text()).size() >= 5 ||
                             split_readings(r.KunPronun.text()).size() >= 8;
        if (!crowded) continue;
        ++checked;
        KanjiRecord bare = r;
        bare.OnPronun.assign(u"");
        bare.KunPronun.assign(u"");
        const QImage full = drawn(r), without = drawn(bare);
        const QImage only_on = [&] {
            KanjiRecord on = bare;
            on.OnPronun = r.OnPronun;
            return drawn(on);
        }();
        EXPECT_EQ(differences(only_on, without, inside(kOnBox), false), 0) << "kanji " << k;
        EXPECT_EQ(differences(full, only_on, inside(kKunBox), false), 0) << "kanji " << k;
    }
    EXPECT_GT(checked, 10);
}

} // namespace
