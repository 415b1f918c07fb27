#pragma once
// Diagnostic trace lines (printf-style). Silent unless a sink is installed.
#include <functional>
#include <string>

using TraceSink = std::function<void(const std::string& line)>;
void trace_set_sink(TraceSink sink);
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
