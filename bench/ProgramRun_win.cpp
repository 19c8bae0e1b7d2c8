#include "ProgramRun.h"

#include <cstdio>
#include <cwctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The program's own exit request: the main window ends the process on this message
// with this lparam, where closing the window only hides it to the tray.
constexpr UINT UM_EXIT_APP = 1691;
constexpr LPARAM kExitAppCode = 610;

struct WindowSearch {
    DWORD processId;
    const std::wstring* property;
    bool visibleOnly;
    std::vector<HWND> found;
};

bool IsMainWindow(HWND window, const WindowSearch& search) {
    if (!search.property->empty() && !GetPropW(window, search.property->c_str())) return false;
    // Without a marking property only a shown window can be the program's: every GUI
    // process also owns hidden helper windows.
    bool mustBeShown = search.visibleOnly || search.property->empty();
    return !mustBeShown || IsWindowVisible(window);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsMainWindow(window, *search)) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> MainWindows(DWORD processId, const std::wstring& property, bool visibleOnly) {
    WindowSearch search{processId, &property, visibleOnly, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A job that ends the programs in it when the bench ends, however it ends, so that
// an interrupted bench leaves no program running.
HANDLE BenchJob() {
    static HANDLE job = [] {
        HANDLE created = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (created) SetInformationJobObject(created, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        return created;
    }();
    return job;
}

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

}  // namespace

ProgramRun::~ProgramRun() {
    if (!m_process) return;
    if (!HasExited()) End();
    CloseHandle(m_process);
}

bool ProgramRun::Start(const std::wstring& program) {
    std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    if (BenchJob()) AssignProcessToJobObject(BenchJob(), process.hProcess);
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_processId = process.dwProcessId;
    m_program = program;
    return true;
}

bool ProgramRun::HasExited() const { return WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0; }

HWND ProgramRun::VisibleWindow() const {
    std::vector<HWND> windows = MainWindows(m_processId, m_property, true);
    return windows.empty() ? nullptr : windows.front();
}

namespace {

// Wine shows the host's file system on drive Z:, /proc included.
bool UnderWine() { return GetFileAttributesW(L"Z:\\proc\\self\\stat") != INVALID_FILE_ATTRIBUTES; }

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// User and kernel time of the host process whose first argument is `program` (how Wine
// starts a Windows program), from its /proc stat line; -1 when there is none.
double HostProcessorSeconds(const std::wstring& program) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return -1;
    double seconds = -1;
    const std::wstring wanted = Lower(program);
    do {
        std::wstring name = entry.cFileName;
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::string folder = "Z:\\proc\\" + std::string(name.begin(), name.end()) + "\\";
        std::ifstream cmdline(folder + "cmdline", std::ios::binary);
        std::string first;
        std::getline(cmdline, first, '\0');
        if (Lower(std::wstring(first.begin(), first.end())) != wanted) continue;
        std::ifstream stat(folder + "stat");
        std::string line;
        std::getline(stat, line);
        // Fields after the command name in parentheses: state is field 3, utime 14, stime 15.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        std::string field;
        long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i == 14) utime = std::stoll(field);
            if (i == 15) stime = std::stoll(field);
        }
        seconds = (utime + stime) / 100.0;  // clock ticks of the host, 100 a second
        break;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return seconds;
}

}  // namespace

double ProgramRun::ProcessorSeconds() const {
    if (UnderWine()) {
        double host = HostProcessorSeconds(m_program);
        if (host >= 0) return host;
    }
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(m_process, &created, &ended, &kernel, &user)) return 0;
    return Seconds(kernel) + Seconds(user);
}

bool ProgramRun::End(DWORD graceMs) {
    for (HWND window : MainWindows(m_processId, m_property, false)) {
        if (!m_property.empty()) PostMessageW(window, UM_EXIT_APP, 0, kExitAppCode);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(m_process, graceMs) == WAIT_OBJECT_0) return true;
    TerminateProcess(m_process, 1);
    WaitForSingleObject(m_process, INFINITE);
    return false;
}
