// devicechange arrival|removal <window class or caption> <interface path>
//
// Sends the window of that class (or, failing that, of that caption) the
// WM_DEVICECHANGE that Windows sends a window registered for HID interface
// notifications. Windows ignores the answer to an arrival or removal, and so does
// this tool. Exit codes: 0 the window took it, 2 bad arguments, 3 no such window
// or it did not answer.
#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

// GUID_DEVINTERFACE_HID.
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

std::vector<unsigned char> InterfaceRecord(const wchar_t* path) {
    const std::size_t nameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    const std::size_t nameBytes = (std::wcslen(path) + 1) * sizeof(wchar_t);
    DEV_BROADCAST_DEVICEINTERFACE_W header{};
    header.dbcc_size = static_cast<DWORD>(nameAt + nameBytes);
    header.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    header.dbcc_classguid = kHidInterfaceClass;
    std::vector<unsigned char> bytes(header.dbcc_size, 0);
    std::memcpy(bytes.data(), &header, nameAt);
    std::memcpy(bytes.data() + nameAt, path, nameBytes);
    return bytes;
}

int Usage() {
    std::fprintf(stderr, "usage: devicechange arrival|removal <window class or caption> <interface path>\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return Usage();
    WPARAM event = 0;
    if (std::wcscmp(argv[1], L"arrival") == 0) event = DBT_DEVICEARRIVAL;
    else if (std::wcscmp(argv[1], L"removal") == 0) event = DBT_DEVICEREMOVECOMPLETE;
    else return Usage();
    HWND window = FindWindowW(argv[2], nullptr);
    if (!window) window = FindWindowW(nullptr, argv[2]);
    if (!window) {
        std::fprintf(stderr, "devicechange: no window of class or caption %ls\n", argv[2]);
        return 3;
    }
    std::vector<unsigned char> record = InterfaceRecord(argv[3]);
    DWORD_PTR result = 0;
    // Not SMTO_ABORTIFHUNG: a window whose thread took no message for five seconds
    // (a test that only now starts to wait, a program busy starting) counts as hung
    // and would never be asked; the time-out alone bounds the wait.
    if (!SendMessageTimeoutW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data()), SMTO_NORMAL,
                             10000, &result)) {
        std::fprintf(stderr, "devicechange: the window did not answer\n");
        return 3;
    }
    return 0;
}
