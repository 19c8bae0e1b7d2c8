#pragma once
// The performance page's DPI slider: a dark strip graduated in hundreds of DPI with a
// thumb that moves along a track. Dragging the thumb, pressing on the strip and the wheel
// tell the parent each new value (notification 8, the value in wparam); releasing the
// button tells it 2. Values are kept inside minimum … maximum; a range of one value
// leaves the thumb at the start. The page's layout factor (SetScaleValue) scales the
// track, the graduation and the labels.
#include <windows.h>

#include <cstdint>

#include "GdiPlus.h"

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API DPISlider : public MControlFont {
public:
    enum State { kNormal = 0, kOverThumb = 1, kDragging = 2 };

    DPISlider(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    // The thumb picture (one frame; `frames` is not used); the thumb takes its size. Puts
    // the slider on the window's tick list, which follows a drag whose moves stop.
    int SetImage(const wchar_t* path, int frames) override;
    using MControlFont::SetImage;
    void SetControlRect(CRect rect) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // A new range keeps the value inside it and re-places the thumb; no notification.
    void SetMinProgress(int minimum);
    void SetMaxProgress(int maximum);
    int GetMinProgress() const { return m_nMin; }
    int GetMaxProgress() const { return m_nMax; }
    // Moves the thumb to `value`, kept inside the range, without telling the parent.
    // Returns the offset from the minimum.
    int SetProgress(int value);
    int GetProgress() const { return m_nMin + m_nOffset; }
    void SetScale(int scale) { m_nScale = scale; }
    int GetScale() const { return m_nScale; }
    void SetScaleValue(float scale);
    float GetScaleValue() const { return m_fScale; }
    // Moves the thumb to the point's x and tells the parent the value when it changed.
    // Returns the offset.
    int MoveThumbPos(CPoint point);

    int GetState() const { return m_nState; }
    CRect GetThumbRect() const { return m_rcThumb; }
    // The track in the control's own coordinates.
    CRect GetTrackRect() const { return m_rcTrack; }

private:
    int Range() const { return m_nMax > m_nMin ? m_nMax - m_nMin : 0; }
    int OffsetAt(int x) const;
    CRect ThumbRectAt(int offset) const;
    void PlaceThumb();
    void SetState(int state);
    void ChangeOffset(int offset);
    void DrawScale(HDC cache);

    int m_nMin = 1;
    int m_nMax = 260;
    int m_nOffset = 0;
    int m_nScale = 1;
    float m_fScale = 1.0f;
    CRect m_rcTrack = CRect(50, 10, 303, 30);
    Gdiplus::Image* m_pThumbImage = nullptr;  // belongs to the paint manager's image cache
    CSize m_szThumb = CSize(16, 13);
    CRect m_rcThumb;
    int m_nState = kNormal;
    int m_bOnTickList = 0;
    std::uint64_t m_lastDragMoveMs = 0;
};

}  // namespace Kelvo
