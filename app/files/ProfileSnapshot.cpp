#include "ProfileSnapshot.h"

namespace {

bool RestoreKeys(SettingsDatabase& store, int profile, const std::vector<KeyAssignment>& keys) {
    bool ok = store.DeleteProfileKeys(profile);
    for (const KeyAssignment& key : keys) ok = store.SaveKeyAssignment(key) > 0 && ok;
    return ok;
}

}  // namespace

bool ProfileSnapshot::Take(SettingsDatabase& store, int profile, const std::vector<CString>& keys) {
    m_profile = profile;
    m_config.clear();
    if (!store.IsOpen()) return false;
    store.ListKeyAssignments(profile, 0, m_keys);
    store.ListLights(profile, m_lights);
    for (const CString& key : keys) {
        CString value;
        if (store.GetConfigValue(profile, key, value)) m_config.emplace_back(key, value);
    }
    return true;
}

bool ProfileSnapshot::Restore(SettingsDatabase& store) const {
    bool ok = RestoreKeys(store, m_profile, m_keys);
    for (const LightRecord& light : m_lights) {
        ok = store.UpdateLight(m_profile, light.mode, light) && ok;
        // A profile without an active mode keeps the one the import chose: the
        // store has no way to clear it, and every profile it creates has one.
        if (light.status == 1) ok = store.SetActiveLightMode(m_profile, light.mode) && ok;
    }
    for (const auto& [key, value] : m_config) ok = store.SetConfigValue(m_profile, key, value) && ok;
    return ok;
}
