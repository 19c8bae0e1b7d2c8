#pragma once
// A skinned push button with a small icon beside its centred title (the profile button:
// the profile's name and an arrow). The icon has a frame per look when it has enough.
#include "ButtonIcon.h"
#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API CIconButton : public PushButtonBase {
public:
    CIconButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    int SetIconImage(const wchar_t* path, int frames);
    // Both relative to the button: the text's place (used by GDI+ text; GDI text is
    // centred on the whole button) and the icon's (its left edge and vertical middle).
    void SetTextRect(CRect text, CRect icon);
    void SetFrameSize(int corner);
    // ARGB colours of the title per look; shown from the next re-render (no repaint).
    void SetTextButtonColor(Gdiplus::ARGB normal, Gdiplus::ARGB hover, Gdiplus::ARGB pressed,
                            Gdiplus::ARGB disabled);
    int GetState() const { return m_bEnabled ? m_press.State() : 3; }

private:
    Gdiplus::ARGB TitleColour(int cell) const;

    ButtonIcon m_icon;
    CRect m_rcText;
    CRect m_rcIcon;
    int m_nFrameSize = 8;
    bool m_bOwnColours = false;  // until set, the normal look uses the text colour
    Gdiplus::ARGB m_colours[4] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF323232};
};

}  // namespace Kelvo
