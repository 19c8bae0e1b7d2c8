#pragma once
// A check box whose title is drawn with GDI+ in its own colours: one for unchecked, one
// for checked (and checked pressed) and a grey one while disabled.
#include "CCheckButton.h"

namespace Kelvo {

class KELVO_API TextCheckButton : public CCheckButton {
public:
    TextCheckButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    // ARGB: unchecked, checked, checked while pressed, disabled. No repaint.
    void SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB checked, Gdiplus::ARGB checkedPressed,
                            Gdiplus::ARGB disabled);

protected:
    Gdiplus::ARGB TitleColor(int frame) const override;

private:
    Gdiplus::ARGB m_normalColor = 0xFEFFFFFF;
    Gdiplus::ARGB m_checkedColor = 0xFEC95100;
    Gdiplus::ARGB m_checkedPressedColor = 0xFEC95100;
    Gdiplus::ARGB m_disabledColor = 0xFE808080;
};

}  // namespace Kelvo
