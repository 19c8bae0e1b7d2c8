#include "ProfileTransfer.h"

#include <optional>
#include <string>
#include <vector>

#include "ExportFileName.h"
#include "ExportWriter.h"
#include "ImportReader.h"
#include "ImportedDocument.h"
#include "ProfileFile.h"
#include "ProfileRecord.h"
#include "ProtocolFamily.h"

namespace {

constexpr int kMacroFunction = 4;
constexpr const wchar_t* kStoreClosed = L"it is not open";

CString Number(int value) { return CString(std::to_wstring(value)); }
// Plan values passed their check, so they are numbers.
int IntOf(const CString& text) { return static_cast<int>(ParseDecimal(text.str()).value_or(0)); }

bool IsProfileNumber(int profile) { return profile >= kFirstProfile && profile <= kLastProfile; }

ProfileFileContent ReadStoredProfile(SettingsDatabase& store, int profile, const CString& name) {
    ProfileFileContent content;
    content.name = name;
    store.ListKeyAssignments(profile, 0, content.keys);
    content.lightMode = store.GetActiveLightMode(profile);
    store.ListLights(profile, content.lights);
    for (const CString& key : ProfileFileConfigKeys()) {
        CString value;
        store.GetConfigValue(profile, key, value);  // a missing value is written empty
        content.config[key] = value;
    }
    return content;
}

// The macro a button of the file plays, as one of this store: the same
// identifier when the name agrees, else the first macro of that name. Macro
// identifiers belong to the file's store, so one without its name may be any
// other macro here.
std::optional<int> MacroHere(const std::vector<MacroHeader>& macros, int fileId, const CString& name) {
    for (const MacroHeader& m : macros) {
        if (m.macro_id == fileId && m.name == name) return m.macro_id;
    }
    for (const MacroHeader& m : macros) {
        if (m.name == name) return m.macro_id;
    }
    return std::nullopt;
}

// What an import will write, every value already checked against the store.
struct ImportPlan {
    std::vector<KeyAssignment> keys;
    std::optional<int> lightMode;
    std::vector<LightRecord> lights;  // whole records as stored, with the file's values
    std::vector<std::pair<CString, CString>> config;
};

void Skip(FileOutcome& outcome, const wchar_t* where, const wchar_t* attribute, int value, SkipReason reason) {
    outcome.skipped.push_back(SkippedValue{CString(L"profile/profileinfo/") + where, attribute, Number(value), reason});
}

void PlanKeys(SettingsDatabase& store, int profile, const ProfileFileContent& content, ImportPlan& plan,
              FileOutcome& outcome) {
    std::vector<MacroHeader> macros;
    store.ListMacros(macros);
    for (KeyAssignment key : content.keys) {
        key.profile = profile;
        key.fn_layer = 0;
        if (key.macro_type == kMacroFunction) {
            std::optional<int> id = MacroHere(macros, key.macro_value, key.macro_desc);
            if (!id) {
                Skip(outcome, L"keyitems/item", L"macro_value", key.macro_value, SkipReason::kUnknownMacro);
                continue;
            }
            key.macro_value = *id;
        }
        // The store keeps no row for a function without parameters: the button
        // falls back to its factory function, which the cleared profile gives it anyway.
        if (key.macro_value == 0 && key.macro_value2 == 0) continue;
        plan.keys.push_back(key);
    }
}

void PlanLights(SettingsDatabase& store, int profile, const ProfileFileContent& content, ImportPlan& plan,
                FileOutcome& outcome) {
    LightRecord stored;
    if (content.lightMode) {
        if (store.GetLight(profile, *content.lightMode, stored)) plan.lightMode = content.lightMode;
        else Skip(outcome, L"Lightitems", L"lightmode", *content.lightMode, SkipReason::kNoLightingMode);
    }
    for (const LightRecord& light : content.lights) {
        if (!store.GetLight(profile, light.mode, stored)) {
            Skip(outcome, L"Lightitems/item", L"light_mode", light.mode, SkipReason::kNoLightingMode);
            continue;
        }
        stored.brightness = light.brightness;
        stored.speed = light.speed;
        stored.direction = light.direction;
        stored.colorful = light.colorful;
        stored.colorindex = light.colorindex;
        stored.color_value = light.color_value;
        plan.lights.push_back(stored);
    }
}

void PlanConfig(SettingsDatabase& store, int profile, const ProfileFileContent& content, ImportPlan& plan,
                FileOutcome& outcome) {
    // The current level must be one of the levels the profile will have.
    int count = 0;
    auto countIt = content.config.find(L"dpi_count");
    if (countIt != content.config.end()) count = IntOf(countIt->second);
    else store.GetConfigInt(profile, L"dpi_count", count);
    for (const auto& [key, value] : content.config) {
        if (key == L"dpi_index" && IntOf(value) >= count) {
            Skip(outcome, L"Mouse_DPI", L"dpi_index", IntOf(value), SkipReason::kOutOfRange);
            continue;
        }
        plan.config.emplace_back(key, value);
    }
}

bool Apply(SettingsDatabase& store, int profile, const ImportPlan& plan) {
    if (!store.DeleteProfileKeys(profile)) return false;
    for (const KeyAssignment& key : plan.keys) {
        if (store.SaveKeyAssignment(key) <= 0) return false;
    }
    if (plan.lightMode && !store.SetActiveLightMode(profile, *plan.lightMode)) return false;
    for (const LightRecord& light : plan.lights) {
        if (!store.UpdateLight(profile, light.mode, light)) return false;
    }
    for (const auto& [key, value] : plan.config) {
        if (!store.SetConfigValue(profile, key, value)) return false;
    }
    return true;
}

}  // namespace

int DeviceTaskAfterProfileImport(int deviceType) {
    return FamilyOf(deviceType) == ProtocolFamily::kFeatureReport ? kTaskApplyProfile : kTaskApplyEverything;
}

FileOutcome ExportProfile(SettingsDatabase& store, int profile, const CString& folder, std::uint32_t tick) {
    if (!store.IsOpen()) return FileOutcome::Failure(FileProblem::kStoreRefused, folder, kStoreClosed);
    CString name;
    if (!IsProfileNumber(profile) || !store.GetProfileName(profile, name)) {
        return FileOutcome::Failure(FileProblem::kNoSuchProfile, folder, Number(profile));
    }
    XmlDocument doc;
    BuildProfileDocument(ReadStoredProfile(store, profile, name), doc);
    return WriteExport(doc, folder, ExportFilePath(folder, name, tick));
}

FileOutcome ImportProfile(SettingsDatabase& store, int profile, const CString& path) {
    std::string bytes;
    FileOutcome outcome = ReadImportFile(path, bytes);
    if (!outcome.Ok()) return outcome;
    ProfileFileContent content;
    outcome = ReadProfileFile(bytes, path, content);
    if (!outcome.Ok()) return outcome;
    if (!store.IsOpen()) return FileOutcome::Failure(FileProblem::kStoreRefused, path, kStoreClosed);
    CString name;
    if (!IsProfileNumber(profile) || !store.GetProfileName(profile, name)) {
        return FileOutcome::Failure(FileProblem::kNoSuchProfile, path, Number(profile));
    }

    ImportPlan plan;
    PlanKeys(store, profile, content, plan, outcome);
    PlanLights(store, profile, content, plan, outcome);
    PlanConfig(store, profile, content, plan, outcome);

    // One transaction: a failure part-way leaves the profile as it was, and
    // nothing the device worker stores can land between the import's writes.
    if (!store.RunAsOneChange([&] { return Apply(store, profile, plan); })) {
        return FileOutcome::Failure(FileProblem::kStoreRefused, path, L"writing profile " + Number(profile));
    }
    return outcome;
}
