#include "CSpinButton.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "CImageButton.h"
#include "SpinArrows.h"

namespace Kelvo {

namespace {

constexpr int kButtonInset = 4;

}  // namespace

CSpinButton::CSpinButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MRichEdit(parent, id, rect, L"", visible, enabled) {
    m_dwStyle = ES_AUTOHSCROLL | WS_HSCROLL | ES_NUMBER;
}

const wchar_t* CSpinButton::GetClassNameW() { return L"CSpinButton"; }

void CSpinButton::InitControl(PaintManager* manager) {
    MRichEdit::InitControl(manager);
    AttachSpinArrows(*this, kUpId, kDownId, m_bEnabled, m_pUp, m_pDown);
    LayOutButtons();
    SetCurValue(m_nValue);
}

void CSpinButton::LayOutButtons() {
    if (!m_pUp) return;
    LayOutSpinArrows(m_pUp, m_pDown, m_rcControl);
    // The text stops short of the buttons.
    CRect padding = GetTextPadding();
    padding.right = SpinArrowsWidth(m_pUp) + kButtonInset;
    SetTextPadding(padding);
}

void CSpinButton::SetControlRect(CRect rect) {
    m_rcControl = rect;
    LayOutButtons();
    MRichEdit::SetControlRect(rect);
}

void CSpinButton::SetCurValue(int value) {
    m_nValue = value;
    SetTitle(std::to_wstring(value).c_str());
}

void CSpinButton::SetRange(int minimum, int maximum) {
    m_nMin = std::min(minimum, maximum);
    m_nMax = std::max(minimum, maximum);
}

void CSpinButton::StepValue(int delta) {
    const int value = WrapIntoRange(m_nValue + delta, m_nMin, m_nMax);
    SetCurValue(value);
    SendMessageW(kNotifyValueChanged, static_cast<WPARAM>(m_nValue), 0);
}

LRESULT CSpinButton::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if ((id == kUpId || id == kDownId) && code == kNotifyActivated) {
        StepValue(id == kUpId ? 1 : -1);
        return 0;
    }
    return MRichEdit::OnMessage(id, code, wparam, lparam);
}

void CSpinButton::OnTextChanged() {
    const CString text = GetTitle();
    const long typed = text.IsEmpty() ? 0 : std::wcstol(text.GetString(), nullptr, 10);
    const int value = static_cast<int>(std::clamp<long>(typed, m_nMin, m_nMax));
    const bool changed = value != m_nValue;
    m_nValue = value;
    // A text outside the range shows the value it was limited to; that change comes back here once more.
    if (CString(std::to_wstring(value).c_str()) != text && !text.IsEmpty()) SetTitle(std::to_wstring(value).c_str());
    if (changed) SendMessageW(kNotifyValueChanged, static_cast<WPARAM>(m_nValue), 0);
}

}  // namespace Kelvo
