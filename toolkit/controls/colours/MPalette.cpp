#include "MPalette.h"

#include <algorithm>

#include "ColourConversion.h"
#include "ColourNotifications.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

// The off-screen bitmap: the field at columns 0 … 359 (a degree each), rows 0 … 199 (a
// lightness step each); the bar from column 370.
constexpr int kBitmapWidth = 400;
constexpr int kBitmapHeight = 360;
constexpr int kBytesPerPixel = 4;
constexpr int kFieldColumns = 360;
constexpr int kSteps = 200;
constexpr int kBarColumn = 370;
// The field shows lightness 0.1 … 1.0: the rows from 20 on.
constexpr int kFieldFirstRow = 20;
constexpr int kMinLightness = 20;
constexpr int kLightnessSpan = 180;
constexpr int kFieldGap = 22;  // between the field and the bar's right edge, less the bar
constexpr int kBarGap = 16;    // room for the thumb right of the bar
constexpr int kThumbFrames = 4;

DWORD Visible(DWORD colour) { return colour == 0 ? 0x000001 : colour; }

}  // namespace

MPalette::MPalette(MObject* parent, UINT id, CRect rect, int visible)
    : MControlFont(parent, id, rect, L"", visible, 1, 1),
      m_rcField(rect.left, rect.top, rect.right - 38, rect.top + 150),
      m_rcBar(rect.right - 32, rect.top, rect.right, rect.top + 150),
      m_dwLastColor(HSLToRGB(180 / 360.0f, 200 / 200.0f, 120 / 200.0f)) {}

MPalette::~MPalette() {
    ReleaseBitmap();
    delete m_pThumbImage;
}

const wchar_t* MPalette::GetClassNameW() { return L"MPalette"; }

LRESULT MPalette::OnMessage(UINT, UINT, WPARAM, LPARAM) { return 0; }

int MPalette::OnControlScroll(int, int, CPoint) { return 1; }

// --- the off-screen bitmap -----------------------------------------------------------------

// A 32-bpp DIB section whatever the display's depth, so its pixels are written in place.
void MPalette::InitControl(PaintManager* manager) {
    MControlFont::InitControl(manager);
    ReleaseBitmap();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kBitmapWidth;
    info.bmiHeader.biHeight = -kBitmapHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hPaletteDC = ::CreateCompatibleDC(manager ? manager->GetPaintDC() : nullptr);
    m_hPaletteBitmap = ::CreateDIBSection(m_hPaletteDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_hPaletteDC || !m_hPaletteBitmap) {
        ReleaseBitmap();
        return;
    }
    m_pPaletteBits = static_cast<BYTE*>(bits);
    m_hOldPaletteBitmap = ::SelectObject(m_hPaletteDC, m_hPaletteBitmap);
    UpdatePaletteData();
    UpdateBarData();
    PlaceMarker();
}

void MPalette::ReleaseBitmap() {
    if (m_hPaletteDC && m_hOldPaletteBitmap) ::SelectObject(m_hPaletteDC, m_hOldPaletteBitmap);
    if (m_hPaletteBitmap) ::DeleteObject(m_hPaletteBitmap);
    if (m_hPaletteDC) ::DeleteDC(m_hPaletteDC);
    m_hPaletteDC = nullptr;
    m_hPaletteBitmap = nullptr;
    m_hOldPaletteBitmap = nullptr;
    m_pPaletteBits = nullptr;
}

void MPalette::PutPixel(int x, int y, DWORD colour) {
    BYTE* pixel = m_pPaletteBits + (y * kBitmapWidth + x) * kBytesPerPixel;
    pixel[0] = static_cast<BYTE>(colour >> 16);  // blue
    pixel[1] = static_cast<BYTE>(colour >> 8);   // green
    pixel[2] = static_cast<BYTE>(colour);        // red
    pixel[3] = 0xFF;
}

void MPalette::UpdatePaletteData() {
    if (!m_pPaletteBits) return;
    ::GdiFlush();
    for (int row = 0; row < kSteps; ++row)
        for (int column = 0; column < kFieldColumns; ++column)
            PutPixel(column, row, Visible(HSLToRGB(column / 360.0f, 1.0f, row / 200.0f)));
}

void MPalette::UpdateBarData() {
    if (!m_pPaletteBits) return;
    ::GdiFlush();
    for (int column = 0; column < m_nBarWidth; ++column)
        for (int row = 0; row < kSteps; ++row)
            PutPixel(kBarColumn + column, row, HSLToRGB(m_nHue / 360.0f, row / 200.0f, m_nLightness / 200.0f));
}

// --- values --------------------------------------------------------------------------------

DWORD MPalette::GetSelectColor() const {
    return HSLToRGB(m_nHue / 360.0f, m_nSaturation / 200.0f, m_nLightness / 200.0f) & 0xFFFFFF;
}

void MPalette::PlaceMarker() {
    m_ptMarker.x = m_rcField.left + m_rcField.Width() * m_nHue / 360;
    m_ptMarker.y = m_nPaletteHeight > 0 ? (m_nLightness - kMinLightness) * m_nPaletteHeight / kLightnessSpan + m_rcField.top
                                        : m_rcField.top;
}

void MPalette::SetSelectColor(DWORD colour) {
    m_dwLastColor = colour;
    const HslColour hsl = RGBToHSL(colour);
    m_nHue = static_cast<int>(hsl.h * 360);
    m_nSaturation = static_cast<int>(hsl.s * 200);
    m_nLightness = static_cast<int>(hsl.l * 200);
    PlaceMarker();
    m_ptMarker.y = std::max(m_ptMarker.y, m_rcField.top);
    UpdateBarData();
    UpdateControl(1, 0);
}

int MPalette::SetThumbImage(const wchar_t* path) {
    if (!path || !*path) return 0;
    Gdiplus::Image* image = MRender::LoadImageFromFile(Manager::GetSkinFile(path));
    if (!image) return 0;
    delete m_pThumbImage;
    m_pThumbImage = image;
    m_nThumbWidth = static_cast<int>(image->GetWidth()) / kThumbFrames;
    m_nThumbHeight = static_cast<int>(image->GetHeight());
    return 0;
}

void MPalette::SetPalletHeight(int height) {
    m_nPaletteHeight = height;
    UpdateControl(1, 0);
}

void MPalette::Layout(CRect rect) {
    m_rcControl = rect;
    m_rcField = CRect(rect.left, rect.top, rect.right - m_nBarWidth - kFieldGap, rect.top + m_nPaletteHeight);
    m_rcBar = CRect(rect.right - m_nBarWidth - kBarGap, rect.top, rect.right, rect.top + m_nPaletteHeight);
}

void MPalette::SetControlRect(CRect rect) {
    Layout(rect);
    UpdatePaletteData();
    UpdateBarData();
    PlaceMarker();
    UpdateControl(1, 0);
}

void MPalette::SetControlEnabled(int enabled) {
    enabled = enabled ? 1 : 0;
    if (enabled == m_bEnabled) return;
    m_bEnabled = enabled;
    UpdateControl(1, 0);
}

// --- input ---------------------------------------------------------------------------------

// A field or bar of no size has nothing to choose: the values stay at their lowest.
void MPalette::TakeFieldPoint(CPoint point) {
    const int width = m_rcField.Width();
    const int hue = width > 0 ? (point.x - m_rcField.left) * 360 / width : 0;
    m_nHue = std::clamp(hue, 0, 360);
    const int lightness =
        m_nPaletteHeight > 0 ? (point.y - m_rcField.top) * kLightnessSpan / m_nPaletteHeight + kMinLightness : 0;
    m_nLightness = std::clamp(lightness, kMinLightness, kSteps);
    UpdateBarData();
}

void MPalette::TakeBarPoint(CPoint point) {
    const int saturation = m_nPaletteHeight > 0 ? (point.y - m_rcBar.top) * kSteps / m_nPaletteHeight : 0;
    m_nSaturation = saturation < 1 ? 0 : saturation > kSteps - 1 ? kSteps : saturation;
}

int MPalette::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    m_bFieldDrag = 0;
    m_bBarDrag = 0;
    if (!m_rcControl.PtInRect(point)) return 1;
    if (m_rcField.PtInRect(point)) {
        m_ptMarker.x = std::clamp(point.x, m_rcField.left, m_rcField.right);
        m_ptMarker.y = std::clamp(point.y, m_rcField.top, m_rcField.top + m_nPaletteHeight);
        TakeFieldPoint(point);
        m_bFieldDrag = 1;
    } else if (m_rcBar.PtInRect(point)) {
        TakeBarPoint(point);
        m_bBarDrag = 1;
    }
    UpdateControl(1, 0);
    const DWORD colour = GetSelectColor();
    if (colour != m_dwLastColor) {
        m_dwLastColor = colour;
        SendMessageW(kNotifyColourChanged, colour, 0);
    }
    return 1;
}

int MPalette::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    if (m_bFieldDrag && (flags & MK_LBUTTON)) {
        if (!m_rcField.PtInRect(point)) return 1;
        m_ptMarker.x = std::clamp(point.x, m_rcControl.left, m_rcControl.right);
        m_ptMarker.y = std::clamp(point.y, m_rcControl.top, m_rcControl.top + m_nPaletteHeight);
        TakeFieldPoint(point);
        UpdateControl(1, 0);
        return 1;
    }
    if (!m_bBarDrag) return 1;
    TakeBarPoint(point);
    UpdateControl(1, 0);
    SendMessageW(kNotifyColourChanged, 0, 0);
    return 1;
}

int MPalette::OnControlLButtonUp(UINT, CPoint) {
    if (!m_bEnabled) return 0;
    m_bFieldDrag = 0;
    m_bBarDrag = 0;
    UpdateControl(1, 0);
    return 1;
}

// --- drawing -------------------------------------------------------------------------------

void MPalette::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        if (m_hPaletteDC && m_nPaletteHeight > 0) {
            ::SetStretchBltMode(cache, HALFTONE);
            ::SetBrushOrgEx(cache, 0, 0, nullptr);
            ::StretchBlt(cache, 0, 0, m_rcField.Width(), m_nPaletteHeight, m_hPaletteDC, 0, kFieldFirstRow,
                         kFieldColumns, kSteps - kFieldFirstRow, SRCCOPY);
            ::StretchBlt(cache, m_rcBar.left - m_rcControl.left, 0, m_nBarWidth, m_nPaletteHeight, m_hPaletteDC,
                         kBarColumn, 0, m_nBarWidth, kSteps, SRCCOPY);
        }
        Gdiplus::Graphics graphics(cache);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        const int x = m_ptMarker.x - m_rcControl.left - 4;
        const int y = m_ptMarker.y - m_rcControl.top - 4;
        Gdiplus::Pen white(Gdiplus::Color(0xFEFFFFFF), 1);
        Gdiplus::Pen grey(Gdiplus::Color(0xFE808080), 1);
        graphics.DrawEllipse(&white, x, y, 8, 8);
        graphics.DrawEllipse(&grey, x + 1, y + 1, 8, 8);
        if (!m_bEnabled) {
            Gdiplus::SolidBrush veil(Gdiplus::Color(0x0A808080));
            graphics.FillRectangle(&veil, 0, 0, width, height);
        }
    });
    DrawThumb(dc);
}

// The thumb may reach beyond the bar's cached image, so it goes straight onto the window.
void MPalette::DrawThumb(HDC dc) const {
    if (!m_pThumbImage || m_nThumbWidth <= 0) return;
    Gdiplus::Graphics graphics(dc);
    const int centre = m_rcControl.top + m_nPaletteHeight * m_nSaturation / kSteps;
    graphics.DrawImage(m_pThumbImage, Gdiplus::Rect(m_rcBar.left + m_nBarWidth, centre - m_nThumbHeight / 2,
                                                    m_nThumbWidth, m_nThumbHeight),
                       0, 0, m_nThumbWidth, m_nThumbHeight, Gdiplus::UnitPixel);
}

}  // namespace Kelvo
