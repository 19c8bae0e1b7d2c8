#pragma once
// One run of a windowed program under measurement: started from its path, its
// top-level window found, its processor time and memory read, and ended again.
// A run never outlives its object: the destructor ends a program still running.
#include <windows.h>

#include <string>
#include <utility>

class ProgramRun {
public:
    // `windowProperty` names the window property that marks the program's main window
    // (empty: any visible top-level window of the program counts).
    explicit ProgramRun(std::wstring windowProperty) : m_property(std::move(windowProperty)) {}
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Starts `program` in its own folder; false, with the reason on stderr, when it cannot.
    bool Start(const std::wstring& program);
    bool HasExited() const;
    // The program's main window while it is shown, else null.
    HWND VisibleWindow() const;
    // The processor time (user and kernel) the program has used so far. Under Wine,
    // whose process times read 0, it comes from the host's /proc entry of the program.
    double ProcessorSeconds() const;
    HANDLE Process() const { return m_process; }
    // Asks the program to end as another process may (the exit message, then a close),
    // and forces it after `graceMs`. False when it had to be forced.
    bool End(DWORD graceMs = 10000);

private:
    std::wstring m_property;
    std::wstring m_program;
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
};
