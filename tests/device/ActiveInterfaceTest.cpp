#include "HidLink.h"
#include "HidTestBed.h"

using namespace testbed;
using sim::Family;
using sim::Kind;

namespace {

// One receiver of the output model per mode in `receivers`; `awake` per receiver.
struct ChoiceCase {
    const char* what;
    bool cable;
    bool bluetooth;
    std::vector<int> receiverModes;
    std::vector<bool> awake;
    int expectedMode;
    int expectedIndexPid;  // pid of the chosen interface, 0 for none
};

class ActiveChoiceTest : public HidTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ActiveChoiceTest, ConnectModeAgreesWithTheChosenInterface) {
    const ChoiceCase& c = GetParam();
    if (c.cable) sim::Plug(MakeDevice("cable", Family::kOutput, Kind::kWired, 0xFB01));
    if (c.bluetooth) sim::Plug(MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0xFB05));
    manager->AddFilter(0x248A, 0xFB01, L"", kOutputModel, 0);
    manager->AddFilter(0x248A, 0xFB05, L"", kOutputModel, 2);
    for (std::size_t i = 0; i < c.receiverModes.size(); ++i) {
        std::uint16_t pid = static_cast<std::uint16_t>(0xFB10 + i);
        std::string name = "dongle" + std::to_string(i);
        sim::DeviceSetup d = MakeDevice(name.c_str(), Family::kOutput, Kind::kReceiver, pid, 0xFB01);
        d.mouseAwake = c.awake[i];
        sim::Plug(d);
        manager->AddFilter(0x248A, pid, L"", kOutputModel, c.receiverModes[i]);
    }
    Connect(kOutputModel);

    EXPECT_EQ(manager->ConnectMode(), c.expectedMode) << c.what;
    HidDeviceEntry chosen;
    bool found = manager->ActiveInterface(&chosen);
    EXPECT_EQ(found, c.expectedMode >= 0) << c.what;
    if (found) {
        EXPECT_EQ(chosen.mode, c.expectedMode) << c.what;
        EXPECT_EQ(chosen.pid, c.expectedIndexPid) << c.what;
    }
    EXPECT_EQ(manager->PublishedActiveMode(), c.expectedMode) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Modes, ActiveChoiceTest, ::testing::Values(
    ChoiceCase{"nothing", false, false, {}, {}, -1, 0},
    ChoiceCase{"cable beats everything", true, true, {4, 1}, {true, true}, 0, 0xFB01},
    ChoiceCase{"Bluetooth beats receivers", false, true, {4, 1, 3}, {true, true, true}, 2, 0xFB05},
    ChoiceCase{"receiver order 4, 1, 3", false, false, {3, 1, 4}, {true, true, true}, 4, 0xFB12},
    ChoiceCase{"1 before 3", false, false, {3, 1}, {true, true}, 1, 0xFB11},
    ChoiceCase{"asleep receivers are passed over", false, false, {4, 1, 3}, {false, false, true}, 3, 0xFB12},
    ChoiceCase{"only asleep receivers", false, false, {1, 4}, {false, false}, -1, 0},
    // Two receivers of one mode, the first one's mouse asleep: the second one is used.
    ChoiceCase{"second receiver of a mode", false, false, {1, 1}, {false, true}, 1, 0xFB11}));

TEST_F(HidTest, ActiveInterfaceIsCachedUntilForgotten) {
    sim::Plug(MakeDevice("dongle", Family::kOutput, Kind::kReceiver, 0xFB02, 0xFB01));
    OutputFilters(1);
    Connect(kOutputModel);
    ASSERT_TRUE(manager->ActiveInterface());
    EXPECT_EQ(manager->PublishedActiveMode(), 1);

    manager->SetOnline(kOutputModel, 1, 0);  // the receiver said its mouse is gone
    EXPECT_EQ(manager->ConnectMode(), -1);
    EXPECT_TRUE(manager->ActiveInterface());  // still cached
    manager->ResetActive();
    EXPECT_FALSE(manager->ActiveInterface());
    EXPECT_EQ(manager->PublishedActiveMode(), -1);
}

TEST_F(HidTest, ResetActiveMarksEveryReceiverModeOffline) {
    for (int mode : {1, 3, 4}) {
        SCOPED_TRACE(mode);
        sim::Reset();
        sim::Plug(MakeDevice("dongle", Family::kOutput, Kind::kReceiver, 0xFB02, 0xFB01));
        manager->ClearFilters();
        OutputFilters(mode);
        Connect(kOutputModel);
        ASSERT_EQ(manager->ListOnlineEntries().size(), 1u);
        manager->ResetActive();
        EXPECT_TRUE(manager->ListOnlineEntries().empty());
    }
}

TEST_F(HidTest, ModelChangeForgetsTheActiveInterfaceWithoutClosingIt) {
    sim::Plug(MakeDevice("cable", Family::kOutput, Kind::kWired, 0xFB01));
    OutputFilters();
    Connect(kOutputModel);
    ASSERT_TRUE(manager->ActiveInterface());
    manager->SetCurrentType(kFeatureModel);
    EXPECT_EQ(manager->PublishedActiveMode(), -1);
    EXPECT_FALSE(manager->ActiveInterface());
    manager->SetCurrentType(kOutputModel);
    const std::uint8_t cmd[64] = {0xB5, 0x40};
    HidLink link(*manager);
    ASSERT_TRUE(link);
    EXPECT_TRUE(link.Port().WriteOutput(cmd));  // the handle survived the switch
}

}  // namespace
