#pragma once
// A button that is only its title: centred on one line, in a colour for each look
// (normal, hover, pressed, disabled).
#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API CTextButton : public PushButtonBase {
public:
    CTextButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // ARGB colours of the four looks; shown from the next re-render (no repaint).
    void SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB hover, Gdiplus::ARGB pressed,
                            Gdiplus::ARGB disabled);
    int GetState() const { return m_bEnabled ? m_press.State() : 3; }

private:
    Gdiplus::ARGB m_colours[4] = {0xFECCCCCC, 0xFEFEDB00, 0xFEA0A0A0, 0xFE808080};
};

}  // namespace Kelvo
