// A store with no file open: before the first open, after a close, and after
// the close at exit while another thread still calls it. Every operation then
// fails softly, leaves the caller's output empty, and the file keeps every byte.
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "File.h"
#include "StoreTestSupport.h"

using namespace storetest;

namespace {

struct Operation {
    const char* name;
    // True when the operation failed the way a closed store must.
    std::function<bool(SettingsDatabase&)> failsSoftly;
};

template <class T>
bool EmptiedList(int (SettingsDatabase::*list)(std::vector<T>&), SettingsDatabase& s) {
    std::vector<T> out(2);
    return (s.*list)(out) == 0 && out.empty();
}

const std::vector<Operation>& EveryOperation() {
    using S = SettingsDatabase;
    static const std::vector<Operation> operations = {
        {"ResetAllTables", [](S& s) { return !s.ResetAllTables(); }},
        {"SetConfigValue", [](S& s) { return !s.SetConfigValue(1, L"dpi_index", L"2"); }},
        {"GetConfigValue", [](S& s) { CString v = L"stale"; return !s.GetConfigValue(1, L"dpi_index", v) && v.IsEmpty(); }},
        {"GetConfigInt", [](S& s) { int v = 42; return !s.GetConfigInt(1, L"dpi_index", v) && v == 42; }},
        {"EnsureProfiles", [](S& s) { return s.EnsureProfiles() == 0; }},
        {"RenameProfile", [](S& s) { return !s.RenameProfile(1, L"x"); }},
        {"GetProfileName", [](S& s) { CString v = L"stale"; return !s.GetProfileName(1, v) && v.IsEmpty(); }},
        {"ListProfiles", [](S& s) { return EmptiedList(&S::ListProfiles, s); }},
        {"SetActiveProfile", [](S& s) { return !s.SetActiveProfile(1); }},
        {"GetActiveProfile", [](S& s) { return s.GetActiveProfile() == 0; }},
        {"SaveKeyAssignment", [](S& s) { KeyAssignment k; k.macro_value = 1; return s.SaveKeyAssignment(k) == 0; }},
        {"GetKeyAssignment", [](S& s) { KeyAssignment k; return !s.GetKeyAssignment(1, 0, 1, k); }},
        {"SetKeyDescription", [](S& s) { return !s.SetKeyDescription(1, 0, 1, L"x"); }},
        {"ListKeyAssignments", [](S& s) { std::vector<KeyAssignment> v(2); return s.ListKeyAssignments(1, 0, v) == 0 && v.empty(); }},
        {"DeleteProfileKeys", [](S& s) { return !s.DeleteProfileKeys(1); }},
        {"AddMacro", [](S& s) { return s.AddMacro(L"m") == 0; }},
        {"AddMacroWithSettings", [](S& s) { return s.AddMacroWithSettings(MacroHeader{}) == 0; }},
        {"CopyMacro", [](S& s) { return s.CopyMacro(1, L"c") == 0; }},
        {"RenameMacro", [](S& s) { return !s.RenameMacro(1, L"x"); }},
        {"UpdateMacro", [](S& s) { return !s.UpdateMacro(MacroHeader{}); }},
        {"GetMacro", [](S& s) { MacroHeader h; return !s.GetMacro(1, h); }},
        {"ListMacros", [](S& s) { return EmptiedList(&S::ListMacros, s); }},
        {"DeleteMacro", [](S& s) { return !s.DeleteMacro(1); }},
        {"AddMacroStep", [](S& s) { return s.AddMacroStep(MacroStep{}) == 0; }},
        {"SaveMacroSteps", [](S& s) { return !s.SaveMacroSteps({MacroStep{}}); }},
        {"ReplaceMacroSteps", [](S& s) { return !s.ReplaceMacroSteps(1, {MacroStep{}}); }},
        {"DeleteMacroSteps", [](S& s) { return !s.DeleteMacroSteps(1); }},
        {"ListMacroSteps", [](S& s) { std::vector<MacroStep> v(2); return s.ListMacroSteps(1, v) == 0 && v.empty(); }},
        {"CountLights", [](S& s) { return s.CountLights(1) == 0; }},
        {"EnsureDefaultLights", [](S& s) { return !s.EnsureDefaultLights(1); }},
        {"DeleteProfileLights", [](S& s) { return !s.DeleteProfileLights(1); }},
        {"AddLight", [](S& s) { return s.AddLight(LightRecord{}) == 0; }},
        {"UpdateLight", [](S& s) { return !s.UpdateLight(1, 0, LightRecord{}); }},
        {"SetLightBrightness", [](S& s) { return !s.SetLightBrightness(1, 0, 1); }},
        {"SetLightSpeed", [](S& s) { return !s.SetLightSpeed(1, 0, 1); }},
        {"SetLightColor", [](S& s) { return !s.SetLightColor(1, 0, 1); }},
        {"SetActiveLightMode", [](S& s) { return !s.SetActiveLightMode(1, 0); }},
        {"GetActiveLightMode", [](S& s) { return s.GetActiveLightMode(1) == 0; }},
        {"GetLight", [](S& s) { LightRecord r; return !s.GetLight(1, 0, r); }},
        {"ListLights", [](S& s) { std::vector<LightRecord> v(2); return s.ListLights(1, v) == 0 && v.empty(); }},
    };
    return operations;
}

// The names of the operations that did not fail softly.
std::vector<std::string> Misbehaving(SettingsDatabase& store) {
    std::vector<std::string> wrong;
    for (const Operation& op : EveryOperation()) {
        if (!op.failsSoftly(store)) wrong.push_back(op.name);
    }
    return wrong;
}

}  // namespace

TEST(ClosedStoreTest, BeforeAnyOpenEveryOperationFailsSoftly) {
    SettingsDatabase store;
    store.SetDeviceType(250);
    EXPECT_FALSE(store.IsOpen());
    EXPECT_EQ(Misbehaving(store), std::vector<std::string>{});
    store.CloseIfOpen();
    EXPECT_EQ(store.DeviceType(), 250);
}

TEST_F(StoreTest, AfterCloseEveryOperationFailsSoftlyAndTheFileIsUntouched) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    ASSERT_GT(m_store.AddMacro(L"kept"), 0);
    m_store.CloseIfOpen();
    std::string bytes = ReadBytes(DbPath());
    EXPECT_EQ(Misbehaving(m_store), std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(DbPath()), bytes);
    EXPECT_FALSE(file::Exists(DbPath() + L"-wal"));
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Value("SELECT value FROM t_configdata WHERE profile = 1 AND key = 'dpi_index'"), "1");
    // A plain close is no farewell: the model's file opens again.
    EXPECT_TRUE(m_store.OpenForDevice(m_folder, L"M1"));
}

// The program's store is closed at exit while the worker may still be
// calling: calls that were running finish, every later call from any thread
// fails softly, and none of them opens the file again.
TEST_F(StoreTest, CallsAfterTheCloseAtExitFailSoftlyOnEveryThread) {
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    std::atomic<bool> closed{false};
    std::vector<std::string> wrong;
    int passesAfterClose = 0;
    std::thread worker([&] {
        while (passesAfterClose < 2) {
            bool closedBefore = closed.load();
            std::vector<ProfileRecord> profiles;
            int n = m_store.ListProfiles(profiles);
            if (n != 5 && n != 0) wrong.push_back("partial list of " + std::to_string(n));
            if (!closedBefore) continue;
            ++passesAfterClose;
            if (n != 0) wrong.push_back("listed after the close");
            if (m_store.OpenForDevice(m_folder, L"M1")) wrong.push_back("opened again");
            for (const std::string& name : Misbehaving(m_store)) wrong.push_back(name);
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    m_store.CloseForGood();
    closed = true;
    std::string bytes = ReadBytes(DbPath());
    worker.join();
    EXPECT_EQ(wrong, std::vector<std::string>{});
    EXPECT_FALSE(m_store.IsOpen());
    EXPECT_EQ(ReadBytes(DbPath()), bytes);
}
