#include "DPIButtonEx.h"

#include <string>

namespace Kelvo {

namespace {

constexpr int kXAboveCentre = 15;
constexpr int kYBelowCentre = 10;
constexpr UINT kValueFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS;

void DrawNumber(HDC dc, const CRect& rect, int value) {
    const std::wstring text = std::to_wstring(value);
    RECT box{rect.left, rect.top, rect.right, rect.bottom};
    ::DrawTextW(dc, text.c_str(), -1, &box, kValueFormat);
}

}  // namespace

DPIButtonEx::DPIButtonEx(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : DpiValueButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* DPIButtonEx::GetClassNameW() { return L"DPIButtonEx"; }

void DPIButtonEx::SetDPIXValue(int value) {
    if (value == m_nX) return;
    m_nX = value;
    Repaint();
}

void DPIButtonEx::SetDPIYValue(int value) {
    if (value == m_nY) return;
    m_nY = value;
    Repaint();
}

void DPIButtonEx::EnableXY(int both) {
    m_bXY = both ? 1 : 0;
    Repaint();
}

// With both axes the two lines sit around the text rectangle's centre line: X's centre
// 15 pixels above it, Y's 10 below.
void DPIButtonEx::DrawValue(HDC dc, const CRect& rect) {
    if (!m_bXY) {
        DrawNumber(dc, rect, m_nX);
        return;
    }
    const int centre = rect.CenterPoint().y;
    CRect line = rect;
    line.OffsetRect(0, centre - kXAboveCentre - line.CenterPoint().y);
    DrawNumber(dc, line, m_nX);
    line = rect;
    line.OffsetRect(0, centre + kYBelowCentre - line.CenterPoint().y);
    DrawNumber(dc, line, m_nY);
}

}  // namespace Kelvo
