// The window's one tooltip, its balloon tip and drop shadow, and the text caret that
// edit controls draw through the paint manager.
#include <windows.h>
#include <commctrl.h>

#include "MAirBladder.h"
#include "MControl.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr UINT_PTR kToolId = 1313;
constexpr int kTipMaxWidth = 256;
constexpr COLORREF kTipBackground = RGB(0xF5, 0xF5, 0xF5);
constexpr UINT kSimplifiedChineseCodePage = 936;

void InitTooltipClassOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

// The size of the structure every version of the tooltip control accepts.
TTTOOLINFOW ToolInfo(HWND owner) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = kToolId;
    return info;
}

}  // namespace

bool PaintManager::EnsureTooltip() {
    if (m_hToolTip && ::IsWindow(m_hToolTip)) return true;
    if (!IsLive()) return false;
    InitTooltipClassOnce();
    m_hToolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                   Manager::GetInstance(), nullptr);
    if (!m_hToolTip) return false;
    ::SendMessageW(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, kTipMaxWidth);
    ::SendMessageW(m_hToolTip, TTM_SETTIPBKCOLOR, kTipBackground, 0);
    TTTOOLINFOW info = ToolInfo(m_hWnd);
    info.uFlags = TTF_PARSELINKS;
    ::GetClientRect(m_hWnd, &info.rect);
    info.lpszText = const_cast<wchar_t*>(L"");
    ::SendMessageW(m_hToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (::GetACP() == kSimplifiedChineseCodePage) {
        RECT margin{2, 3, 0, 0};
        ::SendMessageW(m_hToolTip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    }
    return true;
}

void PaintManager::SetTooltip(const wchar_t* text, CRect rect, MControl* owner) {
    m_strTooltipText = CString(text);
    if (m_strTooltipText.IsEmpty()) {
        if (m_hToolTip) {
            TTTOOLINFOW info = ToolInfo(m_hWnd);
            info.lpszText = const_cast<wchar_t*>(L"");
            ::SendMessageW(m_hToolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
            ::SendMessageW(m_hToolTip, TTM_ACTIVATE, FALSE, 0);
        }
        return;
    }
    if (!EnsureTooltip()) return;
    // The tool covers the control, and the tip shows when the relayed mouse rests there.
    TTTOOLINFOW info = ToolInfo(m_hWnd);
    info.rect = RECT{rect.left, rect.top, rect.right, rect.bottom};
    ::SendMessageW(m_hToolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    info.lpszText = const_cast<wchar_t*>(m_strTooltipText.GetString());
    ::SendMessageW(m_hToolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    ::SendMessageW(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
    if (owner) {
        m_pTooltipOwner = owner;
        m_nTooltipCtrlID = static_cast<int>(owner->GetControlID());
    }
}

void PaintManager::ClearTooltip() {
    SetTooltip(nullptr, CRect(), nullptr);
    m_nTooltipCtrlID = 0;
    m_pTooltipOwner = nullptr;
}

// --- balloon tips -------------------------------------------------------------------------

MAirBladder* PaintManager::EnsureAirBladder() {
    if (m_pAirBladder && m_pAirBladder->GetSafeHwnd()) return m_pAirBladder;
    if (!IsLive()) return nullptr;
    if (!m_pAirBladder) {
        m_pAirBladder = new MAirBladder();
        m_pAirBladder->LoadBKImage(L"img_tip_bk.png");
        m_pAirBladder->LoadArrowLImage(L"img_tip_arrow_left.png");
        m_pAirBladder->LoadArrowRImage(L"img_tip_arrow_right.png");
        m_pAirBladder->LoadArrowTImage(L"img_tip_arrow_top.png");
    }
    // Made hidden and never activated: the window keeps the focus while its balloon shows.
    // The pointer passes through it to the controls it covers.
    constexpr DWORD kStyle = 0x96000080 & ~WS_VISIBLE;
    constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
    if (!m_pAirBladder->Create(m_hWnd, L"AirBladder Window", kStyle, kExStyle, CRect())) return nullptr;
    return m_pAirBladder;
}

int PaintManager::SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode) {
    MAirBladder* balloon = EnsureAirBladder();
    if (!balloon) return 0;
    GetWindowRect(m_rcAirBladderOwner);
    return balloon->SetAirBladderMsg(text, point, type, mode);
}

int PaintManager::ShowAirBladder(int show, int ownerId) {
    if (!m_pAirBladder || !m_pAirBladder->GetSafeHwnd()) return 0;
    if (ownerId != 0) {
        if (show)
            m_nAirBladderOwner = ownerId;
        else if (ownerId != m_nAirBladderOwner)
            return 0;
    }
    m_pAirBladder->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    return 1;
}

bool PaintManager::IsAirBladderShown() const {
    return m_pAirBladder && m_pAirBladder->IsWindowVisible();
}

void PaintManager::FollowOwnerWindow(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!m_pAirBladder || !m_pAirBladder->GetSafeHwnd()) return;
    if (msg == WM_SHOWWINDOW && !wparam) {
        m_pAirBladder->ShowWindow(SW_HIDE);
    } else if (msg == WM_WINDOWPOSCHANGED) {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lparam);
        if (position->flags & SWP_HIDEWINDOW) m_pAirBladder->ShowWindow(SW_HIDE);
        CRect now;
        GetWindowRect(now);
        m_pAirBladder->MoveWithOwner(now.left - m_rcAirBladderOwner.left, now.top - m_rcAirBladderOwner.top);
        m_rcAirBladderOwner = now;
    }
}

void PaintManager::DestroyAirBladder() {
    delete m_pAirBladder;  // destroys its window when the owner's teardown has not yet
    m_pAirBladder = nullptr;
    m_nAirBladderOwner = 0;
}

// --- drop shadow ------------------------------------------------------------------------------

void PaintManager::CreateShadow(int show, bool force) {
    MShadow::Initialize(Manager::GetInstance(), force);
    m_shadow.ShowShadow(show);
    m_shadow.Create(this);
}

void PaintManager::SetShadowImage(const wchar_t* path, CRect corners) {
    m_shadow.SetShadowCorner(RECT{corners.left, corners.top, corners.right, corners.bottom});
    m_shadow.SetImage(path);
}

void PaintManager::SetShadowImage(UINT resourceId, CRect corners) {
    m_shadow.SetShadowCorner(RECT{corners.left, corners.top, corners.right, corners.bottom});
    m_shadow.SetImage(resourceId);
}

// --- caret --------------------------------------------------------------------------------

int PaintManager::CreateCaret(HBITMAP bitmap, int width, int height) {
    if (!IsLive()) return 0;
    m_rcCaret = CRect(m_rcCaret.left, m_rcCaret.top, m_rcCaret.left + width, m_rcCaret.top + height);
    // The system caret only tells input methods where typing happens; it stays hidden
    // and the paint manager draws the visible one.
    return ::CreateCaret(m_hWnd, bitmap, width, height) ? 1 : 0;
}

void PaintManager::SetCaretPos(MControl* edit, int x, int y) {
    if (IsLive()) ::SetCaretPos(x, y);
    m_pCaretObject = edit;
    InvalidateCaret();
    m_rcCaret = CRect(x, y, x + m_rcCaret.Width(), y + m_rcCaret.Height());
    InvalidateCaret();
}

void PaintManager::ShowCaret(int show) {
    show = show ? 1 : 0;
    if (show == m_bCaretShown) return;
    m_bCaretShown = show;
    if (!IsLive()) return;
    if (show) {
        const UINT blink = ::GetCaretBlinkTime();
        if (blink != INFINITE && blink != 0) ::SetTimer(m_hWnd, ControlTimerIds::kCaretBlink, blink, nullptr);
        m_bCaretPhase = 1;
    } else {
        ::KillTimer(m_hWnd, ControlTimerIds::kCaretBlink);
        m_bCaretPhase = 0;
    }
    InvalidateCaret();
}

void PaintManager::OnCaretBlink() {
    m_bCaretPhase = m_bCaretPhase ? 0 : 1;
    InvalidateCaret();
}

}  // namespace Kelvo
