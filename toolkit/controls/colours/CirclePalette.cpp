#include "CirclePalette.h"

#include <cmath>
#include <cstdlib>

#include "ColourNotifications.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kInnerRadius = 64;   // a point must be further out than this
constexpr int kOuterRadius = 115;  // and at most this far
constexpr int kThumbHalf = 5;
constexpr int kDragSlack = 5;      // smaller drag steps are ignored

}  // namespace

CirclePalette::CirclePalette(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {}

CirclePalette::~CirclePalette() = default;

const wchar_t* CirclePalette::GetClassNameW() { return L"CirclePalette"; }

int CirclePalette::SetImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path || !*path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pImage = info->image;
    m_nFrameCount = frames < 1 ? 1 : frames;
    m_nFrameWidth = static_cast<int>(info->image->GetWidth()) / m_nFrameCount;
    m_nFrameHeight = static_cast<int>(info->image->GetHeight());
    return 1;
}

int CirclePalette::SetImage(UINT resourceId, const wchar_t* resourceType, int frames) {
    if (!m_pManager || !resourceType) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(resourceId, resourceType, frames, 1);
    if (!info || !info->image) return 0;
    m_pImage = info->image;
    m_nFrameCount = frames < 1 ? 1 : frames;
    m_nFrameWidth = static_cast<int>(info->image->GetWidth()) / m_nFrameCount;
    m_nFrameHeight = static_cast<int>(info->image->GetHeight());
    return 1;
}

void CirclePalette::SetSelectColor(DWORD colour) {
    m_dwSelectColor = colour;
    UpdateControl(1, 0);
}

void CirclePalette::SetControlRect(CRect rect) {
    if (rect == m_rcControl && !m_rcThumb.IsRectEmpty()) return;
    m_rcControl = rect;
    m_rcThumb = CRect(rect.left + 100, rect.top + 30, rect.left + 110, rect.top + 40);
    UpdateControl(1, 0);
}

int CirclePalette::GetDistanse(CPoint point) const {
    const double dx = point.x - (m_rcControl.left + m_rcControl.Width() / 2);
    const double dy = point.y - (m_rcControl.top + m_rcControl.Height() / 2);
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

DWORD CirclePalette::ColourUnderCursor() const {
    if (!m_pManager) return m_dwSelectColor;
    const HWND window = m_pManager->GetPaintWnd();
    POINT cursor{};
    if (!::GetCursorPos(&cursor) || !::ScreenToClient(window, &cursor)) return m_dwSelectColor;
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, cursor.x, cursor.y);
    ::ReleaseDC(window, dc);
    return colour == CLR_INVALID ? m_dwSelectColor : colour;
}

int CirclePalette::MoveThumbPos(CPoint point) {
    const int distance = GetDistanse(point);
    if (distance <= kInnerRadius || distance > kOuterRadius) return 0;
    m_ptLast = point;
    const CRect thumb(point.x - kThumbHalf, point.y - kThumbHalf, point.x + kThumbHalf, point.y + kThumbHalf);
    if (thumb == m_rcThumb) return 0;
    m_rcThumb = thumb;
    m_dwSelectColor = ColourUnderCursor();
    UpdateControl(1, 0);
    SendMessageW(kNotifyColourChanged, 0, static_cast<LPARAM>(m_dwSelectColor));
    return 0;
}

int CirclePalette::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_rcThumb.PtInRect(point)) m_nState = kDragging;
    MoveThumbPos(point);
    return 0;
}

int CirclePalette::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_nState = m_rcThumb.PtInRect(point) ? kHot : kNormal;
    return 0;
}

int CirclePalette::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_nState == kDragging) {
        if (std::abs(point.x - m_ptLast.x) >= kDragSlack || std::abs(point.y - m_ptLast.y) >= kDragSlack)
            MoveThumbPos(point);
        return 1;
    }
    m_nState = m_rcControl.PtInRect(point) && m_rcThumb.PtInRect(point) ? kHot : kNormal;
    return 0;
}

void CirclePalette::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        if (m_pImage && m_nFrameWidth > 0)
            graphics.DrawImage(m_pImage, Gdiplus::Rect(0, 0, width, height), 0, 0, m_nFrameWidth, m_nFrameHeight,
                               Gdiplus::UnitPixel);
        const int x = m_rcThumb.left - m_rcControl.left;
        const int y = m_rcThumb.top - m_rcControl.top;
        Gdiplus::Pen white(Gdiplus::Color(0xFEFFFFFF), 1);
        Gdiplus::Pen grey(Gdiplus::Color(0xFE808080), 1);
        graphics.DrawEllipse(&white, x, y, 8, 8);
        graphics.DrawEllipse(&grey, x + 1, y + 1, 8, 8);
    });
}

}  // namespace Kelvo
