#include "MButton3.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kCheckedText = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kDisabledText = 0xFF808080;

ButtonPress::Options ToggleButtonPress() {
    ButtonPress::Options options;
    options.notifyPress = false;
    options.anyRelease = true;
    return options;
}

}  // namespace

MButton3::MButton3(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MButton(parent, id, rect, nullptr, visible, enabled, ToggleButtonPress()) {}

const wchar_t* MButton3::GetClassNameW() { return L"MButton3"; }

int MButton3::VisibleCell() const {
    if (!m_bEnabled) return kDisabled;
    return m_bCheck ? kPressed : m_press.State();
}

Gdiplus::ARGB MButton3::TitleColour(int cell) const {
    if (cell == kPressed) return kCheckedText;
    if (cell == kDisabled) return kDisabledText;
    return MButton::TitleColour(cell);
}

void MButton3::OnClick() {
    SetCheck(m_bCheck ? 0 : 1);
    MButton::OnClick();
}

int MButton3::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    UpdateControl(0, 0);
    return m_bCheck;
}

}  // namespace Kelvo
