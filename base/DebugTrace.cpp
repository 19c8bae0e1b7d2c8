#include "DebugTrace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::mutex g_lock;
std::function<void(const std::string&)>& Sink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

}  // namespace

void DebugTrace(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::string line = text;
    std::lock_guard<std::mutex> lock(g_lock);
    if (Sink()) {
        Sink()(line);
        return;
    }
#ifdef _WIN32
    OutputDebugStringA((line + "\n").c_str());
#endif
    if (std::getenv("MIREVO_TRACE")) std::fprintf(stderr, "trace: %s\n", line.c_str());
}

void SetDebugTraceSink(std::function<void(const std::string&)> sink) {
    std::lock_guard<std::mutex> lock(g_lock);
    Sink() = std::move(sink);
}
