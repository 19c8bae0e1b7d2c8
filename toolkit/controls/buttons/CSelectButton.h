#pragma once
// One choice of a row of options: an image at the left (four frames: normal, hover,
// checked or pressed, disabled) and the title beside it in a 14-pixel GDI+ font. A click
// or Space selects it and unchecks the other select buttons of its group (siblings of
// class CSelectButton with the same group name).
#include <windows.h>

#include "ButtonGroup.h"
#include "CheckStripButton.h"

namespace Kelvo {

class KELVO_API CSelectButton : public CheckStripButton, public CheckGroupMember {
public:
    enum State { kNormal = 0, kHover = 1, kChecked = 2, kDisabled = 3 };

    CSelectButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

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
    int GetState() const override;

protected:
    // Both select it and uncheck the group.
    void ApplyClick() override;
    int ApplyKeyboard() override;

private:
    void Select();

    CString m_strGroup;
};

}  // namespace Kelvo
