#include "MSpinButton.h"

#include <algorithm>
#include <string>

#include "CImageButton.h"
#include "PaintManager.h"
#include "SpinArrows.h"

namespace Kelvo {

namespace {

int DigitOfKey(UINT key) {
    if (key >= '0' && key <= '9') return static_cast<int>(key - '0');
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return static_cast<int>(key - VK_NUMPAD0);
    return -1;
}

}  // namespace

MSpinButton::MSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MPanel(parent, id, rect, visible) {
    m_bEnabled = enabled ? 1 : 0;
    m_bTabStop = 1;
    m_textColor = 0xFE050505;
    m_nAlignment = DT_CENTER;
}

const wchar_t* MSpinButton::GetClassNameW() { return L"MSpinButton"; }

void MSpinButton::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    AttachSpinArrows(*this, kUpId, kDownId, m_bEnabled, m_pUp, m_pDown);
    LayOutButtons();
}

void MSpinButton::LayOutButtons() {
    if (!m_pUp) return;
    LayOutSpinArrows(m_pUp, m_pDown, m_rcControl);
}

void MSpinButton::SetControlRect(CRect rect) {
    m_rcControl = rect;
    LayOutButtons();
    MPanel::SetControlRect(rect);
}

void MSpinButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        const int buttons = SpinArrowsWidth(m_pUp);
        DrawTitle(cache, CRect(0, 0, width - buttons, height), std::to_wstring(m_nValue).c_str(), false);
    });
}

bool MSpinButton::ChangeValue(int value) {
    if (value == m_nValue) return false;
    m_nValue = value;
    if (m_bVisible) UpdateControl(1, 0);
    return true;
}

void MSpinButton::SetCurValue(int value) { ChangeValue(value); }

void MSpinButton::SetRange(int minimum, int maximum) {
    m_nMin = std::min(minimum, maximum);
    m_nMax = std::max(minimum, maximum);
}

void MSpinButton::StepValue(int delta) {
    const int value = WrapIntoRange(m_nValue + delta, m_nMin, m_nMax);
    ChangeValue(value);
    SendMessageW(kNotifyValueChanged, static_cast<WPARAM>(m_nValue), 0);
}

void MSpinButton::TypeDigit(int digit) {
    const std::wstring typed = std::to_wstring(m_nValue) + static_cast<wchar_t>(L'0' + digit);
    int value = static_cast<int>(typed.size()) > m_nDigits ? digit : std::stoi(typed);
    value = WrapIntoRange(value, m_nMin, m_nMax);
    ChangeValue(value);
    SendMessageW(kNotifyValueChanged, static_cast<WPARAM>(m_nValue), 0);
}

void MSpinButton::DropDigit() {
    if (ChangeValue(m_nValue / 10)) SendMessageW(kNotifyValueChanged, static_cast<WPARAM>(m_nValue), 0);
}

LRESULT MSpinButton::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if ((id == kUpId || id == kDownId) && code == kNotifyActivated) {
        // The keys go on stepping the value after a click on an arrow, as after one on the digits.
        if (m_pManager && !m_bFocused) m_pManager->SetFocusControl(this);
        StepValue(id == kUpId ? 1 : -1);
        return 0;
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

int MSpinButton::OnControlKeyDown(UINT key, UINT, UINT) {
    if (!m_bFocused || !m_bEnabled) return 0;
    switch (key) {
    case VK_UP:
    case VK_ADD:
        StepValue(1);
        return 1;
    case VK_DOWN:
    case VK_SUBTRACT:
        StepValue(-1);
        return 1;
    case VK_LEFT:
    case VK_RIGHT:
        return 1;
    case VK_BACK:
        DropDigit();
        return 1;
    default:
        break;
    }
    const int digit = DigitOfKey(key);
    if (digit < 0) return 0;
    TypeDigit(digit);
    return 1;
}

int MSpinButton::OnControlScroll(int, int direction, CPoint) {
    if (!m_bEnabled || !m_bFocused) return 0;
    StepValue(direction == 0 ? 1 : -1);
    return 1;
}

}  // namespace Kelvo
