// The toolkit's images in dlls/ag.rcc and dlls/picmain.rcc, and beside each the same picture
// drawn at twice the size ("<id>@2x.png") for screens with twice the pixels: each holds every
// source rectangle that its control copies, is transparent round the shape it draws (so the
// lined backgrounds show through at either row parity), and the pieces that controls put side
// by side, stretch or repeat join without a seam at either size.
#include "run_files.h"

#include <QPointF>
#include <cmath>
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

const std::vector<QRect> kSunkenCorners = {
    {0, 0, 7, 7}, {8, 0, 7, 6}, {16, 0, 6, 6}, {23, 0, 6, 6}};

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> all = {
        {"ag", 3, row_of(5, 34, 24), true},          {"ag", 4, row_of(5, 34, 24), true},
        {"ag", 400, row_of(3, 12, 12), true},        {"ag", 610, kSunkenCorners, true},
        {"ag", 620, kSunkenCorners, true},           {"ag", 7000, group_frame_pieces(), true},
        {"ag", 810, caption_bar_pieces(), false},    {"ag", 820, row_of(4, 19, 14), true},
        {"ag", 840, row_of(4, 19, 14), true},        {"ag", 850, row_of(3, 12, 12), true},
        {"picmain", 13465, row_of(1, 32, 32), true}, {"picmain", 13466, row_of(1, 32, 32), true},
        {"picmain", 16000, row_of(4, 26, 25), true},
    };
    return all;
}

// Every piece differs from the others (each shows its own state, picture or part), and the
// caption bar is the one image whose pieces cover their whole cell; every other piece lets the
// background show round its shape. The double-size image is exactly twice the plain one,
// shows the same picture brought back to the plain size, and is drawn rather than enlarged.
TEST(LibraryImages, HoldTheirLayoutAndADoubleSizeDrawingOfTheSamePicture) {
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(QString("%1 %2").arg(l.library).arg(l.id).toStdString());
        const QImage image = library_image(l.library, l.id);
        ASSERT_FALSE(image.isNull());
        QRect all;
        for (size_t a = 0; a < l.pieces.size(); ++a) {
            const QRect& r = l.pieces[a];
            EXPECT_TRUE(image.rect().contains(r)) << r.x() << "," << r.y();
            all |= r;
            for (size_t b = 0; b < a; ++b)
                EXPECT_NE(piece(image, r), piece(image, l.pieces[b]))
                    << "pieces " << b << ", " << a;
        }
        if (l.exact) {
            EXPECT_EQ(image.size(), all.size());
        }
        EXPECT_EQ(image.height(), all.height()); // the bar is 20 high, like every strip
        int see_through = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                see_through += alpha_at(image, x, y) < 255;
        EXPECT_EQ(see_through == 0, l.id == 810) << see_through;

        const QImage big = library_image(l.library, l.id, 2);
        ASSERT_EQ(big.size(), image.size() * 2);
        EXPECT_LT(mean_difference(image, big), 10.0) << "brought back to the plain size";
        if (l.id != 810) { // the caption bar is a vertical gradient: its blocks are uniform
            EXPECT_GT(mixed_blocks(big), 3) << "curves drawn, not enlarged";
        }
    }
    EXPECT_NE(library_image("picmain", 13465), library_image("picmain", 13466));
    EXPECT_NE(library_image("ag", 3), library_image("ag", 4));
    const QImage icons = library_image("ag", 850, 2);
    for (int cell = 0; cell < 3; ++cell) // the emblem on the window icon is brushed finer
        EXPECT_GT(contrasting_blocks(icons, QRect(cell * 24 + 4, 4, 16, 16), 32), 8) << cell;
}

// Round shapes: every pixel wholly outside the circle (its centre further than the radius plus
// half a pixel's diagonal) is transparent, every pixel wholly inside is opaque, and the pixels
// across the edge are antialiased.
void expect_round(const QImage& image, QRect cell, QPointF centre, double inner, double outer) {
    const double half_diagonal = std::sqrt(0.5);
    int partial = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
            const int a = alpha_at(image, cell.x() + x, cell.y() + y);
            if (d > outer + half_diagonal) {
                EXPECT_EQ(a, 0) << "outside at " << x << "," << y;
            } else if (d < inner - half_diagonal) {
                EXPECT_EQ(a, 255) << "inside at " << x << "," << y;
            }
            partial += a > 0 && a < 255;
        }
    }
    EXPECT_GT(partial, 8) << "an antialiased edge";
}

TEST(Pictures, MessageIconsAndBulletsAreTheirDiscOrCircleOnly) {
    for (int id : {13465, 13466}) {
        SCOPED_TRACE(id);
        // A disc of radius 13.5 round (16, 16) with a one-pixel outline.
        expect_round(library_image("picmain", id), {0, 0, 32, 32}, {16, 16}, 13.0, 14.0);
    }
    const QImage bullets = library_image("picmain", 16000);
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        // A circle of radius 7.5 round (13, 12.5) with a 1.2-pixel ring.
        expect_round(bullets, {frame * 26, 0, 26, 25}, {13, 12.5}, 6.9, 8.1);
    }
}

// A button copies a slice's 10-pixel caps and stretches its 14 middle columns. The straight part
// of the face, on either side of the joins, is column for column the same at either size, so
// the joins show on no background; the rounded corners and the shadow row's ends are
// transparent.
TEST(ButtonFaces, StraightPartIsSeamlessAndCornersTransparent) {
    for (int id : {3, 4}) {
        for (int scale : {1, 2}) {
            const QImage strip = library_image("ag", id, scale);
            for (int slice = 0; slice < 5; ++slice) {
                const int sx = slice * 34 * scale;
                const QImage first = strip.copy(sx + 6 * scale, 0, 1, 24 * scale);
                for (int x = 6 * scale + 1; x < 28 * scale; ++x) // past the 4.5-pixel rounding
                    EXPECT_EQ(strip.copy(sx + x, 0, 1, 24 * scale), first)
                        << id << "/" << slice << " at scale " << scale << ", column " << x;
            }
        }
        const QImage strip = library_image("ag", id);
        for (int slice = 0; slice < 5; ++slice) {
            SCOPED_TRACE(QString("%1/%2").arg(id).arg(slice).toStdString());
            const int sx = slice * 34;
            for (int y = 0; y <= 22; ++y)
                EXPECT_EQ(alpha_at(strip, sx + 16, y), 255) << "the face itself, row " << y;
            for (QPoint corner : {QPoint(0, 0), QPoint(33, 0), QPoint(0, 22), QPoint(33, 22),
                                  QPoint(0, 23), QPoint(33, 23)})
                EXPECT_EQ(alpha_at(strip, sx + corner.x(), corner.y()), 0)
                    << corner.x() << "," << corner.y();
            EXPECT_GT(alpha_at(strip, sx + 1, 1), 0) << "the bend is antialiased";
            EXPECT_LT(alpha_at(strip, sx + 1, 1), 255);
        }
        // Normal and hovered faces cast a soft shadow: a faint tint, not a white row.
        for (int slice : {0, 1}) {
            const int a = alpha_at(strip, slice * 34 + 16, 23);
            EXPECT_GT(a, 0);
            EXPECT_LT(a, 64);
        }
    }
}

// A mark, as it shows over white, is ANDed into the box at (3, 2): only the white inside of the
// box (cell columns 0..9, rows 1..10) may take ink; everything else is transparent.
TEST(CheckMarks, InkOnlyInsideTheBoxAndPaleIsPaler) {
    const QImage marks = library_image("ag", 400);
    int darkest[3] = {255, 255, 255};
    for (int cell = 0; cell < 3; ++cell) {
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                const QRgb c = marks.pixel(cell * 12 + x, y);
                const bool inside = x <= 9 && y >= 1 && y <= 10;
                if (!inside) {
                    EXPECT_EQ(qAlpha(c), 0) << cell << " at " << x << "," << y;
                }
                const int over_white = (qGray(c) * qAlpha(c) + 255 * (255 - qAlpha(c))) / 255;
                darkest[cell] = std::min(darkest[cell], over_white);
            }
        }
    }
    EXPECT_LT(darkest[0], 80);
    EXPECT_LT(darkest[1], 120);
    EXPECT_GT(darkest[2], darkest[0] + 80);
}

// Where a corner piece meets the straight border of the sunken box, its pixels are the border's
// at either size: outer line greys 153, 228, 249, 143 and inner 180, 225, 242, 198 (top, right,
// bottom, left).
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
        for (int scale : {1, 2}) {
            const QImage corners = library_image("ag", id, scale);
            const auto expect_grey = [&](QPoint p, int grey) {
                for (int d = 0; d < scale * scale; ++d)
                    EXPECT_EQ(corners.pixel(p.x() * scale + d % scale, p.y() * scale + d / scale),
                              qRgb(grey, grey, grey))
                        << id << " at scale " << scale << ", " << p.x() << "," << p.y();
            };
            for (const Seam& s : seams) {
                expect_grey(s.outer, s.outer_grey);
                expect_grey(s.inner, s.inner_grey);
            }
        }
        const QImage corners = library_image("ag", id);
        EXPECT_EQ(corners.pixel(6, 6), qRgb(255, 255, 255)) << "the white inside of the box";
        // Outside the bend, at the box's very corners, the pieces are transparent; along the
        // bend they are antialiased.
        for (QPoint corner : {QPoint(0, 0), QPoint(14, 0), QPoint(21, 5), QPoint(23, 5)}) {
            EXPECT_EQ(alpha_at(corners, corner.x(), corner.y()), 0)
                << id << " at " << corner.x() << "," << corner.y();
        }
        int partial = 0;
        for (int x = 0; x < 7; ++x)
            partial += alpha_at(corners, x, 6 - x) > 0 && alpha_at(corners, x, 6 - x) < 255;
        for (int y = 0; y < 7; ++y)
            partial += alpha_at(corners, 0, y) > 0 && alpha_at(corners, 0, y) < 255;
        EXPECT_GT(partial, 0) << id;
    }
}

// A GroupFrame is assembled from image 7000's column c: 13 x 13 corners, edge pieces every two
// rows down the sides from under the top corners, stretched top and bottom edges. The corners
// continue into the edges at either size. The frame line runs one pixel in from every edge;
// outside it, inside it and inside the corners' bends the background shows.
TEST(GroupFrame, CornersContinueIntoTheEdgesAndTheLineAloneIsOpaque) {
    for (int scale : {1, 2}) {
        const QImage f = library_image("ag", 7000, scale);
        const auto p = [&](QRect r) { return piece(f, r, scale); };
        for (int c : {0, 14}) {
            SCOPED_TRACE(testing::Message() << "column " << c << ", scale " << scale);
            const QImage horizontal = p({c, 56, 1, 3});
            EXPECT_EQ(p({c + 12, 0, 1, 3}), horizontal) << "top-left into the top edge";
            EXPECT_EQ(p({c, 14, 1, 3}), horizontal) << "top edge into top-right";
            EXPECT_EQ(p({c + 12, 38, 1, 3}), horizontal) << "bottom-left into the bottom edge";
            EXPECT_EQ(p({c, 52, 1, 3}), horizontal) << "bottom edge into bottom-right";
            const QImage vertical = p({c + 3, 56, 3, 2});
            // Edge pieces start right under a top corner; a bottom corner follows on the row
            // after a piece's first row.
            EXPECT_EQ(p({c, 11, 3, 2}), vertical) << "top-left into the left edge";
            EXPECT_EQ(p({c + 10, 25, 3, 2}), vertical) << "top-right into the right edge";
            EXPECT_EQ(p({c, 28, 3, 1}), p({c + 3, 57, 3, 1})) << "into bottom-left";
            EXPECT_EQ(p({c + 10, 42, 3, 1}), p({c + 3, 57, 3, 1})) << "into bottom-right";
        }
    }
    const QImage f = library_image("ag", 7000);
    for (int c : {0, 14}) {
        SCOPED_TRACE(c);
        const QRgb line = f.pixel(c + 4, 56);
        EXPECT_EQ(qAlpha(line), 255);
        for (int i : {0, 2}) { // outside and inside the line, across both edge pieces
            EXPECT_EQ(alpha_at(f, c, 56 + i), 0) << "top and bottom edge, row " << i;
            for (int y : {56, 57})
                EXPECT_EQ(alpha_at(f, c + 3 + i, y), 0) << "side edge, column " << i;
        }
        EXPECT_EQ(f.pixel(c, 57), line);
        EXPECT_EQ(f.pixel(c + 4, 57), line);
        for (int y : {0, 14, 28, 42}) {
            const int outer_x = y == 0 || y == 28 ? c : c + 12; // left or right corner
            for (int row = 0; row < 13; ++row)
                EXPECT_EQ(alpha_at(f, outer_x, y + row), 0) << "corner at " << y << ", row " << row;
            EXPECT_EQ(alpha_at(f, c + 6, y + 6), 0) << "inside the bend of the corner at " << y;
        }
    }
}

// The bar is drawn from a left piece, one stretched column and a right piece that overlap in
// the image; its columns are alike at either size so that the pieces join invisibly. Glyph
// cells (drawn at row 4) and icon cells (row 5) are transparent round their glyph, plate or
// tile.
TEST(CaptionBar, ColumnsAlikeAndGlyphsAndIconLeaveTheBarVisible) {
    for (int scale : {1, 2}) {
        const QImage bar = library_image("ag", 810, scale);
        for (int c : {0, 9})
            for (int x = (c + 2) * scale; x < (c + 7) * scale; ++x)
                EXPECT_EQ(bar.copy(x, 0, 1, 20 * scale),
                          bar.copy((c + 5) * scale, 0, 1, 20 * scale))
                    << "scale " << scale << ", column " << x;
    }
    for (int id : {820, 840}) {
        const QImage glyphs = library_image("ag", id);
        for (int state = 0; state < 4; ++state)
            for (int x : {state * 19, state * 19 + 18})
                for (int y = 0; y < 14; ++y)
                    EXPECT_EQ(alpha_at(glyphs, x, y), 0)
                        << id << " state " << state << " at " << x << "," << y;
    }
    const QImage icon = library_image("ag", 850);
    for (int cell = 0; cell < 3; ++cell) {
        EXPECT_EQ(alpha_at(icon, cell * 12 + 6, 6), 255) << "cell " << cell << " shows its tile";
        EXPECT_LT(alpha_at(icon, cell * 12, 0), 255) << "cell " << cell << " has round corners";
    }
}

} // namespace
