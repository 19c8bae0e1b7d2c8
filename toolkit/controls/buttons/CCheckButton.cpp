#include "CCheckButton.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 8;

}  // namespace

CCheckButton::CCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : CheckStripButton(parent, id, rect, title, visible, enabled, kFrames) {
    m_nVAlignment = DT_VCENTER;
    m_textColor = 0xFF969696;
}

const wchar_t* CCheckButton::GetClassNameW() { return L"CCheckButton"; }

int CCheckButton::GetState() const {
    const int look = m_bEnabled ? m_cycle.state : kDisabled;
    return look + (m_bCheck ? kCheckedOffset : 0);
}

Gdiplus::ARGB CCheckButton::TitleColor(int frame) const {
    return frame >= kCheckedOffset ? m_checkedTextColor : m_textColor;
}

void CCheckButton::ApplyClick() { ShowCheck(!m_bCheck); }

int CCheckButton::ApplyKeyboard() { return SetCheck(!m_bCheck); }

int CCheckButton::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check != m_bCheck) {
        m_bCheck = check;
        m_cycle.state = PressCycle::kNormal;
        UpdateControl(0, 0);
    }
    return m_bCheck;
}

}  // namespace Kelvo
