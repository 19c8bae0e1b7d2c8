#pragma once
// A DPI level editor in one piece: a check box (ID 30) that includes the level, a colour
// mark (31), minus (36) and plus (35) buttons that step the value by 50 within 50 … 26000
// (also while held), and the value between them, typed in a digits-only editor
// (CDPIEditWnd) opened by a press on it. Levels of one parent with the same group name
// are exclusive: a press on the value or a plus/minus click of an included level selects
// it. Every notification of the parts travels on to the parent unchanged; the check box's
// is first repeated under the control's own ID with lparam 1.
#include <windows.h>

#include "ButtonGroup.h"
#include "EditorOwner.h"
#include "MPanel.h"

namespace Kelvo {

class CCheckButton;
class CColorButton;
class CDPIEditWnd;

class KELVO_API DPIControl : public MPanel, public CheckGroupMember, public EditorOwner {
public:
    static constexpr UINT kCheckBoxId = 30;
    static constexpr UINT kColourId = 31;
    static constexpr UINT kPlusId = 35;
    static constexpr UINT kMinusId = 36;
    static constexpr int kStep = 50;
    static constexpr int kLowest = 50;
    static constexpr int kHighest = 26000;

    DPIControl(MObject* parent, UINT id, CRect rect, int visible);
    ~DPIControl() override;

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void SetControlRect(CRect rect) override;
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int SetControlFocus(int focus) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    void SetDPIValue(int value);
    // The editor's number while it is shown.
    int GetDPIValue();
    // The colour mark, a colour reference.
    void SetColor(COLORREF colour);
    COLORREF GetColor() const { return m_color; }
    // The check box.
    void SetCheck(int check);
    int GetCheck() const;
    // Selection within the group: the plain form clears the rest of the group first.
    void SetCheckState(int selected);
    void SetCheckStateEx(int selected);
    int GetCheckState() const { return m_bSelected; }
    int ResetGroupCheck();
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;
    // The value from its text (also into an open editor).
    void SetEditText(const wchar_t* text);
    // Where the value and its editor are, in window coordinates.
    CRect GetTextRect() const;
    // Takes `editor` (owned from now on) in place of the current one.
    void SetEditWindow(CDPIEditWnd* editor);
    int IsEditing() const { return m_bEditing; }

    void OnEditorChanged() override {}
    void OnEditorFocusLost() override { CloseEditor(); }
    int OnEditorFinish(int keep) override;
    int OnEditorStep(int) override { return 0; }
    int PassesCharacters() override { return 1; }
    COLORREF EditorBackground() override;
    COLORREF EditorTextColour() override { return RGB(0xFF, 0xFF, 0xFF); }
    int IsOverLayeredWindow() override;
    void OnEditorGone(CEditWnd* editor) override;

private:
    void CreateParts();
    void LayOutParts();
    void Step(int delta);
    void OpenEditor();
    void CloseEditor();
    void Repaint();

    int m_nValue = 500;
    COLORREF m_color = 255;
    int m_bSelected = 0;
    CString m_strGroup;
    CDPIEditWnd* m_pEdit = nullptr;
    int m_bEditing = 0;
    CCheckButton* m_pCheckBox = nullptr;
    CColorButton* m_pColour = nullptr;
    MControl* m_pPlus = nullptr;
    MControl* m_pMinus = nullptr;
    Gdiplus::Image* m_pEditImage = nullptr;  // belongs to the paint manager's image cache
};

}  // namespace Kelvo
