#include "CTxtWinHost.h"

#include <imm.h>

#include "MRichEdit.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

// {13E670F4-1A5A-11CF-ABEB-00AA00B65EA1}: mingw-w64 declares it but its libraries lack it.
constexpr IID kIidTextHost = {0x13e670f4, 0x1a5a, 0x11cf, {0xab, 0xeb, 0x00, 0xaa, 0x00, 0xb6, 0x5e, 0xa1}};

}  // namespace

CTxtWinHost::CTxtWinHost(MRichEdit* owner) : m_pOwner(owner) {
    m_charFormat.cbSize = sizeof m_charFormat;
    m_paraFormat.cbSize = sizeof m_paraFormat;
    m_paraFormat.dwMask = PFM_ALL;
    m_paraFormat.wAlignment = PFA_LEFT;
    m_paraFormat.cTabCount = 1;
    m_paraFormat.rgxTabs[0] = lDefaultTab;
}

HWND CTxtWinHost::Window() const {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    return manager ? manager->GetPaintWnd() : nullptr;
}

HRESULT CTxtWinHost::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kIidTextHost)) {
        *object = static_cast<ITextHost*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CTxtWinHost::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }

ULONG CTxtWinHost::Release() {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
}

HDC CTxtWinHost::TxGetDC() { return ::GetDC(Window()); }
INT CTxtWinHost::TxReleaseDC(HDC dc) { return ::ReleaseDC(Window(), dc); }

// The control shows no scroll bars of its own: the text scrolls with the caret and the wheel.
WINBOOL CTxtWinHost::TxShowScrollBar(INT, WINBOOL) { return TRUE; }
WINBOOL CTxtWinHost::TxEnableScrollBar(INT, INT) { return TRUE; }
WINBOOL CTxtWinHost::TxSetScrollRange(INT, LONG, INT, WINBOOL) { return TRUE; }
WINBOOL CTxtWinHost::TxSetScrollPos(INT, INT, WINBOOL) { return TRUE; }

void CTxtWinHost::TxInvalidateRect(LPCRECT, WINBOOL) {
    if (m_pOwner) m_pOwner->OnTxViewChanged(1);
}

void CTxtWinHost::TxViewChange(WINBOOL update) {
    if (m_pOwner) m_pOwner->OnTxViewChanged(update);
}

WINBOOL CTxtWinHost::TxCreateCaret(HBITMAP bitmap, INT width, INT height) {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    return manager && manager->CreateCaret(bitmap, width, height);
}

WINBOOL CTxtWinHost::TxShowCaret(WINBOOL show) {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (!manager) return FALSE;
    manager->ShowCaret(show && m_pOwner->IsFocused());
    return TRUE;
}

WINBOOL CTxtWinHost::TxSetCaretPos(INT x, INT y) {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (!manager) return FALSE;
    manager->SetCaretPos(m_pOwner, x, y);
    return TRUE;
}

// No timers: auto-scrolling while dragging a selection past the edge is not offered.
WINBOOL CTxtWinHost::TxSetTimer(UINT, UINT) { return FALSE; }
void CTxtWinHost::TxKillTimer(UINT) {}

void CTxtWinHost::TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) {
    if (m_pOwner) m_pOwner->OnTxViewChanged(1);
}

void CTxtWinHost::TxSetCapture(WINBOOL capture) {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (!manager) return;
    if (capture)
        manager->SetCapture();
    else
        manager->ReleaseCapture();
}

void CTxtWinHost::TxSetFocus() {
    PaintManager* manager = m_pOwner ? m_pOwner->GetManager() : nullptr;
    if (manager && manager->GetFocusControl() != m_pOwner) manager->SetFocusControl(m_pOwner);
}

void CTxtWinHost::TxSetCursor(HCURSOR cursor, WINBOOL) { ::SetCursor(cursor); }
WINBOOL CTxtWinHost::TxScreenToClient(LPPOINT point) { return ::ScreenToClient(Window(), point); }
WINBOOL CTxtWinHost::TxClientToScreen(LPPOINT point) { return ::ClientToScreen(Window(), point); }
HRESULT CTxtWinHost::TxActivate(LONG* oldState) {
    if (oldState) *oldState = 0;
    return S_OK;
}
HRESULT CTxtWinHost::TxDeactivate(LONG) { return S_OK; }

HRESULT CTxtWinHost::TxGetClientRect(LPRECT rect) {
    if (!rect || !m_pOwner) return E_FAIL;
    const CRect area = m_pOwner->GetTextArea();
    *rect = RECT{area.left, area.top, area.right, area.bottom};
    return S_OK;
}

HRESULT CTxtWinHost::TxGetViewInset(LPRECT rect) {
    if (rect) *rect = RECT{0, 0, 0, 0};
    return S_OK;
}

HRESULT CTxtWinHost::TxGetCharFormat(const CHARFORMATW** format) {
    *format = reinterpret_cast<const CHARFORMATW*>(&m_charFormat);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetParaFormat(const PARAFORMAT** format) {
    *format = reinterpret_cast<const PARAFORMAT*>(&m_paraFormat);
    return S_OK;
}

COLORREF CTxtWinHost::TxGetSysColor(int index) { return ::GetSysColor(index); }

HRESULT CTxtWinHost::TxGetBackStyle(TXTBACKSTYLE* style) {
    *style = TXTBACK_TRANSPARENT;  // the skin under the control shows through
    return S_OK;
}

HRESULT CTxtWinHost::TxGetMaxLength(DWORD* length) {
    *length = m_maxLength;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetScrollBars(DWORD* scrollBars) {
    *scrollBars = m_scrollBars & (WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetPasswordChar(TCHAR* ch) {
    *ch = static_cast<TCHAR>(m_passwordChar);
    return S_OK;
}

HRESULT CTxtWinHost::TxGetAcceleratorPos(LONG* position) {
    *position = -1;
    return S_OK;
}

HRESULT CTxtWinHost::TxGetExtent(LPSIZEL) { return E_NOTIMPL; }
HRESULT CTxtWinHost::OnTxCharFormatChange(const CHARFORMATW*) { return S_OK; }
HRESULT CTxtWinHost::OnTxParaFormatChange(const PARAFORMAT*) { return S_OK; }

HRESULT CTxtWinHost::TxGetPropertyBits(DWORD mask, DWORD* bits) {
    *bits = m_bits & mask;
    return S_OK;
}

HRESULT CTxtWinHost::TxNotify(DWORD code, void* data) { return m_pOwner ? m_pOwner->OnTxNotify(code, data) : S_OK; }

HIMC CTxtWinHost::TxImmGetContext() { return ::ImmGetContext(Window()); }
void CTxtWinHost::TxImmReleaseContext(HIMC context) { ::ImmReleaseContext(Window(), context); }

HRESULT CTxtWinHost::TxGetSelectionBarWidth(LONG* width) {
    *width = 0;
    return S_OK;
}

}  // namespace Kelvo
