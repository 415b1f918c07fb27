#include "detail_windows.h"

#include "add_word_window.h"
#include "example_window.h"
#include "kanji_window.h"
#include "shell.h"

void AddWord_Open() {
    AddWordWindow::open();
}

void KanjiWindow_Open(QWidget* reference, int value, bool by_position) {
    KanjiWindow::open(reference, value, by_position);
}

void install_detail_window_operations(ShellOperations& ops) {
    ops.close_kanji_window = [] { KanjiWindow::close_if_open(); };
    ops.open_example_window = [](QWidget* reference, int id) {
        ExampleWindow::open(reference, id);
    };
    ops.close_example_window = [] { ExampleWindow::close_if_open(); };
}
