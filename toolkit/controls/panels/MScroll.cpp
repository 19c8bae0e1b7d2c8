#include "MScroll.h"

#include <algorithm>

#include "MRender.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kSkinFrames = 3;
constexpr int kTrackFrame = 0;
constexpr int kHoverThumbFrame = 1;
constexpr int kThumbFrame = 2;
constexpr int kEndPixels = 6;  // the rounded ends of a skin frame, drawn unstretched

int AlongAxis(bool vertical, CPoint point) { return vertical ? point.y : point.x; }

}  // namespace

MScroll::MScroll(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, L"", visible, 1, 1) {
    m_nFrameCount = kSkinFrames;
}

MScroll::~MScroll() = default;

const wchar_t* MScroll::GetClassNameW() { return L"MScroll"; }

void MScroll::DrawControl(HDC, const CRect&) {}

LRESULT MScroll::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

void MScroll::SetControlRect(CRect rect) {
    m_rcControl = rect;
    if (m_bAutoPage) m_nPageSize = 0;  // an automatic page follows the bar's length
    SetRange();
}

int MScroll::MoveRange(int) { return 0; }

int MScroll::SetRange() {
    m_nCurrentPos = m_nMaxRange > 0 ? std::clamp(m_nCurrentPos, 0, m_nMaxRange) : 0;
    return m_nCurrentPos;
}

int MScroll::SetRangeEx() { return SetRange(); }

int MScroll::SetScrollCurrentPos(int position) {
    m_nCurrentPos = position;
    SetRange();
    return 1;
}

int MScroll::SetScrollCurrentPosEx(int position) {
    m_nCurrentPos = position;
    SetRangeEx();
    return 1;
}

int MScroll::SetScrollMaxRange(int maxRange) {
    m_nMaxRange = maxRange;
    if (m_bAutoPage) m_nPageSize = 0;
    SetRange();
    return 1;
}

int MScroll::SetScrollSize(int page, int step) {
    if (page != 0) {
        m_nPageSize = page;
        m_bAutoPage = 0;
    }
    if (step != 0) m_nStep = step;
    SetRange();
    return 1;
}

int MScroll::SetScrollInfo(int maxRange, int position, int page, int step) {
    m_nMaxRange = maxRange;
    m_nCurrentPos = position;
    return SetScrollSize(page, step);
}

int MScroll::ScrollRow(int rows) {
    const int before = m_nCurrentPos;
    const long long moved = static_cast<long long>(m_nCurrentPos) + static_cast<long long>(rows) * m_nStep;
    m_nCurrentPos = static_cast<int>(std::clamp(moved, 0LL, static_cast<long long>(std::max(m_nMaxRange, 0))));
    SetRange();
    return m_nCurrentPos != before ? 1 : 0;
}

// --- geometry shared by the two bars ------------------------------------------------------

ScrollBarAxis MScroll::AxisOf(bool vertical) const {
    ScrollBarAxis axis;
    axis.start = vertical ? m_rcControl.top : m_rcControl.left;
    axis.length = vertical ? m_rcControl.Height() : m_rcControl.Width();
    axis.arrow = m_nArrowSize;
    return axis;
}

int MScroll::PlaceThumb(bool vertical, bool extended) {
    const ScrollBarAxis axis = AxisOf(vertical);
    if (m_nPageSize == 0) {
        m_nPageSize = AutomaticScrollPage(axis.length, m_nMaxRange);
        m_bAutoPage = 1;
    }
    const int mapped = extended ? m_nMaxRange - axis.length : m_nMaxRange;
    const ScrollThumb thumb = PlaceScrollThumb(axis, m_nPageSize, m_nMaxRange, m_nCurrentPos, mapped);
    m_nCurrentPos = thumb.position;
    if (thumb.length <= 0)
        m_rcThumb = CRect();
    else if (vertical)
        m_rcThumb = CRect(m_rcControl.left, thumb.start, m_rcControl.right, thumb.start + thumb.length);
    else
        m_rcThumb = CRect(thumb.start, m_rcControl.top, thumb.start + thumb.length, m_rcControl.bottom);
    m_bShowThumb = thumb.shown ? 1 : 0;
    return m_nCurrentPos;
}

int MScroll::MoveThumb(bool vertical, int delta) {
    if (delta == 0) return 0;
    ScrollThumb current;
    current.position = m_nCurrentPos;
    current.start = vertical ? m_rcThumb.top : m_rcThumb.left;
    current.length = vertical ? m_rcThumb.Height() : m_rcThumb.Width();
    current.shown = m_bShowThumb != 0;
    const ScrollThumbMove move = MoveScrollThumb(AxisOf(vertical), current, delta, m_nPageSize, m_nMaxRange);
    if (move.applied == 0) return 0;
    const int start = move.thumb.start, end = move.thumb.start + move.thumb.length;
    m_rcThumb = vertical ? CRect(m_rcControl.left, start, m_rcControl.right, end)
                         : CRect(start, m_rcControl.top, end, m_rcControl.bottom);
    m_nCurrentPos = move.thumb.position;
    m_bChanging = 1;
    UpdateControl(1, 0);
    SendMessageW(kNotifyPositionChanged, static_cast<WPARAM>(m_nCurrentPos), 0);
    m_bChanging = 0;
    return move.applied;
}

// --- mouse ----------------------------------------------------------------------------------

int MScroll::ShowState(int state, int inside) {
    if (state == m_nState && inside == m_bInside) return 0;
    m_nState = state;
    m_bInside = inside;
    SetUpdate(0, 0);
    UpdateControl(0, 0);
    return 1;
}

int MScroll::TrackMouseMove(bool vertical, UINT flags, CPoint point) {
    if (!m_bShowThumb || !m_bEnabled) return 0;
    if (m_nState == kDragging && m_nAnchor >= 0) {
        m_nAnchor += MoveRange(AlongAxis(vertical, point) - m_nAnchor);
        return 1;
    }
    if (flags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) return 0;
    const int inside = m_rcControl.PtInRect(point) ? 1 : 0;
    const int state = m_rcThumb.PtInRect(point) ? kThumbHover : kNormal;
    return ShowState(state, inside);
}

int MScroll::TrackButtonDown(bool vertical, CPoint point) {
    if (!m_bShowThumb || !m_bEnabled) return 0;
    if (!m_rcThumb.PtInRect(point)) {
        const int step = ScrollPageStep(AxisOf(vertical), m_nPageSize, m_nMaxRange);
        const int before = vertical ? m_rcThumb.top : m_rcThumb.left;
        return MoveRange(AlongAxis(vertical, point) < before ? -step : step);
    }
    m_nAnchor = AlongAxis(vertical, point);
    return ShowState(kDragging, m_bInside);
}

int MScroll::TrackButtonUp(CPoint point) {
    if (!m_bShowThumb || !m_bEnabled) return 0;
    m_nAnchor = -1;
    return ShowState(m_rcThumb.PtInRect(point) ? kThumbHover : kNormal, m_bInside);
}

// --- skin and drawing -------------------------------------------------------------------

int MScroll::TakeSkin(const ImgResInfo* info, const wchar_t* path) {
    if (!info || !info->image) return 0;
    m_pImage = info->image;
    m_nFrameWidth = info->frameWidth;
    m_nFrameHeight = info->height;
    m_nFrameCount = kSkinFrames;
    m_strImagePath = CString(path);
    m_bUpdate = 0;
    if (m_bVisible) UpdateControl(0, 0);
    return 1;
}

void MScroll::DrawBar(HDC dc, bool vertical) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        if (!m_bShowThumb || !m_pImage || m_nFrameWidth <= 0 || m_nFrameHeight <= 0) return;
        Gdiplus::Graphics graphics(cache);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        const auto drawFrame = [&](const CRect& dest, int frame) {
            if (dest.IsRectEmpty()) return;
            const int endX = vertical ? 0 : kEndPixels, endY = vertical ? kEndPixels : 0;
            MRender::DrawImageFrameMID(graphics, m_pImage, dest, frame * m_nFrameWidth, 0, m_nFrameWidth,
                                       m_nFrameHeight, endX, endY, endX, endY);
        };
        drawFrame(CRect(0, 0, width, height), kTrackFrame);
        CRect thumb = m_rcThumb;
        thumb.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        drawFrame(thumb, m_nState == kThumbHover ? kHoverThumbFrame : kThumbFrame);
    });
}

}  // namespace Kelvo
