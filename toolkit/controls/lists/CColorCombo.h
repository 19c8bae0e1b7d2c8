#pragma once
// A colour swatch that behaves like a combo button: the area colour inside a dark
// outline, greyed and struck through by a red diagonal while disabled. Notifies 1 when
// pressed and 2 when released inside.
#include <windows.h>

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API CColorCombo : public MControlFont {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    CColorCombo(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;

    void SetAreaColor(Gdiplus::ARGB colour);
    Gdiplus::ARGB GetAreaColor() const { return m_areaColour; }
    void SetIsOpen(bool open) { m_bOpen = open; }
    bool IsOpen() const { return m_bOpen; }
    int GetState() const { return m_nState; }

private:
    void ShowState(int state);

    Gdiplus::ARGB m_areaColour = 0xFEFFFF00;
    int m_nState = kNormal;
    bool m_bOpen = false;
};

}  // namespace Kelvo
