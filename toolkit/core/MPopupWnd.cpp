#include "MPopupWnd.h"

#include "MControl.h"

namespace Kelvo {

MPopupWnd::MPopupWnd() { m_colorKey = RGB(0xF1, 0xF1, 0xF1); }

MPopupWnd::~MPopupWnd() = default;

const wchar_t* MPopupWnd::GetClassNameW() { return L"MPopupWnd"; }
const wchar_t* MPopupWnd::GetWindowClassName() { return L"MPopupWnd"; }

LRESULT MPopupWnd::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_KEYDOWN && wparam == VK_ESCAPE) {
        CloseWindow();
        return 0;
    }
    return MSkinWindow::OnWindowMessage(msg, wparam, lparam);
}

LRESULT MPopupWnd::SendMessageToParent(UINT code, WPARAM wparam, LPARAM lparam) {
    if (!m_pParent) return 0;
    // A control keeps its children's notifications in OnMessage; windows and other
    // containers take them through OnBaseMessage.
    if (auto* control = dynamic_cast<MControl*>(m_pParent)) return control->OnMessage(0, code, wparam, lparam);
    return m_pParent->OnBaseMessage(0, code, wparam, lparam);
}

LRESULT MPopupWnd::OnCreate(CREATESTRUCTW* create) {
    MSkinWindow::OnCreate(create);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    return 1;
}

LRESULT MPopupWnd::OnSize(UINT, int, int) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_rcClient = CRect(client.left, client.top, client.right, client.bottom);
    if (m_bUIReady) UISize(m_rcClient);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

LRESULT MPopupWnd::OnNcActivate(int active) {
    if (!active) CloseWindow();
    return 0;
}

void MPopupWnd::CloseWindow() { PostMessageW(WM_CLOSE, 0, 0); }

}  // namespace Kelvo
