#include "ValueEditWnd.h"

namespace Kelvo {

namespace {
constexpr int kMaxDigits = 5;
constexpr int kMargin = 3;
}  // namespace

const wchar_t* ValueEditWnd::GetWindowClassName() { return L"ValueEditWnd"; }

HWND ValueEditWnd::OpenNumberEditor(HWND dialog, CRect rect, HFONT font, int layered) {
    if (!Open(dialog, rect, ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, layered)) return nullptr;
    if (font) SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(EM_LIMITTEXT, kMaxDigits, 0);
    SendMessageW(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(kMargin, kMargin));
    return m_hWnd;
}

void ValueEditWnd::SetText(const CString& text) {
    if (m_hWnd) ::SetWindowTextW(m_hWnd, text.GetString());
}

void ValueEditWnd::SelectEnd() {
    if (m_hWnd) SendMessageW(EM_SETSEL, static_cast<WPARAM>(-1), -1);
}

}  // namespace Kelvo
