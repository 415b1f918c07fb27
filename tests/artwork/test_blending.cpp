// The toolkit's pieces blended onto the backgrounds they land on: white, and the lined panel
// background with its line rows on either parity. Assembled as the controls copy them, they add
// their shape and leave the background alone everywhere else.
#include "run_files.h"

#include <QPainter>
#include <gmock/gmock.h>

namespace {

constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kPanelLine = 0xffdcdcdcu;

struct Background {
    const char* name;
    int line_phase; // rows with y % 2 == line_phase are line rows; -1: plain white
};
constexpr Background kBackgrounds[] = {
    {"white", -1}, {"lines on even rows", 0}, {"lines on odd rows", 1}};

QRgb background_pixel(const Background& b, int y) {
    return b.line_phase >= 0 && y % 2 == b.line_phase ? kPanelLine : kWhite;
}

QImage background(const Background& b, int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, background_pixel(b, y));
    return image;
}

// A GroupFrame of w x h as the control assembles it from image 7000's column c: corners, edge
// pieces every two rows down the sides from under the top corners, stretched top and bottom.
QImage assembled_frame(const Background& b, int c, int w, int h) {
    const QImage f = library_image("ag", 7000);
    QImage image = background(b, w, h);
    QPainter p(&image);
    p.drawImage(QPoint(0, 0), f, QRect(c, 0, 13, 13));
    p.drawImage(QPoint(w - 13, 0), f, QRect(c, 14, 13, 13));
    p.drawImage(QPoint(0, h - 13), f, QRect(c, 28, 13, 13));
    p.drawImage(QPoint(w - 13, h - 13), f, QRect(c, 42, 13, 13));
    for (int y = 13; y < h - 13; y += 2) {
        p.drawImage(QPoint(0, y), f, QRect(c + 3, 56, 3, 2));
        p.drawImage(QPoint(w - 3, y), f, QRect(c + 3, 56, 3, 2));
    }
    p.drawImage(QRect(13, 0, w - 26, 3), f, QRect(c, 56, 1, 3));
    p.drawImage(QRect(13, h - 3, w - 26, 3), f, QRect(c, 56, 1, 3));
    return image;
}

// The frame line runs one pixel in from every edge, unbroken; outside it, at the rounded
// corners' insides and between the line and the frame's middle, the background shows.
TEST(Blending, GroupFrameShowsItsBackgroundAtEitherHeightParity) {
    const QImage f = library_image("ag", 7000);
    constexpr int w = 60;
    for (const Background& b : kBackgrounds) {
        for (int c : {0, 14}) {
            const QRgb line = f.pixel(c + 4, 56);
            for (int h : {50, 51}) {
                SCOPED_TRACE(testing::Message() << b.name << ", column " << c << ", height " << h);
                const QImage frame = assembled_frame(b, c, w, h);
                for (int y = 0; y < h; ++y) {
                    EXPECT_EQ(frame.pixel(0, y), background_pixel(b, y)) << "left, row " << y;
                    EXPECT_EQ(frame.pixel(w - 1, y), background_pixel(b, y)) << "right, row " << y;
                }
                for (int y = 3; y < h - 3; ++y)
                    EXPECT_EQ(frame.pixel(w / 2, y), background_pixel(b, y)) << "middle, row " << y;
                for (int y = 13; y < h - 13; ++y) {
                    EXPECT_EQ(frame.pixel(1, y), line) << "left line, row " << y;
                    EXPECT_EQ(frame.pixel(w - 2, y), line) << "right line, row " << y;
                    EXPECT_EQ(frame.pixel(2, y), background_pixel(b, y)) << "row " << y;
                }
                for (int x = 13; x < w - 13; ++x) {
                    EXPECT_EQ(frame.pixel(x, 1), line) << "top line, column " << x;
                    EXPECT_EQ(frame.pixel(x, h - 2), line) << "bottom line, column " << x;
                    EXPECT_EQ(frame.pixel(x, 0), background_pixel(b, 0));
                    EXPECT_EQ(frame.pixel(x, h - 1), background_pixel(b, h - 1));
                }
                for (QPoint inside :
                     {QPoint(6, 6), QPoint(w - 7, 6), QPoint(6, h - 7), QPoint(w - 7, h - 7)}) {
                    EXPECT_EQ(frame.pixel(inside), background_pixel(b, inside.y()))
                        << "inside the bend at " << inside.x() << "," << inside.y();
                }
            }
        }
    }
}

// A button of 60 as the control assembles it: caps at both ends, the middle stretched between.
// Where caps and middle meet, neighbouring columns are alike on every background, and the
// corners outside the rounded face show the background.
TEST(Blending, ButtonJoinsAreInvisibleAndCornersShowTheBackground) {
    constexpr int w = 60, h = 24;
    const QImage strip = library_image("ag", 4);
    for (const Background& b : kBackgrounds) {
        for (int slice = 0; slice < 5; ++slice) {
            SCOPED_TRACE(testing::Message() << b.name << ", slice " << slice);
            QImage button = background(b, w, h);
            {
                QPainter p(&button);
                const int sx = slice * 34;
                p.drawImage(QPoint(0, 0), strip, QRect(sx, 0, 10, h));
                p.drawImage(QRect(10, 0, w - 20, h), strip, QRect(sx + 10, 0, 14, h));
                p.drawImage(QPoint(w - 10, 0), strip, QRect(sx + 24, 0, 10, h));
            }
            for (int x : {9, w - 11})
                EXPECT_EQ(button.copy(x, 0, 1, h), button.copy(x + 1, 0, 1, h)) << "join at " << x;
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                EXPECT_EQ(button.pixel(corner), background_pixel(b, corner.y()))
                    << corner.x() << "," << corner.y();
            }
        }
    }
}

// The message box's icons land on its lined background at either parity: outside the disc the
// background shows, and the disc itself looks the same on every background.
TEST(Blending, MessageIconsKeepTheLinesRoundThem) {
    for (int id : {13465, 13466}) {
        const QImage icon = library_image("picmain", id);
        QImage on[3];
        for (int i = 0; i < 3; ++i) {
            on[i] = background(kBackgrounds[i], 32, 32);
            QPainter(&on[i]).drawImage(0, 0, icon);
        }
        for (int i = 0; i < 3; ++i) {
            for (QPoint p : {QPoint(0, 0), QPoint(31, 1), QPoint(0, 30), QPoint(31, 31)})
                EXPECT_EQ(on[i].pixel(p), background_pixel(kBackgrounds[i], p.y()))
                    << id << " on " << kBackgrounds[i].name;
            EXPECT_EQ(on[i].copy(8, 8, 16, 16), on[0].copy(8, 8, 16, 16)) << id;
        }
    }
}

} // namespace
