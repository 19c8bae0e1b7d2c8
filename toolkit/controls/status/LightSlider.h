#pragma once
// The lighting page's two-tone slider (brightness, speed, saturation): one row of its bar
// picture empty across the control, the other row filled up to the thumb. Dragging the
// thumb or pressing on the bar tells the parent each new value (notification 8, the
// value in wparam); releasing the button tells it 2. While the thumb is dragged, the
// paint manager's tick keeps it under a pointer that left the control.
#include <windows.h>

#include <cstdint>

#include "GdiPlus.h"

#include "MControlFont.h"
#include "SliderGeometry.h"

namespace Kelvo {

class KELVO_API LightSlider : public MControlFont {
public:
    enum State { kNormal = 0, kOverThumb = 1, kDragging = 2 };

    LightSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~LightSlider() override;

    const wchar_t* GetClassNameW() override;
    // The bar picture: the empty row above the filled one, each half its height
    // (`frames` is not used). Also puts the slider on the tick list that follows drags.
    int SetImage(const wchar_t* path, int frames) override;
    using MControlFont::SetImage;
    void SetControlRect(CRect rect) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // The thumb's picture; it is drawn 10 x 10 (its own size only where that is 0).
    // 1 when it could be loaded.
    int SetThumbImage(const wchar_t* path);
    // Moves the thumb to `value`, kept inside the range, without telling the parent.
    // Returns the offset from the minimum.
    int SetProgress(int value);
    int GetProgress() const { return m_nMin + m_nOffset; }
    void SetMinProgress(int minimum);
    void SetMaxProgress(int maximum);
    int GetMinProgress() const { return m_nMin; }
    int GetMaxProgress() const { return m_nMax; }
    void SetScale(int scale) { m_nScale = scale; }
    int GetScale() const { return m_nScale; }
    // Moves the thumb to the pointer's x and tells the parent the value when it changed.
    // Returns the offset.
    int MoveThumbPos(CPoint point);

    int GetState() const { return m_nState; }
    CRect GetThumbRect() const { return m_rcThumb; }

private:
    void PlaceThumb();
    void SetState(int state);
    CRect ThumbRectAt(int offset) const;

    int m_nMin = 0;
    int m_nMax = 10;
    int m_nOffset = 5;
    int m_nScale = 1;
    int m_nState = kNormal;
    SliderTrack m_track;
    std::uint64_t m_lastDragMoveMs = 0;
    Gdiplus::Image* m_pBarImage = nullptr;  // belongs to the paint manager's image cache
    int m_nBarWidth = 0;
    int m_nBarRowHeight = 0;
    Gdiplus::Image* m_pThumbImage = nullptr;  // belongs to the paint manager's image cache
    CSize m_szThumb = CSize(10, 10);
    CRect m_rcThumb;
};

}  // namespace Kelvo
