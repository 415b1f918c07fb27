// The Kanji Window: its offset kept when its reference has gone, and how it lays out and draws a
// kanji's pronunciations, from one per line to flowing lines that stay inside their box. Where
// the detail windows open is held in tests/widgets (the placement rules) and in the
// damaged-installation walk (each opens and closes).
#include "detail_windows.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "kanji_window_contents.h"
#include "kanji_window_layout.h"
#include "options.h"
#include "screen_fixture.h"
#include "shell.h"

namespace {

// A Kanji Window closed after its reference has gone keeps the stored offset (and reads
// nothing of the reference).
using KanjiWindowTest = ScreenTest;

TEST_F(KanjiWindowTest, ClosedAfterItsReferenceHasGoneItKeepsItsOffset) {
    open_study_data();
    ShellOperations ops;
    install_detail_window_operations(ops);
    Shell_Install(new QWidget, ops); // a stand-in main window, deleted by TearDown
    auto* reference = new QWidget;
    reference->show();
    set_option_slot(OptKanjiWindowOffset, 11);
    KanjiWindow_Open(reference, 3, false);
    ASSERT_NE(KanjiWindow::instance(), nullptr);
    delete reference;
    KanjiWindow_Close();
    EXPECT_EQ(KanjiWindow::instance(), nullptr);
    EXPECT_EQ(get_option_slot(OptKanjiWindowOffset), 11);
    Shell_Install(nullptr, {});
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

// An entry far too wide for the box is cut at the box's side.
TEST_F(KanjiContents, AnEntryTooWideForTheKunBoxIsCutAtItsSide) {
    const KanjiRecord too_wide = with_readings(u"セイ", u"SEI", std::u16string(40, u'あ'), u"a");
    const KanjiRecord without = with_readings(u"セイ", u"SEI", u"", u"");
    EXPECT_EQ(differences(drawn(too_wide), drawn(without), inside(kKunBox), false), 0);
    EXPECT_GT(differences(drawn(too_wide), drawn(without), inside(kKunBox)), 0);
}

} // namespace
