#include "trace.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
TraceSink& sink() {
    static TraceSink s;
    return s;
}
} // namespace

void trace_set_sink(TraceSink s) {
    sink() = std::move(s);
}

void trace(const char* format, ...) {
    if (!sink()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n >= 0) {
        std::vector<char> buffer(static_cast<size_t>(n) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        sink()(std::string(buffer.data(), static_cast<size_t>(n)));
    }
    va_end(args);
}
