#include "MSlider.h"

#include <algorithm>
#include <string>

#include "Manager.h"
#include "PaintManager.h"
#include "ToolkitClock.h"

namespace Kelvo {

namespace {

constexpr UINT kNotifyReleased = 2;
constexpr std::uint64_t kFollowAfterMs = 60;  // the tick moves the thumb once the pointer rested this long
constexpr Gdiplus::ARGB kLineColour = 0xFF333333;
constexpr Gdiplus::ARGB kTextColour = 0xFF050505;
constexpr int kTextBandHeight = 20;

}  // namespace

MSlider::MSlider(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    m_textColor = kTextColour;
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
    m_track = SliderTrackOf(rect.left, rect.right, 0);
    PlaceThumb();
}

MSlider::~MSlider() = default;

const wchar_t* MSlider::GetClassNameW() { return L"MSlider"; }

int MSlider::SetImage(const wchar_t* path, int frames) {
    if (!m_pManager) return 0;
    AddMTimer();
    return MControlFont::SetImage(path, frames);
}

int MSlider::SetThumbImage(const wchar_t* path) {
    if (!m_pManager || !path || !*path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, 1);
    if (!info || !info->image) return 0;
    m_pThumbImage = info->image;
    m_nThumbImageWidth = static_cast<int>(info->image->GetWidth());
    m_nThumbImageHeight = static_cast<int>(info->image->GetHeight());
    if (m_szThumb.cx == 0) m_szThumb.cx = m_nThumbImageWidth;
    if (m_szThumb.cy == 0) m_szThumb.cy = m_nThumbImageHeight;
    // The track keeps the whole thumb inside the control, so it depends on the image.
    m_track = SliderTrackOf(m_rcControl.left, m_rcControl.right, m_nThumbImageWidth);
    PlaceThumb();
    UpdateControl(1, 0);
    return 1;
}

void MSlider::SetControlRect(CRect rect) {
    m_rcControl = rect;
    m_track = SliderTrackOf(rect.left, rect.right, m_nThumbImageWidth);
    PlaceThumb();
}

void MSlider::PlaceThumb() {
    const int offset = SliderThumbOffset(m_track, m_nPosition, m_nMin, m_nMax);
    m_rcThumb = SliderThumbRect(m_track, offset, m_szThumb.cx, m_rcControl.bottom);
    m_bUpdate = 0;
}

// --- values --------------------------------------------------------------------------------

int MSlider::SetProgress(int value) {
    const int position = SliderPositionOfValue(value, m_nMin, m_nMax);
    if (position < 0 || position == m_nPosition) return m_nPosition;
    m_nPosition = position;
    PlaceThumb();
    UpdateControl(1, 0);
    return m_nPosition;
}

void MSlider::KeepPositionInRange() {
    m_nPosition = std::clamp(m_nPosition, 0, std::max(0, m_nMax - m_nMin));
    PlaceThumb();
    UpdateControl(1, 0);
}

void MSlider::SetMaxProgress(int maximum) {
    m_nMax = maximum;
    KeepPositionInRange();
}

void MSlider::SetMinProgress(int minimum) {
    m_nMin = minimum;
    KeepPositionInRange();
}

void MSlider::SetScale(int scale) {
    m_nScale = scale;
    m_bUpdate = 0;
}

void MSlider::SetShowText(int show) {
    m_bShowText = show ? 1 : 0;
    m_bUpdate = 0;
}

CString MSlider::GetShownText() {
    std::wstring text = GetControlTitle().GetString();
    text += std::to_wstring(SliderShownValue(m_nMin + m_nPosition, m_nScale));
    if (m_nMax == 100) text += L"%";
    return CString(text);
}

int MSlider::MoveThumbPos(CPoint point) {
    const int position = SliderPositionAt(m_track, point.x, m_nMin, m_nMax);
    if (position == m_nPosition) return m_nPosition;
    m_nPosition = position;
    PlaceThumb();
    UpdateControl(1, 0);
    // The parent may destroy the slider when it hears the value: nothing is touched after.
    SendMessageW(kNotifyPositionChanged, static_cast<WPARAM>(m_nMin + position), 0);
    return position;
}

// --- input ---------------------------------------------------------------------------------

void MSlider::SetState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    // Ticks follow a drag whose moves stop; at rest the slider needs none.
    SetRunTimer(state == kDragging ? 1 : 0);
    UpdateControl(0, 0);
}

int MSlider::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    // Every change of state comes before the move, whose notification may end the slider.
    if (m_rcThumb.PtInRect(point)) {
        // The tick brings the thumb to a pointer that left the slider; a slider without a
        // background image has not joined the tick list through SetImage.
        AddMTimer();
        m_bDragByTimer = 1;
        m_lastTrackedMs = ToolkitNowMs();
        SetState(kDragging);
    } else {
        const int position = SliderPositionAt(m_track, point.x, m_nMin, m_nMax);
        const int offset = SliderThumbOffset(m_track, position, m_nMin, m_nMax);
        if (SliderThumbRect(m_track, offset, m_szThumb.cx, m_rcControl.bottom).PtInRect(point)) SetState(kDragging);
    }
    MoveThumbPos(point);
    return 1;
}

int MSlider::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_nState == kDragging) {
        m_lastTrackedMs = ToolkitNowMs();
        MoveThumbPos(point);
        return 1;
    }
    if (!(flags & MK_LBUTTON)) SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    return m_rcControl.PtInRect(point) ? 1 : 0;
}

int MSlider::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_bDragByTimer = 0;
    SetState(m_rcThumb.PtInRect(point) ? kOverThumb : kNormal);
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int MSlider::OnControlTimer() {
    if (!m_bDragByTimer || !m_bVisible || m_nState != kDragging || !m_pManager) return 0;
    const std::uint64_t now = ToolkitNowMs();
    if (now - m_lastTrackedMs <= kFollowAfterMs) return 0;
    m_lastTrackedMs = now;
    POINT cursor{};
    if (!::GetCursorPos(&cursor) || !::ScreenToClient(m_pManager->GetPaintWnd(), &cursor)) return 0;
    const int before = m_nPosition;
    return MoveThumbPos(CPoint(cursor.x, cursor.y)) != before ? 1 : 0;
}

// --- drawing -------------------------------------------------------------------------------

void MSlider::DrawControl(HDC dc, const CRect&) {
    const int width = m_rcControl.Width();
    const int height = m_rcControl.Height();
    if (width <= 0 || height <= 0) return;
    if (!m_bUpdate) {
        HDC cache = UpdateMemDC(dc, width, height);
        if (!cache) return;
        CopyBackgroundToCache(dc, 1);
        {
            Gdiplus::Graphics graphics(cache);
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            const int halfThumb = m_szThumb.cx / 2;
            Gdiplus::Pen line(Gdiplus::Color(kLineColour), 2.0f);
            graphics.DrawLine(&line, halfThumb, 1, width - halfThumb, 1);
            if (m_pThumbImage && m_nMin < m_nMax) {
                const int thumbLeft = m_rcThumb.left - m_rcControl.left;
                Gdiplus::Pen filled(Gdiplus::Color(Manager::GetSelectColor()), 2.0f);
                graphics.DrawLine(&filled, halfThumb, 1, thumbLeft + m_szThumb.cx - halfThumb, 1);
                graphics.DrawImage(m_pThumbImage,
                                   Gdiplus::Rect(thumbLeft, height - m_szThumb.cy - 2, m_szThumb.cx, m_szThumb.cy));
            }
        }
        if (m_bShowText) DrawTitle(cache, CRect(0, height - kTextBandHeight, width, height), GetShownText(), false);
    }
    BlitCache(dc, 0);
}

}  // namespace Kelvo
