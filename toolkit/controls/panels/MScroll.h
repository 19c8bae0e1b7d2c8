#pragma once
// A scroll bar: a position in 0 ... max range, a page (the part of the range visible at
// once, automatic when 0) and a step (one wheel notch or row). The concrete bars,
// CScrollVertical and CScrollHorizontal, place and draw the thumb and let the user drag
// it or page by clicking the track; they then send notification 8 with the position.
//
// A range of 0 or less shows no thumb and keeps position 0.
#include <windows.h>

#include "MControlFont.h"
#include "ScrollGeometry.h"

namespace Kelvo {

struct ImgResInfo;

class KELVO_API MScroll : public MControlFont {
public:
    enum State { kNormal = 0, kThumbHover = 1, kDragging = 2 };

    MScroll(MObject* parent, UINT id, CRect rect, int visible);
    ~MScroll() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    void SetControlRect(CRect rect) override;

    // Moves the thumb by `delta` pixels as the user would; returns the delta applied.
    virtual int MoveRange(int delta);
    // Recomputes the thumb from the position; returns the position.
    virtual int SetRange();
    // The same with the position spread over the range less the bar's length.
    virtual int SetRangeEx();

    int SetScrollCurrentPos(int position);
    int SetScrollCurrentPosEx(int position);
    int SetScrollMaxRange(int maxRange);
    // A non-zero page ends the automatic page; a non-zero step replaces the step.
    int SetScrollSize(int page, int step);
    int SetScrollInfo(int maxRange, int position, int page, int step);
    // Moves the position by `rows` steps, clamped; 1 when it changed.
    int ScrollRow(int rows);
    int GetScrollMaxRange() const { return m_nMaxRange; }
    int GetScrollCurrentPos() const { return m_nCurrentPos; }
    int GetScrollPageSize() const { return m_nPageSize; }
    int GetScrollStep() const { return m_nStep; }
    int IsAutoPage() const { return m_bAutoPage; }
    int IsChangeing() const { return m_bChanging; }
    int IsThumbShown() const { return m_bShowThumb; }
    CRect GetThumbRect() const { return m_rcThumb; }
    int GetState() const { return m_nState; }
    int IsPointerInside() const { return m_bInside; }

protected:
    // The geometry of the bar along its axis; the concrete bars say which axis that is.
    ScrollBarAxis AxisOf(bool vertical) const;
    int PlaceThumb(bool vertical, bool extended);
    int MoveThumb(bool vertical, int delta);
    void DrawBar(HDC dc, bool vertical);
    int TrackMouseMove(bool vertical, UINT flags, CPoint point);
    int TrackButtonDown(bool vertical, CPoint point);
    int TrackButtonUp(CPoint point);
    // The skin from the image cache, always three frames: track, hovered thumb, thumb.
    int TakeSkin(const ImgResInfo* info, const wchar_t* path);

    int m_nMaxRange = 1000;
    int m_nCurrentPos = 0;
    int m_nPageSize = 0;
    int m_nStep = 10;
    int m_bAutoPage = 0;
    int m_nArrowSize = 0;
    int m_bShowThumb = 0;
    int m_bChanging = 0;
    CRect m_rcThumb;
    int m_nState = kNormal;
    int m_bInside = 0;
    int m_nAnchor = -1;

private:
    // Repaints the bar (redraw 0) after a change of state or of the inside flag; 1 then.
    int ShowState(int state, int inside);
};

}  // namespace Kelvo
