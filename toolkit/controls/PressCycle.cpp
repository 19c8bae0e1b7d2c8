#include "PressCycle.h"

namespace Kelvo {

bool PressCycle::Move(bool inside) {
    if (state == kPressed) return false;
    const int next = inside ? kHover : kNormal;
    const bool changed = next != state;
    state = next;
    return changed;
}

bool PressCycle::Down(bool inside) {
    if (!inside) return false;
    const bool changed = state != kPressed;
    state = kPressed;
    return changed;
}

PressCycle::Release PressCycle::Up(bool inside, bool anyRelease) {
    Release release;
    const int before = state;
    state = inside ? kHover : kNormal;
    release.changed = state != before;
    release.clicked = inside && (before == kPressed || anyRelease);
    return release;
}

}  // namespace Kelvo
