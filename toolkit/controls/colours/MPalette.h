#pragma once
// A colour field: hue across and lightness down (at full saturation) on the left, a
// saturation bar for the chosen hue and lightness on the right, with a crosshair marker
// in the field and a thumb image beside the bar.
//
// Both are computed once into an off-screen 32-bpp bitmap (the bar again when hue or
// lightness change) and stretched onto the control when it repaints. A press in the field
// or the bar that changes the colour tells the parent 27 with the colour reference in
// wparam; every move while the bar is dragged tells it 27 with nothing in wparam. Moves
// in the field change the colour without a word; the parent reads it at the release.
#include <windows.h>

#include "GdiPlus.h"

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API MPalette : public MControlFont {
public:
    MPalette(MObject* parent, UINT id, CRect rect, int visible);
    ~MPalette() override;

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    void SetControlRect(CRect rect) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    // The wheel does nothing here, and goes no further.
    int OnControlScroll(int bar, int direction, CPoint point) override;

    // The colour reference of the current hue, saturation and lightness (top byte 0).
    DWORD GetSelectColor() const;
    // Shows `colour` (to whole steps of hue, saturation and lightness) without telling the
    // parent.
    void SetSelectColor(DWORD colour);
    // The bar's thumb: skin folder + `path`, four frames side by side of which the first
    // is drawn. Returns 0.
    int SetThumbImage(const wchar_t* path);
    // The height the field and bar are stretched to; the layout follows at the next
    // SetControlRect.
    void SetPalletHeight(int height);
    int GetPalletHeight() const { return m_nPaletteHeight; }

    int GetHue() const { return m_nHue; }                // degrees, 0 … 360
    int GetSaturation() const { return m_nSaturation; }  // 0 … 200
    int GetLightness() const { return m_nLightness; }    // 20 … 200
    CRect GetFieldRect() const { return m_rcField; }
    CRect GetBarRect() const { return m_rcBar; }
    CPoint GetMarker() const { return m_ptMarker; }

private:
    void Layout(CRect rect);
    void PlaceMarker();
    void TakeFieldPoint(CPoint point);
    void TakeBarPoint(CPoint point);
    // Hue × lightness at full saturation, and the saturation bar, into the off-screen bitmap.
    void UpdatePaletteData();
    void UpdateBarData();
    void PutPixel(int x, int y, DWORD colour);
    void ReleaseBitmap();
    void DrawThumb(HDC dc) const;

    int m_nHue = 180;
    int m_nSaturation = 200;
    int m_nLightness = 120;
    int m_nPaletteHeight = 150;
    int m_nBarWidth = 16;
    CRect m_rcField;
    CRect m_rcBar;
    CPoint m_ptMarker;
    int m_bFieldDrag = 0;
    int m_bBarDrag = 0;
    DWORD m_dwLastColor;
    Gdiplus::Image* m_pThumbImage = nullptr;  // owned
    int m_nThumbWidth = 0;
    int m_nThumbHeight = 0;
    HDC m_hPaletteDC = nullptr;
    HBITMAP m_hPaletteBitmap = nullptr;
    HGDIOBJ m_hOldPaletteBitmap = nullptr;
    BYTE* m_pPaletteBits = nullptr;  // the bitmap's own pixels, top-down rows
};

}  // namespace Kelvo
