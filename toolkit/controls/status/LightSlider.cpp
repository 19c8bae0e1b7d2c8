#include "LightSlider.h"

#include <algorithm>

#include "MRender.h"
#include "PaintManager.h"
#include "SliderDragFollow.h"
#include "ToolkitClock.h"

namespace Kelvo {

LightSlider::LightSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    SetControlRect(rect);
}

LightSlider::~LightSlider() = default;

const wchar_t* LightSlider::GetClassNameW() { return L"LightSlider"; }

int LightSlider::SetImage(const wchar_t* path, int) {
    if (!m_pManager || !path || !*path) return 0;
    AddMTimer();
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pBarImage = info->image;
    m_nBarWidth = static_cast<int>(info->image->GetWidth());
    m_nBarRowHeight = static_cast<int>(info->image->GetHeight()) / 2;
    UpdateControl(1, 0);
    return 1;
}

int LightSlider::SetThumbImage(const wchar_t* path) {
    if (!m_pManager || !path || !*path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pThumbImage = info->image;
    if (m_szThumb.cx == 0) m_szThumb.cx = static_cast<int>(info->image->GetWidth());
    if (m_szThumb.cy == 0) m_szThumb.cy = static_cast<int>(info->image->GetHeight());
    SetControlRect(m_rcControl);
    UpdateControl(1, 0);
    return 1;
}

void LightSlider::SetControlRect(CRect rect) {
    m_rcControl = rect;
    m_track = SliderTrackOf(rect.left, rect.right, m_szThumb.cx);
    PlaceThumb();
}

CRect LightSlider::ThumbRectAt(int offset) const {
    return SliderThumbRect(m_track, SliderThumbOffset(m_track, offset, m_nMin, m_nMax), m_szThumb.cx,
                           m_rcControl.bottom);
}

void LightSlider::PlaceThumb() {
    m_rcThumb = ThumbRectAt(m_nOffset);
    m_bUpdate = 0;
}

// --- values --------------------------------------------------------------------------------

int LightSlider::SetProgress(int value) {
    const long long wanted = static_cast<long long>(value) - m_nMin;
    const int offset = static_cast<int>(std::clamp<long long>(wanted, 0, std::max(0, m_nMax - m_nMin)));
    if (offset == m_nOffset) return m_nOffset;
    m_nOffset = offset;
    PlaceThumb();
    UpdateControl(1, 0);
    return m_nOffset;
}

// A new range only moves the thumb to where the stored offset now belongs; the value
// itself is the caller's to set.
void LightSlider::SetMinProgress(int minimum) {
    m_nMin = minimum;
    PlaceThumb();
}

void LightSlider::SetMaxProgress(int maximum) {
    m_nMax = maximum;
    PlaceThumb();
}

int LightSlider::MoveThumbPos(CPoint point) {
    const int offset = SliderPositionAt(m_track, point.x, m_nMin, m_nMax);
    if (offset == m_nOffset) return m_nOffset;
    m_nOffset = offset;
    PlaceThumb();
    UpdateControl(1, 0);
    // The parent may destroy the slider when it hears the value: nothing is touched after.
    SendMessageW(kNotifyPositionChanged, static_cast<WPARAM>(m_nMin + offset), 0);
    return offset;
}

// --- input ---------------------------------------------------------------------------------

void LightSlider::SetState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    // Ticks follow a drag whose moves stop; at rest the slider needs none.
    SetRunTimer(state == kDragging ? 1 : 0);
    UpdateControl(0, 0);
}

int LightSlider::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    // The state is settled before the move, whose notification may end the slider.
    const bool onThumb = m_rcThumb.PtInRect(point) ||
                         ThumbRectAt(SliderPositionAt(m_track, point.x, m_nMin, m_nMax)).PtInRect(point);
    if (onThumb) {
        // A slider without a bar picture has not joined the tick list through SetImage.
        AddMTimer();
        m_lastDragMoveMs = ToolkitNowMs();
        SetState(kDragging);
    }
    MoveThumbPos(point);
    return 1;
}

int LightSlider::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_nState == kDragging) {
        m_lastDragMoveMs = ToolkitNowMs();
        MoveThumbPos(point);
        return 1;
    }
    if (!(flags & MK_LBUTTON)) SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    return m_rcControl.PtInRect(point) ? 1 : 0;
}

int LightSlider::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int LightSlider::OnControlTimer() {
    if (!m_bVisible || m_nState != kDragging || !m_pManager ||
        !SliderFollowDue(m_lastDragMoveMs, ToolkitNowMs())) return 0;
    CPoint cursor;
    if (!CursorInClient(m_pManager->GetPaintWnd(), cursor)) return 0;
    const int before = m_nOffset;
    return MoveThumbPos(cursor) != before ? 1 : 0;
}

// --- drawing -------------------------------------------------------------------------------

void LightSlider::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        const int halfThumb = m_szThumb.cx / 2;
        // The bar runs between the thumb centre's two ends, so the thumb covers its ends.
        const int barWidth = width - m_szThumb.cx;
        if (!m_pBarImage || barWidth <= 0) return;
        MRender::DrawImageFrame(graphics, m_pBarImage, CRect(halfThumb, 0, halfThumb + barWidth, m_nBarRowHeight), 0,
                                0, m_nBarWidth, m_nBarRowHeight, 0);
        if (!m_pThumbImage || m_nMin >= m_nMax) return;
        const int thumbLeft = m_rcThumb.left - m_rcControl.left;
        const int filled = std::clamp(thumbLeft, 0, barWidth);
        const int sourceWidth = static_cast<int>(static_cast<long long>(filled) * m_nBarWidth / barWidth);
        if (filled > 0 && sourceWidth > 0)
            MRender::DrawImageFrame(graphics, m_pBarImage, CRect(halfThumb, 0, halfThumb + filled, m_nBarRowHeight), 0,
                                    m_nBarRowHeight, sourceWidth, m_nBarRowHeight, 0);
        graphics.DrawImage(m_pThumbImage,
                           Gdiplus::Rect(thumbLeft, height - m_szThumb.cy - 2, m_szThumb.cx, m_szThumb.cy));
    });
}

}  // namespace Kelvo
