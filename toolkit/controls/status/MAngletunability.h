#pragma once
// The angle-snapping slider of the performance page: −30 … +30 degrees, the value shown
// in a badge above a thin bar with a round thumb and the labels −30, 0 and 30 below.
// Dragging or pressing moves the thumb silently; releasing the button tells the parent 2,
// and the parent reads the value then.
#include <windows.h>

#include "MControlFont.h"
#include "SliderGeometry.h"

namespace Kelvo {

class KELVO_API MAngletunability : public MControlFont {
public:
    static constexpr int kMinAngle = -30;
    static constexpr int kMaxAngle = 30;

    MAngletunability(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MAngletunability() override;

    const wchar_t* GetClassNameW() override;
    void SetControlRect(CRect rect) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // Clamps to −30 … 30 and moves the thumb there; the parent is not told.
    void SetAngleValue(int angle);
    int GetAngleValue() const { return m_nAngle; }
    // Moves the thumb to the pointer's x (silently); returns the angle.
    int MoveThumbPos(CPoint point);

    CRect GetThumbRect() const { return m_rcThumb; }
    int IsPressed() const { return m_bPressed; }

private:
    void PlaceThumb();
    SliderTrack Track() const;
    void DrawTexts(Gdiplus::Graphics& graphics, int width);

    int m_nAngle = 0;
    int m_nPosition = kMaxAngle;  // angle + 30: 0 … 60 along the track
    int m_bPressed = 0;
    int m_bDragging = 0;
    CRect m_rcTrack;
    CRect m_rcThumb;
};

}  // namespace Kelvo
