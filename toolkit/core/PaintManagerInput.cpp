// The window messages of the paint manager: dispatch, mouse routing (hover, press,
// capture, caption drag, wheel), keys and Tab, activation and teardown.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <vector>

#include "ControlRetirement.h"
#include "DragThreshold.h"
#include "KeyModifiers.h"
#include "MControl.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr UINT kReflectBase = 0x2000;  // a reflected message is the original plus this
constexpr DWORD kHoverTimeMs = 400;

CPoint PointOf(LPARAM lparam) { return CPoint(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); }

int CurrentModifierCode() {
    return MakeModifierCode(::GetKeyState(VK_MENU) < 0, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0);
}

bool IsRelayedToTooltip(UINT msg) {
    switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

// The top-level control a move at `point` lands on: the last one (painted on top) that
// takes the pointer there.
MControl* TopmostAt(const std::vector<MControl*>& controls, CPoint point) {
    for (auto it = controls.rbegin(); it != controls.rend(); ++it)
        if (!(*it)->IsDetached() && (*it)->GetRresponse() && (*it)->PtInRect(point)) return *it;
    return nullptr;
}

}  // namespace

LRESULT PaintManager::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    ControlRetirement::Scope scope;
    if (msg == CMTimer::GetTickMessage()) return OnTickMessage(wparam, lparam);
    FollowOwnerWindow(msg, wparam, lparam);

    // Controls see raw messages first; the window's own teardown is never theirs to stop.
    if (msg != WM_DESTROY && msg != WM_NCDESTROY) {
        for (MControl* control : Snapshot(m_controlLock, m_controls))
            if (!control->IsDetached() && control->OnWindowMessage(msg, wparam, lparam)) return 0;
    }

    LRESULT result = 0;
    switch (msg) {
    case WM_PAINT:
        result = OnPaint();
        break;
    case WM_GETMINMAXINFO:
        result = OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
        break;
    case WM_NCDESTROY:
        DestroyData();
        result = 1;
        break;
    case WM_DESTROY:
        result = OnDestroy();
        break;
    case WM_SIZE:
        if (wparam != SIZE_MINIMIZED) WakeTicks();
        result = 1;
        break;
    case WM_CREATE:
    case WM_CHAR:
    case WM_MOUSEHOVER:
        result = 1;
        break;
    case WM_NCACTIVATE:
        result = OnNcActivate(static_cast<BOOL>(wparam));
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        result = OnKeyDown(static_cast<UINT>(wparam));
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        break;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        // Also to an owned popup: an editor over a layered window cannot be its child.
        HWND child = reinterpret_cast<HWND>(lparam);
        if (child && ::IsWindow(child) && IsLive() &&
            (::IsChild(m_hWnd, child) || ::GetWindow(child, GW_OWNER) == m_hWnd))
            return ::SendMessageW(child, msg + kReflectBase, wparam, lparam);
        break;
    }
    case WM_TIMER:
        OnWindowTimer(static_cast<UINT>(wparam));
        break;
    case WM_WINDOWPOSCHANGED:
        // Shown again (from the tray, or restored): what animates starts ticking again.
        // Hidden (to the tray): an on-demand tick stops at once.
        if (lparam && (reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_SHOWWINDOW)) WakeTicks();
        if (lparam && (reinterpret_cast<const WINDOWPOS*>(lparam)->flags & SWP_HIDEWINDOW) && m_bTicksOnDemand)
            KillMTimer();
        break;
    case WM_MOUSEMOVE:
        result = OnMouseMove(static_cast<UINT>(wparam), PointOf(lparam));
        break;
    case WM_LBUTTONDOWN:
        result = OnButtonDown(static_cast<UINT>(wparam), PointOf(lparam), true);
        break;
    case WM_RBUTTONDOWN:
        result = OnButtonDown(static_cast<UINT>(wparam), PointOf(lparam), false);
        break;
    case WM_LBUTTONUP:
        result = OnButtonUp(static_cast<UINT>(wparam), PointOf(lparam), true);
        break;
    case WM_RBUTTONUP:
        result = OnButtonUp(static_cast<UINT>(wparam), PointOf(lparam), false);
        break;
    case WM_LBUTTONDBLCLK:
        result = OnDoubleClick(static_cast<UINT>(wparam), PointOf(lparam), true);
        break;
    case WM_RBUTTONDBLCLK:
        result = OnDoubleClick(static_cast<UINT>(wparam), PointOf(lparam), false);
        break;
    case WM_MOUSEWHEEL:
        result = OnMouseWheel(wparam, lparam);
        break;
    case WM_MOUSELEAVE:
        result = OnMouseLeave();
        break;
    default:
        break;
    }
    return result ? 1 : 0;
}

LRESULT PaintManager::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTracking && IsLive()) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_HOVER, m_hWnd, kHoverTimeMs};
        if (::TrackMouseEvent(&track)) m_bTracking = 1;
    }
    if (m_bDragPending && (flags & MK_LBUTTON) &&
        IsDragStart(m_ptPress, point, ::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG))) {
        m_ptLastMove = point;
        StartDragOut();
        return 1;
    }
    m_ptLastMove = point;

    MControl* const hover = m_pHover;
    // The hover keeps the moves while the pointer stays on it, unless a control painted on
    // top of it now has the pointer (a button over the window's background picture); a
    // press keeps its control whatever lies on top.
    if (hover && hover->PtInRect(point) && hover->OnCheckMouseResponse(flags, point) && m_bTracking &&
        (m_bLeftPressed || TopmostAt(Snapshot(m_controlLock, m_controls), point) == hover)) {
        hover->OnMouseMove(flags, point);
        return 1;
    }
    ClearTooltip();
    if (m_bLeftPressed) return 1;
    if (!m_bTracking) {
        m_pHover = nullptr;
        return 1;
    }
    // Every top-level control hears the move, so that the one just left can drop its hover look.
    MControl* found = nullptr;
    for (MControl* control : Snapshot(m_controlLock, m_controls)) {
        if (control->IsDetached()) continue;
        control->OnMouseMove(flags, point);
        if (!control->IsDetached() && control->GetRresponse() && control->PtInRect(point)) found = control;
    }
    m_pHover = found;
    return 1;
}

LRESULT PaintManager::OnMouseLeave() {
    ClearTooltip();
    m_bTracking = 0;
    if (!m_bLeftPressed) {
        if (MControl* hover = m_pHover) hover->OnMouseMove(0, CPoint(-1, -1));
        m_pHover = nullptr;
    }
    return 1;
}

LRESULT PaintManager::OnButtonDown(UINT flags, CPoint point, bool left) {
    if (left) m_bDoubleClicked = 0;
    MControl* const hover = m_pHover;
    if (m_pFocus && m_pFocus != hover) {
        MControl* old = m_pFocus;
        m_pFocus = nullptr;
        old->SetControlFocus(0);
    }
    if (hover && hover->IsVisible() && hover->GetRresponse() && hover->PtInRect(point) &&
        hover->OnCheckMouseResponse(flags, point)) {
        if (left && hover->IsDragDrop() && hover->IsEnabled()) {
            ClearDragSource();
            m_bDragPending = 1;
            m_pDragSource = hover;
            m_ptPress = point;
            m_hDragBitmap = hover->GetDropBitmap();
        }
        if (left)
            m_bLeftPressed = 1;
        else
            m_bRightPressed = 1;
        SetFocusControl(hover);
        const int handled = left ? hover->OnLButtonDown(flags, point) : hover->OnRButtonDown(flags, point);
        if (!m_bCaptured && m_pHover == hover && hover->OnCheckMouseResponse(flags, point)) {
            SetCapture();
            return 1;
        }
        return handled ? 1 : 0;
    }
    if (left && m_bWndDrag && m_rcCaption.PtInRect(point) && IsLive()) {
        // No control took the press: the system moves the window from here.
        ReleaseCapture();
        POINT screen{point.x, point.y};
        ::ClientToScreen(m_hWnd, &screen);
        ::SendMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    }
    return 1;
}

LRESULT PaintManager::OnButtonUp(UINT flags, CPoint point, bool left) {
    ReleaseCapture();
    if (left) {
        m_bLeftPressed = 0;
        ClearDragSource();
    } else {
        m_bRightPressed = 0;
    }
    MControl* const hover = m_pHover;
    if (hover && hover->IsVisible() && hover->GetRresponse()) {
        const CRect before = hover->GetRect();
        if (left)
            hover->OnLButtonUp(flags, point);
        else
            hover->OnRButtonUp(flags, point);
        if (!before.PtInRect(point) && m_pHover == hover) m_pHover = nullptr;
    }
    if (left) m_bDoubleClicked = 0;
    return 1;
}

// The window gets a double click in place of the second press: the focus, the pressed
// flag and the capture follow it as they follow a press, so that its release comes back
// to this window (and not to a native editor the first press may have put under the pointer).
LRESULT PaintManager::OnDoubleClick(UINT flags, CPoint point, bool left) {
    if (left) m_bDoubleClicked = 1;
    MControl* const hover = m_pHover;
    if (hover && hover->IsVisible() && hover->GetRresponse()) {
        const CRect before = hover->GetRect();
        if (left)
            m_bLeftPressed = 1;
        else
            m_bRightPressed = 1;
        SetFocusControl(hover);
        if (left)
            hover->OnLButtonDblClk(flags, point);
        else
            hover->OnRButtonDblClk(flags, point);
        if (!before.PtInRect(point) && m_pHover == hover)
            m_pHover = nullptr;
        else if (!m_bCaptured && m_pHover == hover && hover->OnCheckMouseResponse(flags, point))
            SetCapture();
    }
    return 1;
}

LRESULT PaintManager::OnMouseWheel(WPARAM wparam, LPARAM lparam) {
    POINT screen{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    if (IsLive()) ::ScreenToClient(m_hWnd, &screen);
    const CPoint point(screen.x, screen.y);
    const int steps = m_wheel.Add(GET_WHEEL_DELTA_WPARAM(wparam));
    const int direction = steps > 0 ? 0 : 1;
    LRESULT result = 0;
    for (int step = 0; step < std::abs(steps); ++step) {
        MControl* const hover = m_pHover;
        bool handled = hover && !hover->IsDetached() && hover->OnScroll(1, direction, point);
        if (!handled) {
            for (MControl* control : Snapshot(m_controlLock, m_controls)) {
                if (control == hover || control->IsDetached()) continue;
                if (control->OnScroll(1, direction, point)) {
                    handled = true;
                    break;
                }
            }
        }
        if (handled) result = 1;
    }
    return result;
}

LRESULT PaintManager::OnKeyDown(UINT key) {
    const UINT modifiers = static_cast<UINT>(CurrentModifierCode());
    MControl* const hover = m_pHover;
    if (hover && hover->OnKeyDown(key, 1, modifiers)) return 1;
    for (MControl* control : Snapshot(m_controlLock, m_controls)) {
        if (control == hover || control->IsDetached()) continue;  // the hover control had its turn
        if (control->OnKeyDown(key, 1, modifiers)) return 1;
    }
    return 0;
}

LRESULT PaintManager::OnNcActivate(BOOL active) {
    if (!active) {
        m_bTracking = 0;
        ReleaseCapture();
        m_bDoubleClicked = 0;
        MControl* const hover = m_pHover;
        if (m_bLeftPressed) {
            m_bLeftPressed = 0;
            if (hover) hover->OnLButtonUp(0, CPoint(-1, -1));
        } else if (hover) {
            hover->OnMouseMove(0, CPoint(-1, -1));
        }
        m_pHover = nullptr;
    }
    CRect client;
    GetClientRect(client);
    InvalidateRect(client, 0);
    return 1;
}

LRESULT PaintManager::OnDestroy() {
    // While the window still exists: no more ticks, timers or drops for it.
    CMTimer::KillTimer();
    {
        LockGuard guard(m_tickLock);
        m_tickControls.clear();
    }
    ClearTimers();
    if (m_registered) RevokeTarget();
    ClearDragSource();
    ClearTooltip();
    return 1;
}

int PaintManager::PreTranslateMessage(MSG* msg) {
    if (!msg || !IsLive() || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return 0;
    ControlRetirement::Scope scope;
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_TAB) {
        const int modifiers = CurrentModifierCode();
        MControl* target = nullptr;
        if (modifiers == kModifierNone)
            target = GetNextFocusableControl();
        else if (modifiers == kModifierShift)
            target = GetPrevFocusableControl();
        if (target && target != m_pFocus) {
            SetFocusControl(target);
            return 1;
        }
        return 0;
    }
    if (m_hToolTip && IsRelayedToTooltip(msg->message))
        ::SendMessageW(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    return 0;
}

}  // namespace Kelvo
