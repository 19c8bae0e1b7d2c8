#pragma once
// The profile list that opens above the profile button: the five profiles by name, a
// click switches to one, a right click renames it in place, and two buttons import a
// profile file into the selected profile or export the selected profile. The dialog
// changes nothing but names itself: its commands go to the main window as posted
// UM_PROFILE_COMMAND messages, which run once it has closed, in the order posted.
#include <windows.h>

#include "CUIMessageBox.h"
#include "MDialog.h"
#include "SettingsDatabase.h"

struct ProfileDlgSetup {
    HWND mainWindow = nullptr;       // receives the commands
    SettingsDatabase* store = nullptr;
    int currentProfile = 1;          // selected at first
    int language = 1033;             // English buttons use a smaller text size
    TextById texts = CurrentLanguageText;
};

class ProfileDlg : public Kelvo::MDialog {
public:
    enum ControlId { kAreaId = 30, kListId = 31, kImportId = 32, kExportId = 33 };
    static constexpr int kHeightAboveButton = 240;
    static constexpr int kGapAboveButton = 5;

    explicit ProfileDlg(ProfileDlgSetup setup);

    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnNcActivate(int active) override;

private:
    void FillList();
    int SelectedProfile();
    void Rename(int row);
    // Switches first when the user renamed a profile or selected another than the
    // current one, then posts `command` for the selected profile; then closes.
    void PostFileCommand(WPARAM command);
    void Post(WPARAM command, int profile);
    void Finish();

    ProfileDlgSetup m_setup;
    bool m_renamed = false;
    int m_lastRenamed = 0;
    // Once the commands are posted the dialog is only closing: losing activation
    // meanwhile must not post a second, stale switch.
    bool m_closing = false;
};

// The profile button's rectangle (screen) -> the dialog's: the button's width, from 240
// to 5 pixels above its top.
CRect ProfileDialogRect(const CRect& buttonOnScreen);

// Shows the profile dialog over `owner` at `rect` (screen) and destroys it afterwards.
void ShowProfiles(ProfileDlgSetup setup, const CRect& rect);
