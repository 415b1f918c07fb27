// The pencil cursors read from the installation folder, and what damaged files leave.
#include "practice_cursors.h"
#include "screen_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

bool is_arrow(const QCursor& c) {
    return c.shape() == Qt::ArrowCursor;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void write_picture(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(path, "PNG"));
}

TEST(PracticeCursors, TheRunFolderGivesThreePencilsWithTheirHotSpots) {
    const PracticeCursors c = PracticeCursors_Load(run_folder() + QStringLiteral("/res/cursors"));
    for (const QCursor* cursor : {&c.idle, &c.drawing, &c.refused}) {
        EXPECT_EQ(cursor->shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
    }
    EXPECT_EQ(c.idle.hotSpot(), QPoint(3, 27));
    EXPECT_EQ(c.drawing.hotSpot(), QPoint(2, 28));
    EXPECT_EQ(c.refused.hotSpot(), QPoint(3, 27));
    EXPECT_NE(c.idle.pixmap().toImage(), c.refused.pixmap().toImage());
}

TEST(PracticeCursors, DamagedOrMissingFilesLeaveTheArrow) {
    QTemporaryDir dir;
    const QString d = dir.path();
    EXPECT_TRUE(is_arrow(PracticeCursors_Load(d + QStringLiteral("/none")).idle));
    write_picture(d + "/idle.png", 32);
    write_picture(d + "/drawing.png", 32);
    write(d + "/refused.png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
    EXPECT_TRUE(is_arrow(PracticeCursors_Load(d).idle)) << "no hotspots file";
    write(d + "/hotspots.txt", "idle.png 3 27\ndrawing.png 2 32\nrefused.png 3 27\n");
    PracticeCursors c = PracticeCursors_Load(d);
    EXPECT_FALSE(is_arrow(c.idle));
    EXPECT_TRUE(is_arrow(c.drawing)) << "hot spot outside the picture";
    EXPECT_TRUE(is_arrow(c.refused)) << "damaged picture";
    write_picture(d + "/drawing.png", 200);
    write(d + "/hotspots.txt", "idle.png 3 27 9\ndrawing.png 2 28\n");
    c = PracticeCursors_Load(d);
    EXPECT_TRUE(is_arrow(c.idle)) << "a line of four fields";
    EXPECT_TRUE(is_arrow(c.drawing)) << "a picture too large for a cursor";
    write_picture(d + "/drawing.png", 32);
    write(d + "/hotspots.txt", "drawing.png 2 28\n" + QByteArray(5000, ' '));
    EXPECT_TRUE(is_arrow(PracticeCursors_Load(d).drawing)) << "a hotspots file far too long";
}

TEST(PracticeCursors, HotSpotLinesAreReadStrictly) {
    QPoint spot;
    EXPECT_TRUE(cursor_hotspot("a.png 1 2\nidle.png  3   27 \n", "idle.png", 32, spot));
    EXPECT_EQ(spot, QPoint(3, 27));
    EXPECT_TRUE(cursor_hotspot("idle.png 0 31", "idle.png", 32, spot));
    for (const char* bad : {"idle.png -1 3", "idle.png 3 x", "idle.png 3", "idle.png 32 0",
                            "idle.pngx 3 3", "", "idle.png 99999999999 3"})
        EXPECT_FALSE(cursor_hotspot(bad, "idle.png", 32, spot)) << bad;
}

} // namespace
