#pragma once
// What every screen asks of the application shell: the main window, the Japanese face, the main
// window's operations, the detail windows and the help pages. The screens of exercises/ and
// strokes/ include this header; app/ installs the real operations at start-up. Until then, and
// in tests that install nothing, App_MainWindow is null and the operations do nothing.
#include <QString>
#include <functional>

class QWidget;

struct ShellOperations {
    std::function<void(bool active)> set_active;       // MainWindow_SetActive
    std::function<void(int kanji)> list_append_kanji;  // MainWindow_ListAppendKanji
    std::function<void(int position)> list_remove_row; // MainWindow_ListRemoveRow
    std::function<void()> refresh_status;              // MainWindow_RefreshStatus
    std::function<void()> close_kanji_window;          // KanjiWindow_Close
    std::function<void(QWidget* reference, int id)> open_example_window; // ExampleWindow_Open
    std::function<void()> close_example_window;                          // ExampleWindow_Close
};

// Installs the main window and its operations; a null window uninstalls everything.
void Shell_Install(QWidget* main_window, ShellOperations ops);

QWidget* App_MainWindow();
void MainWindow_SetActive(bool active);
void MainWindow_ListAppendKanji(int kanji);
void MainWindow_ListRemoveRow(int position);
void MainWindow_RefreshStatus();
void KanjiWindow_Close();
void ExampleWindow_Open(QWidget* reference, int example_id);
void ExampleWindow_Close();

// The face name used for every kanji and kana on screen ("IPAexMincho" until the start-up sets
// the locale's name for it).
QString App_JapaneseFace();
void App_SetJapaneseFace(const QString& face);

// The platform code that decides small platform details: always 4 on Linux (help texts drop
// their byte-order mark, explanation popups are shown).
constexpr int kPlatformCode = 4;
inline int App_PlatformCode() {
    return kPlatformCode;
}

// Opens a help page ("help/index.htm", "help/stroke_help.htm": relative to the working folder)
// with the desktop's default handler. Tests replace the opener to record the absolute paths.
void open_help_page(const QString& relative_path);
using UrlOpener = std::function<void(const QString& absolute_path)>;
void set_url_opener(UrlOpener opener); // an empty opener restores the desktop's
