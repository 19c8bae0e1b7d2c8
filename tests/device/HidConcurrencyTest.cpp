// The worker transfers while the UI thread changes models and the Bluetooth
// callback reads the active mode: nothing may use an interface another thread
// freed (the sanitizer build would report it).
#include <atomic>
#include <thread>

#include "HidTestBed.h"

using namespace testbed;

namespace {

TEST_F(HidTest, TransfersModelChangesAndReconnectsDoNotTrip) {
    sim::Plug(MakeDevice("cable", sim::Family::kOutput, sim::Kind::kWired, 0xFB01));
    sim::Plug(MakeDevice("dongle", sim::Family::kOutput, sim::Kind::kReceiver, 0xFB02, 0xFB01));
    OutputFilters();
    Connect(kOutputModel);
    std::vector<HidDeviceFilter> filters = manager->Filters();
    std::atomic<bool> done{false};
    std::atomic<int> seen{0};

    std::thread worker([&] {
        for (int i = 0; i < 300; ++i) {
            unsigned char cmd[64] = {0xB5, 0x40, static_cast<unsigned char>(i)};
            manager->WriteReportWaitAck(cmd, 64);
            if (i % 50 == 0) manager->Reconnect(kOutputModel, filters);
        }
        done = true;
    });
    std::thread bluetooth([&] {
        do {
            int mode = manager->PublishedActiveMode();
            seen += mode >= -1 && mode <= 4 ? 1 : 0;
        } while (!done);
    });
    for (int i = 0; !done; ++i) {
        manager->SetCurrentType(i % 2 ? kOutputModel : kFeatureModel);
        manager->ForgetActive();
    }
    worker.join();
    bluetooth.join();
    EXPECT_GT(seen.load(), 0);
    manager->SetCurrentType(kOutputModel);
    EXPECT_EQ(manager->ConnectMode(), 0);
}

}  // namespace
