#include "ProfileSwitch.h"

#include "ProfileRecord.h"

namespace {

bool IsProfileNumber(std::intptr_t profile) { return profile >= kFirstProfile && profile <= kLastProfile; }

}  // namespace

ProfileCommand DecodeProfileCommand(std::intptr_t command, std::intptr_t profile) {
    switch (command) {
    case 0:
        if (IsProfileNumber(profile)) return {ProfileCommandKind::kSwitch, static_cast<int>(profile)};
        break;
    case 1:
        return {ProfileCommandKind::kImport, 0};
    case 2:
        if (IsProfileNumber(profile)) return {ProfileCommandKind::kExport, static_cast<int>(profile)};
        break;
    default:
        break;
    }
    return {};
}

bool SwitchProfile(SettingsDatabase& store, int profile, CString& name) {
    if (!IsProfileNumber(profile) || !store.SetActiveProfile(profile)) return false;
    store.GetProfileName(profile, name);
    return true;
}
