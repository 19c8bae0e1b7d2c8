#pragma once
// One-of-a-group buttons: checking one unchecks the others of its group. A group is the
// set of siblings (children of the same container) of the same class with equal group
// names, an empty name being a name like any other.
#include <windows.h>

#include "CString.h"
#include "KelvoApi.h"

namespace Kelvo {

class MControl;

// What a control must offer to be unchecked by its group.
class KELVO_API CheckGroupMember {
public:
    virtual ~CheckGroupMember() = default;
    virtual CString GetGroupName() = 0;
    // Check 0 and the normal look, repainted (redraw 0) when visible; no notification.
    virtual void ClearGroupCheck() = 0;
};

// Unchecks every other member of `self`'s group among its siblings: the container's control
// list, or the window's top-level controls when the parent is not a control. Controls of
// class `alsoClass` (when given) with the same group name count as members too. 1; 0 when
// `self` has no parent.
KELVO_API int ResetGroupCheck(MControl* self, const CString& group, const wchar_t* alsoClass = nullptr);

}  // namespace Kelvo
