#include "MouseCtrl.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr int kLabelCorner = 6;

}  // namespace

MouseCtrl::MouseCtrl(MObject* parent, UINT id, CRect rect, int visible)
    : MouseButtonView(parent, id, rect, visible, kRowHeight) {
    m_nAlignment = DT_CENTER;
    m_nFrameCount = 2;
}

const wchar_t* MouseCtrl::GetClassNameW() { return L"MouseCtrl"; }

int MouseCtrl::AddItem(const wchar_t* name, int keyValue, int direction, CPoint point1, CPoint point2) {
    MouseButtonItem item;
    item.name = CString(name);
    item.keyValue = keyValue;
    item.direction = direction;
    item.point1 = point1;
    item.point2 = point2;
    return Append(std::move(item));
}

void MouseCtrl::LayoutItems() {
    for (MouseButtonItem& item : m_items) {
        const CPoint anchor = item.direction == 1 ? item.point2 : item.point1;
        const int x = m_rcControl.left + Scaled(anchor.x);
        const int y = m_rcControl.top + Scaled(anchor.y);
        const int left = item.direction == 1 ? x + Scaled(1) : x - Scaled(kLabelWidth + 1);
        const int top = y - Scaled(kLabelHeight) / 2;
        item.rect = CRect(left, top, left + Scaled(kLabelWidth), top + Scaled(kLabelHeight));
    }
}

void MouseCtrl::DrawItems(HDC dc, Gdiplus::Graphics& graphics, const CRect&) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        const int index = static_cast<int>(i);
        DrawItem(dc, graphics, m_items[i], index == m_nSelected || index == m_nHover);
    }
}

void MouseCtrl::DrawItem(HDC dc, Gdiplus::Graphics& graphics, const MouseButtonItem& item, bool highlighted) {
    const Gdiplus::Color mark(highlighted ? m_highlight : kWhite);
    const Gdiplus::PointF from(static_cast<float>(Scaled(item.point1.x)), static_cast<float>(Scaled(item.point1.y)));
    const Gdiplus::PointF to(static_cast<float>(Scaled(item.point2.x)), static_cast<float>(Scaled(item.point2.y)));
    Gdiplus::Pen leader(mark, 1.0f);
    graphics.DrawLine(&leader, from, to);
    const Gdiplus::PointF dot = item.direction == 1 ? from : to;
    const float diameter = 4.0f * m_fScale;
    Gdiplus::SolidBrush dotFill(mark);
    graphics.FillEllipse(&dotFill, dot.X - diameter / 2, dot.Y - diameter / 2, diameter, diameter);

    CRect label = item.rect;
    label.OffsetRect(-m_rcControl.left, -m_rcControl.top);
    DrawImageFrame(graphics, label, highlighted ? 1 : 0, kLabelCorner);
    DrawTextIn(dc, label, item.name, highlighted ? kWhite : m_textColor);
}

CString MouseCtrl::TooltipOf(const MouseButtonItem& item) { return item.name; }

}  // namespace Kelvo
