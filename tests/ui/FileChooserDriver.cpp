#include "FileChooserDriver.h"

#include <shlobj.h>
#include <commctrl.h>
#include <filesystem>

#include <vector>

namespace uitest {
namespace {

constexpr int kFileNameBox = 0x47c;  // the Open dialog's file-name combo box
constexpr int kFileNameEdit = 0x480; // its plain edit, in the older layout

std::vector<HWND> VisibleDialogs() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::wstring(name) == L"#32770")
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    struct Search {
        const wchar_t* name;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (std::wstring(name) != s->name) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring SelectedText(HWND tree) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    if (!item.hItem || !TreeView_GetItem(tree, &item)) return {};
    return text;
}

bool WaitForSelection(HWND tree, const std::wstring& name) {
    for (int i = 0; i < 40; ++i) {
        if (_wcsicmp(SelectedText(tree).c_str(), name.c_str()) == 0) return true;
        Sleep(50);
    }
    return false;
}

void Press(HWND dialog, int button) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0, SMTO_NORMAL, 5000, &ignored);
}

}  // namespace

ChooserAnswer::ChooserAnswer(std::wstring path) : m_path(std::move(path)), m_thread([this] { Watch(); }) {}

ChooserAnswer::~ChooserAnswer() {
    m_stop = true;
    m_thread.join();
}

std::wstring ChooserAnswer::Seen() const { return m_answered ? m_seen : std::wstring(); }

void ChooserAnswer::Watch() {
    // Dialogs already open (a message box of the test's own) are not the chooser.
    const std::vector<HWND> before = VisibleDialogs();
    while (!m_stop && !m_refused) {
        for (HWND dialog : VisibleDialogs()) {
            bool old = false;
            for (HWND b : before) old = old || b == dialog;
            if (!old && Answer(dialog)) {
                m_answered = true;
                return;
            }
        }
        Sleep(50);
    }
}

bool ChooserAnswer::Answer(HWND chooser) {
    const HWND tree = ChildOfClass(chooser, L"SysTreeView32");
    HWND name = GetDlgItem(chooser, kFileNameBox);
    if (!name) name = GetDlgItem(chooser, kFileNameEdit);
    if (!tree && !name) return false;  // not a chooser
    Sleep(200);                        // let it finish filling itself, as a user would wait
    if (tree) {
        // The folder chooser's prompt is a static text above the tree.
        HWND prompt = ChildOfClass(chooser, L"Static");
        m_seen = prompt ? TextOf(prompt) : TextOf(chooser);
    } else {
        m_seen = TextOf(chooser);
    }
    if (m_path.empty()) {
        Press(chooser, IDCANCEL);
        return true;
    }
    DWORD_PTR ignored = 0;
    if (tree) {
        SendMessageTimeoutW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(m_path.c_str()), SMTO_NORMAL,
                            5000, &ignored);
        // The tree walks to the folder when it can see every folder on the way;
        // a folder it cannot reach is refused rather than answered with another.
        if (!WaitForSelection(tree, std::filesystem::path(m_path).filename().wstring())) {
            Press(chooser, IDCANCEL);
            m_refused = true;
            return false;
        }
    } else {
        SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(m_path.c_str()), SMTO_NORMAL, 5000,
                            &ignored);
    }
    Press(chooser, IDOK);
    // A path the chooser refuses leaves it open (behind its own complaint): close both,
    // so that the test fails on an unanswered chooser instead of waiting forever.
    for (int i = 0; i < 40 && IsWindow(chooser) && IsWindowVisible(chooser); ++i) Sleep(50);
    if (IsWindow(chooser) && IsWindowVisible(chooser)) {
        for (int i = 0; i < 3; ++i) {
            HWND complaint = GetWindow(chooser, GW_ENABLEDPOPUP);
            if (!complaint || complaint == chooser) break;
            Press(complaint, IDOK);
            Sleep(100);
        }
        Press(chooser, IDCANCEL);
        m_refused = true;
        return false;
    }
    return true;
}

std::filesystem::path ChooserVisibleFolder(const std::wstring& name) {
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    const std::filesystem::path folder = std::filesystem::path(desktop) / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace uitest
