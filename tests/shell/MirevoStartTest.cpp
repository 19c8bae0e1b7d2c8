// Mirevo.exe end to end under Wine: the first start settles the language, creates the
// data folder and shows the window that a second start raises before exiting with 0.
// The test owns the product key and the data folder while it runs and puts back what
// was there before.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "FixturePath.h"

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Corvane";
const wchar_t kBackupKey[] = L"SOFTWARE\\MirevoTests\\StartBackup";
constexpr DWORD kPatienceMs = 90000;  // Wine can be slow to start a process on a busy machine

// The shipped folder: Mirevo.exe with its DLLs, language files and skins.
std::wstring ProgramFolder() { return ShippedFolder().str(); }

std::wstring DataFolder() {
    wchar_t documents[MAX_PATH + 1] = {};
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    return std::wstring(documents) + L"\\Corvane Files";
}

bool IsFolder(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<HWND> MarkedWindows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (GetPropW(window, L"Corvane")) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring ReadLcid() {
    wchar_t buffer[64] = {};
    DWORD bytes = sizeof buffer - sizeof(wchar_t);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"LCID", RRF_RT_ANY, &type, buffer, &bytes) != ERROR_SUCCESS)
        return L"<none>";
    return type == REG_SZ ? buffer : L"<not a string>";
}

void WriteLcid(const wchar_t* text) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"LCID", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

bool MoveKey(const wchar_t* from, const wchar_t* to) {
    HKEY source = nullptr, target = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) != ERROR_SUCCESS) return false;
    RegCreateKeyExW(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr);
    RegCopyTreeW(source, nullptr, target);
    RegCloseKey(source);
    RegCloseKey(target);
    RegDeleteTreeW(HKEY_CURRENT_USER, from);
    return true;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

class MirevoProcess {
public:
    ~MirevoProcess() { Kill(); }

    bool Start() {
        std::wstring exe = ProgramFolder() + L"Mirevo.exe";
        std::wstring command = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            ProgramFolder().c_str(), &startup, &info))
            return false;
        CloseHandle(info.hThread);
        m_process = info.hProcess;
        return true;
    }

    bool Running() const { return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

    // The exit code, or -1 when the process did not end in time.
    long WaitForExit() {
        if (!m_process || WaitForSingleObject(m_process, kPatienceMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process, &code);
        return static_cast<long>(code);
    }

    // Polls until the program's window is up; null if the program ended or never showed it.
    HWND WaitForWindow() {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < kPatienceMs) {
            auto windows = MarkedWindows();
            if (!windows.empty()) return windows.front();
            if (WaitForSingleObject(m_process, 50) != WAIT_TIMEOUT) return nullptr;
        }
        return nullptr;
    }

    void Kill() {
        if (!m_process) return;
        if (Running()) {
            TerminateProcess(m_process, 99);
            WaitForSingleObject(m_process, kPatienceMs);
        }
        CloseHandle(m_process);
        m_process = nullptr;
    }

private:
    HANDLE m_process = nullptr;
};

class MirevoStartTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MarkedWindows().empty()) << "a Mirevo window is already open";
        RegDeleteTreeW(HKEY_CURRENT_USER, kBackupKey);
        m_keySaved = MoveKey(kKey, kBackupKey);
        m_dataSaved = IsFolder(DataFolder()) && MoveFileW(DataFolder().c_str(), (DataFolder() + L".saved").c_str());
        ASSERT_FALSE(IsFolder(DataFolder()));
    }

    void TearDown() override {
        m_first.Kill();
        m_second.Kill();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        if (m_keySaved) MoveKey(kBackupKey, kKey);
        RemoveTree(DataFolder());
        if (m_dataSaved) MoveFileW((DataFolder() + L".saved").c_str(), DataFolder().c_str());
    }

    // Starts the program, waits for its window and returns it.
    HWND StartFirst() {
        EXPECT_TRUE(m_first.Start());
        HWND window = m_first.WaitForWindow();
        EXPECT_NE(window, nullptr) << "Mirevo.exe showed no window";
        return window;
    }

    // Closes the window the way the system would and expects a normal end (1).
    void CloseFirst(HWND window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(m_first.WaitForExit(), 1);
    }

    MirevoProcess m_first;
    MirevoProcess m_second;
    bool m_keySaved = false;
    bool m_dataSaved = false;
};

TEST_F(MirevoStartTest, FirstRunOnEnglishSystemAndSecondStartRaisesTheFirst) {
    HWND window = StartFirst();
    ASSERT_NE(window, nullptr);

    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"Corvane");
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 1121);
    EXPECT_EQ(rect.bottom - rect.top, 780);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(ReadLcid(), L"1033");
    EXPECT_TRUE(IsFolder(DataFolder() + L"\\db"));

    // Hidden windows come back: the second start must show the first one again.
    ShowWindow(window, SW_HIDE);
    ASSERT_FALSE(IsWindowVisible(window));
    ASSERT_TRUE(m_second.Start());
    EXPECT_EQ(m_second.WaitForExit(), 0);
    EXPECT_TRUE(m_first.Running());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(MarkedWindows().size(), 1u);
    EXPECT_EQ(ReadLcid(), L"1033");

    CloseFirst(window);
    EXPECT_TRUE(MarkedWindows().empty());
}

// Every way out ends the process: the tray menu's Exit and another process's exit
// request with code 0, an ordinary close with 1; an exit request without its token
// changes nothing.
TEST_F(MirevoStartTest, TheTrayMenusExitAndAPostedExitEndTheProgramWithZero) {
    struct Way {
        const char* name;
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
        long exitCode;
    };
    const Way ways[] = {
        {"tray menu Exit", WM_COMMAND, 100, 0, 0},
        {"posted exit", 1691, 0, 610, 0},
        {"close", WM_CLOSE, 0, 0, 1},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        HWND window = StartFirst();
        ASSERT_NE(window, nullptr);
        PostMessageW(window, 1691, 0, 611);
        Sleep(300);
        ASSERT_TRUE(m_first.Running()) << "an exit request without its token is ignored";
        PostMessageW(window, way.message, way.wparam, way.lparam);
        EXPECT_EQ(m_first.WaitForExit(), way.exitCode);
        EXPECT_TRUE(MarkedWindows().empty());
        m_first.Kill();
    }
}

TEST_F(MirevoStartTest, SavedSimplifiedChineseBecomesTheSecondLanguage) {
    WriteLcid(L"2052");
    HWND window = StartFirst();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ReadLcid(), L"1055");
    CloseFirst(window);
}

// Run with a non-English Windows UI language (LC_ALL in the test's environment).
TEST_F(MirevoStartTest, ForeignFirstRunGetsTheSecondLanguage) {
    HWND window = StartFirst();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(GetUserDefaultUILanguage(), 1033) << "run this case with a non-English LC_ALL";
    EXPECT_EQ(ReadLcid(), L"1055");
    CloseFirst(window);
}

}  // namespace
