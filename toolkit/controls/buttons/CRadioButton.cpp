#include "CRadioButton.h"

namespace Kelvo {

CRadioButton::CRadioButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* CRadioButton::GetClassNameW() { return L"CRadioButton"; }

int CRadioButton::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    m_cycle.state = PressCycle::kNormal;
    if (check) ResetGroupCheck();
    UpdateControl(0, 0);
    return m_bCheck;
}

int CRadioButton::SetControlCheck(int check) {
    m_bCheck = check ? 1 : 0;
    m_cycle.state = PressCycle::kNormal;
    UpdateControl(0, 0);
    return m_bCheck;
}

int CRadioButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void CRadioButton::ClearGroupCheck() {
    m_bCheck = 0;
    m_cycle.state = PressCycle::kNormal;
    UpdateControl(0, 0);
}

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
