// The toolkit's images in dlls/ag.rcc and dlls/picmain.rcc, each beside the same picture drawn at
// twice the size ("<id>@2x.png").
#include "run_files.h"

#include <gmock/gmock.h>

namespace {

QImage image_of(int id, int scale = 1) {
    return library_image(id >= 13000 ? "picmain" : "ag", id, scale);
}

// Every piece differs from the others (each shows its own state, picture or part); every image
// but the caption bar lets the background show round its shape. The double-size image is twice
// the plain one, shows the same picture brought back to the plain size, and is drawn rather than
// enlarged.
TEST(LibraryImages, HoldTheirPiecesAndADoubleSizeDrawingOfTheSamePicture) {
    const std::vector<QRect> sunken = {{0, 0, 7, 7}, {8, 0, 7, 6}, {16, 0, 6, 6}, {23, 0, 6, 6}};
    std::vector<std::pair<int, std::vector<QRect>>> images = {{610, sunken},
                                                              {620, sunken},
                                                              {7000, {}},
                                                              {810,
                                                               {{2, 0, 5, 20},
                                                                {5, 0, 1, 20},
                                                                {3, 0, 4, 20},
                                                                {11, 0, 5, 20},
                                                                {14, 0, 1, 20},
                                                                {12, 0, 4, 20}}}};
    for (int c : {0, 14}) { // GroupFrame's corners, stretched top and bottom, repeated sides
        for (int y : {0, 14, 28, 42})
            images[2].second.emplace_back(c, y, 13, 13);
        images[2].second.emplace_back(c, 56, 1, 3);
        images[2].second.emplace_back(c + 3, 56, 3, 2);
    }
    for (auto [id, n, w, h] : {std::array{3, 5, 34, 24},
                               {4, 5, 34, 24},
                               {400, 3, 12, 12},
                               {820, 4, 19, 14},
                               {840, 4, 19, 14},
                               {850, 3, 12, 12},
                               {13465, 1, 32, 32},
                               {13466, 1, 32, 32},
                               {16000, 4, 26, 25}}) {
        images.push_back({id, {}});
        for (int i = 0; i < n; ++i)
            images.back().second.emplace_back(i * w, 0, w, h);
    }
    for (const auto& [id, pieces] : images) {
        SCOPED_TRACE(id);
        const QImage image = image_of(id);
        QRect all;
        for (size_t a = 0; a < pieces.size(); ++a) {
            all |= pieces[a];
            for (size_t b = 0; b < a; ++b)
                EXPECT_NE(piece(image, pieces[a]), piece(image, pieces[b])) << b << ", " << a;
        }
        EXPECT_EQ(image.size(), id == 810 ? image.size() : all.size()); // the bar's overlap
        EXPECT_EQ(image.height(), all.height());
        int see_through = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                see_through += qAlpha(image.pixel(x, y)) < 255;
        EXPECT_EQ(see_through == 0, id == 810) << see_through;

        const QImage big = image_of(id, 2);
        ASSERT_EQ(big.size(), image.size() * 2);
        EXPECT_LT(mean_difference(image, big), 10.0) << "brought back to the plain size";
        // Drawn, not enlarged (but for the bar, a vertical gradient).
        EXPECT_GT(contrasting_blocks(big, big.rect()), id == 810 ? -1 : 3);
    }
    EXPECT_NE(image_of(13465), image_of(13466));
    EXPECT_NE(image_of(3), image_of(4));
}

// Where controls stretch or repeat a piece, or put one beside another, the columns or rows that
// meet are alike at either size: a button face's middle, the caption bar's, GroupFrame's joins.
TEST(LibraryImages, PiecesJoinWithoutASeamAtEitherSize) {
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        const auto column = [scale](const QImage& image, int x) {
            return image.copy(x, 0, 1, image.height());
        };
        for (int id : {3, 4}) {
            const QImage strip = image_of(id, scale);
            for (int slice = 0; slice < 5; ++slice)
                for (int x = 6 * scale + 1; x < 28 * scale; ++x) // past the rounded ends
                    EXPECT_EQ(column(strip, slice * 34 * scale + x),
                              column(strip, slice * 34 * scale + 6 * scale))
                        << id << "/" << slice << ", column " << x;
        }
        const QImage bar = image_of(810, scale);
        for (int c : {0, 9})
            for (int x = (c + 2) * scale; x < (c + 7) * scale; ++x)
                EXPECT_EQ(column(bar, x), column(bar, (c + 5) * scale)) << "bar column " << x;

        const QImage f = image_of(7000, scale);
        const QRect h(0, 56, 1, 3), v(3, 56, 3, 2), v1(3, 57, 3, 1); // edges, then corners' parts
        const std::pair<QRect, QRect> joins[] = {
            {h, {12, 0, 1, 3}}, {h, {0, 14, 1, 3}},  {h, {12, 38, 1, 3}}, {h, {0, 52, 1, 3}},
            {v, {0, 11, 3, 2}}, {v, {10, 25, 3, 2}}, {v1, {0, 28, 3, 1}}, {v1, {10, 42, 3, 1}}};
        for (int c : {0, 14})
            for (auto [edge, corner] : joins)
                EXPECT_EQ(piece(f, corner.translated(c, 0), scale),
                          piece(f, edge.translated(c, 0), scale))
                    << "frame corner at " << corner.x() + c << "," << corner.y();
    }
}

// The sunken box's corner pieces meet the straight border that the toolkit draws itself: outer
// line greys 153, 228, 249, 143 and inner 180, 225, 242, 198 (top, right, bottom, left).
TEST(LibraryImages, SunkenCornersMeetTheStraightBorderLines) {
    const int seams[][3] = {// the two border pixels (outer, inner) at each piece's edge
                            {6, 0, 153},  {6, 1, 180},  {0, 6, 143},  {1, 6, 198},
                            {8, 0, 153},  {8, 1, 180},  {14, 5, 228}, {13, 5, 225},
                            {21, 0, 228}, {20, 0, 225}, {16, 5, 249}, {16, 4, 242},
                            {23, 0, 143}, {24, 0, 198}, {28, 5, 249}, {28, 4, 242}};
    for (int id : {610, 620})
        for (int scale : {1, 2})
            for (auto [x, y, grey] : seams) {
                QImage solid(scale, scale, QImage::Format_ARGB32);
                solid.fill(qRgb(grey, grey, grey));
                EXPECT_EQ(piece(image_of(id, scale), {x, y, 1, 1}, scale), solid)
                    << id << " at scale " << scale << ", " << x << "," << y;
            }
}

// A mark is ANDed into the check box: only the box's white inside (cell columns 0..9, rows 1..10)
// may take ink.
TEST(LibraryImages, CheckMarksInkOnlyInsideTheBox) {
    const QImage marks = image_of(400);
    for (int x = 0; x < 36; ++x)
        for (int y = 0; y < 12; ++y)
            EXPECT_EQ(x % 12 > 9 || y < 1 || y > 10 ? qAlpha(marks.pixel(x, y)) : 0, 0)
                << x << "," << y;
}

} // namespace
