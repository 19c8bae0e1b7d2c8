#pragma once
// The native edit window a list opens over a row to rename it: a super-class of "Edit"
// registered as "EditWindow" (the class the toolkit's edit boxes use, so whichever
// registers it first serves both), colouring itself from the reflected WM_CTLCOLOREDIT.
// Over a layered window it is an owned popup in screen coordinates, since a layered
// window shows no child windows; otherwise a child of the window.
//
// The host hears when the user is done: Enter or losing the keyboard focus commit,
// Escape cancels. The host may delete the editor from inside that call.
#include <windows.h>

#include "CString.h"
#include "MWindow.h"

namespace Kelvo {

class ListEditHost {
public:
    virtual void OnEditorDone(bool commit) = 0;

protected:
    virtual ~ListEditHost() = default;
};

class ListEditWnd : public MWindow {
public:
    explicit ListEditWnd(ListEditHost& host) : m_host(&host) {}
    ~ListEditWnd() override;

    const wchar_t* GetWindowClassName() override { return L"EditWindow"; }
    const wchar_t* GetSuperClassName() override { return L"Edit"; }
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

    // Background and text as colour references; takes effect at the next paint.
    void SetColours(COLORREF background, COLORREF text);
    // Shows the editor over `rect` (client coordinates of `owner`) with `text`, the caret
    // at its end, and gives it the keyboard focus. False when the window cannot be made.
    bool Open(HWND owner, bool layered, CRect rect, HFONT font, const CString& text);
    // Hides the editor without telling the host.
    void Hide();
    bool IsOpen() const;
    CString Text() const;

private:
    void Finish(bool commit);

    ListEditHost* m_host;
    bool m_bLayered = false;
    COLORREF m_background = 0xFFFFFF;
    COLORREF m_text = 0;
    HBRUSH m_brush = nullptr;
};

}  // namespace Kelvo
