#pragma once
// The main window's icon in the notification area and its menu. UI thread only.
//
// The window forwards three things: its callback message (HandleMessage), the
// registered "TaskbarCreated" message (Readd), and every way out (Remove).
#include <windows.h>
#include <shellapi.h>

#include "CString.h"
#include "CUIMessageBox.h"

class TrayIcon {
public:
    enum class IconSource { kNone, kSkinFile, kResource };

    static constexpr UINT kIconId = 109;
    static constexpr UINT kExitCommand = 100;
    static constexpr UINT kAboutCommand = 102;
    static constexpr int kExitTextId = 12;
    static constexpr int kAboutTextId = 13;
    static constexpr const wchar_t* kIconFile = L"Mirevo.ico";

    explicit TrayIcon(TextById texts = CurrentLanguageText);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Shows the icon of `skinFolder` (the program's icon when the file does not load)
    // with `tip`; the shell reports mouse input on it as `callbackMessage` to `window`.
    // False when the shell refused it (no taskbar yet): the icon then comes with the
    // next Readd.
    bool Add(HWND window, UINT callbackMessage, const CString& tip, const CString& skinFolder);
    // Takes the icon away; harmless when it is not there.
    void Remove();
    // The taskbar was created again and forgot every icon. False when there is no icon
    // to show or the shell refused it.
    bool Readd();

    // Left click or double click: the hidden window comes back in front. Right click:
    // the menu, whose choice reaches the window as WM_COMMAND.
    void HandleMessage(WPARAM wparam, LPARAM lparam);

    // The About item works only once the window can show the dialog.
    void EnableAbout(bool enable);
    // The menu as the right click shows it; the caller destroys it.
    HMENU BuildMenu() const;

    bool Shown() const { return m_shown; }
    IconSource Source() const { return m_source; }
    HICON Icon() const { return m_record.hIcon; }

    // The message the shell sends every top-level window when the taskbar starts.
    static UINT TaskbarCreatedMessage();

private:
    void LoadTrayIcon(const CString& skinFolder);
    void FreeIcon();
    void ShowMenu();
    void RestoreWindow();

    TextById m_texts;
    NOTIFYICONDATAW m_record{};
    IconSource m_source = IconSource::kNone;
    bool m_shown = false;
    bool m_aboutEnabled = false;
};
