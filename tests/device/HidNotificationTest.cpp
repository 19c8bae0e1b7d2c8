// What the mice say unasked: the first family's poll (with what transfers set
// aside) and the second family's, including receivers whose mouse sleeps.
#include "HidTestBed.h"

using namespace testbed;
using sim::Family;
using sim::Kind;

namespace {

class HidNotificationTest : public HidTest {};

TEST_F(HidNotificationTest, ReadStatusReportFallsBackToReceiversWhoseMouseSleeps) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01);
    d.mouseAwake = false;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFA01, L"", kFeatureModel, 0);
    manager->AddFilter(0x248A, 0xFA02, L"", kFeatureModel, 4);
    Connect(kFeatureModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    std::uint8_t buf[21] = {};
    EXPECT_FALSE(manager->ReadStatusReport(buf));
    sim::SetMouseAwake("dongle", true);
    ASSERT_TRUE(sim::PressButton("dongle", 3));
    ASSERT_TRUE(manager->ReadStatusReport(buf));  // mode 4 is polled like 1 and 3
    EXPECT_EQ(buf[0], 0x54);
    EXPECT_EQ(buf[1], 0xE2);
    EXPECT_EQ(buf[3], 1);
}

TEST_F(HidNotificationTest, SetAsideNotificationsComeFirstAndStayWithTheirModel) {
    sim::Plug(MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01));
    FeatureFilters();
    Connect(kFeatureModel);
    const std::uint8_t dpi[] = {0x54, 0xE2, 0x00, 0x01, 0x00, 0x50, 0x03};
    manager->HandOnNotification(dpi, sizeof dpi);
    manager->SetCurrentType(kFeatureModel);  // the same model again: kept
    std::uint8_t buf[21];
    std::fill(std::begin(buf), std::end(buf), 0xEE);
    ASSERT_TRUE(manager->ReadStatusReport(buf));
    EXPECT_EQ(buf[6], 0x03);
    EXPECT_EQ(buf[7], 0x00);  // the rest zero-filled, not left as it was
    manager->HandOnNotification(dpi, sizeof dpi);
    manager->SetCurrentType(kOutputModel);  // another model's poll must not see it
    manager->SetCurrentType(kFeatureModel);
    EXPECT_FALSE(manager->TakeNotification(buf));
}

TEST_F(HidNotificationTest, PollsCopyNoMoreThanTheCallersBuffer) {
    sim::Plug(MakeDevice("out", Family::kOutput, Kind::kWired, 0xFB01));
    OutputFilters();
    Connect(kOutputModel);
    ASSERT_TRUE(sim::PressButton("out", 1));  // a 64-byte report arrives
    auto three = std::make_unique<std::uint8_t[]>(3);  // on the heap, so ASan sees one byte past it
    ASSERT_TRUE(manager->ReadStatusReport(std::span<std::uint8_t>(three.get(), 3)));
    EXPECT_EQ(three[0], 0xB6);
    EXPECT_EQ(three[1], 0xE2);
}

TEST_F(HidNotificationTest, PollsFailWithoutAUsableHandle) {
    sim::Plug(MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0xFB05));
    OutputFilters();
    for (bool opened : {false, true}) {
        SCOPED_TRACE(opened);
        Connect(kOutputModel);
        if (!opened) manager->SetOpened(false);
        std::uint8_t buf[64] = {0xB5, 0x40};
        EXPECT_FALSE(manager->ReadStatusReport(buf));
        EXPECT_FALSE(manager->GetNodicDeviceNotify(buf));
        EXPECT_EQ(buf[0], 0xB5);
    }
    EXPECT_TRUE(sim::Log().empty());
}

TEST_F(HidNotificationTest, SecondFamilyReceiverReportsItsMouseWaking) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02);
    d.mouseAwake = false;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicReceiverModel, 1);
    Connect(kNodicReceiverModel);
    ASSERT_EQ(manager->ConnectMode(), -1);
    std::uint8_t frame[64] = {};
    EXPECT_FALSE(manager->GetNodicDeviceNotify(frame));
    sim::SetMouseAwake("dongle", true);
    ASSERT_TRUE(manager->GetNodicDeviceNotify(frame));
    EXPECT_EQ(frame[4], 1);
    EXPECT_EQ(manager->ConnectMode(), 1);
    EXPECT_EQ(manager->ListOnlineEntries().size(), 1u);
}

TEST_F(HidNotificationTest, SecondFamilyReceiverWithDeviceId0710MovesToTheCableType) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02);
    d.mouseAwake = false;
    d.receiverId = 0x0710;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicReceiverModel, 1);
    Connect(kNodicReceiverModel);
    sim::SetMouseAwake("dongle", true);
    std::uint8_t frame[64] = {};
    ASSERT_TRUE(manager->GetNodicDeviceNotify(frame));
    EXPECT_TRUE(manager->ListEntries().empty());
    manager->SetCurrentType(kNodicModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    EXPECT_EQ(manager->ListEntries()[0].online, 1);
}

}  // namespace
