#pragma once
// A colour swatch of a row of colours to choose from. It has no title and no image: the
// whole control is filled with its colour, outlined inside in white while hovered,
// pressed or checked and in grey while disabled. A press checks it at once (unchecking
// the other colour buttons of its group) and notifies 1; the release inside notifies 2.
#include <windows.h>

#include "ButtonGroup.h"
#include "MControlFont.h"
#include "PressCycle.h"

namespace Kelvo {

class KELVO_API CColorButton : public MControlFont, public CheckGroupMember {
public:
    enum State { kNormal = 0, kHover = 1, kChecked = 2, kDisabled = 3 };

    CColorButton(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    // The swatch colour is a colour reference (0x00BBGGRR).
    void SetColor(COLORREF colour);
    COLORREF GetColor() const { return m_color; }
    // Kept for callers; the outline does not depend on it.
    void SetVisibleBorder(bool visible) { m_bVisibleBorder = visible ? 1 : 0; }
    int IsVisibleBorder() const { return m_bVisibleBorder; }

    int GetCheck() const { return m_bCheck; }
    // Not while disabled (returns the current check). Becoming checked unchecks the group.
    // No notification.
    int SetCheck(int check);
    // Sets the check even while disabled, leaving the group alone.
    int SetControlCheck(int check);
    int ResetGroupCheck();
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;
    // The frame shown now, 0 … 3.
    int GetState() const;

private:
    void RenderFrames(HDC cache, int width, int height);
    int ShowChange(bool changed);

    COLORREF m_color = RGB(0xFF, 0xFF, 0xFF);
    int m_bCheck = 0;
    int m_bVisibleBorder = 1;
    PressCycle m_cycle;
    CString m_strGroup;
};

}  // namespace Kelvo
