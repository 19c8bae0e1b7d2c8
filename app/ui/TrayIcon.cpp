#include "TrayIcon.h"

#include <cwchar>
#include <utility>

#include "resource.h"

TrayIcon::TrayIcon(TextById texts) : m_texts(std::move(texts)) {
    m_record.cbSize = sizeof m_record;
    m_record.uID = kIconId;
    m_record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
}

TrayIcon::~TrayIcon() {
    Remove();
    FreeIcon();
}

bool TrayIcon::Add(HWND window, UINT callbackMessage, const CString& tip, const CString& skinFolder) {
    Remove();
    LoadTrayIcon(skinFolder);
    m_record.hWnd = window;
    m_record.uCallbackMessage = callbackMessage;
    // The shell takes at most 127 characters and a terminator.
    wcsncpy(m_record.szTip, tip, ARRAYSIZE(m_record.szTip) - 1);
    m_record.szTip[ARRAYSIZE(m_record.szTip) - 1] = L'\0';
    return Readd();
}

void TrayIcon::Remove() {
    if (m_shown) Shell_NotifyIconW(NIM_DELETE, &m_record);
    m_shown = false;
    // Forgetting the window keeps a later TaskbarCreated from bringing the icon back.
    m_record.hWnd = nullptr;
}

bool TrayIcon::Readd() {
    if (!m_record.hWnd || !m_record.hIcon) return false;
    m_shown = Shell_NotifyIconW(NIM_ADD, &m_record) != FALSE;
    return m_shown;
}

void TrayIcon::HandleMessage(WPARAM, LPARAM lparam) {
    switch (static_cast<UINT>(lparam)) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        RestoreWindow();
        break;
    case WM_RBUTTONUP:
        ShowMenu();
        break;
    default:
        break;
    }
}

void TrayIcon::EnableAbout(bool enable) { m_aboutEnabled = enable; }

HMENU TrayIcon::BuildMenu() const {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    AppendMenuW(menu, MF_STRING, kExitCommand, m_texts(kExitTextId));
    AppendMenuW(menu, MF_STRING | (m_aboutEnabled ? MF_ENABLED : MF_GRAYED), kAboutCommand, m_texts(kAboutTextId));
    return menu;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void TrayIcon::LoadTrayIcon(const CString& skinFolder) {
    FreeIcon();
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    CString path = skinFolder;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != L'\\' && path[path.GetLength() - 1] != L'/') path += L'\\';
    path += kIconFile;
    m_record.hIcon = static_cast<HICON>(LoadImageW(nullptr, path, IMAGE_ICON, width, height, LR_LOADFROMFILE));
    if (m_record.hIcon) {
        m_source = IconSource::kSkinFile;
        return;
    }
    // A broken or missing skin must not leave an empty place in the notification area.
    m_record.hIcon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MIREVO), IMAGE_ICON, width, height, 0));
    m_source = m_record.hIcon ? IconSource::kResource : IconSource::kNone;
}

void TrayIcon::FreeIcon() {
    if (m_record.hIcon) DestroyIcon(m_record.hIcon);
    m_record.hIcon = nullptr;
    m_source = IconSource::kNone;
}

void TrayIcon::ShowMenu() {
    HMENU menu = BuildMenu();
    if (!menu) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    // Without the window in front the menu would stay open when the user clicks
    // elsewhere; the empty message afterwards lets the next click reach the shell.
    SetForegroundWindow(m_record.hWnd);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_record.hWnd, nullptr);
    PostMessageW(m_record.hWnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void TrayIcon::RestoreWindow() {
    HWND window = m_record.hWnd;
    SetForegroundWindow(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    BringWindowToTop(window);
}
