#include "CRadioButton.h"
#include "MemberCheck.h"

namespace Kelvo {

CRadioButton::CRadioButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* CRadioButton::GetClassNameW() { return L"CRadioButton"; }

int CRadioButton::SetCheck(int check) { return SetMemberCheck(*this, m_strGroup, m_bCheck, m_cycle, check); }

int CRadioButton::SetControlCheck(int check) { return ForceMemberCheck(*this, m_bCheck, m_cycle, check); }

int CRadioButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void CRadioButton::ClearGroupCheck() { ForceMemberCheck(*this, m_bCheck, m_cycle, 0); }

void CRadioButton::Select() {
    ShowCheck(1);
    ResetGroupCheck();
}

void CRadioButton::ApplyClick() { Select(); }

int CRadioButton::ApplyKeyboard() {
    Select();
    return m_bCheck;
}

}  // namespace Kelvo
