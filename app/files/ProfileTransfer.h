#pragma once
// Export of a stored profile to a profile file, and import of a profile file
// into a profile. No dialogs: the caller has chosen the folder or the file,
// and queues the device task that sends an imported profile to the mouse.
#include <cstdint>

#include "CString.h"
#include "DeviceTask.h"
#include "FileOutcome.h"
#include "SettingsDatabase.h"

// The task that sends an imported profile to the mouse, by the same dialect
// rule the worker uses: the feature dialect applies a profile (task 5); the
// output dialect and the second family apply everything (task 17), which the
// feature dialect would ignore.
int DeviceTaskAfterProfileImport(int deviceType);

// Writes profile `profile` (its name, buttons, lighting and performance values,
// all of that one profile) to "<folder>\<name>-<tick>.xml" (ExportFileName.h).
// On success the outcome's path is the file written.
FileOutcome ExportProfile(SettingsDatabase& store, int profile, const CString& folder, std::uint32_t tick);

// Replaces the button assignments of `profile` with those of the file and
// updates its lighting and performance values from the file; the profile keeps
// its name. Every value is checked first and what does not fit is left out and
// listed. Then everything is stored in one transaction, or, when the store
// fails, nothing is changed. A button that plays a macro is kept when this store has a macro of
// the name the file gives it (taken from macro_desc); its identifier is then
// this store's. Lighting values for modes the profile has no record of are
// left out.
FileOutcome ImportProfile(SettingsDatabase& store, int profile, const CString& path);
