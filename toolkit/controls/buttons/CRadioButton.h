#pragma once
// A radio button: looks like a check box (eight frames), but a click or Space selects it
// (never clears it) and unchecks the other radio buttons of its group - the siblings of
// class CRadioButton with the same group name, the empty name included.
#include "ButtonGroup.h"
#include "CCheckButton.h"

namespace Kelvo {

class KELVO_API CRadioButton : public CCheckButton, public CheckGroupMember {
public:
    CRadioButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    // Not while disabled (returns the current check). Becoming checked unchecks the group.
    // No notification.
    int SetCheck(int check) override;
    // Sets the check even while disabled, leaving the group alone.
    int SetControlCheck(int check);
    int ResetGroupCheck();
    void SetGroupName(const wchar_t* name) { m_strGroup = CString(name); }
    CString GetGroupName() override { return m_strGroup; }
    void ClearGroupCheck() override;

protected:
    void ApplyClick() override;
    int ApplyKeyboard() override;

private:
    void Select();

    CString m_strGroup;
};

}  // namespace Kelvo
