// The link between the screens and the application shell.
#include "shell.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

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
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QDir::current().absoluteFilePath(QStringLiteral("help/stroke_help.htm")));
    EXPECT_TRUE(QDir::isAbsolutePath(opened[0]));
}
