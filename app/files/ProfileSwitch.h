#pragma once
// The profile requests the profile dialog sends the main window (switch,
// import, export), checked before anything acts on them: the window can be
// found by any process, which can post it any numbers.
#include <cstdint>

#include "CString.h"
#include "SettingsDatabase.h"

enum class ProfileCommandKind { kIgnored, kSwitch, kImport, kExport };

struct ProfileCommand {
    ProfileCommandKind kind = ProfileCommandKind::kIgnored;
    int profile = 0;  // 1 to 5 for a switch or an export; 0 for an import, which goes to the current profile

    friend bool operator==(const ProfileCommand&, const ProfileCommand&) = default;
};

// The message's two parameters: the command (0 switch, 1 import, 2 export) and
// the profile. A switch or export of anything but profiles 1 to 5, and any
// other command, is ignored.
ProfileCommand DecodeProfileCommand(std::intptr_t command, std::intptr_t profile);

// Makes `profile` the active profile and reads its name for the profile button.
// False, with nothing changed, for a profile outside 1 to 5 or one the store
// does not hold. The caller then makes it current and queues kTaskApplyProfile.
bool SwitchProfile(SettingsDatabase& store, int profile, CString& name);
