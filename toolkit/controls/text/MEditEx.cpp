#include "MEditEx.h"

namespace Kelvo {

MEditEx::MEditEx(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled)
    : MRichEdit(parent, id, rect, tip, visible, enabled) {
    m_dwStyle = ES_AUTOHSCROLL | WS_HSCROLL;
}

const wchar_t* MEditEx::GetClassNameW() { return L"MEditEx"; }

}  // namespace Kelvo
