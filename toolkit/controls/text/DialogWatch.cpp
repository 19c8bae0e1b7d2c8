#include "DialogWatch.h"

namespace Kelvo {

POINT DialogCorner(HWND dialog) {
    RECT rect{};
    if (dialog) ::GetWindowRect(dialog, &rect);
    return POINT{rect.left, rect.top};
}

bool DialogLeavesEditor(UINT msg, WPARAM wparam, LPARAM lparam, POINT corner) {
    switch (msg) {
    case WM_SHOWWINDOW:
    case WM_ENABLE:
        return wparam == FALSE;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
        if (!pos) return false;
        if (pos->flags & SWP_HIDEWINDOW) return true;
        // Raising or activating the dialog sends this too; only a real move counts.
        return !(pos->flags & SWP_NOMOVE) && (pos->x != corner.x || pos->y != corner.y);
    }
    default:
        return false;
    }
}

}  // namespace Kelvo
