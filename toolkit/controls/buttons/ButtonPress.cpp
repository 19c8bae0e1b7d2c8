#include "ButtonPress.h"

#include "MControl.h"

namespace Kelvo {

namespace {

void ShowCursor(bool hand) { ::SetCursor(::LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW)); }

}  // namespace

int ButtonPress::Changed(MControl& control, bool changed) {
    if (!changed) return 0;
    control.UpdateControl(0, 0);
    return 1;
}

int ButtonPress::Move(MControl& control, CPoint point) {
    if (!control.IsEnabled()) return 0;
    const bool inside = control.GetRect().PtInRect(point) != 0;
    if (m_options.handCursor) ShowCursor(inside);
    return Changed(control, m_cycle.Move(inside));
}

int ButtonPress::Down(MControl& control, CPoint point) {
    if (!control.IsEnabled() || !control.GetRect().PtInRect(point)) return 0;
    if (m_options.handCursor) ShowCursor(true);
    const int changed = Changed(control, m_cycle.Down(true));
    if (m_options.notifyPress) control.SendMessageW(kNotifyPressed, 0, 0);
    return changed;
}

ButtonPress::Release ButtonPress::Up(MControl& control, CPoint point) {
    Release release;
    if (!control.IsEnabled()) return release;
    const PressCycle::Release cycle = m_cycle.Up(control.GetRect().PtInRect(point) != 0, m_options.anyRelease);
    release.changed = Changed(control, cycle.changed);
    release.clicked = cycle.clicked;
    return release;
}

}  // namespace Kelvo
