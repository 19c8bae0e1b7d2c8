// Read-everything and apply-profile against the virtual mouse in real time, next
// to the waits the protocol itself mandates for the same sequence (the pauses
// before and after each transfer, 10 ms per button of a whole profile, a second
// before the lighting that follows a profile switch). That floor is measured by
// running the same sequence on a virtual clock, where the mouse answers at once
// and only the mandated waits pass; no implementation can beat it. The ratio
// real / floor shows what the transfers and the store add on top.
// Each real figure is the median of a few runs.
//   device_bench [runs]     (default 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Clock.h"
#include "DeviceDialect.h"
#include "HidDeviceManager.h"
#include "SettingsDatabase.h"
#include "SimControl.h"
#include "hidapi.h"

namespace {

struct Mouse {
    const char* label;
    sim::Family family;
    sim::Kind kind;
    std::uint16_t pid;
    std::uint16_t cablePid;  // the mouse a receiver reports
    int model;
    int mode;
};

const Mouse kMice[] = {
    {"feature dialect, cable", sim::Family::kFeature, sim::Kind::kWired, 0xFA01, 0xFA01, 101, 0},
    {"feature dialect, receiver", sim::Family::kFeature, sim::Kind::kReceiver, 0xFA02, 0xFA01, 101, 1},
    {"output dialect, cable", sim::Family::kOutput, sim::Kind::kWired, 0xFB01, 0xFB01, 301, 0},
    {"output dialect, receiver", sim::Family::kOutput, sim::Kind::kReceiver, 0xFB02, 0xFB01, 301, 1},
};

// One mouse plugged in, its store with a profile of thirteen assigned buttons,
// and a session on them.
class Bench {
public:
    explicit Bench(const Mouse& m) : m_mouse(m) {
        sim::Reset();
        sim::DeviceSetup d;
        d.name = "dev";
        d.family = m.family;
        d.kind = m.kind;
        d.pid = m.pid;
        d.pairedPid = m.cablePid;
        d.mouse = "mouse";
        sim::Plug(d);
        m_manager.SetDescriptorReader(&hid_get_report_descriptor);
        // The model's cable filter too: a receiver is known by the mouse it reports.
        m_manager.AddFilter(0x248A, m.cablePid, L"", m.model, 0);
        if (m.pid != m.cablePid) m_manager.AddFilter(0x248A, m.pid, L"", m.model, m.mode);
        m_manager.Reconnect(m.model, m_manager.Filters());
        std::filesystem::path folder = std::filesystem::temp_directory_path() / "mirevo-device-bench";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "db");
        m_store.SetDeviceType(m.model);
        m_ok = m_store.OpenForDevice(CString(folder.wstring()), L"bench");
        m_store.EnsureProfiles();
        m_store.EnsureDefaultLights(1);
        m_store.SetActiveLightMode(1, 2);
        for (int b = 0; b < 13; ++b) {
            KeyAssignment a;
            a.profile = 1;
            a.key_code = b;
            a.macro_type = 1;
            a.macro_value = 1 + b % 6;
            m_store.SaveKeyAssignment(a);
        }
        m_dialect = MakeDialect(m_manager, m.model);
    }
    ~Bench() { m_store.CloseIfOpen(); }

    bool Ready() const { return m_ok; }

    // A fresh session each time, so the first read-all reads buttons and lighting too.
    DeviceSession Session(bool modelRead) {
        DeviceSession s;
        s.store = &m_store;
        s.deviceType = m_mouse.model;
        s.hasLighting = true;
        s.currentProfile = 1;
        if (modelRead) s.modelsRead.insert(m_mouse.model);
        return s;
    }

    DeviceDialect& Dialect() { return *m_dialect; }

private:
    Mouse m_mouse;
    HidDeviceManager m_manager;
    SettingsDatabase m_store;
    std::unique_ptr<DeviceDialect> m_dialect;
    bool m_ok = false;
};

using Sequence = std::function<bool(Bench&)>;

struct Step {
    const char* label;
    Sequence run;
};

const Step kSteps[] = {
    {"read everything (first)", [](Bench& b) { DeviceSession s = b.Session(false); return b.Dialect().ReadEverything(s); }},
    {"read everything (again)", [](Bench& b) { DeviceSession s = b.Session(true); return b.Dialect().ReadEverything(s); }},
    {"apply profile", [](Bench& b) { DeviceSession s = b.Session(true); return b.Dialect().ApplyProfile(s); }},
};

// The mandated waits: the sequence on a virtual clock.
double FloorMs(Bench& bench, const Sequence& run, bool& ok) {
    VirtualClock clock;
    ScopedClock scoped(clock);
    std::uint64_t start = clock.NowMs();
    ok = run(bench);
    return static_cast<double>(clock.NowMs() - start);
}

double RealMs(Bench& bench, const Sequence& run, int runs, bool& ok) {
    std::vector<double> times;
    ok = true;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        ok = run(bench) && ok;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    if (runs < 1) runs = 1;
    std::printf("%-28s %-26s %10s %10s %7s\n", "mouse", "sequence", "real ms", "floor ms", "ratio");
    for (const Mouse& mouse : kMice) {
        Bench bench(mouse);
        if (!bench.Ready()) {
            std::fprintf(stderr, "cannot open a settings store in the temporary folder\n");
            return 1;
        }
        for (const Step& step : kSteps) {
            bool floorOk = false;
            bool realOk = false;
            double floor = FloorMs(bench, step.run, floorOk);
            double real = RealMs(bench, step.run, runs, realOk);
            std::printf("%-28s %-26s %10.1f %10.1f %7.2f%s\n", mouse.label, step.label, real, floor,
                        floor > 0 ? real / floor : 0.0, floorOk && realOk ? "" : "  (a transfer failed)");
        }
    }
    return 0;
}
