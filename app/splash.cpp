#include "splash.h"

#include "pump.h"
#include "surface.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>

namespace {

// The picture drawn at twice the size on screens with twice as many pixels, when it is there.
QImage splash_file(int ratio) {
    if (ratio > 1) {
        QImage doubled(QStringLiteral("res/splash@2x.bmp"));
        doubled.setDevicePixelRatio(2);
        if (!doubled.isNull()) return doubled;
    }
    return QImage(QStringLiteral("res/splash.bmp"));
}

class SplashWindow : public QWidget {
  public:
    SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
        setObjectName(QStringLiteral("SplashWindow"));
        setWindowTitle(QStringLiteral("SplashWindow"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(kSplashWidth, kSplashHeight);
        // Only the top-left of the picture is shown; a missing picture leaves the splash blank.
        picture_.resize(kSplashWidth, kSplashHeight);
        const QImage file = splash_file(picture_.ratio());
        picture_.blit(0, 0, file, 0, 0, kSplashWidth, kSplashHeight);
    }

    std::function<void()> on_first_paint;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_surface_part(p, picture_, rect());
        if (on_first_paint) std::exchange(on_first_paint, nullptr)();
    }

  private:
    Surface picture_;
};

struct SplashState {
    QPointer<SplashWindow> window;
    QElapsedTimer shown;
    int minimum_ms = kSplashMinimumMs;
};

SplashState& splash() {
    static SplashState s;
    return s;
}

void set_owner(QWidget* splash_window, QWidget* owner) {
    if (!owner) return;
    owner->winId();
    splash_window->winId();
    if (QWindow* handle = splash_window->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

} // namespace

qint64 splash_remaining_wait(qint64 shown_at, qint64 now, int minimum_ms) {
    const qint64 elapsed = now - shown_at;
    return elapsed >= minimum_ms ? 0 : minimum_ms - elapsed;
}

QPoint splash_position(QSize screen) {
    return {(screen.width() - kSplashWidth) >> 1, (screen.height() - kSplashHeight) >> 1};
}

void Splash_Show(QWidget* owner) {
    SplashState& s = splash();
    s.shown.start();
    delete s.window.data();
    s.window = new SplashWindow;
    // The two seconds count from when the picture is really on the screen (a display server may
    // show it a little after it was asked to).
    s.window->on_first_paint = [] { splash().shown.start(); };
    set_owner(s.window, owner);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) s.window->move(splash_position(screen->geometry().size()));
    s.window->show();
    pump_messages();
}

// The wait keeps pumping, so that the splash is painted (an X server may ask for it late) and
// the rest of the program stays alive.
void Splash_Close() {
    SplashState& s = splash();
    if (!s.window) return;
    while (splash_remaining_wait(0, s.shown.elapsed(), s.minimum_ms) > 0) {
        pump_messages();
        QThread::msleep(10);
    }
    s.window->hide();
    pump_messages();
    delete s.window.data();
}

QWidget* Splash_Window() {
    return splash().window.data();
}

void Splash_SetMinimumDuration(int ms) {
    splash().minimum_ms = ms < 0 ? kSplashMinimumMs : ms;
}
