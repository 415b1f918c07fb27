#include "display_check.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

const char* const kMessageNoDisplay =
    "Brushwise needs a graphical desktop session (X11 or Wayland).\n";

namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

QtMessageHandler previous_handler = nullptr;
std::vector<HeldMessage>& held() {
    static std::vector<HeldMessage> messages;
    return messages;
}

bool set(const char* value) {
    return value && *value;
}

void watch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Only the platform layer can fail this early: no display could be reached. Qt's own
        // words go first, since they say why (no server there, connection refused, ...).
        for (const HeldMessage& m : held())
            std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::fputs(kMessageNoDisplay, stderr);
        std::fflush(stderr);
        ::_exit(1);
    }
    const QByteArray category(context.category ? context.category : "");
    if (category.startsWith("qt.qpa")) {
        held().push_back({type, text});
        return;
    }
    if (previous_handler) previous_handler(type, context, text);
}

} // namespace

bool display_expected(const char* qpa_platform, const char* display, const char* wayland_display) {
    return set(qpa_platform) || set(display) || set(wayland_display);
}

bool display_expected() {
    return display_expected(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                            std::getenv("WAYLAND_DISPLAY"));
}

void begin_display_watch() {
    previous_handler = qInstallMessageHandler(watch);
}

void end_display_watch() {
    qInstallMessageHandler(previous_handler);
    for (const HeldMessage& m : held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, "qt.qpa");
        qt_message_output(m.type, context, m.text);
    }
    held().clear();
}
