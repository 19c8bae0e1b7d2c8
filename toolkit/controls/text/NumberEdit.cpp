#include "NumberEdit.h"

#include "CImageButton.h"

namespace Kelvo {

NumberEdit::NumberEdit(MObject* parent, UINT id, CRect rect, int visible)
    : NumberEditBase(parent, id, rect, visible, L"img_btn_addvalue.png", L"img_btn_subtract.png", 15) {}

const wchar_t* NumberEdit::GetClassNameW() { return L"NumberEdit"; }

CRect NumberEdit::LayOut(const CRect& rect) {
    const int top = rect.CenterPoint().y - 7;
    const int size = m_nButtonSize;
    if (m_pIncrease) m_pIncrease->SetControlRect(CRect(rect.left + 2, top, rect.left + 2 + size, top + size));
    if (m_pDecrease) m_pDecrease->SetControlRect(CRect(rect.right - 17, top, rect.right - 17 + size, top + size));
    const int bandTop = rect.top + (rect.Height() - m_nFontSize - 4) / 2;
    return CRect(rect.left + 17, bandTop, rect.right - 17, bandTop + m_nFontSize + 4);
}

}  // namespace Kelvo
