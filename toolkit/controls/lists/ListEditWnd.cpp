#include "ListEditWnd.h"

#include "ControlRetirement.h"

namespace Kelvo {

namespace {

// The paint manager hands a child's colour request back to the child this far up.
constexpr UINT kReflectOffset = 0x2000;

}  // namespace

ListEditWnd::~ListEditWnd() {
    m_host = nullptr;
    DestroyWindow();
    if (m_brush) ::DeleteObject(m_brush);
}

void ListEditWnd::SetColours(COLORREF background, COLORREF text) {
    if (m_brush && background != m_background) {
        ::DeleteObject(m_brush);
        m_brush = nullptr;
    }
    m_background = background;
    m_text = text;
}

bool ListEditWnd::Open(HWND owner, bool layered, CRect rect, HFONT font, const CString& text) {
    if (m_hWnd && layered != m_bLayered) DestroyWindow();
    m_bLayered = layered;
    CRect place = rect;
    if (layered) {
        POINT corner{place.left, place.top};
        ::ClientToScreen(owner, &corner);
        place.OffsetRect(corner.x - place.left, corner.y - place.top);
    }
    const DWORD style = (layered ? WS_POPUP : WS_CHILD) | ES_AUTOHSCROLL;
    if (!Create(owner, L"", style, 0, place)) return false;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::SetWindowTextW(m_hWnd, text);
    ::SetWindowPos(m_hWnd, HWND_TOP, place.left, place.top, place.Width(), place.Height(), SWP_SHOWWINDOW);
    const int end = text.GetLength();
    ::SendMessageW(m_hWnd, EM_SETSEL, end, end);
    ::SetFocus(m_hWnd);
    return true;
}

void ListEditWnd::Hide() {
    if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

bool ListEditWnd::IsOpen() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }

CString ListEditWnd::Text() const {
    CString text;
    GetWindowTextW(text);
    return text;
}

void ListEditWnd::Finish(bool commit) {
    ListEditHost* host = m_host;
    if (!host || !IsOpen()) return;
    // The host may remove its list, and with it this editor, when it hears of the end.
    ControlRetirement::Scope scope;
    host->OnEditorDone(commit);
}

LRESULT ListEditWnd::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_CTLCOLOREDIT + kReflectOffset:
    case WM_CTLCOLORSTATIC + kReflectOffset: {
        HDC dc = reinterpret_cast<HDC>(wparam);
        ::SetTextColor(dc, m_text);
        ::SetBkColor(dc, m_background);
        if (!m_brush) m_brush = ::CreateSolidBrush(m_background);
        return reinterpret_cast<LRESULT>(m_brush);
    }
    case WM_KEYDOWN:
        if (wparam == VK_RETURN || wparam == VK_ESCAPE) {
            Finish(wparam == VK_RETURN);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wparam == L'\r' || wparam == 0x1B) return 0;  // no beep for the keys handled above
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = ::CallWindowProcW(m_oldWndProc, m_hWnd, msg, wparam, lparam);
        Finish(true);
        return result;
    }
    default:
        break;
    }
    return ::CallWindowProcW(m_oldWndProc, m_hWnd, msg, wparam, lparam);
}

}  // namespace Kelvo
