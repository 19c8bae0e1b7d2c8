#pragma once
// The check rules the one-of-a-group buttons share, kept on each button's stored check
// and press cycle.
#include "CString.h"
#include "PressCycle.h"

namespace Kelvo {

class MControl;

// The check rules a member keeps on its stored check and press cycle. SetCheck: refused
// while disabled (returns the check); a change shows the normal look, repaints and, when
// it checks, unchecks the rest of the group; no notification.
int SetMemberCheck(MControl& self, const CString& group, int& stored, PressCycle& cycle, int check);
// SetControlCheck (and, with 0, ClearGroupCheck): the check even while disabled, the
// normal look, a repaint, the group left alone.
int ForceMemberCheck(MControl& self, int& stored, PressCycle& cycle, int check);

}  // namespace Kelvo
