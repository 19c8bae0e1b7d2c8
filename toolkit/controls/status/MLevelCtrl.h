#pragma once
// A level bar: one grey segment per level of the range, side by side, those up to the
// current level lit; the level written below. A click on another segment makes its level
// the current one and tells the parent (notification 2, the level in wparam).
#include <windows.h>

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API MLevelCtrl : public MControlFont {
public:
    MLevelCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MLevelCtrl() override;

    const wchar_t* GetClassNameW() override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // Kept inside the range; repaints when it changed. The parent is not told.
    void SetLevelValue(int level);
    int GetLevelValue() const { return m_nLevel; }
    // Stored as given; the level is not moved.
    void SetRangeValue(int minimum, int maximum);
    int GetMinValue() const { return m_nMin; }
    int GetMaxValue() const { return m_nMax; }
    // What is written under the bar: the title, the level and "%" when the maximum is 100.
    CString GetShownText();
    // The level of the segment under a point of the window; -1 between or beside them.
    int LevelAt(CPoint point) const;

private:
    int SegmentCount() const { return m_nMax - m_nMin + 1; }
    int SegmentWidth() const;

    int m_nMin = 0;
    int m_nMax = 15;
    int m_nLevel = 0;
    int m_nSegmentHeight = 12;
    int m_bShowText = 1;
    int m_bPressed = 0;
};

}  // namespace Kelvo
