#include "ButtonGroup.h"
#include "MemberCheck.h"

#include <vector>

#include "MControl.h"
#include "PaintManager.h"

namespace Kelvo {

int ResetGroupCheck(MControl* self, const CString& group, const wchar_t* alsoClass) {
    if (!self || !self->GetParantObject()) return 0;
    std::vector<MControl*> siblings;
    if (auto* container = dynamic_cast<MControl*>(self->GetParantObject()))
        siblings = container->GetControls();
    else if (PaintManager* manager = self->GetManager())
        siblings = manager->GetControls();
    const wchar_t* ownClass = self->GetClassNameW();
    for (MControl* sibling : siblings) {
        if (sibling == self) continue;
        const bool sameKind = sibling->IsClass(ownClass) || (alsoClass && sibling->IsClass(alsoClass));
        if (!sameKind) continue;
        auto* member = dynamic_cast<CheckGroupMember*>(sibling);
        if (member && member->GetGroupName() == group) member->ClearGroupCheck();
    }
    return 1;
}

int SetMemberCheck(MControl& self, const CString& group, int& stored, PressCycle& cycle, int check) {
    if (!self.IsEnabled()) return stored;
    check = check ? 1 : 0;
    if (check == stored) return stored;
    stored = check;
    cycle.state = PressCycle::kNormal;
    if (check) ResetGroupCheck(&self, group);
    self.UpdateControl(0, 0);
    return stored;
}

int ForceMemberCheck(MControl& self, int& stored, PressCycle& cycle, int check) {
    stored = check ? 1 : 0;
    cycle.state = PressCycle::kNormal;
    self.UpdateControl(0, 0);
    return stored;
}

}  // namespace Kelvo
