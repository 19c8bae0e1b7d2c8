#include "AppPreferences.h"

#include "AppPaths.h"
#include "Preferences.h"
#include "WinRegistry.h"

namespace {

template <typename Call>
auto WithPreferences(Call call) {
    WinRegistry registry;
    Preferences preferences(registry);
    return call(preferences);
}

}  // namespace

int ReadSavedLanguage() {
    return WithPreferences([](Preferences& p) { return p.ReadSavedLanguage(); });
}

void SaveLanguage(int lcid) {
    WithPreferences([lcid](Preferences& p) { p.SaveLanguage(lcid); });
}

int ReadDeviceType() {
    return WithPreferences([](Preferences& p) { return p.ReadDeviceType(); });
}

void WriteDeviceType(int deviceType) {
    WithPreferences([deviceType](Preferences& p) { p.WriteDeviceType(deviceType); });
}

bool IsAutorunEnabled() {
    return WithPreferences([](Preferences& p) { return p.IsAutorunEnabled(); });
}

void SetAutorun(bool enabled) {
    WithPreferences([enabled](Preferences& p) { p.SetAutorun(enabled, GetProgramFolder()); });
}
