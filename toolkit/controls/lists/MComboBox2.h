#pragma once
// The key page's grouped drop-down: a flat cell with the arrow drawn at its natural size,
// checked by a click (which unchecks the other MComboBox2 and MButton2 controls of its
// group among its siblings) before its drop-down opens. It shows its pressed look while
// checked.
#include <windows.h>

#include "ButtonGroup.h"
#include "MComboBox.h"

namespace Kelvo {

class KELVO_API MComboBox2 : public MComboBox, public CheckGroupMember {
public:
    MComboBox2(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    int GetCheck() const { return m_bCheck; }
    // Ignored while disabled; checking unchecks the group. Returns the check.
    int SetCheck(int check);
    // The check as given, with no group handling.
    int SetControlCheck(int check);
    int ResetGroupCheck();
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;

protected:
    void DrawCell(HDC dc, Gdiplus::Graphics& graphics, int cell, const CRect& box) override;
    int ShownCell() const override;
    Gdiplus::ARGB CellTextColour(int cell) const override;
    void ReleasedInside() override;

private:
    int m_bCheck = 0;
    CString m_strGroup = L"MouseFunction";
};

}  // namespace Kelvo
