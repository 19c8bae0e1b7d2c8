#pragma once
// The About dialog from the tray menu: the logo, the mouse's firmware version, the
// program's version and its notice, and a close button.
#include <windows.h>

#include "CString.h"
#include "CUIMessageBox.h"
#include "MDialog.h"

struct AboutFacts {
    int firmwareRelease = 0;  // the wired mouse's release number; 0 when none was found
    CString softwareVersion;  // empty: the program's own
    CString notice;           // empty: the language file's notice line
};

class AboutDlg : public Kelvo::MDialog {
public:
    enum ControlId { kCloseId = 30, kSoftwareId = 33, kLogoId = 32, kFirmwareId = 34, kNoticeId = 35 };
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 300;

    AboutDlg(AboutFacts facts, TextById texts = CurrentLanguageText);

    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;

private:
    void AddLine(UINT id, CRect rect, const CString& text);
    CString Text(int id) const { return m_texts ? m_texts(id) : CString(); }

    AboutFacts m_facts;
    TextById m_texts;
};

// Shows the About dialog centred on the screen, modally over `owner`, and destroys it.
void ShowAbout(HWND owner, const AboutFacts& facts, TextById texts = CurrentLanguageText);
