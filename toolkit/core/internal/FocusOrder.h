#pragma once
// Tab traversal over one list of controls, by position. `focusable[i]` says whether the
// control at position i may take the focus (visible, enabled and a tab stop); `current`
// is the position of the focus control, or -1 when it is not in the list.

#include <vector>

namespace Kelvo {

// The first focusable position after `current`; when there is none after it, the first
// one from the start (which may be `current` itself). -1 when nothing is focusable.
int NextFocusIndex(const std::vector<bool>& focusable, int current);
// The mirror image: the nearest focusable position before `current`, else the last one.
int PrevFocusIndex(const std::vector<bool>& focusable, int current);

}  // namespace Kelvo
