#include "MTabLayout.h"

#include "CScrollHorizontal.h"
#include "CScrollVertical.h"

namespace Kelvo {

MTabLayout::MTabLayout(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible) {}

MTabLayout::~MTabLayout() = default;

const wchar_t* MTabLayout::GetClassNameW() { return L"MTabLayout"; }

void MTabLayout::DrawControl(HDC, const CRect&) {}

int MTabLayout::DrawSubControls(HDC dc, const CRect& clip) {
    for (MControl* child : Children())
        if (child != m_pScrollV && child != m_pScrollH && !child->IsDetached() && child->IsVisible())
            child->Draw(dc, clip);
    return 1;
}

int MTabLayout::OnCheckMouseResponse(UINT, CPoint point) {
    for (MControl* child : Children())
        if (child->PtInRect(point)) return 1;
    return 0;
}

void MTabLayout::SetControlRect(CRect rect) { m_rcControl = rect; }

}  // namespace Kelvo
