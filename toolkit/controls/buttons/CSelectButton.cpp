#include "CSelectButton.h"
#include "MemberCheck.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 4;
constexpr int kTitleSize = 14;

}  // namespace

CSelectButton::CSelectButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : CheckStripButton(parent, id, rect, title, visible, enabled, kFrames) {
    m_textColor = 0xFEFFFFFF;
    m_nFontSize = kTitleSize;
    m_bTextByGdi = 0;
}

const wchar_t* CSelectButton::GetClassNameW() { return L"CSelectButton"; }

int CSelectButton::GetState() const {
    if (!m_bEnabled) return kDisabled;
    if (m_bCheck || m_cycle.state == PressCycle::kPressed) return kChecked;
    return m_cycle.state;
}

void CSelectButton::ApplyClick() { Select(); }

int CSelectButton::ApplyKeyboard() {
    Select();
    return m_bCheck;
}

void CSelectButton::Select() {
    ShowCheck(1);
    ResetGroupCheck();
}

int CSelectButton::SetCheck(int check) { return SetMemberCheck(*this, m_strGroup, m_bCheck, m_cycle, check); }

int CSelectButton::SetControlCheck(int check) { return ForceMemberCheck(*this, m_bCheck, m_cycle, check); }

int CSelectButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void CSelectButton::ClearGroupCheck() { ForceMemberCheck(*this, m_bCheck, m_cycle, 0); }

}  // namespace Kelvo
