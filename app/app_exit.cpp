#include "app_exit.h"

#include "exercises.h"
#include "learning_list.h"
#include "main_window.h"
#include "options.h"
#include "toolkit.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

const char* const kMessageSaveFailed =
    "Brushwise could not save the Learning List or the options (data/llist.dat, brushwise.opt).\n";

namespace {

struct ExitRequest {
    bool loop_running = false;
    bool requested = false;
    int code = 0;
    std::function<void(int)> ender;
};

ExitRequest& exit_request() {
    static ExitRequest r;
    return r;
}

// Saves for the way out, once per main window.
bool save_for_leaving(MainWindow* w) {
    if (!w || w->leaving()) return true;
    const bool ok = App_SaveState();
    w->set_leaving();
    if (!ok) {
        std::fputs(kMessageSaveFailed, stderr);
        std::fflush(stderr);
    }
    return ok;
}

void end_message_loop(int code) {
    exit_request().requested = true;
    exit_request().code = code;
    if (exit_request().loop_running) QCoreApplication::exit(code);
}

void end_process(int code) {
    std::fflush(nullptr);
    if (exit_request().ender)
        exit_request().ender(code);
    else
        std::_Exit(code);
}

int with_save_result(int code, bool saved) {
    return saved || code != 0 ? code : 1;
}

void leave_orderly(MainWindow* w, int code) {
    if (w) w->hide();
    const bool saved = save_for_leaving(w);
    if (w) {
        w->close(); // leaving: the close is accepted
        w->deleteLater();
    }
    end_message_loop(with_save_result(code, saved));
}

} // namespace

bool App_SaveState() {
    MainWindow* w = MainWindow::instance();
    if (!w || !w->built()) return true;
    bool ok = LearningList_Save();
    set_option_slot(OptMainWindowX, w->x());
    set_option_slot(OptMainWindowX + 1, w->y());
    set_option_slot(OptExcludeCompleted, GetExcludeCompleted() ? 1 : 0);
    ok = Options_Save() && ok;
    return ok;
}

void App_Exit() {
    MainWindow* w = MainWindow::instance();
    if (w && w->leaving()) return;
    leave_orderly(w, 0);
}

void App_Leave(int code) {
    MainWindow* w = MainWindow::instance();
    if (w && w->leaving()) return;
    if (w && w->at_rest()) {
        leave_orderly(w, code);
        return;
    }
    const bool saved = save_for_leaving(w);
    end_process(with_save_result(code, saved));
}

void App_SaveForSession() {
    if (MainWindow* w = MainWindow::instance(); w && !w->leaving()) App_SaveState();
}

void App_SaveBeforeQuit() {
    save_for_leaving(MainWindow::instance());
}

bool App_ExitRequested(int* code) {
    if (code) *code = exit_request().code;
    return exit_request().requested;
}

void App_ClearExitRequest() {
    exit_request().requested = false;
    exit_request().code = 0;
}

void App_SetMessageLoopRunning(bool running) {
    exit_request().loop_running = running;
}

void set_process_ender(std::function<void(int)> ender) {
    exit_request().ender = std::move(ender);
}
