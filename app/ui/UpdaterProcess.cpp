#include "UpdaterProcess.h"

#include <windows.h>

#include <vector>

namespace {

constexpr DWORD kChunk = 4095;
constexpr int kPauseBetweenChunksMs = 100;
constexpr int kQuietPollMs = 20;

class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE* Out() { return &m_h; }
    HANDLE Get() const { return m_h; }
    void Close() {
        if (m_h && m_h != INVALID_HANDLE_VALUE) ::CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h = nullptr;
};

bool StartProcess(const std::wstring& commandLine, HANDLE output, Handle& process, Handle& thread) {
    STARTUPINFOW startup{};
    ::GetStartupInfoW(&startup);
    startup.cb = sizeof startup;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.wShowWindow = SW_HIDE;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return false;
    *process.Out() = info.hProcess;
    *thread.Out() = info.hThread;
    return true;
}

// Reads until the child has gone and the pipe is empty, the caller has seen enough, or a
// stop. The pipe is peeked first so a quiet updater never blocks the thread's stop.
void ReadOutput(HANDLE pipe, const UpdaterCallbacks& callbacks) {
    std::vector<char> buffer(kChunk + 1);
    for (;;) {
        if (callbacks.stopRequested && callbacks.stopRequested()) return;
        DWORD waiting = 0;
        if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr)) return;  // the child has gone
        if (waiting == 0) {
            if (callbacks.pause && callbacks.pause(kQuietPollMs)) return;
            continue;
        }
        std::fill(buffer.begin(), buffer.end(), '\0');
        DWORD read = 0;
        if (!::ReadFile(pipe, buffer.data(), kChunk, &read, nullptr) || read == 0) return;
        if (callbacks.onOutput && !callbacks.onOutput(std::string_view(buffer.data(), read))) return;
        if (callbacks.pause && callbacks.pause(kPauseBetweenChunksMs)) return;
    }
}

}  // namespace

std::wstring AnsiToText(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
    return text;
}

bool RunUpdater(const std::wstring& commandLine, const UpdaterCallbacks& callbacks) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (!::CreatePipe(readEnd.Out(), writeEnd.Out(), &inherited, 0)) return false;
    // Only the write end belongs to the child; a child holding our read end too would
    // keep the pipe open after it printed its last line.
    ::SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    Handle process;
    Handle thread;
    if (!StartProcess(commandLine, writeEnd.Get(), process, thread)) return false;
    // The pipe reports the child's end once no write end is left open here.
    writeEnd.Close();
    ReadOutput(readEnd.Get(), callbacks);
    return true;
}
