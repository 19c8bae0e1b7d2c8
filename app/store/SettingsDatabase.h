#pragma once
// The settings store: the SQLite file of the current mouse model and every
// query on it. The UI thread and the device worker share it; each operation
// holds the store's lock from start to end, and operations that change several
// rows do so in one transaction, so no caller sees a half-done change.
// Nothing throws: failures read as false, 0 or an empty list, and the previous
// data stays in place. With no file open every operation fails that way.
#include <functional>
#include <vector>

#include "CString.h"
#include "KeyAssignment.h"
#include "LightRecord.h"
#include "Lock.h"
#include "MacroRecords.h"
#include "ProfileNaming.h"
#include "ProfileRecord.h"
#include "SQLiteDB.h"

class SettingsDatabase {
public:
    SettingsDatabase() = default;
    // Takes the lock, so a query still running on another thread finishes first.
    ~SettingsDatabase();
    SettingsDatabase(const SettingsDatabase&) = delete;
    SettingsDatabase& operator=(const SettingsDatabase&) = delete;

    // The program's one store; separate instances are for tests and tools.
    // It is never destroyed, since the device worker may still call it while
    // the process exits; its file is closed for good at exit instead.
    static SettingsDatabase& Instance();

    // <data folder>/db/<device_attr>_data7.db; empty for a model name that is
    // not a plain file-name part (see ModelName.h).
    static CString DatabasePath(const CString& dataFolder, const CString& deviceAttr);

    // ---- file lifecycle ----
    // Opens (or creates) the model's file. A connection to the same file is
    // kept; one to another file is closed first. Missing tables are created on
    // every open. A file that is damaged, no database, or holds tables of
    // another layout is renamed aside unchanged (DamagedFile.h), the trace
    // says so, and a fresh file takes its place. A file that cannot be reached
    // (no folder, no permission, locked by another program) is left alone and
    // the open fails. An unsafe model name never reaches the file system.
    bool OpenForDevice(const CString& dataFolder, const CString& deviceAttr);
    // Factory reset: opens the model's file as above, then empties it.
    // True when the file is open and empty.
    bool OpenForDeviceAndReset(const CString& dataFolder, const CString& deviceAttr);
    void CloseIfOpen();
    // Closes the file and refuses every later open, so a thread still calling
    // fails softly instead of reopening it. A query running on another thread
    // finishes first.
    void CloseForGood();
    bool IsOpen() const;
    CString Path() const;
    // Empties every table in one transaction; on failure nothing is removed.
    bool ResetAllTables();
    // Runs `change` (which calls this store's operations) as one transaction
    // under the store's lock: no other thread writes or reads in between, and
    // when `change` returns false or the commit fails, none of it is kept.
    bool RunAsOneChange(const std::function<bool()>& change);

    // The current model's device_type; set whenever the current model is settled.
    // The defaults of new profiles and lighting sets depend on it.
    void SetDeviceType(int deviceType);
    int DeviceType() const;
    // The current model's lighting flag. A model with lighting has the default
    // lighting modes in every profile from the moment its profiles exist, so
    // whoever uses the store first (the program, mirevoctl, a profile import)
    // finds modes to choose from.
    void SetHasLighting(bool hasLighting);
    // Not owned; must outlive the store or be replaced by null. Without one,
    // names read as stored and default profiles use the English word.
    void SetProfileNaming(const ProfileNaming* naming);
    // Where the store's diagnostic notes go (a file set aside, a name refused).
    // Called with the store's lock held, so it must not call the store. Null
    // restores the default: the debugger's output on Windows, nowhere elsewhere.
    using Trace = std::function<void(const CString&)>;
    void SetTrace(Trace trace);

    // ---- configuration values (decimal text per profile and key) ----
    // Updates the row, or inserts it when the profile has none for the key.
    // Refuses a profile outside 1 to 5 and a key that is not one of the 35
    // configuration keys (ConfigDefaults.h).
    bool SetConfigValue(int profile, const CString& key, const CString& value);
    bool SetConfigValue(int profile, const CString& key, int value);
    // False (and `value` empty) when there is no row.
    bool GetConfigValue(int profile, const CString& key, CString& value);
    // False when there is no row or its text is not a decimal number.
    bool GetConfigInt(int profile, const CString& key, int& value);

    // ---- profiles ----
    // Gives the file its five profiles (named "<word> 1" to "<word> 5", each with
    // the default configuration for the current device type) when it has fewer,
    // and makes sure one is active. The only operation that adds profiles. For a
    // model with lighting, every profile without lighting rows also gets the
    // default modes (see EnsureDefaultLights).
    // Returns the active profile, or 0 when the store is closed.
    int EnsureProfiles();
    bool RenameProfile(int profile, const CString& name);
    // Reads the stored name, localised; false when the profile has no row.
    bool GetProfileName(int profile, CString& name);
    // Replaces `profiles` with every profile in stored order; returns the count.
    int ListProfiles(std::vector<ProfileRecord>& profiles);
    // Makes `profile` the only active one; false (nothing changed) when it has no row.
    bool SetActiveProfile(int profile);
    // 0 when none is active.
    int GetActiveProfile();

    // ---- button assignments ----
    // Replaces the stored assignment of the record's (profile, fn_layer, key_code).
    // A record whose macro_value and macro_value2 are both 0 removes the row, so
    // the factory function applies again, and returns 0. Otherwise the new
    // key_id, or 0 with the previous assignment left in place.
    int SaveKeyAssignment(const KeyAssignment& record);
    bool GetKeyAssignment(int profile, int fnLayer, int keyCode, KeyAssignment& record);
    bool SetKeyDescription(int profile, int fnLayer, int keyCode, const CString& text);
    int ListKeyAssignments(int profile, int fnLayer, std::vector<KeyAssignment>& records);
    bool DeleteProfileKeys(int profile);

    // ---- macros ----
    // New macro with play_type 0, play_times 1, delay_type 1, delay_time 0; its id or 0.
    int AddMacro(const CString& name);
    // New macro with the header's settings (its macro_id is ignored); its id or 0.
    int AddMacroWithSettings(const MacroHeader& header);
    // New macro with the source's settings and steps under `name`; its id, or 0
    // with nothing added.
    int CopyMacro(int sourceId, const CString& name);
    bool RenameMacro(int macroId, const CString& name);
    bool UpdateMacro(const MacroHeader& header);
    bool GetMacro(int macroId, MacroHeader& header);
    int ListMacros(std::vector<MacroHeader>& headers);
    // Removes the macro and its steps together. Key assignments naming it stay.
    bool DeleteMacro(int macroId);
    // One step; its record_id or 0.
    int AddMacroStep(const MacroStep& step);
    // Appends the steps (each under its own macro_id) as one change: all of
    // them, or none when one fails. Existing steps are kept.
    bool SaveMacroSteps(const std::vector<MacroStep>& steps);
    // Puts `steps` in place of the macro's steps as one change: no reader sees
    // the macro without steps, and a failure leaves the old steps. Each step is
    // stored under `macroId` with its own record_index.
    bool ReplaceMacroSteps(int macroId, const std::vector<MacroStep>& steps);
    bool DeleteMacroSteps(int macroId);
    // In record_index order; equal indexes keep the order they were stored in.
    int ListMacroSteps(int macroId, std::vector<MacroStep>& steps);

    // ---- lighting ----
    int CountLights(int profile);
    // Creates the default modes 0 to 3 (mode 0 active) for the current device
    // type when the profile has no lighting rows. True when the profile has
    // lighting rows afterwards.
    bool EnsureDefaultLights(int profile);
    bool DeleteProfileLights(int profile);
    int AddLight(const LightRecord& record);
    // Writes every value except name and status.
    bool UpdateLight(int profile, int mode, const LightRecord& record);
    bool SetLightBrightness(int profile, int mode, int value);
    bool SetLightSpeed(int profile, int mode, int value);
    bool SetLightColor(int profile, int mode, int value);
    // Makes `mode` the profile's only active mode; false (nothing changed) when it has no row.
    bool SetActiveLightMode(int profile, int mode);
    // 0 when none is active (mode 0, "off", is also 0).
    int GetActiveLightMode(int profile);
    bool GetLight(int profile, int mode, LightRecord& record);
    int ListLights(int profile, std::vector<LightRecord>& records);

private:
    // Helpers that expect the lock to be held by the caller.
    bool OpenModelLocked(const CString& dataFolder, const CString& deviceAttr);
    bool OpenFileLocked(const CString& path);
    bool OpenVettedLocked(bool existing);
    void TraceLocked(const CString& note) const;
    // False, traced with what holds it, when the connection stays open.
    bool CloseLocked();
    bool ResetLocked();
    int CountProfilesLocked();
    int FirstProfileLocked();
    int AddProfileLocked(const CString& name);
    bool WriteDefaultConfigLocked(int profile);
    bool SetActiveProfileLocked(int profile);
    int GetActiveProfileLocked();
    int AddMacroLocked(const MacroHeader& header);
    int AddMacroStepLocked(int macroId, const MacroStep& step);
    int CountLightsLocked(int profile);
    bool AddDefaultLightsLocked(int profile);
    bool AddDefaultLightsToEveryProfileLocked();
    bool SetActiveLightModeLocked(int profile, int mode);
    int AddLightLocked(const LightRecord& record);
    CString LocalisedLocked(const CString& stored) const;

    SQLiteDB m_db;
    mutable Lock m_lock;
    CString m_path;
    int m_deviceType = 0;
    bool m_hasLighting = false;
    const ProfileNaming* m_naming = nullptr;
    Trace m_trace;
    bool m_closedForGood = false;
};
