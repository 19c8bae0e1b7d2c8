#pragma once
// The program's debug trace: one line per event a developer may want to see
// (a failed transfer, a value refused, a task abandoned). On Windows it goes to
// the debugger (OutputDebugString); with MIREVO_TRACE set in the environment it
// also goes to stderr. Tests install a sink to see what was traced.
#include <functional>
#include <string>

// printf-style; the text is cut at 1024 bytes.
void DebugTrace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Replaces where the lines go (null: back to the default). Tests only.
void SetDebugTraceSink(std::function<void(const std::string&)> sink);
