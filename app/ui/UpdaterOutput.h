#pragma once
// What the upgrade dialog reads in the updater's output: "PROCESS: %<n>" lines with
// its progress, "UPDATE COMPLETED" once the firmware is in, and the end marker (the
// program folder without its final backslash, in upper case), after which nothing more
// is read. The output arrives in chunks cut wherever the pipe cut it, so each chunk is
// searched together with the end of the one before it.
#include <string>
#include <string_view>

class UpdaterOutputScanner {
public:
    // `programFolder` with or without its final backslash.
    explicit UpdaterOutputScanner(std::wstring_view programFolder);

    struct Findings {
        int progress = -1;       // the last progress number in the chunk, 0-100; -1 none
        bool completed = false;  // "UPDATE COMPLETED" appeared
        bool ended = false;      // the end marker appeared
    };
    // One chunk of output as the system's code page decoded it; case does not matter.
    Findings Take(std::wstring_view chunk);

    const std::wstring& EndMarker() const { return m_endMarker; }

private:
    std::wstring m_endMarker;
    std::wstring m_tail;  // the end of the previous chunk, upper case
    size_t m_tailLength;
};

std::wstring UpperCase(std::wstring_view text);
