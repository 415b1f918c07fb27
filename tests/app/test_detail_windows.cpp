// The Kanji and Example windows: where they open and what they remember (the placement rules
// are held in tests/widgets), and how the Kanji Window lays out and draws a kanji's
// pronunciations, from one per line to flowing lines that stay inside their box.
#include "button.h"
#include "example_window.h"
#include "examples.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "kanji_window_contents.h"
#include "kanji_window_layout.h"
#include "learning_list.h"
#include "options.h"
#include "test_add_word_fixture.h"

namespace {

// Opened over the reference a window first stands at its top-left; opened again it shows the
// next contents in place; closed with its button it remembers its offset, and it comes back at
// that offset from the reference moved elsewhere.
template <typename Window>
void expect_placed(QWidget* reference, void (*open)(QWidget*, int), int offset_slot) {
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
    QTest::mouseClick(w->close_button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Window::instance(), nullptr);
    EXPECT_EQ(get_option_slot(offset_slot), 150);
    EXPECT_EQ(get_option_slot(offset_slot + 1), -20);
    reference->move(60, 140);
    open(reference, 1);
    ASSERT_NE(Window::instance(), nullptr);
    EXPECT_EQ(Window::instance()->pos(), QPoint(60 + 150, 140 - 20));
}

TEST_F(DetailWindowTest, TheKanjiAndExampleWindowsOpenAtTheirReferenceAndComeBackWhereLeft) {
    auto* reference = new QWidget; // deleted with the other windows by ScreenTest::TearDown
    reference->setGeometry(200, 120, 300, 300);
    reference->show();
    expect_placed<KanjiWindow>(
        reference, [](QWidget* r, int kanji) { KanjiWindow_Open(r, kanji, false); },
        OptKanjiWindowOffset);
    expect_placed<ExampleWindow>(
        reference, [](QWidget* r, int id) { ExampleWindow_Open(r, id); }, OptExampleWindowOffset);
    // An example that cannot be read shows an empty box, drawn afresh over the last example.
    ExampleWindow_Open(reference, 1000000);
    Surface empty(kExampleContentsWidth, kExampleContentsHeight);
    draw_example_contents(empty, ExampleRecord{});
    EXPECT_EQ(ExampleWindow::instance()->contents().image(), empty.image());

    // Opened from the main window by Learning List position, its offset is from the main window.
    set_learning_list({5, 9});
    KanjiWindow_Open(main_window, 1, true);
    EXPECT_EQ(KanjiWindow::instance()->record().Kanji, KanjiData_LoadRecord(9)->Kanji);
    const QPoint at = KanjiWindow::instance()->pos();
    KanjiWindow_Close(); // as an exercise does, through the shell
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), at.x() - main_window->x());
    // Closed after its reference has gone, it keeps the stored offset.
    set_option_slot(OptKanjiWindowOffset, 11);
    KanjiWindow_Open(reference, 3, false);
    delete reference;
    KanjiWindow_Close();
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), 11);
}

// Each entry's line, and whether it follows the entry before it on that line.
std::string lines(const ReadingLayout& l) {
    std::string out;
    for (size_t i = 0; i < l.entries.size(); ++i)
        out += (i && l.entries[i].line == l.entries[i - 1].line ? "+" : " ") +
               std::to_string(l.entries[i].line);
    return out;
}

TEST(ReadingLayout, UpToFourEntriesStandOnePerLineMoreFlowAndWrapAndNothingFallsBelowTheBox) {
    const auto n = [](int count, int kana, int romaji) {
        return layout_readings(kKunReadingBox, std::vector<int>(size_t(count), kana),
                               std::vector<int>(size_t(count), romaji));
    };
    EXPECT_EQ(lines(n(4, 10, 10)), " 0 1 2 3");
    EXPECT_EQ(lines(n(5, 10, 10)), " 0+0+0+0+0") << "five flow along the line";
    EXPECT_EQ(n(5, 10, 10).separators.size(), 4u);
    // The second entry starts at 6 + w + 14 and would end, with the 4-pixel gap, at 2w + 24:
    // it wraps from w = 98 (exactly 220) on.
    EXPECT_EQ(lines(n(5, 49, 49)), " 0 1 2 3");
    EXPECT_EQ(lines(n(5, 49, 48)), " 0+0 1+1 2");
    const ReadingLayout wide =
        layout_readings(kKunReadingBox, {150, 20, 20, 20, 20}, {100, 20, 20, 20, 20});
    EXPECT_EQ(lines(wide), " 0 1+1+1+1") << "a wide entry leaves no empty line before it";
    const ReadingLayout thirty = n(30, 12, 12);
    EXPECT_EQ(thirty.entries.size(), 20u);
    for (const PlacedReading& e : thirty.entries)
        EXPECT_LE(e.kana_y, kKunReadingBox.kana_y + 3 * kReadingLineStep);
    for (const PlacedSeparator& s : thirty.separators)
        EXPECT_LE(s.y, kKunReadingBox.romaji_y + 3 * kReadingLineStep);
    const ReadingLayout on = layout_readings(kOnReadingBox, {30, 20}, {25, 15});
    EXPECT_EQ(on.entries[1].kana_y, kOnReadingBox.kana_y + kReadingLineStep);
    EXPECT_EQ(on.entries[1].romaji_x, kReadingLeft + 20 + kOnReadingBox.romaji_gap);
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
