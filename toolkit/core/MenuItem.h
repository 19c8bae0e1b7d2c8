#pragma once
// One entry of a menu (MenuWnd): a title drawn in white on the menu, a highlight under the
// pointer, grey when disabled; or a separator line. Its look is pre-rendered as four
// columns (normal, hover, pressed or checked, disabled) so hovering never re-renders.
// A click (release inside after a press) sends notification 2 to the menu.
#include <windows.h>

#include "GdiPlus.h"

#include "CString.h"
#include "MControlFont.h"

namespace Kelvo {

class MenuWnd;

class KELVO_API MenuItem : public MControlFont {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    MenuItem(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);
    ~MenuItem() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    int GetState() const { return m_nState; }
    int GetCheck() const { return m_bCheck; }
    // Only for checkable items, and not while disabled; returns the check flag.
    int SetCheck(int check);
    // The same without conditions.
    int SetControlCheck(int check);
    int IsHover() const { return m_nState == kHover ? 1 : 0; }
    void SetSeparator(int separator);
    int IsSeparator() const { return m_bSeparator; }
    int IsPopup() const { return m_pSubMenu ? 1 : 0; }
    MenuWnd* GetPopupMenu() const { return m_pSubMenu; }
    void SetPopupMenu(MenuWnd* menu) { m_pSubMenu = menu; }
    MenuWnd* GetParentMenu() const { return nullptr; }
    void ShowPopupMenu() {}

    // Set by the menu's layout.
    void SetTextIndent(int indent);
    void SetFrameWidth(int inset);
    void SetHighlightColor(Gdiplus::ARGB colour);
    Gdiplus::ARGB GetHighlightColor() const { return m_highlightColor; }
    // Images of the menu (not owned): the highlight, stretched under a hovered item, and
    // the check mark.
    void SetHighlightImage(Gdiplus::Image* image);
    void SetCheckImage(Gdiplus::Image* image) { m_pCheckImage = image; }

    CString GetGroupName() const { return m_strGroup; }
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetValue() const { return m_strValue; }
    int ResetGroupCheck() { return 1; }
    CString GetGroupValue() const { return CString(); }

private:
    void ShowState(int state);
    void RenderColumns(HDC cache, int width, int height);

    int m_nState = kNormal;
    int m_bCheck = 0;
    int m_bCheckable = 0;
    int m_bSeparator = 0;
    int m_nTextIndent = 5;
    int m_nInset = 0;
    Gdiplus::ARGB m_highlightColor = 0xDCDCDCDC;
    Gdiplus::Image* m_pHighlightImage = nullptr;
    Gdiplus::Image* m_pCheckImage = nullptr;
    CString m_strGroup = CString(L"Menu Group");
    CString m_strValue;
    MenuWnd* m_pSubMenu = nullptr;
};

}  // namespace Kelvo
