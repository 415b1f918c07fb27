// Window placement: centring, offsets and the work-area clamps. The link between the screens and
// the application shell.
#include "placement.h"
#include "shell.h"

#include <QDir>
#include <QWidget>
#include <gmock/gmock.h>

namespace {

// Centring rounds down; the result stays four pixels inside the work area, the right and bottom
// clamps last; a damaged options file may hold any offset, and the sum must not wrap.
TEST(PlaceWindow, CentresOrOffsetsFromTheReferenceAndClampsFourPixelsInsideTheWorkArea) {
    const QRect ref(100, 80, 672, 499), work(0, 0, 1024, 740);
    const int centre = kCentreOnReference;
    const struct {
        int dx, dy, w, h;
        QRect reference, work_area;
        QPoint expected;
    } cases[] = {
        {centre, 0, 301, 200, ref, work, {100 + 185, 80 + 149}},
        {centre, 0, 201, 101, {300, 300, 100, 100}, work, {300 - 51, 300 - 1}},
        {40, 30, 200, 100, ref, work, {140, 110}},
        {centre, 0, 300, 250, {-300, -200, 400, 300}, work, {4, 4}},
        {100, 100, 300, 250, {900, 600, 400, 300}, work, {1024 - 300 - 4, 740 - 250 - 4}},
        {centre, 0, 1100, 100, {0, 0, 200, 200}, work, {1024 - 4 - 1100, 50}},
        {INT_MAX, INT_MAX, 300, 250, ref, work, {1024 - 300 - 4, 740 - 250 - 4}},
        {INT_MIN + 1, INT_MIN, 300, 250, ref, work, {4, 4}},
        {INT_MAX, INT_MIN, 300, 250, {INT_MAX - 10, 0, 5, 5}, QRect(), {INT_MAX, INT_MIN}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(place_window(c.dx, c.dy, c.w, c.h, c.reference, c.work_area), c.expected)
            << c.dx << ", " << c.dy << ", " << c.w << " x " << c.h;
}

// The shell's operations reach the installed main window until it goes; help pages open by their
// absolute path under the working folder.
TEST(Shell, OperationsReachTheInstalledMainWindowAndStopWhenItGoes) {
    std::vector<std::string> calls;
    {
        QWidget main_window;
        ShellOperations ops;
        ops.set_active = [&](bool a) { calls.push_back(a ? "active" : "inactive"); };
        ops.list_append_kanji = [&](int k) { calls.push_back("append " + std::to_string(k)); };
        Shell_Install(&main_window, ops);
        EXPECT_EQ(App_MainWindow(), &main_window);
        MainWindow_SetActive(false);
        MainWindow_ListAppendKanji(38);
        MainWindow_ListRemoveRow(0); // not installed: nothing happens
    }
    EXPECT_EQ(App_MainWindow(), nullptr);
    Shell_Install(nullptr, {});
    MainWindow_SetActive(true);
    EXPECT_THAT(calls, ::testing::ElementsAre("inactive", "append 38"));
    QStringList opened;
    set_url_opener([&](const QString& path) { opened << path; });
    open_help_page(QStringLiteral("help/stroke_help.htm"));
    set_url_opener({});
    EXPECT_EQ(opened, QStringList{QDir::current().absoluteFilePath("help/stroke_help.htm")});
}

} // namespace
