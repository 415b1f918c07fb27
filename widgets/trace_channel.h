#pragma once
// The program's diagnostic channel: the logging category "brushwise.trace", silent by default
// (QT_LOGGING_RULES="brushwise.trace.debug=true" turns it on).
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcTrace)

// Routes the study data's trace lines into the category.
void install_trace_channel();
