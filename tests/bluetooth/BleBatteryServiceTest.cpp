// The Bluetooth LE battery against a fake stack: which device's service is used, what
// the battery display is told, and that handles and registrations never outlive their
// refresh or the program.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

#include "BatteryServiceMatch.h"
#include "BleBatteryService.h"
#include "BluetoothBatteryRelay.h"
#include "FakeGattLayer.h"

namespace {

// What the window's posting listener would receive, from any thread.
class RecordingListener : public DeviceEventListener {
public:
    struct Level {
        int level;
        int state;
        bool operator==(const Level&) const = default;
    };
    void OnStatusText(int textId) override { Add("status " + std::to_string(textId)); }
    void OnBattery(int level, int state) override {
        std::lock_guard<std::mutex> guard(m_lock);
        levels.push_back({level, state});
        events.push_back("battery " + std::to_string(level));
    }
    void OnPagesEnabled(bool) override {}
    void OnReloadPage(DevicePage) override {}
    void OnModelReadFinished(bool) override {}
    void OnBluetoothBatteryWanted() override { Add("battery wanted"); }

    std::vector<Level> Levels() {
        std::lock_guard<std::mutex> guard(m_lock);
        return levels;
    }
    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> guard(m_lock);
        return events;
    }

private:
    void Add(std::string event) {
        std::lock_guard<std::mutex> guard(m_lock);
        events.push_back(std::move(event));
    }
    std::mutex m_lock;
    std::vector<Level> levels;
    std::vector<std::string> events;
};

DeviceModeEntry Mode(int mode, int vid, int pid) {
    DeviceModeEntry entry;
    entry.mode_value = mode;
    entry.vid = vid;
    entry.pid = pid;
    return entry;
}

TEST(BluetoothBatteryMatch, TheModelsBluetoothIdsWhenTheCatalogueNamesThemElseTheMakersDevices) {
    const struct {
        const char* why;
        std::vector<DeviceModeEntry> modes;
        const wchar_t* match;
    } cases[] = {
        {"Bluetooth entry", {Mode(0, 0x248A, 0x5B01), Mode(2, 0x248A, 0x5B02)}, L"248A_PID&5B02"},
        {"small ids keep four digits", {Mode(2, 0x0A0B, 0x00C1)}, L"0A0B_PID&00C1"},
        {"no Bluetooth entry", {Mode(0, 0x248A, 0x5C01)}, L"248A_PID"},
        {"Bluetooth entry without ids", {Mode(2, 0, 0)}, L"248A_PID"},
        {"unknown model", {}, L"248A_PID"},
    };
    for (const auto& c : cases) EXPECT_EQ(BatteryServiceMatch(c.modes), CString(c.match)) << c.why;

    EXPECT_TRUE(PathMatches(BatteryPath(L"248a", L"5b02"), L"248A_PID&5B02")) << "paths are lower case on some systems";
    EXPECT_FALSE(PathMatches(BatteryPath(L"248a", L"5b03"), L"248A_PID&5B02"));
    EXPECT_FALSE(PathMatches(BatteryPath(L"046d", L"5b02"), L"248A_PID"));
    EXPECT_FALSE(PathMatches(BatteryPath(L"248a", L"5b02"), L"")) << "an empty match opens nothing";
}

TEST(BluetoothBattery, RefreshOpensOnlyTheMatchingServiceAndShowsWhatItReads) {
    const CString mouse = BatteryPath(L"248A", L"5B02", L"aa");
    const CString sibling = BatteryPath(L"248A", L"5B03", L"bb");  // another model of the maker
    const CString stranger = BatteryPath(L"046D", L"B023", L"cc");
    const CString secondMouse = BatteryPath(L"248A", L"5B02", L"dd");
    const struct {
        const char* why;
        std::vector<CString> paths;
        CString match;
        std::vector<FakeCharacteristic> characteristics;
        bool ok;
        std::vector<CString> kept;  // the open handle's path after the refresh
        std::vector<RecordingListener::Level> levels;
        size_t registrations;
    } cases[] = {
        {"no paired device of ours", {stranger}, L"248A_PID", {{true, true, {0x4B}}}, false, {}, {}, 0},
        {"one byte 0x4B is 75 %", {stranger, mouse}, L"248A_PID&5B02", {{true, true, {0x4B}}}, true, {mouse}, {{75, 0}}, 1},
        {"the current model's device, not its sibling listed later", {mouse, sibling}, L"248A_PID&5B02",
         {{true, true, {0x30}}}, true, {mouse}, {{48, 0}}, 1},
        {"any device of the maker when the catalogue names no id", {sibling}, L"248A_PID", {{true, false, {0x10}}},
         true, {sibling}, {{16, 0}}, 0},
        {"the last of two matches is kept", {mouse, secondMouse}, L"248A_PID&5B02", {{true, true, {0x50}}}, true,
         {secondMouse}, {{80, 0}}, 1},
        {"every byte is shown, the last stays", {mouse}, L"248A_PID", {{true, false, {0x0A, 0x14, 0x63}}}, true,
         {mouse}, {{10, 0}, {20, 0}, {99, 0}}, 0},
        {"readable and notifiable apart", {mouse}, L"248A_PID",
         {{false, true, {}}, {true, false, {0x21}}, {false, false, {0x22}}, {false, true, {}}}, true, {mouse},
         {{33, 0}}, 2},
        {"a service without characteristics", {mouse}, L"248A_PID", {}, false, {mouse}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        FakeGattLayer gatt;
        gatt.paths = c.paths;
        gatt.characteristics = c.characteristics;
        RecordingListener ui;
        BleBatteryService battery(gatt, ui);
        EXPECT_EQ(battery.Refresh(c.match), c.ok);
        EXPECT_EQ(gatt.OpenPaths(), c.kept) << "a superseded handle is closed at once";
        EXPECT_EQ(ui.Levels(), c.levels);
        EXPECT_EQ(gatt.Subscriptions(), c.registrations);
        battery.Release();
        EXPECT_EQ(gatt.OpenHandles(), 0u);
        EXPECT_EQ(gatt.Subscriptions(), 0u);
        EXPECT_EQ(gatt.badCloses, 0);
    }
}

TEST(BluetoothBattery, EachRefreshAndTheEndReleaseWhatTheOneBeforeHeld) {
    FakeGattLayer gatt;
    gatt.paths = {BatteryPath(L"248A", L"5B02")};
    gatt.characteristics = {{true, true, {0x40}}, {false, true, {}}};
    RecordingListener ui;
    {
        BleBatteryService battery(gatt, ui);
        for (int refresh = 1; refresh <= 3; ++refresh) {
            ASSERT_TRUE(battery.Refresh(L"248A_PID&5B02"));
            EXPECT_EQ(gatt.OpenHandles(), 1u) << "refresh " << refresh;
            EXPECT_EQ(gatt.Subscriptions(), 2u) << "refresh " << refresh;
        }
        // The device went: the next refresh finds nothing and holds nothing.
        gatt.paths.clear();
        EXPECT_FALSE(battery.Refresh(L"248A_PID&5B02"));
        EXPECT_EQ(gatt.OpenHandles(), 0u);
        EXPECT_EQ(gatt.Subscriptions(), 0u);
        gatt.paths = {BatteryPath(L"248A", L"5B02")};
        ASSERT_TRUE(battery.Refresh(L"248A_PID&5B02"));
    }
    EXPECT_EQ(gatt.OpenHandles(), 0u) << "the program's end closes the service";
    EXPECT_EQ(gatt.Subscriptions(), 0u);
    EXPECT_EQ(gatt.badCloses, 0);
}

TEST(BluetoothBattery, ChangesFromTheStacksThreadReachTheDisplayOnlyWhileOnBluetooth) {
    FakeGattLayer gatt;
    gatt.paths = {BatteryPath(L"248A", L"5B02")};
    RecordingListener ui;
    BleBatteryService battery(gatt, ui);
    BluetoothBatteryRelay relay(ui, battery, [] { return CString(L"248A_PID&5B02"); });
    relay.OnStatusText(kTextBluetoothConnected);
    relay.OnBluetoothBatteryWanted();
    const std::vector<GattValueCallback> first = gatt.LiveCallbacks();

    const struct {
        const char* step;
        int statusText;  // 0: none before the change
        std::vector<std::uint8_t> value;
        std::vector<RecordingListener::Level> added;
    } steps[] = {
        {"a change on Bluetooth", 0, {0x3C}, {{60, 0}}},
        {"only the first byte", 0, {0x32, 0x63}, {{50, 0}}},
        {"an empty value", 0, {}, {}},
        {"after the mouse moved to its receiver", kTextReceiverConnected, {0x14}, {}},
        {"on the cable", kTextWired, {0x14}, {}},
        {"back on Bluetooth, not yet refreshed", kTextBluetoothNotConnected, {0x1E}, {{30, 0}}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (s.statusText) relay.OnStatusText(s.statusText);
        const size_t before = ui.Levels().size();
        gatt.Change(s.value);
        std::vector<RecordingListener::Level> levels = ui.Levels();
        EXPECT_EQ(std::vector<RecordingListener::Level>(levels.begin() + before, levels.end()), s.added);
    }

    // A callback the stack had picked up before the next refresh, or before the end,
    // reaches nobody.
    relay.OnBluetoothBatteryWanted();
    const size_t before = ui.Levels().size();
    FakeGattLayer::Late(first, {0x05});
    EXPECT_EQ(ui.Levels().size(), before) << "after a refresh";
    const std::vector<GattValueCallback> second = gatt.LiveCallbacks();
    battery.Release();
    FakeGattLayer::Late(second, {0x06});
    EXPECT_EQ(ui.Levels().size(), before) << "after the end";
}

TEST(BluetoothBattery, TheRelayReadsTheServiceOnItsOwnThreadBeforeTheWindowHearsOfIt) {
    FakeGattLayer gatt;
    gatt.paths = {BatteryPath(L"248A", L"5B02")};
    RecordingListener ui;
    BleBatteryService battery(gatt, ui);
    std::vector<int> seenStatus;
    BluetoothBatteryRelay relay(ui, battery, [] { return CString(L"248A_PID"); },
                                [&](int textId) { seenStatus.push_back(textId); });
    std::thread worker([&] {
        relay.OnStatusText(kTextBluetoothConnected);
        relay.OnBluetoothBatteryWanted();
    });
    const std::thread::id workerId = worker.get_id();
    worker.join();
    EXPECT_EQ(gatt.EnumeratedOn(), std::vector<std::thread::id>{workerId});
    EXPECT_EQ(ui.Events(), (std::vector<std::string>{"status 54", "battery 75", "battery wanted"}));
    EXPECT_EQ(seenStatus, std::vector<int>{kTextBluetoothConnected});
}

}  // namespace
