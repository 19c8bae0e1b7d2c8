#include "MAngletunability.h"

#include <algorithm>
#include <string>

#include "MRender.h"
#include "PaintManager.h"
#include "SliderGeometry.h"

namespace Kelvo {

namespace {

constexpr int kSteps = MAngletunability::kMaxAngle - MAngletunability::kMinAngle;
constexpr int kTrackInset = 6;     // the thumb's half width: its centre reaches both ends
constexpr int kTrackHeight = 20;
constexpr int kThumbHalfWidth = 6;
constexpr Gdiplus::ARGB kBadgeColour = 0xFF3B4E62;
constexpr Gdiplus::ARGB kBarColour = 0xFF384452;
constexpr Gdiplus::ARGB kThumbColour = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kDisabledTextColour = 0xFF808080;
constexpr int kBadgeWidth = 40, kBadgeHeight = 20, kBadgeTop = 2;
constexpr int kBarTop = 35, kBarHeight = 3;
constexpr int kDiscTop = 31, kDiscSize = 11;
constexpr int kLabelTop = 45, kLabelHeight = 20, kLabelWidth = 40;

Gdiplus::RectF RectF(int x, int y, int width, int height) {
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y),
                          static_cast<Gdiplus::REAL>(width), static_cast<Gdiplus::REAL>(height));
}

}  // namespace

MAngletunability::MAngletunability(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    SetControlRect(rect);
}

MAngletunability::~MAngletunability() = default;

const wchar_t* MAngletunability::GetClassNameW() { return L"MAngletunability"; }

void MAngletunability::SetControlRect(CRect rect) {
    m_rcControl = rect;
    m_rcTrack = CRect(rect.left + kTrackInset, rect.bottom - kTrackHeight, rect.right - kTrackInset, rect.bottom);
    PlaceThumb();
}

SliderTrack MAngletunability::Track() const { return SliderTrack{m_rcTrack.left, std::max(0, m_rcTrack.Width())}; }

void MAngletunability::PlaceThumb() {
    const int x = SliderThumbOffset(Track(), m_nPosition, 0, kSteps);
    m_rcThumb = CRect(m_rcTrack.left + x - kThumbHalfWidth, m_rcControl.top, m_rcTrack.left + x + kThumbHalfWidth,
                      m_rcControl.bottom);
    m_bUpdate = 0;
}

void MAngletunability::SetAngleValue(int angle) {
    m_nAngle = std::clamp(angle, kMinAngle, kMaxAngle);
    m_nPosition = m_nAngle - kMinAngle;
    PlaceThumb();
    UpdateControl(1, 0);
}

int MAngletunability::MoveThumbPos(CPoint point) {
    // The step whose thumb centre is at or left of the pointer: a press on the thumb's
    // centre keeps its angle.
    const int position = SliderPositionAt(Track(), point.x, 0, kSteps);
    if (position == m_nPosition) return m_nAngle;
    m_nPosition = position;
    m_nAngle = position + kMinAngle;
    PlaceThumb();
    UpdateControl(1, 0);
    return m_nAngle;
}

// --- input ---------------------------------------------------------------------------------

int MAngletunability::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_bPressed = 1;
    if (!m_rcThumb.PtInRect(point)) MoveThumbPos(point);
    m_bDragging = m_rcThumb.PtInRect(point) ? 1 : 0;
    return 1;
}

int MAngletunability::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled || !m_bDragging) return 0;
    MoveThumbPos(point);
    return 1;
}

int MAngletunability::OnControlLButtonUp(UINT, CPoint) {
    if (!m_bEnabled || !m_bPressed) return 0;
    m_bPressed = 0;
    m_bDragging = 0;
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

// --- drawing -------------------------------------------------------------------------------

void MAngletunability::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int) {
        Gdiplus::Graphics graphics(cache);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
        const Gdiplus::Color badge(kBadgeColour);
        MRender::DrawRoundRectRadius(graphics, static_cast<float>(width / 2 - kBadgeWidth / 2),
                                     static_cast<float>(kBadgeTop), static_cast<float>(kBadgeWidth),
                                     static_cast<float>(kBadgeHeight), 2.0f, badge, 1.0f, true, badge);
        Gdiplus::SolidBrush bar{Gdiplus::Color(kBarColour)};
        graphics.FillRectangle(&bar, 1, kBarTop, width - 2, kBarHeight);
        Gdiplus::SolidBrush thumb{Gdiplus::Color(kThumbColour)};
        graphics.FillEllipse(&thumb, m_rcThumb.left - m_rcControl.left, kDiscTop, kDiscSize, kDiscSize);
        DrawTexts(graphics, width);
    });
}

void MAngletunability::DrawTexts(Gdiplus::Graphics& graphics, int width) {
    // The face the design asks for; where it is missing the control's own face stands in.
    Gdiplus::FontFamily* family = GetFontFamily(L"Arial");
    if (!family) family = GetFontFamily(m_strFontFace);
    if (!family) return;
    Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(m_nFontSize), m_nFontStyle, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush brush{Gdiplus::Color(m_bEnabled ? m_textColor : kDisabledTextColour)};
    Gdiplus::StringFormat format;
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    const auto draw = [&](const std::wstring& text, Gdiplus::StringAlignment alignment, Gdiplus::RectF box) {
        format.SetAlignment(alignment);
        graphics.DrawString(text.c_str(), -1, &font, box, &format, &brush);
    };
    draw(std::to_wstring(m_nAngle), Gdiplus::StringAlignmentCenter,
         RectF(width / 2 - kBadgeWidth / 2, kBadgeTop, kBadgeWidth, kBadgeHeight));
    draw(L"-30", Gdiplus::StringAlignmentNear, RectF(0, kLabelTop, width, kLabelHeight));
    draw(L"0", Gdiplus::StringAlignmentCenter, RectF(0, kLabelTop, width, kLabelHeight));
    draw(L"30", Gdiplus::StringAlignmentFar, RectF(width - kLabelWidth, kLabelTop, kLabelWidth, kLabelHeight));
}

}  // namespace Kelvo
