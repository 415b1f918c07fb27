#include "trace_channel.h"
#include "trace.h"

Q_LOGGING_CATEGORY(lcTrace, "brushwise.trace", QtWarningMsg)

void install_trace_channel() {
    trace_set_sink([](const std::string& line) {
        QString text = QString::fromStdString(line);
        if (text.endsWith(u'\n')) text.chop(1);
        qCDebug(lcTrace).noquote() << text;
    });
}
