#include "FocusOrder.h"

namespace Kelvo {

int NextFocusIndex(const std::vector<bool>& focusable, int current) {
    const int count = static_cast<int>(focusable.size());
    if (current < -1 || current >= count) current = -1;
    for (int i = current + 1; i < count; ++i)
        if (focusable[i]) return i;
    for (int i = 0; i <= current; ++i)
        if (focusable[i]) return i;
    return -1;
}

int PrevFocusIndex(const std::vector<bool>& focusable, int current) {
    const int count = static_cast<int>(focusable.size());
    if (current < 0 || current >= count) current = count;
    for (int i = current - 1; i >= 0; --i)
        if (focusable[i]) return i;
    for (int i = count - 1; i >= current; --i)
        if (focusable[i]) return i;
    return -1;
}

}  // namespace Kelvo
