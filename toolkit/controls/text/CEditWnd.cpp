#include "CEditWnd.h"

#include "EditorOwner.h"

namespace Kelvo {

namespace {

// The paint manager hands the editor's notifications back to it under these numbers.
constexpr UINT kReflectedCommand = 0x2000 + WM_COMMAND;
constexpr UINT kReflectedColourEdit = 0x2000 + WM_CTLCOLOREDIT;
constexpr UINT kReflectedColourStatic = 0x2000 + WM_CTLCOLORSTATIC;
constexpr COLORREF kEditorDefaultColours = 0xFFFFFFFF;

CRect ToScreen(HWND dialog, CRect rect) {
    POINT corner{rect.left, rect.top};
    ::ClientToScreen(dialog, &corner);
    return CRect(corner.x, corner.y, corner.x + rect.Width(), corner.y + rect.Height());
}

}  // namespace

CEditWnd::CEditWnd(EditorOwner* owner) : m_pOwner(owner) {}

CEditWnd::~CEditWnd() {
    if (m_hBackBrush) ::DeleteObject(m_hBackBrush);
}

const wchar_t* CEditWnd::GetWindowClassName() { return L"EditWindow"; }
const wchar_t* CEditWnd::GetSuperClassName() { return L"Edit"; }

HWND CEditWnd::Open(HWND dialog, CRect rect, DWORD editStyle, int layered) {
    m_bPopup = layered ? 1 : 0;
    const DWORD style = editStyle | (layered ? WS_POPUP : WS_CHILD);
    const CRect placed = layered ? ToScreen(dialog, rect) : rect;
    if (!Create(dialog, L"", style, layered ? WS_EX_TOOLWINDOW : 0, placed)) return nullptr;
    SetTimer(kEditorBlinkTimer, ::GetCaretBlinkTime(), nullptr);
    return m_hWnd;
}

void CEditWnd::Place(CRect rect) {
    if (!m_hWnd) return;
    const CRect placed = m_bPopup ? ToScreen(m_hParent, rect) : rect;
    MoveWindow(placed.left, placed.top, placed.Width(), placed.Height(), TRUE);
}

void CEditWnd::ShowFocused() {
    if (!m_hWnd) return;
    ShowWindow(SW_SHOWNOACTIVATE);
    SetFocus();
    SendMessageW(EM_SETSEL, 0, -1);
}

CString CEditWnd::GetText() const {
    CString text;
    GetWindowTextW(text);
    return text;
}

void CEditWnd::Release() {
    m_pOwner = nullptr;
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();  // OnDestroyMessage deletes the object
    else
        delete this;
}

int CEditWnd::OnEditorKey(UINT key) {
    if (!m_pOwner) return 0;
    if (key == VK_ESCAPE) return m_pOwner->OnEditorFinish(0);
    if (key == VK_RETURN && !(GetStyle() & ES_MULTILINE)) return m_pOwner->OnEditorFinish(1);
    return 0;
}

LRESULT CEditWnd::OnReflectedColour(HDC dc) {
    const COLORREF background = m_pOwner ? m_pOwner->EditorBackground() : kEditorDefaultColours;
    if (background == kEditorDefaultColours) return 0;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_pOwner->EditorTextColour());
    if (!m_hBackBrush) m_hBackBrush = ::CreateSolidBrush(background);
    return reinterpret_cast<LRESULT>(m_hBackBrush);
}

LRESULT CEditWnd::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    switch (msg) {
    case WM_KILLFOCUS: {
        const LRESULT result = MWindow::OnWindowMessage(msg, wparam, lparam);
        if (m_pOwner) m_pOwner->OnEditorFocusLost();
        return result;
    }
    case WM_KEYDOWN:
        if (OnEditorKey(static_cast<UINT>(wparam))) return 0;
        break;
    case WM_CHAR:
        if (m_pOwner && !m_pOwner->PassesCharacters()) return 0;
        // The keys that finish a single-line editing would only make it beep.
        if ((wparam == L'\r' || wparam == 0x1B) && !(GetStyle() & ES_MULTILINE)) return 0;
        break;
    case kReflectedCommand:
        if (HIWORD(wparam) == EN_CHANGE && m_pOwner) m_pOwner->OnEditorChanged();
        if (HIWORD(wparam) == EN_UPDATE) ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case kReflectedColourEdit:
    case kReflectedColourStatic:
        return OnReflectedColour(reinterpret_cast<HDC>(wparam));
    case WM_PRINT:
        // A layered dialog prints its children into its own picture; the editor is not part of it.
        if (m_pOwner && m_pOwner->IsOverLayeredWindow()) return 0;
        break;
    case WM_TIMER:
        if (wparam == kEditorBlinkTimer) {
            m_bBlinkPhase = !m_bBlinkPhase;
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_DESTROY:
        KillTimer(kEditorBlinkTimer);
        break;
    default:
        break;
    }
    return MWindow::OnWindowMessage(msg, wparam, lparam);
}

void CEditWnd::OnDestroyMessage(HWND) {
    if (m_pOwner) m_pOwner->OnEditorGone(this);
    delete this;
}

LRESULT CNumberEditWnd::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_MOUSEWHEEL && m_pOwner) {
        const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
        if (delta != 0 && m_pOwner->OnEditorStep(delta > 0 ? 1 : -1)) return 0;
    }
    return CEditWnd::OnWindowMessage(msg, wparam, lparam);
}

int CNumberEditWnd::OnEditorKey(UINT key) {
    if (m_pOwner && (key == VK_UP || key == VK_DOWN)) return m_pOwner->OnEditorStep(key == VK_UP ? 1 : -1);
    return CEditWnd::OnEditorKey(key);
}

}  // namespace Kelvo
