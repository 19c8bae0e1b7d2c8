#include "CLogonEdit.h"

namespace Kelvo {

CLogonEdit::CLogonEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled)
    : MRichEdit(parent, id, rect, tip, visible, enabled) {
    m_dwStyle = ES_AUTOHSCROLL | WS_HSCROLL;
    m_nFontSize = 16;
    SetTextPadding(CRect(50, 14, 5, 5));
}

const wchar_t* CLogonEdit::GetClassNameW() { return L"CLogonEdit"; }

}  // namespace Kelvo
