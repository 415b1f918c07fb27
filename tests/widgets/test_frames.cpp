// GroupFrame's ring-shaped window and Panel's input.
#include "group_frame.h"
#include "hint.h"
#include "panel.h"

#include <QLineEdit>
#include <QTest>
#include <gmock/gmock.h>

namespace {

TEST(GroupFrame, WindowCoversOnlyTheBorderRing) {
    QWidget host;
    GroupFrame* titled = GroupFrame::create(&host, 10, 10, 200, 100, QStringLiteral("Status"));
    GroupFrame* plain = GroupFrame::create(&host, 10, 10, 200, 100, {});
    for (auto [frame, t] : {std::pair{titled, 6}, std::pair{plain, 0}}) {
        const QRegion ring = frame->mask();
        EXPECT_TRUE(ring.contains(QPoint(2, 50)));
        EXPECT_TRUE(ring.contains(QPoint(100, t + 9)));
        EXPECT_FALSE(ring.contains(QPoint(6, t + 10))) << "inner rectangle starts at (6, t + 10)";
        EXPECT_FALSE(ring.contains(QPoint(193, 93)));
        EXPECT_TRUE(ring.contains(QPoint(194, 50)));
        EXPECT_TRUE(ring.contains(QPoint(100, 94)));
    }
}

TEST(Panel, ClickCallsBackWithOneAndMovesReportTheHint) {
    QWidget host;
    host.show();
    std::vector<int> clicks, hints;
    set_hint_handler([&](int id) { hints.push_back(id); });
    Panel* panel = Panel::create(&host, 0, 0, 150, 80, QStringLiteral("Help"), nullptr,
                                 [&](int v) { clicks.push_back(v); });
    QTest::mouseMove(panel, QPoint(20, 20));
    EXPECT_TRUE(hints.empty()) << "no hint identifier yet";
    panel->set_hint_id(12);
    QTest::mouseMove(panel, QPoint(30, 30));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_THAT(hints, ::testing::ElementsAre(12));
    EXPECT_THAT(clicks, ::testing::ElementsAre(1));
    set_hint_handler({});
}

TEST(Panel, PaintCallbackDrawsAfterTheFrameAndLineEditsPreferLatin) {
    QWidget host;
    int paints = 0;
    Panel* panel = Panel::create(
        &host, 0, 0, 150, 80, {}, [&](Surface&) { ++paints; }, nullptr);
    EXPECT_EQ(paints, 1);
    panel->set_active(0);
    panel->set_active(0);
    EXPECT_EQ(paints, 2) << "repaints only when the flag changes";
    panel->set_active(-1);
    EXPECT_EQ(paints, 3) << "-1 always repaints";

    auto* edit = new QLineEdit(panel);
    edit->show();
    host.show();
    edit->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    if (!edit->hasFocus()) GTEST_SKIP() << "no focus on this platform";
    EXPECT_TRUE(edit->inputMethodHints() & Qt::ImhPreferLatin);
}

} // namespace
