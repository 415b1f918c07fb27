// The toolkit's images in dlls/ag.rcc and dlls/picmain.rcc: each holds every source rectangle
// that its control copies, and the pieces that controls put side by side or stretch join
// without a seam.
#include "run_files.h"

#include <QColor>
#include <gmock/gmock.h>
#include <vector>

namespace {

struct Layout {
    QString library;
    int id;
    std::vector<QRect> pieces; // the source rectangles the toolkit copies
    bool exact;                // the pieces fill the image exactly
};

std::vector<QRect> row_of(int count, int w, int h) {
    std::vector<QRect> cells;
    for (int i = 0; i < count; ++i)
        cells.emplace_back(i * w, 0, w, h);
    return cells;
}

std::vector<QRect> group_frame_pieces() {
    std::vector<QRect> pieces;
    for (int c : {0, 14}) {
        for (int y : {0, 14, 28, 42})
            pieces.emplace_back(c, y, 13, 13);
        pieces.emplace_back(c, 56, 1, 3);
        pieces.emplace_back(c + 3, 56, 3, 2);
    }
    return pieces;
}

std::vector<QRect> caption_bar_pieces() {
    std::vector<QRect> pieces;
    for (int c : {0, 9}) {
        pieces.emplace_back(c + 2, 0, 5, 20);
        pieces.emplace_back(c + 5, 0, 1, 20);
        pieces.emplace_back(c + 3, 0, 4, 20);
    }
    return pieces;
}

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> all = {
        {"ag", 3, row_of(5, 34, 24), true},
        {"ag", 4, row_of(5, 34, 24), true},
        {"ag", 400, row_of(3, 12, 12), true},
        {"ag", 610, {{0, 0, 7, 7}, {8, 0, 7, 6}, {16, 0, 6, 6}, {23, 0, 6, 6}}, true},
        {"ag", 620, {{0, 0, 7, 7}, {8, 0, 7, 6}, {16, 0, 6, 6}, {23, 0, 6, 6}}, true},
        {"ag", 7000, group_frame_pieces(), true},
        {"ag", 810, caption_bar_pieces(), false},
        {"ag", 820, row_of(4, 19, 14), true},
        {"ag", 840, row_of(4, 19, 14), true},
        {"ag", 850, row_of(3, 12, 12), true},
        {"picmain", 13465, row_of(1, 32, 32), true},
        {"picmain", 13466, row_of(1, 32, 32), true},
        {"picmain", 16000, row_of(4, 26, 25), true},
    };
    return all;
}

QImage piece(const QImage& image, QRect r) {
    return image.copy(r);
}

TEST(LibraryImages, HoldEverySourceRectangleOfTheirLayout) {
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(QString("%1 %2").arg(l.library).arg(l.id).toStdString());
        const QImage image = library_image(l.library, l.id);
        ASSERT_FALSE(image.isNull());
        QRect all;
        for (const QRect& r : l.pieces) {
            EXPECT_TRUE(image.rect().contains(r)) << r.x() << "," << r.y();
            all |= r;
        }
        if (l.exact) {
            EXPECT_EQ(image.size(), all.size());
        }
        EXPECT_EQ(image.height(), all.height()); // the bar is 20 high, like every strip
    }
}

TEST(LibraryImages, AreOpaqueSoThatCopiesCoverWhatIsBehind) {
    for (const Layout& l : layouts()) {
        const QImage image = library_image(l.library, l.id).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << l.id << " at " << x << "," << y;
    }
}

// A button stretches the 14 middle columns of a slice; they must all be the same.
TEST(ButtonFaces, MiddlesStretchWithoutASeamAndStatesLookDifferent) {
    for (int id : {3, 4}) {
        const QImage strip = library_image("ag", id);
        for (int slice = 0; slice < 5; ++slice) {
            const QImage first = piece(strip, {slice * 34 + 10, 0, 1, 24});
            for (int x = 11; x < 24; ++x)
                EXPECT_EQ(piece(strip, {slice * 34 + x, 0, 1, 24}), first) << id << "/" << slice;
            for (int other = 0; other < slice; ++other)
                EXPECT_NE(piece(strip, {slice * 34, 0, 34, 24}),
                          piece(strip, {other * 34, 0, 34, 24}))
                    << id << ": slices " << other << " and " << slice;
        }
    }
    EXPECT_NE(library_image("ag", 3), library_image("ag", 4));
}

// A mark is ANDed into the box at (3, 2): its white leaves the box as it is, and only the white
// inside of the box (cell columns 0..9, rows 1..10) may take ink.
TEST(CheckMarks, InkOnlyInsideTheBoxAndPaleIsPaler) {
    const QImage marks = library_image("ag", 400);
    int darkest[3] = {255, 255, 255};
    for (int cell = 0; cell < 3; ++cell) {
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                const QRgb c = marks.pixel(cell * 12 + x, y);
                const bool inside = x <= 9 && y >= 1 && y <= 10;
                if (!inside) {
                    EXPECT_EQ(c & 0xffffff, 0xffffffu) << cell << " at " << x << "," << y;
                }
                darkest[cell] = std::min(darkest[cell], qGray(c));
            }
        }
    }
    EXPECT_LT(darkest[0], 80);
    EXPECT_LT(darkest[1], 120);
    EXPECT_GT(darkest[2], darkest[0] + 80);
}

// Where a corner piece meets the straight border of the sunken box, its pixels are the border's:
// outer line greys 153, 228, 249, 143 and inner 180, 225, 242, 198 (top, right, bottom, left).
TEST(SunkenCorners, MeetTheStraightBorderLines) {
    struct Seam {
        QPoint outer, inner; // the two border pixels at the piece's edge
        int outer_grey, inner_grey;
    };
    const Seam seams[] = {
        {{6, 0}, {6, 1}, 153, 180},   // top-left piece, its right column: top side
        {{0, 6}, {1, 6}, 143, 198},   // top-left piece, its bottom row: left side
        {{8, 0}, {8, 1}, 153, 180},   // top-right piece, left column: top side
        {{14, 5}, {13, 5}, 228, 225}, // top-right piece, bottom row: right side
        {{21, 0}, {20, 0}, 228, 225}, // bottom-right piece, top row: right side
        {{16, 5}, {16, 4}, 249, 242}, // bottom-right piece, left column: bottom side
        {{23, 0}, {24, 0}, 143, 198}, // bottom-left piece, top row: left side
        {{28, 5}, {28, 4}, 249, 242}, // bottom-left piece, right column: bottom side
    };
    for (int id : {610, 620}) {
        const QImage corners = library_image("ag", id);
        for (const Seam& s : seams) {
            EXPECT_EQ(corners.pixel(s.outer), qRgb(s.outer_grey, s.outer_grey, s.outer_grey))
                << id << " at " << s.outer.x() << "," << s.outer.y();
            EXPECT_EQ(corners.pixel(s.inner), qRgb(s.inner_grey, s.inner_grey, s.inner_grey))
                << id << " at " << s.inner.x() << "," << s.inner.y();
        }
        EXPECT_EQ(corners.pixel(6, 6), qRgb(255, 255, 255)) << "the white inside of the box";
    }
}

// The corners of a GroupFrame continue into its stretched top and bottom edges and into the
// edge pieces repeated every two rows down its sides.
TEST(GroupFrame, CornersContinueIntoTheEdges) {
    const QImage f = library_image("ag", 7000);
    for (int c : {0, 14}) {
        const QImage horizontal = piece(f, {c, 56, 1, 3});
        EXPECT_EQ(piece(f, {c + 12, 0, 1, 3}), horizontal) << "top-left into the top edge";
        EXPECT_EQ(piece(f, {c, 14, 1, 3}), horizontal) << "top edge into top-right";
        EXPECT_EQ(piece(f, {c + 12, 38, 1, 3}), horizontal) << "bottom-left into the bottom edge";
        EXPECT_EQ(piece(f, {c, 52, 1, 3}), horizontal) << "bottom edge into bottom-right";
        const QImage vertical = piece(f, {c + 3, 56, 3, 2});
        // Edge pieces start right under a top corner; a bottom corner follows on the row after
        // a piece's first row.
        EXPECT_EQ(piece(f, {c, 11, 3, 2}), vertical) << "top-left into the left edge";
        EXPECT_EQ(piece(f, {c + 10, 25, 3, 2}), vertical) << "top-right into the right edge";
        EXPECT_EQ(piece(f, {c, 28, 3, 1}), piece(f, {c + 3, 57, 3, 1})) << "into bottom-left";
        EXPECT_EQ(piece(f, {c + 10, 42, 3, 1}), piece(f, {c + 3, 57, 3, 1})) << "into bottom-right";
    }
    EXPECT_NE(piece(f, {0, 0, 13, 13}), piece(f, {14, 0, 13, 13})) << "inactive looks different";
}

// The bar is drawn from a left piece, one stretched column and a right piece that overlap in
// the image; its columns are alike so that the pieces join invisibly. Glyph cells (drawn at
// row 4) and icon cells (row 5) are painted over the bar's own pixels: the disabled glyph and
// the inactive icon over the inactive bar.
TEST(CaptionBar, GlyphsAndIconSitOnTheBarTheyAreDrawnOn) {
    const QImage bar = library_image("ag", 810);
    for (int c : {0, 9})
        for (int x = c + 2; x <= c + 6; ++x)
            EXPECT_EQ(piece(bar, {x, 0, 1, 20}), piece(bar, {c + 5, 0, 1, 20})) << x;
    EXPECT_NE(piece(bar, {5, 0, 1, 20}), piece(bar, {14, 0, 1, 20}));
    for (int id : {820, 840}) {
        const QImage glyphs = library_image("ag", id);
        for (int state = 0; state < 4; ++state) {
            const int c = state == 3 ? 9 : 0;
            for (int x : {state * 19, state * 19 + 18})
                EXPECT_EQ(piece(glyphs, {x, 0, 1, 14}), piece(bar, {c + 5, 4, 1, 14}))
                    << id << " state " << state << " column " << x;
        }
        for (int state = 1; state < 4; ++state)
            EXPECT_NE(piece(glyphs, {state * 19, 0, 19, 14}), piece(glyphs, {0, 0, 19, 14}));
    }
    const QImage icon = library_image("ag", 850);
    for (int cell = 0; cell < 3; ++cell) {
        const QRgb bar_pixel = bar.pixel(cell == 2 ? 14 : 5, 5 + 6);
        EXPECT_NE(icon.pixel(cell * 12 + 6, 6), bar_pixel) << "cell " << cell << " shows an icon";
    }
    EXPECT_NE(piece(icon, {0, 0, 12, 12}), piece(icon, {12, 0, 12, 12}));
    EXPECT_NE(piece(icon, {0, 0, 12, 12}), piece(icon, {24, 0, 12, 12}));
}

TEST(Pictures, MessageIconsAndBulletsAreDistinct) {
    const QImage question = library_image("picmain", 13465);
    const QImage notice = library_image("picmain", 13466);
    EXPECT_NE(question, notice);
    const QImage bullets = library_image("picmain", 16000);
    for (int a = 0; a < 4; ++a) {
        // The choice panel is white; a bullet frame's corners are too.
        EXPECT_EQ(bullets.pixel(a * 26, 0) & 0xffffff, 0xffffffu);
        for (int b = 0; b < a; ++b)
            EXPECT_NE(piece(bullets, {a * 26, 0, 26, 25}), piece(bullets, {b * 26, 0, 26, 25}));
    }
}

} // namespace
