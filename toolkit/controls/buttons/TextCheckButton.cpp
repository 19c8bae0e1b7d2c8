#include "TextCheckButton.h"

namespace Kelvo {

TextCheckButton::TextCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible,
                                 int enabled)
    : CCheckButton(parent, id, rect, title, visible, enabled) {
    m_bTextByGdi = 0;
}

const wchar_t* TextCheckButton::GetClassNameW() { return L"TextCheckButton"; }

void TextCheckButton::SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB checked, Gdiplus::ARGB checkedPressed,
                                         Gdiplus::ARGB disabled) {
    m_normalColor = normal;
    m_checkedColor = checked;
    m_checkedPressedColor = checkedPressed;
    m_disabledColor = disabled;
}

Gdiplus::ARGB TextCheckButton::TitleColor(int frame) const {
    switch (frame) {
    case kDisabled:
    case kDisabled + kCheckedOffset:
        return m_disabledColor;
    case kPressed + kCheckedOffset:
        return m_checkedPressedColor;
    default:
        return frame >= kCheckedOffset ? m_checkedColor : m_normalColor;
    }
}

}  // namespace Kelvo
