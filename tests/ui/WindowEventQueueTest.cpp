// The worker's events on their way to the window: kept in order, reloads of a page that
// already waits merged, one wake-up per batch, nothing once the window has gone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Utf.h"
#include "WindowEventQueue.h"

namespace {

class RecordingListener : public DeviceEventListener {
public:
    void OnStatusText(int textId) override { Add("status " + std::to_string(textId)); }
    void OnClearMessage() override { Add("clear"); }
    void OnBattery(int level, int state) override {
        Add("battery " + std::to_string(level) + "/" + std::to_string(state));
    }
    void OnPagesEnabled(bool enabled) override { Add(enabled ? "pages on" : "pages off"); }
    void OnReloadPage(DevicePage page) override { Add("reload " + std::to_string(static_cast<int>(page))); }
    void OnModelReadFinished(bool ok) override { Add(ok ? "read ok" : "read failed"); }
    void OnModelChangeFinished(unsigned generation, bool ok) override {
        Add("change " + std::to_string(generation) + (ok ? " ok" : " failed"));
    }
    void OnModelSelected(int deviceType) override { Add("model " + std::to_string(deviceType)); }
    void OnBluetoothBatteryWanted() override { Add("gatt battery"); }
    void OnCurrentProfileChanged(int profile) override { Add("profile " + std::to_string(profile)); }
    void OnFirmwareVersions(const FirmwareVersions& v) override {
        Add("firmware " + utf::WideToUtf8(v.mouse.str()) + "/" + utf::WideToUtf8(v.receiver.str()) +
            (v.mouseUpgrade ? " m" : "") + (v.receiverUpgrade ? " r" : ""));
    }

    std::string log;

private:
    void Add(const std::string& entry) { log += (log.empty() ? "" : ", ") + entry; }
};

// One step of a case: events fired by the worker, a drain on the UI thread, or a close.
enum class Step { kStatus, kBattery, kReloadKeys, kReloadLighting, kFirmware, kEveryKind, kDrain, kClose };

struct Case {
    const char* name;
    std::vector<Step> steps;
    const char* delivered;
    int wakes;
};

void Fire(WindowEventQueue& queue, RecordingListener& ui, Step step) {
    switch (step) {
    case Step::kStatus: queue.OnStatusText(kTextWired); break;
    case Step::kBattery: queue.OnBattery(80, 1); break;
    case Step::kReloadKeys: queue.OnReloadPage(DevicePage::kKeys); break;
    case Step::kReloadLighting: queue.OnReloadPage(DevicePage::kLighting); break;
    case Step::kFirmware: queue.OnFirmwareVersions(FirmwareVersions{L"1.2.0", L"0.0", true, false}); break;
    case Step::kEveryKind:
        queue.OnClearMessage();
        queue.OnPagesEnabled(false);
        queue.OnModelReadFinished(true);
        queue.OnModelChangeFinished(4000000000u, false);
        queue.OnModelSelected(7);
        queue.OnBluetoothBatteryWanted();
        queue.OnCurrentProfileChanged(3);
        queue.OnBattery(5, kBatteryCleared);
        queue.OnFirmwareVersions(FirmwareVersions{L"1.2.3", L"1.1.0\n2.4G", false, true});
        break;
    case Step::kDrain: queue.Drain(ui); break;
    case Step::kClose: queue.Close(); break;
    }
}

TEST(WindowEventQueue, DeliversInOrderMergesWaitingReloadsAndWakesOncePerBatch) {
    using enum Step;
    const Case cases[] = {
        {"nothing fired", {kDrain}, "", 0},
        {"order kept", {kStatus, kBattery, kReloadKeys, kDrain}, "status 51, battery 80/1, reload 0", 1},
        {"every kind with its arguments", {kEveryKind, kDrain},
         "clear, pages off, read ok, change 4000000000 failed, model 7, gatt battery, profile 3, battery 5/2, "
         "firmware 1.2.3/1.1.0\n2.4G r",
         1},
        {"versions keep their texts from batch to batch", {kFirmware, kEveryKind, kDrain, kFirmware, kDrain},
         "firmware 1.2.0/0.0 m, clear, pages off, read ok, change 4000000000 failed, model 7, gatt battery, "
         "profile 3, battery 5/2, firmware 1.2.3/1.1.0\n2.4G r, firmware 1.2.0/0.0 m",
         2},
        {"a waiting reload takes the next one in", {kReloadKeys, kStatus, kReloadKeys, kDrain},
         "reload 0, status 51", 1},
        {"reloads of other pages stay apart", {kReloadKeys, kReloadLighting, kReloadKeys, kDrain},
         "reload 0, reload 3", 1},
        {"a reload after a drain comes again", {kReloadKeys, kDrain, kReloadKeys, kDrain},
         "reload 0, reload 0", 2},
        {"one wake per empty-to-waiting", {kStatus, kBattery, kDrain, kBattery, kStatus, kDrain},
         "status 51, battery 80/1, battery 80/1, status 51", 2},
        {"a drain of nothing wakes nothing", {kDrain, kDrain, kStatus}, "", 1},
        {"what waits at close is dropped", {kStatus, kClose, kDrain}, "", 1},
        {"nothing after close, not even a wake", {kClose, kStatus, kReloadKeys, kEveryKind, kDrain}, "", 0},
    };
    for (const Case& c : cases) {
        int wakes = 0;
        WindowEventQueue queue([&] {
            ++wakes;
            return true;
        });
        RecordingListener ui;
        for (Step step : c.steps) Fire(queue, ui, step);
        EXPECT_EQ(ui.log, c.delivered) << c.name;
        EXPECT_EQ(wakes, c.wakes) << c.name;
    }
}

TEST(WindowEventQueue, AWakeUpThatCouldNotBeSentIsTriedAgainByTheNextEvent) {
    std::vector<bool> sendResults = {false, true, true};
    size_t wakes = 0;
    WindowEventQueue queue([&] { return sendResults[wakes++]; });
    queue.OnStatusText(kTextWired);
    queue.OnBattery(80, 1);
    queue.OnBattery(70, 1);
    EXPECT_EQ(wakes, 2u);
    RecordingListener ui;
    queue.Drain(ui);
    queue.OnStatusText(kTextNoDevice);
    EXPECT_EQ(wakes, 3u);
    EXPECT_EQ(ui.log, "status 51, battery 80/1, battery 70/1");
}

}  // namespace
