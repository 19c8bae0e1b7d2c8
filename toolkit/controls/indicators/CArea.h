#pragma once
// A filled rectangle for translucent bands: its colour fades from one opacity at the top
// to another at the bottom, or, with both transparencies 0, fills it (optionally inside
// a one-pixel frame). The fill is a colour reference (0x00BBGGRR) drawn with alpha 254.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"
#include "MControl.h"

namespace Kelvo {

class KELVO_API CArea : public MControl {
public:
    CArea(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~CArea() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // Transparencies in per cent at the start and end edge, and the fill colour.
    void SetTransparent(int startPercent, int endPercent, COLORREF colour);
    // A frame of `colour` (ARGB) around the fill; drawn only when both transparencies
    // are 0. The last argument is not used.
    void SetFrame(int hasFrame, Gdiplus::ARGB colour, int unused);

    COLORREF GetFillColor() const { return m_fillColor; }

private:
    void Fade(HDC cache, int width, int height);

    COLORREF m_fillColor = RGB(0xFF, 0xFF, 0xFF);
    int m_nStartPercent = 80;
    int m_nEndPercent = 80;
    int m_nDirection = 1;  // 1 top to bottom, 0 left to right
    int m_bFrame = 0;
    Gdiplus::ARGB m_frameColor = 0xFE050505;
};

}  // namespace Kelvo
