// How mouse, wheel, key and timer events travel down a control's own child tree. The
// paint manager calls these entry points on top-level controls with window points; a
// scrolling container translates the point for its children (OnMousePointChange),
// except for its own scroll bars, IDs 1 and 2, which live in window coordinates.
//
// Walks go over a copy of the child list and skip children detached meanwhile, so a
// handler may remove controls (even itself) while the walk goes on.
#include "ControlRetirement.h"
#include "MControl.h"
#include "PaintManager.h"

namespace Kelvo {

CPoint MControl::ChildPoint(const MControl* child, const CPoint& windowPoint, const CPoint& contentPoint) const {
    return child->m_uControlID == 1 || child->m_uControlID == 2 ? windowPoint : contentPoint;
}

int MControl::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bVisible || !m_bResponse) return 0;
    ControlRetirement::Scope scope;
    const CPoint outer = point;  // in the space of this control's own rectangle
    OnMousePointChange(point);

    if (MControl* hot = m_pHotChild) {
        const CPoint p = ChildPoint(hot, outer, point);
        if (hot->PtInRect(p) && hot->OnCheckMouseResponse(flags, p)) return hot->OnMouseMove(flags, p);
        if (m_bPressedInside) return hot->OnMouseMove(flags, p);  // the child that took the press keeps it
    }
    MControl* const previousHot = m_pHotChild;
    m_pHotChild = nullptr;

    const bool inside = m_rcControl.PtInRect(outer) && m_bVisible;
    if (!m_strTooltip.IsEmpty() && inside && OnCheckMouseResponse(flags, point) && m_pManager &&
        m_pManager->GetTooltipCtrlID() != static_cast<int>(m_uControlID))
        m_pManager->SetTooltip(m_strTooltip, m_rcControl, this);

    OnControlSetCursor(flags, point);
    int result = OnControlMouseMove(flags, point);
    if (m_bTrackOutside) m_bMouseOutside = inside ? 0 : 1;
    if (m_bPressedInside) return result;

    for (MControl* child : SnapshotControls()) {
        if (child->m_bDetached) continue;
        const CPoint p = ChildPoint(child, outer, point);
        if (child->OnMouseMove(flags, p)) {
            if (!child->m_bDetached && child->PtInRect(p)) m_pHotChild = child;
            result = 1;
        }
    }
    return m_pHotChild || previousHot ? 1 : result;
}

int MControl::RoutePress(UINT flags, CPoint point, bool left) {
    if (!m_bVisible || !m_bResponse) return 0;
    ControlRetirement::Scope scope;
    const CPoint outer = point;
    OnMousePointChange(point);
    m_bPressedInside = m_rcControl.PtInRect(outer) ? 1 : 0;

    MControl* hot = nullptr;
    for (MControl* child : SnapshotControls()) {
        if (child->m_bDetached) continue;
        const CPoint p = ChildPoint(child, outer, point);
        if (child->PtInRect(p) && child->m_bVisible && child->m_bEnabled && child->m_bResponse) hot = child;
    }
    m_pHotChild = hot;
    if (hot) {
        const CPoint p = ChildPoint(hot, outer, point);
        return left ? hot->OnLButtonDown(flags, p) : hot->OnRButtonDown(flags, p);
    }
    if (m_pManager && m_pManager->GetFocusControl() != this) m_pManager->SetFocusControl(this);
    return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
}

int MControl::RouteRelease(UINT flags, CPoint point, bool left) {
    if (!m_bVisible || !m_bResponse) return 0;
    ControlRetirement::Scope scope;
    const CPoint outer = point;
    OnMousePointChange(point);
    m_bPressedInside = 0;
    if (MControl* hot = m_pHotChild) {
        const CPoint p = ChildPoint(hot, outer, point);
        return left ? hot->OnLButtonUp(flags, p) : hot->OnRButtonUp(flags, p);
    }
    return left ? OnControlLButtonUp(flags, point) : OnControlRButtonUp(flags, point);
}

int MControl::RouteDoubleClick(UINT flags, CPoint point, bool left) {
    if (!m_bVisible || !m_bResponse) return 0;
    ControlRetirement::Scope scope;
    const CPoint outer = point;
    OnMousePointChange(point);
    m_bPressedInside = 0;
    if (MControl* hot = m_pHotChild) {
        // The child applies the double-click flag itself: one that takes no double clicks
        // turns the second click into a press there, exactly once.
        const CPoint p = ChildPoint(hot, outer, point);
        return left ? hot->OnLButtonDblClk(flags, p) : hot->OnRButtonDblClk(flags, p);
    }
    if (!m_bDblClk) return left ? OnControlLButtonDown(flags, point) : OnControlRButtonDown(flags, point);
    if (m_bNotifyDblClk && m_rcControl.PtInRect(outer)) {
        CPoint notified = point;
        SendMessageW(kNotifyDoubleClicked, flags, reinterpret_cast<LPARAM>(&notified));
    }
    return left ? OnControlLButtonDblClk(flags, point) : OnControlRButtonDblClk(flags, point);
}

int MControl::OnLButtonDown(UINT flags, CPoint point) { return RoutePress(flags, point, true); }
int MControl::OnRButtonDown(UINT flags, CPoint point) { return RoutePress(flags, point, false); }
int MControl::OnLButtonUp(UINT flags, CPoint point) { return RouteRelease(flags, point, true); }
int MControl::OnRButtonUp(UINT flags, CPoint point) { return RouteRelease(flags, point, false); }
int MControl::OnLButtonDblClk(UINT flags, CPoint point) { return RouteDoubleClick(flags, point, true); }
int MControl::OnRButtonDblClk(UINT flags, CPoint point) { return RouteDoubleClick(flags, point, false); }

int MControl::OnScroll(int bar, int direction, CPoint point) {
    if (!m_bVisible || !m_bResponse || !m_bEnabled) return 0;
    ControlRetirement::Scope scope;
    const CPoint outer = point;
    OnMousePointChange(point);
    if (MControl* hot = m_pHotChild) {
        const CPoint p = ChildPoint(hot, outer, point);
        if (hot->PtInRect(p) && hot->OnCheckMouseResponse(0, p)) return hot->OnScroll(bar, direction, p);
    }
    if (!m_rcControl.PtInRect(outer)) return 0;
    if (OnControlScroll(bar, direction, point)) return 1;
    for (MControl* child : SnapshotControls()) {
        if (child->m_bDetached) continue;
        const CPoint p = ChildPoint(child, outer, point);
        if (child->PtInRect(p) && child->OnScroll(bar, direction, p)) return 1;
    }
    return 0;
}

void MControl::NotifyKeyHandled(UINT key, UINT modifiers) {
    if (m_bNotifyHotKey) SendMessageW(kNotifyKeyHandled, key, modifiers);
}

int MControl::OnKeyDown(UINT key, UINT repeat, UINT modifiers) {
    if (!m_bVisible || !m_bResponse) return 0;
    ControlRetirement::Scope scope;
    const std::vector<MControl*> children = SnapshotControls();
    for (MControl* child : children)
        if (!child->m_bDetached && child->m_bFocused) return child->OnKeyDown(key, repeat, modifiers);

    MControl* const hot = m_pHotChild;
    if (hot && hot->OnKeyDown(key, repeat, modifiers)) return 1;
    if (OnControlKeyDown(key, repeat, modifiers)) {
        NotifyKeyHandled(key, modifiers);
        return 1;
    }
    for (MControl* child : children) {
        if (child->m_bDetached || child == hot) continue;  // the hot child had its turn
        if (child->OnKeyDown(key, repeat, modifiers)) {
            NotifyKeyHandled(key, modifiers);
            return 1;
        }
    }
    NotifyKeyHandled(key, modifiers);
    return 0;
}

int MControl::OnKeyUp(UINT, UINT, UINT) { return 0; }

int MControl::OnTimer() {
    ControlRetirement::Scope scope;
    int result = OnControlTimer() ? 1 : 0;
    for (MControl* child : SnapshotControls())
        if (!child->m_bDetached && child->m_bRunTimer && child->m_bVisible && child->OnTimer()) result = 1;
    return result;
}

}  // namespace Kelvo
