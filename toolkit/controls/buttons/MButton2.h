#pragma once
// A flat one-of-a-group button without a skin: dark cells, an outline in the selection
// colour when hovered, filled with it when pressed or checked. A release inside only
// tells the parent (notification 2): the page decides whether the choice stands and
// checks the button with SetCheck, which unchecks the others of its group (group
// "MouseFunction" unless renamed), combo boxes of class MComboBox2 with the same group
// name included. So a refused choice moves no highlight.
#include "ButtonGroup.h"
#include "MButton.h"

namespace Kelvo {

class KELVO_API MButton2 : public MButton, public CheckGroupMember {
public:
    MButton2(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    int GetCheck() const { return m_bCheck; }
    // Ignored while disabled (returns the current check); a change unchecks the group.
    int SetCheck(int check);
    // Sets the check and repaints, also while disabled, leaving the group alone.
    int SetControlCheck(int check);
    int ResetGroupCheck();
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;

protected:
    int VisibleCell() const override;
    void DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) override;
    Gdiplus::ARGB TitleColour(int cell) const override;

private:
    int m_bCheck = 0;
    CString m_strGroup = CString(L"MouseFunction");
};

}  // namespace Kelvo
