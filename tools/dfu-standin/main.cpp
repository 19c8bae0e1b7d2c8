// dfu5.exe as the tests and the demo meet it: a stand-in for the firmware updater that
// accepts the program's command lines, writes each one to the file named by
// MIREVO_DFU_LOG, and prints what the real updater prints in the way MIREVO_DFU_MODE
// asks for (or, when MIREVO_DFU_MODE_FILE names a file, the word in that file):
//
//   normal     PROCESS: %0 .. %100 on standard output, then UPDATE COMPLETED on standard error
//   lowercase  as normal, the completion in lower case
//   together   as normal, the last progress line and the completion in one write
//   split      the completion cut in two writes, a pause between them
//   silent     nothing at all
//   fail       some progress, then an error; never completes
//   endmarker  some progress, then the program folder (upper case, no final backslash),
//              then, too late to count, UPDATE COMPLETED
//   hang       nothing for a long while, then ends without a word
//
// An image named by -f that does not exist ends the run with the stand-in's own error.
// It never touches a device; it is not part of the shipped program.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

void Write(HANDLE out, const std::string& text) {
    DWORD written = 0;
    ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024];
    DWORD n = ::GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? std::wstring(value, n) : std::wstring();
}

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string Ansi(const std::wstring& text) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void LogCommandLine() {
    const std::wstring log = Environment(L"MIREVO_DFU_LOG");
    if (log.empty()) return;
    HANDLE file = ::CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    Write(file, Utf8(::GetCommandLineW()) + "\n");
    ::CloseHandle(file);
}

std::wstring Mode() {
    const std::wstring file = Environment(L"MIREVO_DFU_MODE_FILE");
    if (!file.empty()) {
        HANDLE h = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            char word[64] = {};
            DWORD read = 0;
            ::ReadFile(h, word, sizeof word - 1, &read, nullptr);
            ::CloseHandle(h);
            std::wstring mode;
            for (DWORD i = 0; i < read && word[i] > ' '; ++i) mode += static_cast<wchar_t>(word[i]);
            if (!mode.empty()) return mode;
        }
    }
    const std::wstring mode = Environment(L"MIREVO_DFU_MODE");
    return mode.empty() ? L"normal" : mode;
}

// The folder that holds firmwareupgrade\, as the program names it in its end marker.
std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    for (int up = 0; up < 2; ++up) {
        size_t cut = folder.find_last_of(L"\\/");
        if (cut == std::wstring::npos) break;
        folder.resize(cut);
    }
    ::CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return folder;
}

// The file after -f, as given.
std::wstring ImageArgument() {
    int count = 0;
    LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::wstring image;
    for (int i = 1; args && i + 1 < count; ++i)
        if (std::wstring(args[i]) == L"-f") image = args[i + 1];
    if (args) ::LocalFree(args);
    return image;
}

void Progress(HANDLE out, int from, int to, int step) {
    for (int p = from; p <= to; p += step) {
        Write(out, "PROCESS: %" + std::to_string(p) + "\r\n");
        ::Sleep(40);
    }
}

}  // namespace

int wmain() {
    LogCommandLine();
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE err = ::GetStdHandle(STD_ERROR_HANDLE);
    const std::wstring image = ImageArgument();
    if (image.empty() || ::GetFileAttributesW(image.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Write(err, "ERROR: cannot open firmware image " + Ansi(image) + "\r\n");
        return 2;
    }
    const std::wstring mode = Mode();
    if (mode == L"silent") return 0;
    if (mode == L"hang") {
        ::Sleep(4000);
        return 0;
    }
    if (mode == L"fail") {
        Progress(out, 10, 30, 20);
        Write(err, "ERROR: the device did not answer\r\n");
        return 1;
    }
    if (mode == L"endmarker") {
        Progress(out, 20, 60, 20);
        Write(out, Ansi(ProgramFolder()) + "\r\n");
        ::Sleep(500);
        Write(err, "UPDATE COMPLETED\r\n");
        return 0;
    }
    if (mode == L"together") {
        Progress(out, 0, 80, 20);
        Write(out, "PROCESS: %100\r\nUPDATE COMPLETED\r\n");
        return 0;
    }
    if (mode == L"split") {
        Progress(out, 0, 100, 50);
        Write(out, "UPDATE COMP");
        ::Sleep(500);
        Write(out, "LETED\r\n");
        return 0;
    }
    Progress(out, 0, 100, 20);
    ::Sleep(100);
    Write(err, mode == L"lowercase" ? "update completed\r\n" : "UPDATE COMPLETED\r\n");
    return 0;
}
