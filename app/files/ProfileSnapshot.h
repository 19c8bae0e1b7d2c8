#pragma once
// What a profile import may change, taken before it starts, so that a store
// failure part-way can be undone and the import changes nothing. The store
// runs each of its operations as one change but offers no transaction around
// several; this puts the old rows back instead.
#include <utility>
#include <vector>

#include "CString.h"
#include "KeyAssignment.h"
#include "LightRecord.h"
#include "SettingsDatabase.h"

class ProfileSnapshot {
public:
    // Reads the profile's button assignments, lighting records (with the active
    // mode) and the values of `keys`. False when the store could not be read.
    bool Take(SettingsDatabase& store, int profile, const std::vector<CString>& keys);
    // Writes all of it back; false when some of it could not be written.
    bool Restore(SettingsDatabase& store) const;

private:
    int m_profile = 0;
    std::vector<KeyAssignment> m_keys;
    std::vector<LightRecord> m_lights;
    std::vector<std::pair<CString, CString>> m_config;
};
