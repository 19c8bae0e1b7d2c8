#pragma once
// A second-family mouse on its cable or behind its receiver, with a settings
// store of its own, a session and a listener that records what it is told.
#include <filesystem>
#include <string>
#include <vector>

#include "DialectTestBed.h"
#include "NodicDialect.h"
#include "NodicFrame.h"
#include "PerformanceConfig.h"
#include "SettingsDatabase.h"

namespace nodictest {

using sim::Direction;
using sim::Fault;
using sim::Kind;

struct Connection {
    const char* name;
    Kind kind;
    bool routed() const { return kind == Kind::kReceiver; }
};
inline void PrintTo(const Connection& c, std::ostream* os) { *os << c.name; }
inline const Connection kConnections[] = {{"cable", Kind::kWired}, {"receiver", Kind::kReceiver}};

class Events : public DeviceEventListener {
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

// One frame the host sent: the 64 payload bytes (report id left off).
using Frame = std::vector<std::uint8_t>;

class TaskBed : public testbed::HidTest {
protected:
    void Use(const Connection& c) {
        bool cable = c.kind == Kind::kWired;
        std::uint16_t pid = cable ? 0xFC01 : 0xFC02;
        int model = cable ? testbed::kNodicModel : testbed::kNodicReceiverModel;
        sim::Plug(testbed::MakeDevice("dev", sim::Family::kNodic, c.kind, pid));
        manager->AddFilter(0x248A, pid, L"", model, cable ? 0 : 1);
        Connect(model);
        store.CloseIfOpen();
        OpenStore(model);
        dialect = std::make_unique<NodicDialect>(*manager);
        session.store = &store;
        session.listener = &events;
        session.deviceType = model;
        session.currentProfile = 1;
        sim::ClearLog();
    }
    void OpenStore(int model) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(++opened);
        for (char& ch : name)
            if (ch == '/') ch = '_';
        std::filesystem::path folder = std::filesystem::path("nodic-scratch") / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "db");
        ASSERT_TRUE(store.OpenForDevice(CString(folder.wstring()), L"N2"));
        store.SetDeviceType(model);
        store.EnsureProfiles();
        for (int p = 1; p <= 5; ++p) store.EnsureDefaultLights(p);
    }
    sim::NodicProfile& Flash(int profile = 0) {
        return sim::Memory("mouse")->nodic.profiles[static_cast<std::size_t>(profile)];
    }
    int Config(const CString& key) {
        int value = -999;
        store.GetConfigInt(session.currentProfile, key, value);
        return value;
    }
    // Every frame the host sent, in order.
    static std::vector<Frame> Sent() {
        std::vector<Frame> frames;
        for (const sim::LogRecord& r : sim::Log())
            if (r.direction == Direction::kOut && r.bytes.size() == 65) frames.emplace_back(r.bytes.begin() + 1, r.bytes.end());
        return frames;
    }
    // Byte 0, byte 2 and byte 3 of each frame sent: what was asked of whom.
    static std::vector<std::array<int, 3>> Heads() {
        std::vector<std::array<int, 3>> heads;
        for (const Frame& f : Sent()) heads.push_back({f[0], f[2], f[3]});
        return heads;
    }
    static bool ChecksumsHold() {
        for (const Frame& f : Sent())
            if (f[63] != NodicChecksum(f.data())) return false;
        return true;
    }

    int opened = 0;
    SettingsDatabase store;
    Events events;
    DeviceSession session;
    std::unique_ptr<NodicDialect> dialect;
};

}  // namespace nodictest
