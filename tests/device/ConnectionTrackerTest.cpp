#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ConnectionTracker.h"
#include "HidTestBed.h"
#include "TestPaths.h"

using namespace testbed;
using sim::Family;
using sim::Kind;

namespace {

// Model numbers and ids of the shipped catalogue.
constexpr int kArvoF1 = 101;
constexpr int kArvoR3 = 310;
constexpr int kArvoN2W = 208;

struct RecordingListener : DeviceEventListener {
    void OnStatusText(int textId) override { texts.push_back(textId); }
    void OnBattery(int level, int state) override { battery.push_back(level * 10 + state); }
    void OnPagesEnabled(bool enabled) override { pages = enabled ? 1 : 0; }
    void OnReloadPage(DevicePage) override {}
    void OnModelReadFinished(bool) override {}
    void OnModelSelected(int deviceType) override { selected.push_back(deviceType); }
    void OnBluetoothBatteryWanted() override { ++bluetoothBattery; }
    int LastText() const { return texts.empty() ? 0 : texts.back(); }

    std::vector<int> texts;
    std::vector<int> battery;
    std::vector<int> selected;
    int pages = -1;
    int bluetoothBattery = 0;
};

struct RecordingSink : ModelSwitchSink {
    void OpenModelDatabase(int deviceType) override { calls.push_back("db " + std::to_string(deviceType)); }
    void SetStoreDeviceType(int deviceType) override { calls.push_back("store " + std::to_string(deviceType)); }
    void WriteDeviceType(int deviceType) override { calls.push_back("registry " + std::to_string(deviceType)); }
    std::vector<std::string> calls;
};

class ConnectionTrackerTest : public HidTest {
protected:
    void SetUp() override {
        HidTest::SetUp();
        ASSERT_TRUE(catalogue.LoadConfig(CString(testpaths::Wide(testpaths::Source("assets")).c_str())));
        tracker = std::make_unique<ConnectionTracker>(*manager, catalogue, listener, sink);
    }
    void TearDown() override {
        tracker.reset();
        HidTest::TearDown();
    }
    void PlugF1Cable() { sim::Plug(MakeDevice("f1", Family::kFeature, Kind::kWired, 0x5A01)); }
    void PlugF1Receiver(bool awake) {
        sim::DeviceSetup d = MakeDevice("f1rx", Family::kFeature, Kind::kReceiver, 0xFF12, 0x5A01);
        d.mouseAwake = awake;
        sim::Plug(d);
    }
    CString PathOf(const char* device, std::size_t collection) {
        auto paths = sim::PathsOf(device);
        return collection < paths.size() ? CString(std::wstring(paths[collection].begin(), paths[collection].end()))
                                         : CString();
    }

    DeviceCatalogue catalogue;
    RecordingListener listener;
    RecordingSink sink;
    std::unique_ptr<ConnectionTracker> tracker;
};

TEST_F(ConnectionTrackerTest, StartUpMovesToTheModelThatIsPluggedIn) {
    sim::Plug(MakeDevice("r3", Family::kOutput, Kind::kWired, 0x5B01));
    tracker->SetCurrentType(kArvoF1);
    EXPECT_EQ(tracker->GetConnectDeviceInfo(), kArvoR3);
    EXPECT_EQ(tracker->CurrentType(), kArvoR3);
    EXPECT_EQ(sink.calls, std::vector<std::string>{"registry 310"});
    EXPECT_EQ(listener.selected, std::vector<int>{kArvoR3});
    EXPECT_EQ(manager->CurrentType(), kArvoR3);
}

TEST_F(ConnectionTrackerTest, StartUpKeepsAnOnlineModel) {
    PlugF1Cable();
    sim::Plug(MakeDevice("r3", Family::kOutput, Kind::kWired, 0x5B01));
    tracker->SetCurrentType(kArvoF1);
    EXPECT_EQ(tracker->GetConnectDeviceInfo(), kArvoF1);
    EXPECT_TRUE(sink.calls.empty());
}

TEST_F(ConnectionTrackerTest, StartUpWithNobodyOnlineLeavesTheManagerOnTheChosenModel) {
    PlugF1Receiver(false);
    tracker->SetCurrentType(kArvoF1);
    EXPECT_EQ(tracker->GetConnectDeviceInfo(), kArvoF1);
    EXPECT_EQ(manager->CurrentType(), kArvoF1);
    EXPECT_EQ(manager->ListEntries().size(), 1u);  // the asleep receiver of the chosen model
    tracker->Refresh();
    EXPECT_EQ(listener.LastText(), kTextReceiverNotConnected);
    sim::SetMouseAwake("f1rx", true);
    tracker->Refresh();
    EXPECT_EQ(listener.LastText(), kTextReceiverConnected);  // once awake, it is used
}

struct RefreshCase {
    const char* what;
    std::vector<sim::DeviceSetup> devices;
    int model;
    int text;
    int pages;
    bool present;
    bool connected;
};

class RefreshTest : public ConnectionTrackerTest, public ::testing::WithParamInterface<RefreshCase> {};

TEST_P(RefreshTest, ShowsTheConnectionOfTheCurrentModel) {
    const RefreshCase& c = GetParam();
    for (const sim::DeviceSetup& d : c.devices) sim::Plug(d);
    tracker->SetCurrentType(c.model);
    tracker->Refresh();
    EXPECT_EQ(listener.texts, std::vector<int>{c.text}) << c.what;
    EXPECT_EQ(listener.pages, c.pages) << c.what;
    EXPECT_EQ(listener.battery, std::vector<int>{kBatteryCleared}) << c.what;
    EXPECT_EQ(tracker->DevicePresent(), c.present) << c.what;
    EXPECT_EQ(tracker->Connected(), c.connected) << c.what;
    EXPECT_EQ(listener.bluetoothBattery, c.text == kTextBluetoothConnected ? 1 : 0) << c.what;
}

sim::DeviceSetup Asleep(sim::DeviceSetup d) {
    d.mouseAwake = false;
    return d;
}

INSTANTIATE_TEST_SUITE_P(Connections, RefreshTest, ::testing::Values(
    RefreshCase{"nothing plugged", {}, kArvoF1, kTextNoDevice, 0, false, false},
    RefreshCase{"another model only", {MakeDevice("r3", Family::kOutput, Kind::kWired, 0x5B01)}, kArvoF1, kTextNoDevice, 0,
                false, false},
    RefreshCase{"cable", {MakeDevice("f1", Family::kFeature, Kind::kWired, 0x5A01)}, kArvoF1, kTextWired, 1, true, true},
    RefreshCase{"receiver", {MakeDevice("rx", Family::kFeature, Kind::kReceiver, 0x5A04, 0x5A01)}, kArvoF1,
                kTextReceiverConnected, 1, true, true},
    RefreshCase{"receiver, mouse asleep", {Asleep(MakeDevice("rx", Family::kFeature, Kind::kReceiver, 0xFF12, 0x5A01))},
                kArvoF1, kTextReceiverNotConnected, 0, true, false},
    RefreshCase{"Bluetooth", {MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0x5B02)}, kArvoR3,
                kTextBluetoothConnected, 0, true, false},
    RefreshCase{"second-family receiver", {MakeDevice("n2", Family::kNodic, Kind::kReceiver, 0x5C02)}, kArvoN2W,
                kTextReceiverConnected, 1, true, true}));

TEST_F(ConnectionTrackerTest, ArrivalAndRemovalQueueReconnects) {
    tracker->SetCurrentType(kArvoF1);
    tracker->Refresh();
    EXPECT_EQ(listener.LastText(), kTextNoDevice);

    PlugF1Cable();
    CString vendor = PathOf("f1", 1);
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("f1", 0), DeviceChange::kArrival), kTaskNone);  // pointer collection
    EXPECT_EQ(tracker->UpdateUSBDevice(vendor, DeviceChange::kRemoval), kTaskNone);  // never opened
    ASSERT_EQ(tracker->UpdateUSBDevice(vendor, DeviceChange::kArrival), kTaskReconnectAfterArrival);
    EXPECT_EQ(tracker->LastArrivalMode(), 0);
    tracker->Refresh();
    EXPECT_EQ(listener.LastText(), kTextWired);
    EXPECT_EQ(listener.pages, 1);

    EXPECT_EQ(tracker->UpdateUSBDevice(vendor, DeviceChange::kArrival), kTaskNone);  // already open
    sim::Unplug("f1");
    ASSERT_EQ(tracker->UpdateUSBDevice(vendor, DeviceChange::kRemoval), kTaskReconnectAfterRemoval);
    tracker->Refresh();
    EXPECT_EQ(listener.LastText(), kTextNoDevice);
    EXPECT_EQ(listener.pages, 0);
}

TEST_F(ConnectionTrackerTest, ReceiverArrivalWhileTheSameReceiverIsOpenQueuesNothing) {
    PlugF1Receiver(true);
    tracker->SetCurrentType(kArvoF1);
    tracker->Refresh();
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("f1rx", 1), DeviceChange::kArrival), kTaskNone);
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("f1rx", 1), DeviceChange::kRemoval), kTaskReconnectAfterRemoval);
    EXPECT_EQ(tracker->LastArrivalMode(), 1);
}

TEST_F(ConnectionTrackerTest, BluetoothAndForeignArrivals) {
    tracker->SetCurrentType(kArvoR3);
    tracker->Refresh();
    sim::Plug(MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0x5B02));
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("ble", 0), DeviceChange::kArrival), kTaskReconnectAfterArrival);
    EXPECT_EQ(tracker->LastArrivalMode(), 2);
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("ble", 0), DeviceChange::kRemoval), kTaskReconnectAfterRemoval);
    PlugF1Cable();  // another model's mouse changes nothing
    EXPECT_EQ(tracker->UpdateUSBDevice(PathOf("f1", 1), DeviceChange::kArrival), kTaskNone);
    EXPECT_EQ(tracker->UpdateUSBDevice(CString(), DeviceChange::kArrival), kTaskNone);
}

TEST_F(ConnectionTrackerTest, ModelChangeSwitchesStoreAndRegistryAndForgetsTheInterface) {
    PlugF1Cable();
    tracker->SetCurrentType(kArvoF1);
    tracker->Refresh();
    ASSERT_TRUE(manager->ActiveInterface());
    EXPECT_EQ(tracker->ChangeModel(kArvoR3), kTaskReadAfterModelChange);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"registry 310", "store 310", "db 310"}));
    EXPECT_EQ(manager->CurrentType(), kArvoR3);
    EXPECT_EQ(manager->PublishedActiveMode(), -1);
    EXPECT_EQ(manager->FindEntry(0x248A, 0x5A01, 0), 0);  // nothing closed until the worker reconnects
}

// The UI thread reports device changes and switches models while the worker
// refreshes. The sanitizers catch any state used while another thread replaces it;
// at rest the manager is on the model the tracker holds, whichever call came last.
TEST_F(ConnectionTrackerTest, DeviceChangesAndModelSwitchesMeetRefreshes) {
    PlugF1Cable();
    PlugF1Receiver(true);
    tracker->SetCurrentType(kArvoF1);
    tracker->Refresh();
    const CString cable = PathOf("f1", 1);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) tracker->Refresh();
        done = true;
    });
    int wrongTasks = 0;
    int wrongModes = 0;
    for (int round = 0; !done; ++round) {
        bool arrival = round % 2 == 0;
        int task = tracker->UpdateUSBDevice(cable, arrival ? DeviceChange::kArrival : DeviceChange::kRemoval);
        int expected = arrival ? kTaskReconnectAfterArrival : kTaskReconnectAfterRemoval;
        wrongTasks += task == kTaskNone || task == expected ? 0 : 1;
        int last = tracker->LastArrivalMode();
        wrongModes += last == -1 || last == 0 ? 0 : 1;  // only the cable's path is reported
        if (round % 5 == 0) tracker->ChangeModel(round % 10 ? kArvoR3 : kArvoF1);
        for (const DeviceModeEntry& m : tracker->CurrentModes())
            wrongModes += m.device_type == kArvoF1 || m.device_type == kArvoR3 ? 0 : 1;
    }
    worker.join();
    EXPECT_EQ(wrongTasks, 0);
    EXPECT_EQ(wrongModes, 0);
    EXPECT_EQ(manager->CurrentType(), tracker->CurrentType());
    tracker->ChangeModel(kArvoF1);
    tracker->Refresh();
    EXPECT_TRUE(tracker->Connected());
    EXPECT_EQ(listener.LastText(), kTextWired);
}

TEST(ConnectionTextTest, TextsByWorkModeAndConnection) {
    EXPECT_EQ(ConnectionTextFor(0, false), kTextWired);
    EXPECT_EQ(ConnectionTextFor(1, true), kTextReceiverConnected);
    EXPECT_EQ(ConnectionTextFor(3, false), kTextReceiverNotConnected);
    EXPECT_EQ(ConnectionTextFor(4, true), kTextReceiverConnected);
    EXPECT_EQ(ConnectionTextFor(2, true), kTextBluetoothConnected);
    EXPECT_EQ(ConnectionTextFor(2, false), kTextBluetoothNotConnected);
    EXPECT_EQ(ConnectionTextFor(5, true), 0);
}

}  // namespace
