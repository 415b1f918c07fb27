// Window placement: centring, offsets and the work-area clamps; remembering an offset. The link
// between the screens and the application shell.
#include "options.h"
#include "placement.h"
#include "shell.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <gmock/gmock.h>

namespace {

const QRect kWorkArea(0, 0, 1024, 740); // a task bar below

// Centring rounds down (towards the left and top for a wider window); the result stays four
// pixels inside the work area, the right and bottom clamps last; a damaged options file may
// hold any offset, and the sum with the reference must not wrap.
TEST(PlaceWindow, CentresOrOffsetsFromTheReferenceAndClampsFourPixelsInsideTheWorkArea) {
    const QRect ref(100, 80, 672, 499);
    const struct {
        int dx, dy, w, h;
        QRect reference, work_area;
        QPoint expected;
    } cases[] = {
        {kCentreOnReference, 0, 301, 200, ref, kWorkArea, {100 + 185, 80 + 149}},
        {kCentreOnReference, 0, 201, 101, {300, 300, 100, 100}, kWorkArea, {300 - 51, 300 - 1}},
        {40, 30, 200, 100, ref, kWorkArea, {140, 110}},
        {kCentreOnReference, 0, 300, 250, {-300, -200, 400, 300}, kWorkArea, {4, 4}},
        {100, 100, 300, 250, {900, 600, 400, 300}, kWorkArea, {1024 - 300 - 4, 740 - 250 - 4}},
        {kCentreOnReference, 0, 1100, 100, {0, 0, 200, 200}, kWorkArea, {1024 - 4 - 1100, 50}},
        {INT_MAX, INT_MAX, 300, 250, ref, kWorkArea, {1024 - 300 - 4, 740 - 250 - 4}},
        {INT_MIN + 1, INT_MIN, 300, 250, ref, kWorkArea, {4, 4}},
        // Without a work area, the nearest position.
        {INT_MAX, INT_MIN, 300, 250, {INT_MAX - 10, 0, 5, 5}, QRect(), {INT_MAX, INT_MIN}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(place_window(c.dx, c.dy, c.w, c.h, c.reference, c.work_area), c.expected)
            << c.dx << ", " << c.dy << ", " << c.w << " x " << c.h;
}

TEST(RememberWindowOffset, StoresLeftAndTopRelativeToTheReference) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Options_Clear();
    QWidget reference, window;
    reference.setGeometry(200, 150, 300, 200);
    window.setGeometry(260, 120, 100, 80);
    remember_window_offset(&window, &reference, OptReviewOffset);
    const QPoint offset = window.frameGeometry().topLeft() - reference.frameGeometry().topLeft();
    EXPECT_EQ(get_option_slot(OptReviewOffset), offset.x());
    EXPECT_EQ(get_option_slot(OptReviewOffset + 1), offset.y());
    Options_Clear();
    QDir::setCurrent(previous);
}

TEST(Shell, OperationsReachTheInstalledMainWindowAndStopWhenItGoes) {
    std::vector<std::string> calls;
    {
        QWidget main_window;
        ShellOperations ops;
        ops.set_active = [&](bool a) { calls.push_back(a ? "active" : "inactive"); };
        ops.list_append_kanji = [&](int k) { calls.push_back("append " + std::to_string(k)); };
        ops.open_example_window = [&](QWidget* ref, int id) {
            calls.push_back(std::string(ref == &main_window ? "main" : "other") + " example " +
                            std::to_string(id));
        };
        Shell_Install(&main_window, ops);
        EXPECT_EQ(App_MainWindow(), &main_window);
        MainWindow_SetActive(false);
        MainWindow_ListAppendKanji(38);
        ExampleWindow_Open(&main_window, 7);
        MainWindow_ListRemoveRow(0); // not installed: nothing happens
    }
    // The main window is gone: the shell forgets it, and uninstalling drops the operations.
    EXPECT_EQ(App_MainWindow(), nullptr);
    Shell_Install(nullptr, {});
    MainWindow_SetActive(true);
    EXPECT_EQ(calls, (std::vector<std::string>{"inactive", "append 38", "main example 7"}));
}

TEST(Shell, HelpPagesOpenByAbsolutePathUnderTheWorkingFolder) {
    QStringList opened;
    set_url_opener([&](const QString& path) { opened << path; });
    open_help_page(QStringLiteral("help/stroke_help.htm"));
    set_url_opener({});
    EXPECT_EQ(opened, QStringList{QDir::current().absoluteFilePath("help/stroke_help.htm")});
}

} // namespace
