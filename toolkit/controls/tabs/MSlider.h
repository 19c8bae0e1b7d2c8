#pragma once
// A value on a line with a thumb. The value is the minimum plus the thumb's position, and
// the position runs from 0 to maximum − minimum. Dragging the thumb (or pressing on the
// line, which makes the thumb jump there) tells the parent each new value (notification
// 8); releasing the button tells it 2. While the thumb is dragged, the paint manager's
// periodic tick keeps it under the pointer even when the pointer leaves the control.
//
// The line and its filled part (in the selection colour, up to the thumb) are drawn near
// the top, the thumb at the bottom; with show text the value is written below.
#include <windows.h>

#include <cstdint>

#include "GdiPlus.h"

#include "CString.h"
#include "MControlFont.h"
#include "SliderGeometry.h"

namespace Kelvo {

class KELVO_API MSlider : public MControlFont {
public:
    enum State { kNormal = 0, kOverThumb = 1, kDragging = 2 };

    MSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MSlider() override;

    const wchar_t* GetClassNameW() override;
    // Also puts the slider on the paint manager's tick list (once).
    int SetImage(const wchar_t* path, int frames) override;
    using MControlFont::SetImage;
    void SetControlRect(CRect rect) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // The thumb's picture, drawn into the thumb's square; 1 when it could be loaded.
    int SetThumbImage(const wchar_t* path);
    // Moves the thumb to `value` without telling the parent; values above the maximum
    // go to the end, values below the minimum are refused. Returns the position.
    int SetProgress(int value);
    // The position (the value less the minimum).
    int GetProgress() const { return m_nPosition; }
    // A new range keeps the position inside it, silently.
    void SetMaxProgress(int maximum);
    int GetMaxProgress() const { return m_nMax; }
    void SetMinProgress(int minimum);
    int GetMinProgress() const { return m_nMin; }
    // The shown number is the value divided by the scale (below 1 counts as 1).
    void SetScale(int scale);
    void SetShowText(int show);
    // Moves the thumb to the pointer's x and tells the parent the value when it changed.
    int MoveThumbPos(CPoint point);

    int GetState() const { return m_nState; }
    CRect GetThumbRect() const { return m_rcThumb; }
    // What the slider writes under itself with show text: title, value / scale, and "%"
    // when the maximum is 100.
    CString GetShownText();

private:
    void PlaceThumb();
    void SetState(int state);
    void KeepPositionInRange();

    int m_nMax = 10;
    int m_nMin = 0;
    int m_nPosition = 0;
    int m_nScale = 1;
    int m_bShowText = 0;
    int m_nState = kNormal;
    int m_bDragByTimer = 0;
    std::uint64_t m_lastTrackedMs = 0;
    SliderTrack m_track;
    CSize m_szThumb = CSize(10, 10);
    Gdiplus::Image* m_pThumbImage = nullptr;  // belongs to the paint manager's image cache
    int m_nThumbImageWidth = 0;
    int m_nThumbImageHeight = 0;
    CRect m_rcThumb;
};

}  // namespace Kelvo
