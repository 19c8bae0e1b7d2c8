#include "NumberEdit2.h"

#include "CImageButton.h"

namespace Kelvo {

namespace {

constexpr int kButtonInset = 3;

}  // namespace

NumberEdit2::NumberEdit2(MObject* parent, UINT id, CRect rect, int visible)
    : NumberEditBase(parent, id, rect, visible, L"img_btn_value_up.png", L"img_btn_value_down.png", 10) {}

const wchar_t* NumberEdit2::GetClassNameW() { return L"NumberEdit2"; }

CRect NumberEdit2::LayOut(const CRect& rect) {
    const int size = m_nButtonSize;
    const int right = rect.right - kButtonInset;
    const int centre = rect.CenterPoint().y;
    if (m_pIncrease) m_pIncrease->SetControlRect(CRect(right - size, centre - size, right, centre));
    if (m_pDecrease) m_pDecrease->SetControlRect(CRect(right - size, centre, right, centre + size));
    const int bandTop = rect.top + (rect.Height() - m_nFontSize - 4) / 2;
    return CRect(rect.left + kButtonInset, bandTop, right - size - kButtonInset, bandTop + m_nFontSize + 4);
}

}  // namespace Kelvo
