#pragma once
// A first-family mouse of either dialect, on the cable or behind its receiver,
// with a settings store of its own and a listener that records what it is told.
#include <filesystem>
#include <string>
#include <vector>

#include "DeviceDialect.h"
#include "DialectTestBed.h"
#include "PerformanceConfig.h"
#include "SettingsDatabase.h"

namespace settingstest {

using sim::Direction;
using sim::Family;
using sim::Kind;

struct Connection {
    const char* name;
    Family family;
    Kind kind;
};

inline void PrintTo(const Connection& c, std::ostream* os) { *os << c.name; }

inline const Connection kConnections[] = {
    {"feature cable", Family::kFeature, Kind::kWired},
    {"feature receiver", Family::kFeature, Kind::kReceiver},
    {"output cable", Family::kOutput, Kind::kWired},
    {"output receiver", Family::kOutput, Kind::kReceiver},
};

class RecordingListener : public DeviceEventListener {
public:
    void OnStatusText(int textId) override { events.push_back("text " + std::to_string(textId)); }
    void OnBattery(int level, int state) override {
        events.push_back("battery " + std::to_string(level) + " " + std::to_string(state));
    }
    void OnPagesEnabled(bool enabled) override { events.push_back(enabled ? "pages on" : "pages off"); }
    void OnReloadPage(DevicePage page) override { events.push_back("reload " + std::to_string(static_cast<int>(page))); }
    void OnModelReadFinished(bool ok) override { events.push_back(ok ? "read ok" : "read failed"); }
    bool Saw(const std::string& event) const {
        for (const std::string& e : events)
            if (e == event) return true;
        return false;
    }
    std::vector<std::string> events;
};

class SettingsBed : public testbed::HidTest {
protected:
    void OpenStore(int type) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        std::filesystem::path folder = std::filesystem::path("settings-scratch") / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "db");
        ASSERT_TRUE(store.OpenForDevice(CString(folder.wstring()), L"M1"));
        store.SetDeviceType(type);
        store.EnsureProfiles();
        for (int p = 1; p <= 5; ++p) store.EnsureDefaultLights(p);
    }

    // Plugs the mouse of `c`, opens its store and makes the dialect and session.
    void Use(const Connection& c, sim::DeviceSetup tweak = {}) {
        bool feature = c.family == Family::kFeature;
        bool receiver = c.kind == Kind::kReceiver;
        model = feature ? testbed::kFeatureModel : testbed::kOutputModel;
        std::uint16_t cable = feature ? 0xFA01 : 0xFB01;
        std::uint16_t pid = receiver ? static_cast<std::uint16_t>(cable + 1) : cable;
        sim::DeviceSetup d = testbed::MakeDevice("dev", c.family, c.kind, pid, cable);
        d.echoCommand = tweak.echoCommand;
        d.answerId = tweak.answerId;
        d.profileNotice = tweak.profileNotice;
        sim::Plug(d);
        if (feature) FeatureFilters(); else OutputFilters(1);
        Connect(model);
        OpenStore(model);
        dialect = MakeDialect(*manager, model);
        session.store = &store;
        session.listener = &listener;
        session.deviceType = model;
        session.hasLighting = true;
        sim::ClearLog();
    }

    bool Feature() const { return model == testbed::kFeatureModel; }
    sim::MouseMemory& Mouse() { return *sim::Memory("mouse"); }
    sim::ProfileMemory& MouseProfile(int profile) { return Mouse().profiles[static_cast<std::size_t>(profile - 1)]; }

    void Set(int profile, const CString& key, int value) { ASSERT_TRUE(store.SetConfigValue(profile, key, value)); }
    int Get(int profile, const CString& key) {
        int value = -1;
        store.GetConfigInt(profile, key, value);
        return value;
    }

    // The reports the host sent, as the mouse saw them, that begin with `prefix`.
    std::vector<std::vector<std::uint8_t>> Sent(std::vector<std::uint8_t> prefix) {
        std::vector<std::vector<std::uint8_t>> out;
        Direction d = Feature() ? Direction::kFeatureSet : Direction::kOut;
        for (const sim::LogRecord& r : sim::Log())
            if (r.direction == d && r.bytes.size() >= prefix.size() &&
                std::equal(prefix.begin(), prefix.end(), r.bytes.begin()))
                out.push_back(r.bytes);
        return out;
    }

    int model = 0;
    SettingsDatabase store;
    RecordingListener listener;
    DeviceSession session;
    std::unique_ptr<DeviceDialect> dialect;
};

}  // namespace settingstest
