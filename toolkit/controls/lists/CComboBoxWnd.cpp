#include "CComboBoxWnd.h"

#include "CComboBoxList.h"
#include "ControlRetirement.h"
#include "Manager.h"

namespace Kelvo {

namespace {

COLORREF ToColorRef(DWORD argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

CRect ListRect(CRect client) {
    client.DeflateRect(3, 6);
    return client;
}

}  // namespace

CComboBoxWnd::CComboBoxWnd() : m_border(ToColorRef(Manager::GetSelectColor())) { SetLayeredWindow(1); }

CComboBoxWnd::~CComboBoxWnd() = default;

const wchar_t* CComboBoxWnd::GetClassNameW() { return L"CComboBoxWnd"; }

void CComboBoxWnd::InitUI(CRect client) {
    m_pm.SetBackColor(m_fill, m_border);
    m_pList = new CComboBoxList(this, kListId, ListRect(client), 1, 1);
    m_pm.AttachControl(1, m_pList);
}

void CComboBoxWnd::UISize(CRect client) {
    if (m_pList) m_pList->SetControlRect(ListRect(client));
}

LRESULT CComboBoxWnd::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kListId && code == kNotifyActivated) return SendMessageToParent(code, wparam, lparam);
    return 0;
}

void CComboBoxWnd::CloseWindow() {
    if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
    MPopupWnd::CloseWindow();
}

void CComboBoxWnd::Abandon() {
    SetParent(nullptr);
    if (!m_hWnd) {
        ControlRetirement::RetireWindow(this);
        return;
    }
    // Its own handlers may be on the stack: the window goes at the next message.
    m_bAbandoned = true;
    CloseWindow();
}

LRESULT CComboBoxWnd::PostNcDestroy() {
    m_pList = nullptr;
    if (m_bAbandoned) {
        ControlRetirement::RetireWindow(this);
        return 0;
    }
    // The parent may delete this object now: nothing of it is touched afterwards.
    SendMessageToParent(kNotifyClosed, 0, 0);
    return 0;
}

}  // namespace Kelvo
