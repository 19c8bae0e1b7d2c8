#pragma once
// What the DPI level buttons and the report-rate buttons share: a selectable button of a
// group (checking one clears the others of the same class and group name under the same
// parent), a colour mark at its left edge, a value drawn in white, and an in-place
// digits-only editor (ValueEditWnd) over the value when editing is allowed.
//
// All eight looks are rendered once into the cache, side by side; a state change only
// shows another one: 0 normal, 1 hover, 2 pressed, 3 disabled, 4 checked, 5 checked and
// hover, 6 checked and pressed.
//
// The edit text is the control's title: the editor starts from it and gives it back, and
// no value is drawn while it is empty.
#include <windows.h>

#include "ButtonGroup.h"
#include "EditorOwner.h"
#include "MControlFont.h"

namespace Kelvo {

class ValueEditWnd;

class KELVO_API DpiValueButton : public MControlFont, public CheckGroupMember, public EditorOwner {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3, kChecked = 4, kCheckedHover = 5,
                 kCheckedPressed = 6 };

    DpiValueButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);
    ~DpiValueButton() override;

    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlRect(CRect rect) override;
    void SetControlEnabled(int enabled) override;
    int SetControlFocus(int focus) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    // The mark's colour (ARGB).
    void SetColor(Gdiplus::ARGB colour);
    Gdiplus::ARGB GetColor() const { return m_color; }
    // Only while enabled. Becoming checked or unchecked clears the rest of the group. No
    // notification. Returns the check.
    int SetCheck(int check);
    // Sets the check whatever the enabled state, leaving the group alone; 0 closes the editor.
    int SetControlCheck(int check);
    int GetCheck() const { return m_bCheck; }
    void SetGroupName(const wchar_t* name);
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;
    int ResetGroupCheck();
    int GetState() const { return m_nState; }

    // Allows the editor (and makes the face "Arial").
    void SetShowEdit(int show);
    void SetEditText(const wchar_t* text);
    // The editor's text while it is shown, else the edit text.
    CString GetEditText();
    // A rectangle set here stays; otherwise it follows the control's rectangle and font.
    void SetTextRect(CRect rect);
    CRect GetTextRect();
    // Left + 22 (or the inset of the kind) to right - 2, font size + 6 high, centred, 2 down.
    void CalcTextRect();
    // Takes `editor` (owned from now on) in place of the current one.
    void SetEditWindow(ValueEditWnd* editor);
    ValueEditWnd* GetEditWindow() const { return m_pEdit; }
    int IsEditing() const { return m_bEditing; }
    COLORREF GetEditTextColor() const { return RGB(0xFF, 0xFF, 0xFF); }
    // "Arial" at the font size, bold, italic and underlined by style bits 0, 1 and 2.
    HFONT GetDefaultFont();

    // Native editor callbacks.
    void OnEditorChanged() override {}
    void OnEditorFocusLost() override;
    int OnEditorFinish(int keep) override;
    int OnEditorStep(int) override { return 0; }
    int PassesCharacters() override { return 1; }
    COLORREF EditorBackground() override;
    COLORREF EditorTextColour() override { return GetEditTextColor(); }
    int IsOverLayeredWindow() override;
    void OnEditorGone(CEditWnd* editor) override;

protected:
    // How far from the left edge the value starts, and whether the colour mark is drawn.
    virtual int TextInset() const { return 22; }
    virtual bool DrawsMark() const { return true; }
    // Draws the value into `rect` (cache coordinates) of `dc`; the font and colour are set.
    virtual void DrawValue(HDC dc, const CRect& rect) = 0;
    // Text taken from a closing editor.
    virtual void TakeEditedText(const CString& text);
    const CString& GroupName() const { return m_strGroup; }
    void Repaint();
    void OpenEditor();
    void CloseEditor();

private:
    void RenderLooks(HDC cache, int width, int height);
    int RestingState(bool inside) const;
    void SetState(int state);
    void Select();

    Gdiplus::ARGB m_color = 0xFFFF0000;
    int m_bCheck = 0;
    int m_nState = kNormal;
    int m_bPressed = 0;
    CString m_strGroup;
    int m_bEditEnabled = 0;
    int m_bEditing = 0;
    CRect m_rcText;
    int m_bTextRectSet = 0;
    ValueEditWnd* m_pEdit = nullptr;
    HFONT m_hDefaultFont = nullptr;
};

}  // namespace Kelvo
