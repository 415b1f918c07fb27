#include "shell.h"

#include "fonts.h"

#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace {

struct ShellState {
    QPointer<QWidget> main_window;
    ShellOperations ops;
    QString japanese_face = QString::fromLatin1(kJapaneseFace);
    UrlOpener url_opener;
};

ShellState& shell() {
    static ShellState s;
    return s;
}

template <typename Fn, typename... Args> void call(const Fn& fn, Args... args) {
    if (fn) fn(args...);
}

} // namespace

void Shell_Install(QWidget* main_window, ShellOperations ops) {
    shell().main_window = main_window;
    shell().ops = main_window ? std::move(ops) : ShellOperations{};
}

QWidget* App_MainWindow() {
    return shell().main_window.data();
}

void MainWindow_SetActive(bool active) {
    call(shell().ops.set_active, active);
}

void MainWindow_ListAppendKanji(int kanji) {
    call(shell().ops.list_append_kanji, kanji);
}

void MainWindow_ListRemoveRow(int position) {
    call(shell().ops.list_remove_row, position);
}

void MainWindow_RefreshStatus() {
    call(shell().ops.refresh_status);
}

void KanjiWindow_Close() {
    call(shell().ops.close_kanji_window);
}

void ExampleWindow_Open(QWidget* reference, int example_id) {
    call(shell().ops.open_example_window, reference, example_id);
}

void ExampleWindow_Close() {
    call(shell().ops.close_example_window);
}

QString App_JapaneseFace() {
    return shell().japanese_face;
}

void App_SetJapaneseFace(const QString& face) {
    shell().japanese_face = face;
}

void open_help_page(const QString& relative_path) {
    const QString path = QDir::current().absoluteFilePath(relative_path);
    if (shell().url_opener)
        shell().url_opener(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void set_url_opener(UrlOpener opener) {
    shell().url_opener = std::move(opener);
}
