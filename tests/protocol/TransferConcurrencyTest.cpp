// The worker transfers while the UI thread changes models and the Bluetooth
// callback reads the active mode. Nothing may use an interface another thread freed
// (the sanitizer build reports it), a write reports success exactly when it
// reached the mouse, and the published mode is only ever one the choice can give.
#include <atomic>
#include <set>
#include <thread>

#include "DialectTestBed.h"
#include "OutputDialect.h"

using namespace testbed;

namespace {

TEST_F(HidTest, TransfersModelChangesAndReconnectsDoNotTrip) {
    sim::Plug(MakeDevice("cable", sim::Family::kOutput, sim::Kind::kWired, 0xFB01));
    sim::Plug(MakeDevice("dongle", sim::Family::kOutput, sim::Kind::kReceiver, 0xFB02, 0xFB01));
    OutputFilters();
    Connect(kOutputModel);
    sim::ClearLog();
    std::vector<HidDeviceFilter> filters = manager->Filters();
    std::atomic<bool> done{false};
    std::atomic<int> written{0};
    std::set<int> seen;  // the Bluetooth thread's alone until it is joined

    std::thread worker([&] {
        OutputDialect dialect(*manager);
        for (int i = 0; i < 300; ++i) {
            const std::uint8_t cmd[64] = {0xB5, 0x40, static_cast<std::uint8_t>(i)};
            if (dialect.Write(cmd)) ++written;
            if (i % 50 == 0) manager->Reconnect(kOutputModel, filters);
        }
        done = true;
    });
    std::thread bluetooth([&] {
        do seen.insert(manager->PublishedActiveMode());
        while (!done);
    });
    for (int i = 0; !done; ++i) {
        manager->SetCurrentType(i % 2 ? kOutputModel : kFeatureModel);
        manager->ForgetActive();
    }
    worker.join();
    bluetooth.join();

    // The cable is always the choice of the output model, and the feature model has nothing.
    for (int mode : seen) EXPECT_TRUE(mode == -1 || mode == 0) << mode;
    EXPECT_EQ(sim::CountLogged(sim::Direction::kOut, {0xB5, 0x40}), written.load());
    manager->SetCurrentType(kOutputModel);
    EXPECT_EQ(manager->ConnectMode(), 0);
}

}  // namespace
