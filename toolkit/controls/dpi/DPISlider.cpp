#include "DPISlider.h"

#include <algorithm>
#include <string>

#include "PaintManager.h"
#include "SliderDragFollow.h"
#include "ToolkitClock.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kStripFill = 0xFF333333;
constexpr int kTicks = 15;
constexpr int kTickStep = 18;
constexpr int kThumbTop = 30;

int Scaled(int length, float scale) { return static_cast<int>(length * scale); }

}  // namespace

DPISlider::DPISlider(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    SetControlRect(rect);
}

const wchar_t* DPISlider::GetClassNameW() { return L"DPISlider"; }

int DPISlider::SetImage(const wchar_t* path, int) {
    if (!m_pManager || !path || !*path) return 0;
    if (!m_bOnTickList) {
        AddMTimer();
        m_bOnTickList = 1;
    }
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pThumbImage = info->image;
    m_szThumb = CSize(static_cast<int>(info->image->GetWidth()), static_cast<int>(info->image->GetHeight()));
    PlaceThumb();
    UpdateControl(1, 0);
    return 1;
}

void DPISlider::SetControlRect(CRect rect) {
    m_rcControl = rect;
    PlaceThumb();
}

void DPISlider::SetScaleValue(float scale) {
    m_fScale = scale;
    m_rcTrack = CRect(Scaled(50, scale), Scaled(10, scale), Scaled(303, scale), Scaled(30, scale));
    PlaceThumb();
}

// --- values --------------------------------------------------------------------------------

int DPISlider::OffsetAt(int x) const {
    const int width = m_rcTrack.Width();
    if (Range() == 0 || width <= 0) return 0;
    const long long along = static_cast<long long>(x) - (m_rcControl.left + m_rcTrack.left);
    return static_cast<int>(std::clamp<long long>(Range() * along / width, 0, Range()));
}

CRect DPISlider::ThumbRectAt(int offset) const {
    const int width = m_rcTrack.Width();
    const int x = Range() == 0 ? 0 : std::clamp(static_cast<int>(static_cast<long long>(width) * offset / Range()), 0,
                                                std::max(0, width));
    const int top = Scaled(kThumbTop, m_fScale);
    CRect thumb(x - m_szThumb.cx / 2, top, x + m_szThumb.cx / 2, m_szThumb.cy + top);
    thumb.OffsetRect(m_rcControl.left + m_rcTrack.left, m_rcControl.top);
    return thumb;
}

void DPISlider::PlaceThumb() {
    m_rcThumb = ThumbRectAt(m_nOffset);
    m_bUpdate = 0;
}

void DPISlider::ChangeOffset(int offset) {
    m_nOffset = offset;
    PlaceThumb();
    UpdateControl(1, 0);
}

int DPISlider::SetProgress(int value) {
    const long long wanted = static_cast<long long>(value) - m_nMin;
    const int offset = static_cast<int>(std::clamp<long long>(wanted, 0, Range()));
    if (offset != m_nOffset) ChangeOffset(offset);
    return m_nOffset;
}

void DPISlider::SetMinProgress(int minimum) {
    m_nMin = minimum;
    m_nOffset = std::clamp(m_nOffset, 0, Range());
    PlaceThumb();
    UpdateControl(1, 0);
}

void DPISlider::SetMaxProgress(int maximum) {
    m_nMax = maximum;
    m_nOffset = std::clamp(m_nOffset, 0, Range());
    PlaceThumb();
    UpdateControl(1, 0);
}

int DPISlider::MoveThumbPos(CPoint point) {
    const int offset = OffsetAt(point.x);
    if (offset == m_nOffset) return m_nOffset;
    ChangeOffset(offset);
    // The parent may destroy the slider when it hears the value: nothing is touched after.
    SendMessageW(kNotifyPositionChanged, static_cast<WPARAM>(m_nMin + offset), 0);
    return offset;
}

// --- input ---------------------------------------------------------------------------------

void DPISlider::SetState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    // Ticks follow a drag whose moves stop; at rest the slider needs none.
    SetRunTimer(state == kDragging ? 1 : 0);
    UpdateControl(0, 0);
}

int DPISlider::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    // Whether the drag starts is settled before the move, whose notification may end the slider.
    if (m_rcThumb.PtInRect(point) || ThumbRectAt(OffsetAt(point.x)).PtInRect(point)) {
        m_lastDragMoveMs = ToolkitNowMs();
        SetState(kDragging);
    }
    MoveThumbPos(point);
    return 1;
}

int DPISlider::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_nState == kDragging) {
        m_lastDragMoveMs = ToolkitNowMs();
        MoveThumbPos(point);
        return 1;
    }
    if (!(flags & MK_LBUTTON)) SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    return m_rcControl.PtInRect(point) ? 1 : 0;
}

int DPISlider::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int DPISlider::OnControlScroll(int, int direction, CPoint) {
    if (!m_bEnabled) return 0;
    const int offset = std::clamp(m_nOffset + (direction == 1 ? -1 : 1), 0, Range());
    if (offset == m_nOffset) return 1;
    ChangeOffset(offset);
    SendMessageW(kNotifyPositionChanged, static_cast<WPARAM>(m_nMin + offset), 0);
    return 1;
}

// The window's tick brings the thumb to a pointer whose moves stopped reaching the slider.
int DPISlider::OnControlTimer() {
    if (!m_bVisible || m_nState != kDragging || !m_pManager ||
        !SliderFollowDue(m_lastDragMoveMs, ToolkitNowMs())) return 0;
    CPoint cursor;
    if (!CursorInClient(m_pManager->GetPaintWnd(), cursor)) return 0;
    const int before = m_nOffset;
    return MoveThumbPos(cursor) != before ? 1 : 0;
}

// --- drawing -------------------------------------------------------------------------------

void DPISlider::DrawScale(HDC cache) {
    const float s = m_fScale;
    {
        Gdiplus::Graphics graphics(cache);
        Gdiplus::Pen line(Gdiplus::Color(0xFFFFFFFF), 1.0f);
        const int ticks = static_cast<int>(kTicks * s);
        for (int i = 0; i < ticks; ++i) {
            const int x = Scaled(50, s) + Scaled(kTickStep * i, s);
            graphics.DrawLine(&line, x, Scaled(18, s), x, Scaled(26, s));
        }
    }
    const HGDIOBJ oldFont = ::SelectObject(cache, GetGDIFont());
    ::SetBkMode(cache, TRANSPARENT);
    ::SetTextColor(cache, RGB(0xFF, 0xFF, 0xFF));
    constexpr UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
    RECT low{10, Scaled(13, s), 10 + Scaled(30, s), Scaled(33, s)};
    ::DrawTextW(cache, L"100", -1, &low, format);
    const std::wstring top = std::to_wstring(static_cast<long long>(m_nMax) * 100);
    RECT high{Scaled(320, s), Scaled(13, s), Scaled(375, s), Scaled(33, s)};
    ::DrawTextW(cache, top.c_str(), -1, &high, format);
    ::SelectObject(cache, oldFont);
}

void DPISlider::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::SolidBrush strip{Gdiplus::Color(kStripFill)};
            graphics.FillRectangle(&strip, 0, 0, width, height);
        }
        DrawScale(cache);
        if (!m_pThumbImage) return;
        Gdiplus::Graphics graphics(cache);
        const CRect thumb = m_rcThumb;
        graphics.DrawImage(m_pThumbImage, Gdiplus::Rect(thumb.left - m_rcControl.left, thumb.top - m_rcControl.top,
                                                        thumb.Width(), thumb.Height()));
    });
}

}  // namespace Kelvo
