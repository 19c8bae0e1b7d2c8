// The worker transfers while the UI thread switches models and rebuilds the
// interfaces (as the catalogue load does) and the Bluetooth callback reads the
// active mode. Nothing may use an interface another thread freed (the sanitizer
// build reports it), a write reports success exactly when it reached the mouse, and
// the published mode is only ever one the choice can give.
#include <atomic>
#include <set>
#include <thread>

#include "DialectTestBed.h"
#include "OutputDialect.h"

using namespace testbed;

namespace {

constexpr int kCableModel = kOutputModel;
constexpr int kReceiverModel = kOutputModel + 1;

// Virtual time, but every wait lets the other threads run, so a transfer that waits
// is overtaken by them as a real one would be.
class SteppingClock : public VirtualClock {
public:
    void SleepMs(std::uint32_t ms) override {
        VirtualClock::SleepMs(ms);
        std::this_thread::yield();
    }
};

TEST_F(HidTest, TransfersModelChangesAndReconnectsDoNotTrip) {
    SteppingClock stepping;
    Clock::Install(&stepping);
    sim::Plug(MakeDevice("cable", sim::Family::kOutput, sim::Kind::kWired, 0xFB01));
    // A receiver whose mouse never confirms: each write to it waits out its whole
    // budget, read after read, while the other threads go on.
    sim::DeviceSetup silent = MakeDevice("dongle", sim::Family::kOutput, sim::Kind::kReceiver, 0xFB02, 0xFB01);
    silent.silent = true;
    sim::Plug(silent);
    manager->AddFilter(0x248A, 0xFB01, L"", kCableModel, 0);
    manager->AddFilter(0x248A, 0xFB02, L"", kReceiverModel, 4);
    Connect(kCableModel);
    sim::ClearLog();
    std::vector<HidDeviceFilter> filters = manager->Filters();
    std::atomic<bool> done{false};
    std::atomic<int> written{0};
    std::set<int> seen;  // the Bluetooth thread's alone until it is joined

    std::thread worker([&] {
        OutputDialect dialect(*manager);
        for (int i = 0; !done; ++i) {
            const std::uint8_t cmd[64] = {0xB5, 0x40, static_cast<std::uint8_t>(i)};
            if (dialect.Write(cmd)) ++written;
        }
    });
    std::thread bluetooth([&] {
        do seen.insert(manager->PublishedActiveMode());
        while (!done);
    });
    for (int i = 0; i < 200; ++i) {
        int model = i % 2 ? kCableModel : kReceiverModel;
        if (i % 4 == 0) manager->Reconnect(model, filters);
        else manager->SetCurrentType(model);
        std::this_thread::yield();
    }
    done = true;
    worker.join();
    bluetooth.join();

    for (int mode : seen) EXPECT_TRUE(mode == -1 || mode == 0 || mode == 4) << mode;
    int reachedCable = 0;
    for (const sim::LogRecord& r : sim::Log())
        reachedCable += r.device == "cable" && r.direction == sim::Direction::kOut && r.bytes[1] == 0x40 ? 1 : 0;
    EXPECT_EQ(reachedCable, written.load());  // the silent mouse confirms nothing
    manager->SetCurrentType(kCableModel);
    EXPECT_EQ(manager->ConnectMode(), 0);
    Clock::Install(&clock);
}

}  // namespace
