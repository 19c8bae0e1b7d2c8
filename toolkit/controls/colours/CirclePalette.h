#pragma once
// A colour ring: the skin image (a ring of colours) stretched over the control, with a
// small crosshair thumb the user drags around the ring. The colour picked is whatever the
// screen shows under the pointer where the thumb lands, so the ring image alone decides
// the colours. Each accepted thumb move tells the parent 27 with the colour reference in
// lparam. The ring is taken to lie between 64 and 115 pixels from the control's centre.
#include <windows.h>

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API CirclePalette : public MControlFont {
public:
    enum State { kNormal = 0, kHot = 1, kDragging = 2 };

    CirclePalette(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CirclePalette() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    // Also puts the thumb at its starting place, 100 right of and 30 below the corner.
    void SetControlRect(CRect rect) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    // The ring image through the window's image cache, without a repaint; 0 without a
    // paint manager or when it cannot be loaded.
    int SetImage(const wchar_t* path, int frames) override;
    int SetImage(UINT resourceId, const wchar_t* resourceType, int frames) override;

    DWORD GetSelectColor() const { return m_dwSelectColor; }
    // Shows `colour` as the selection; the thumb stays where it is.
    void SetSelectColor(DWORD colour);
    // Puts the thumb's centre on `point` when that lies on the ring, and picks up the
    // colour there. Returns 0.
    int MoveThumbPos(CPoint point);
    // Distance from the control's centre, truncated.
    int GetDistanse(CPoint point) const;

    int GetState() const { return m_nState; }
    CRect GetThumbRect() const { return m_rcThumb; }

private:
    DWORD ColourUnderCursor() const;

    DWORD m_dwSelectColor = 0x0000FF;
    CRect m_rcThumb;
    int m_nState = kNormal;
    CPoint m_ptLast;
};

}  // namespace Kelvo
