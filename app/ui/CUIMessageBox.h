#pragma once
// The program's skinned message box for every notice and question: a title, a message of
// several lines and one button (OK) or two (yes, no), shown modally over the main window.
#include <windows.h>

#include <functional>

#include "CString.h"
#include "MDialog.h"

// The interface text of a language id (the current language's file by default).
using TextById = std::function<CString(int id)>;
CString CurrentLanguageText(int id);

class CUIMessageBox : public Kelvo::MDialog {
public:
    enum Type { kNotice = 0, kQuestion = 4 };
    // What ShowModal returns for the first button (OK or yes) and the second (no).
    enum Result { kFirstButton = IDOK, kSecondButton = IDCANCEL };
    enum ControlId { kTitleId = 31, kMessageId = 32, kFirstButtonId = 33, kSecondButtonId = 34 };

    CUIMessageBox(CString title, CString message, int type, TextById texts = CurrentLanguageText);

    int OnInitDialog() override;
    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;

private:
    void AddText(UINT id, CRect rect, const CString& text, bool multiLine);
    void AddButton(UINT id, CRect rect, int textId);

    CString m_title;
    CString m_message;
    int m_type;
    TextById m_texts;
};

// Shows the message box centred on the screen, modally over `owner`, and destroys it:
// 1 when the first button was pressed, 2 for the second.
UINT ShowMessage(const CString& message, HWND owner, const CString& title, int type,
                 TextById texts = CurrentLanguageText);
