#include "startup.h"

#include "app_exit.h"
#include "exercises.h"
#include "exit_signals.h"
#include "japanese_font.h"
#include "kanji_data.h"
#include "learning_list.h"
#include "main_window.h"
#include "options.h"
#include "random.h"
#include "single_instance.h"
#include "sound_player.h"
#include "splash.h"
#include "stroke_screens.h"
#include "toolkit.h"
#include "trace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QSessionManager>
#include <QThread>
#include <csignal>

const char* const kMessageKanjiDataDamaged =
    "The kanji data (data/kanji.dat) is missing or damaged.\n"
    "Brushwise cannot run without it. Please install Brushwise again.";

namespace {

constexpr int kFontQuestionDelayMs = 300;

QRect work_area() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Waits while the program stays alive.
void wait_pumping(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        pump_messages();
        QThread::msleep(5);
    }
}

// The font is missing: ask. True when the user wants the installation instructions instead.
bool user_wants_font_instructions(MainWindow* w) {
    wait_pumping(kFontQuestionDelayMs);
    Splash_Close();
    const int answer =
        show_message_box(w, QString::fromLatin1(kMessageFontsMissing), MessageYesNo, -1) % 10;
    return answer == MessageNo;
}

// The first creation steps, up to the font check. False when the program is to end.
bool prepare(MainWindow* w) {
    Splash_Show(w);
    if (get_option_slot(OptMainWindowSaved) == 0) set_option_slot(OptMainWindowSaved, 1);
    SetExcludeCompleted(get_option_slot(OptExcludeCompleted) != 0);
    random_seed_from_clock();
    init_face_table();
    App_SetJapaneseFace(japanese_face_for(QLocale::system().language()));
    if (japanese_face_installed(japanese_families())) return true;
    if (!user_wants_font_instructions(w)) return true;
    open_help_page(QStringLiteral("help/index.htm"));
    return false;
}

// The program's icon in the sizes the artwork provides; missing files are left out.
QIcon application_icon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        const QString file = QStringLiteral("res/brushwise_%1.png").arg(size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    return icon;
}

void connect_session_ends(QApplication& app) {
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                     [](QSessionManager&) { App_SaveForSession(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [] { App_SaveBeforeQuit(); });
}

// Window systems place windows within 16-bit coordinates: a saved position beyond them (a damaged
// options file) cannot be where the user left the window.
bool on_any_possible_screen(QPoint p) {
    constexpr int kLimit = 32767;
    return p.x() >= -kLimit && p.x() + MainWindow::kWidth <= kLimit && p.y() >= -kLimit &&
           p.y() + MainWindow::kHeight <= kLimit;
}

} // namespace

QPoint main_window_position(bool saved, QPoint saved_position, const QRect& work_area) {
    if (saved && on_any_possible_screen(saved_position)) return saved_position;
    const int right = work_area.x() + work_area.width();
    const int bottom = work_area.y() + work_area.height();
    return {(right - MainWindow::kWidth) / 2, (bottom - MainWindow::kHeight) / 2};
}

std::optional<int> App_Start() {
    App_ClearExitRequest();
    Options_Load();
    // The control images come first: the main window's caption bar is drawn as it is created.
    register_toolkit_resources();
    // Without whole kanji data every kanji would read as empty, and the refill would graduate
    // kanji on readings it cannot see: say so and end before any file is written.
    if (!KanjiData_Whole()) {
        show_message_box(nullptr, QString::fromLatin1(kMessageKanjiDataDamaged), MessageOk, -1);
        return 1;
    }
    const QPoint position = main_window_position(
        get_option_slot(OptMainWindowSaved) != 0,
        QPoint(get_option_slot(OptMainWindowX), get_option_slot(OptMainWindowX + 1)), work_area());
    auto* w = new MainWindow;
    w->move(position);
    if (!prepare(w)) {
        delete w;
        return 0;
    }
    w->build();
    Splash_Close();
    LearningList_Refill();
    w->show();
    pump_messages();
    return std::nullopt;
}

int App_Run(QApplication& app) {
    SingleInstance instance;
    if (instance.another_copy_runs()) return 0;
    instance.set_on_show_request([] {
        trace("App_BringToFront\n");
        if (MainWindow* w = MainWindow::instance()) w->bring_forward();
    });
    ExitSignals exit_signals([](int number) { App_Leave(128 + number); });
    install_trace_channel();
    SoundCuePlayer sounds;
    sounds.install();
    Exercises_SetStrokeOrderOpener(StrokeOrderEx_Open);
    connect_session_ends(app);
    QApplication::setWindowIcon(application_icon());
    // On screens with more device pixels than logical ones, everything is drawn at their
    // resolution (the screen with the most pixels, should they differ).
    set_surface_ratio(surface_ratio_for(app.devicePixelRatio()));

    if (std::optional<int> ended = App_Start()) return *ended;
    trace("App_Run: message loop\n");
    int code = 0;
    if (!App_ExitRequested(&code)) {
        App_SetMessageLoopRunning(true);
        code = app.exec();
        App_SetMessageLoopRunning(false);
    }
    delete MainWindow::instance();
    return code;
}
