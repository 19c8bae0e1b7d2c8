#pragma once
// A press whose release never reached the button: a second click of a double click is
// not captured by the window, so a release outside the button goes elsewhere. The next
// move shows the left button up; the press then ends there, without a click.
#include <windows.h>

#include "PressCycle.h"

namespace Kelvo {

// True when `cycle` was pressed and `moveFlags` (the key flags of a mouse move) say the
// left button is up; the cycle is then back to normal.
inline bool ForgetLostRelease(PressCycle& cycle, UINT moveFlags) {
    if (cycle.state != PressCycle::kPressed || (moveFlags & MK_LBUTTON)) return false;
    cycle.state = PressCycle::kNormal;
    return true;
}

}  // namespace Kelvo
