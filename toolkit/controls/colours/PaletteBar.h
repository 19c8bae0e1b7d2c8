#pragma once
// The lighting page's hue bar: a strip of every hue at full saturation and half
// lightness, five pixels high near the bottom of the control, with a thumb (the skin
// image, one frame) riding above it. The thumb's position in pixels is the hue: the strip
// spans the control's width less 10 pixels, so a bar 370 wide has a degree per pixel.
//
// Pressing on the thumb drags it; pressing elsewhere on the bar moves it there. Releasing
// the button over the bar tells the parent 2, and so does turning the wheel over an
// enabled bar when that moved the thumb, so what the bar shows is what the parent stores.
// PaletteHSLToRGB gives the colour of the current hue at a chosen saturation.
#include <windows.h>

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API PaletteBar : public MControlFont {
public:
    PaletteBar(MObject* parent, UINT id, CRect rect, int visible);
    ~PaletteBar() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Also makes `rect` the area that takes presses and releases.
    void SetControlRect(CRect rect) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    // Direction 1 (down) moves the thumb 2 pixels left, 0 two pixels right.
    int OnControlScroll(int bar, int direction, CPoint point) override;

    // The thumb's position in pixels, 0 … width − 10.
    int GetCurrentHue() const { return m_nHuePos; }
    // The colour of the hue shown at the last repaint, with 0xFF in the top byte.
    DWORD GetSelectColor() const { return m_dwSelectColor; }
    // Stored until the next repaint, which replaces it with the colour of the current hue.
    void SetSelectColor(DWORD colour);
    // The current hue at `saturation` (0 … 200) and half lightness, as a colour reference
    // with 0xFF in the top byte.
    DWORD PaletteHSLToRGB(int saturation) const;

    int IsDragging() const { return m_bDragging; }

private:
    // Hue positions run over this many pixels; 0 for a bar of 10 pixels or less, which
    // shows no strip and no thumb and keeps its position at 0.
    int HueRange() const;
    // The hue of strip column or thumb position `position`, 0 … 1.
    float HueAt(int position) const;
    bool TakesPointer(CPoint point) const;
    // Puts the thumb under `x` (its centre 5 pixels right of its left edge) and repaints.
    void MoveThumbTo(int x);
    void DrawStrip(HDC cache, int height) const;

    int m_nHuePos = 180;
    int m_bDragging = 0;
    CRect m_rcHit;  // empty until the first SetControlRect
    DWORD m_dwSelectColor;
};

}  // namespace Kelvo
