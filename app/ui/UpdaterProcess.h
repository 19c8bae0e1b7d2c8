#pragma once
// Runs the firmware updater as a hidden child process whose standard output and error
// go into a pipe, and hands what it prints to the caller chunk by chunk. The child's
// exit code is never looked at: only what it prints counts. Every handle (both pipe
// ends, the process and its thread) is closed on every path.
#include <functional>
#include <string>
#include <string_view>

struct UpdaterCallbacks {
    // One chunk as read (at most 4095 bytes, the system's ANSI code page). Returns false
    // to stop reading (the end marker was seen).
    std::function<bool(std::string_view bytes)> onOutput;
    // Polled while the pipe is quiet and between chunks: true ends the read at once.
    std::function<bool()> stopRequested;
    // Waits `ms` between chunks, cut short by a stop; true when it was cut short.
    std::function<bool(int ms)> pause;
};

// False when the pipe or the process could not be created (nothing ran then).
bool RunUpdater(const std::wstring& commandLine, const UpdaterCallbacks& callbacks);

// The bytes of a chunk as text, from the system's ANSI code page.
std::wstring AnsiToText(std::string_view bytes);
