#pragma once
// The pointer side of a push button: the press cycle fed with the control's own mouse
// events, the repaint each change of look asks for, the pressed notification and the
// pointer's shape. The button decides what a completed click means.
#include <windows.h>

#include "Geometry.h"
#include "PressCycle.h"

namespace Kelvo {

class MControl;

class ButtonPress {
public:
    struct Options {
        bool notifyPress = true;   // send 1 on a press inside
        bool anyRelease = false;   // every release inside clicks, wherever the press began
        bool handCursor = false;   // the hand over the button, the arrow elsewhere
    };

    ButtonPress() = default;
    explicit ButtonPress(Options options) : m_options(options) {}

    // 0 normal, 1 hover, 2 pressed.
    int State() const { return m_cycle.state; }
    bool IsPressed() const { return m_cycle.state == PressCycle::kPressed; }
    void Reset() { m_cycle.state = PressCycle::kNormal; }

    // Each does nothing for a disabled control and returns 1 when the look changed, after
    // asking the control's parent for a repaint (redraw 0: every look is in the cache).
    int Move(MControl& control, CPoint point);
    int Down(MControl& control, CPoint point);
    struct Release {
        int changed = 0;
        bool clicked = false;
    };
    Release Up(MControl& control, CPoint point);

private:
    int Changed(MControl& control, bool changed);

    PressCycle m_cycle;
    Options m_options;
};

}  // namespace Kelvo
