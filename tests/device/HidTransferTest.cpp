#include <cstring>

#include "HidTestBed.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Kind;

namespace {

class HidTransferTest : public HidTest {
protected:
    void FeatureReceiver(bool awake) {
        sim::DeviceSetup d = MakeDevice("dongle", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01);
        d.mouseAwake = awake;
        sim::Plug(d);
        FeatureFilters();
        Connect(kFeatureModel);
        // A receiver whose mouse sleeps is never chosen; the transfers then have no interface.
        if (!awake) {
            manager->SetOnline(kFeatureModel, 1, 1);
            sim::ClearLog();
        }
    }
    void OutputDevice(Kind kind, bool awake = true) {
        sim::DeviceSetup d = MakeDevice("out", Family::kOutput, kind, kind == Kind::kWired ? 0xFB01 : 0xFB02, 0xFB01);
        d.mouseAwake = awake;
        sim::Plug(d);
        OutputFilters();
        Connect(kOutputModel);
        if (!awake) manager->SetOnline(kOutputModel, 4, 1);
        sim::ClearLog();
    }
};

TEST_F(HidTransferTest, SendFeatureWithReadBackReplacesThePacket) {
    sim::Plug(MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01));
    FeatureFilters();
    Connect(kFeatureModel);
    unsigned char buf[21] = {0x51, 0x06};
    std::uint64_t start = clock.NowMs();
    ASSERT_TRUE(manager->SendFeature(buf, 21, true));
    EXPECT_EQ(buf[1], 0x06);
    EXPECT_EQ(buf[10], 0x00 | 0x08);  // wired work mode, connected
    EXPECT_EQ(buf[11], 80);           // battery
    EXPECT_EQ(Elapsed(start), 10u);   // 5 ms before the send, 5 before the read
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureGet, {0x51}), 1);
}

TEST_F(HidTransferTest, SendFeatureReadBackGivesUpAfterTenReads) {
    sim::Plug(MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01));
    FeatureFilters();
    Connect(kFeatureModel);
    sim::InjectFault("cable", sim::Fault::kNoReply);
    unsigned char buf[21] = {0x51, 0x06};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(manager->SendFeature(buf, 21, true));
    EXPECT_EQ(buf[1], 0x06);
    EXPECT_EQ(buf[10], 0);  // nothing copied
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureGet, {0x51}), 10);
    EXPECT_EQ(Elapsed(start), 5u + 5u + 10u * 5u);
}

TEST_F(HidTransferTest, SendFeatureWaitAckOverAReceiver) {
    FeatureReceiver(true);
    unsigned char buf[21] = {0x51, 0x42, 0x01};
    EXPECT_TRUE(manager->SendFeatureWaitAck(buf, 21));
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x00}), 1);
    EXPECT_EQ(sim::Memory("mouse")->unhandledWrites.count("51_42"), 1u);
}

TEST_F(HidTransferTest, SendFeatureWaitAckFailsAfterTenSilentRounds) {
    FeatureReceiver(false);
    unsigned char buf[21] = {0x51, 0x42, 0x01};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(manager->SendFeatureWaitAck(buf, 21));
    EXPECT_EQ(Elapsed(start), 5u + 5u + 10u * (100u + 200u));
}

TEST_F(HidTransferTest, SendFeatureAckThenGetFetchesTheAnswer) {
    FeatureReceiver(true);
    unsigned char buf[21] = {0x51, 0x06};
    ASSERT_TRUE(manager->SendFeatureAckThenGet(buf, 21));
    EXPECT_EQ(buf[1], 0x06);
    EXPECT_EQ(buf[10], 0x01 | 0x08);  // receiver work mode, connected
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x01}), 1);
}

TEST_F(HidTransferTest, SendFeatureAckThenGetGivesUpAfterFiveRounds) {
    FeatureReceiver(false);
    unsigned char buf[21] = {0x51, 0x06};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(manager->SendFeatureAckThenGet(buf, 21));
    EXPECT_EQ(buf[10], 0);
    EXPECT_EQ(Elapsed(start), 5u + 5u + 5u * (100u + 200u));
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureGet, {0x51}), 0);
}

TEST_F(HidTransferTest, WriteReportWaitAckOnTheCableReturnsRightAfterTheWrite) {
    OutputDevice(Kind::kWired);
    unsigned char buf[64] = {0xB5, 0x40, 0x01};
    std::uint64_t start = clock.NowMs();
    EXPECT_TRUE(manager->WriteReportWaitAck(buf, 64));
    EXPECT_EQ(Elapsed(start), 10u + 2u);  // the discarding read, then one 2 ms pause
    auto log = sim::Log();
    ASSERT_EQ(log.size(), 1u);  // the mouse's confirmation is never read
    EXPECT_EQ(log[0].direction, Direction::kOut);
    EXPECT_EQ(log[0].bytes.size(), 65u);
    EXPECT_EQ(log[0].bytes[64], 0);
}

TEST_F(HidTransferTest, WriteReportWaitAckOverAReceiver) {
    OutputDevice(Kind::kReceiver);
    unsigned char buf[64] = {0xB5, 0x40, 0x01};
    EXPECT_TRUE(manager->WriteReportWaitAck(buf, 64));
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {0xB6, 0xE4}), 1);
}

TEST_F(HidTransferTest, WriteReportWaitAckFailsWhenNoConfirmationComes) {
    OutputDevice(Kind::kReceiver, false);
    unsigned char buf[64] = {0xB5, 0x40, 0x01};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(manager->WriteReportWaitAck(buf, 64));
    EXPECT_EQ(Elapsed(start), 10u + 10u * (2u + 5u + 10u * (20u + 10u)));
    EXPECT_EQ(sim::CountLogged(Direction::kOut, {0xB5, 0x40}), 1);  // written once, never repeated
}

TEST_F(HidTransferTest, WriteReportReadReplyCopiesTheAnswer) {
    OutputDevice(Kind::kReceiver);
    sim::Memory("mouse")->battery = 55;
    unsigned char buf[64] = {0xB3, 0x06};
    ASSERT_TRUE(manager->WriteReportReadReply(buf, 64));
    EXPECT_EQ(buf[0], 0xB4);
    EXPECT_EQ(buf[1], 0x06);
    EXPECT_EQ(buf[20], 55);
}

TEST_F(HidTransferTest, WriteReportReadReplyTriesAHundredTimes) {
    OutputDevice(Kind::kReceiver, false);
    unsigned char buf[64] = {0xB3, 0x06};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(manager->WriteReportReadReply(buf, 64));
    EXPECT_EQ(buf[0], 0xB3);
    EXPECT_EQ(Elapsed(start), 10u + 100u * (2u + 15u));
}

TEST_F(HidTransferTest, NodicExchangeFramesWithChecksumAndReturnsTheAnswer) {
    sim::Plug(MakeDevice("cable", Family::kNodic, Kind::kWired, 0xFC01));
    manager->AddFilter(0x248A, 0xFC01, L"", kNodicModel, 0);
    Connect(kNodicModel);
    sim::ClearLog();
    unsigned char frame[64] = {0x01, 0x00, 0x81, 0x01};
    ASSERT_TRUE(manager->NodicExchange(frame));
    auto log = sim::Log();
    ASSERT_EQ(log.size(), 2u);
    ASSERT_EQ(log[0].bytes.size(), 65u);
    EXPECT_EQ(log[0].bytes[0], 0x00);  // report id 0, then the payload
    EXPECT_EQ(log[0].bytes[64], static_cast<std::uint8_t>(0xA1 - (0x01 + 0x81 + 0x01)));
    EXPECT_EQ(frame[0], 0x01);
    EXPECT_EQ(frame[2] & 0x80, 0x80);
    EXPECT_EQ(frame[11], 80);  // battery of the status block
}

TEST_F(HidTransferTest, EveryTransferFailsWithoutAUsableHandle) {
    sim::Plug(MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0xFB05));
    OutputFilters();
    for (bool opened : {false, true}) {
        SCOPED_TRACE(opened);
        Connect(kOutputModel);
        if (!opened) manager->SetOpened(false);
        unsigned char buf[65] = {0xB5, 0x40};
        EXPECT_FALSE(manager->SendFeature(buf, 21, true));
        EXPECT_FALSE(manager->SendFeatureWaitAck(buf, 21));
        EXPECT_FALSE(manager->SendFeatureAckThenGet(buf, 21));
        EXPECT_FALSE(manager->WriteReportWaitAck(buf, 64));
        EXPECT_FALSE(manager->WriteReportReadReply(buf, 64));
        EXPECT_FALSE(manager->ReadStatusReport(buf));
        EXPECT_FALSE(manager->NodicExchange(buf));
        EXPECT_FALSE(manager->GetNodicDeviceNotify(buf));
        EXPECT_EQ(buf[0], 0xB5);
    }
    EXPECT_TRUE(sim::Log().empty());
}

TEST_F(HidTransferTest, ReadStatusReportFallsBackToReceiversWhoseMouseSleeps) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01);
    d.mouseAwake = false;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFA01, L"", kFeatureModel, 0);
    manager->AddFilter(0x248A, 0xFA02, L"", kFeatureModel, 4);
    Connect(kFeatureModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    unsigned char buf[21] = {};
    EXPECT_FALSE(manager->ReadStatusReport(buf));
    sim::SetMouseAwake("dongle", true);
    ASSERT_TRUE(sim::PressButton("dongle", 3));
    ASSERT_TRUE(manager->ReadStatusReport(buf));  // mode 4 is polled like 1 and 3
    EXPECT_EQ(buf[0], 0x54);
    EXPECT_EQ(buf[1], 0xE2);
    EXPECT_EQ(buf[3], 1);
}

TEST_F(HidTransferTest, SecondFamilyReceiverReportsItsMouseWaking) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02);
    d.mouseAwake = false;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicReceiverModel, 1);
    Connect(kNodicReceiverModel);
    ASSERT_EQ(manager->ConnectMode(), -1);
    unsigned char frame[64] = {};
    EXPECT_FALSE(manager->GetNodicDeviceNotify(frame));
    sim::SetMouseAwake("dongle", true);
    ASSERT_TRUE(manager->GetNodicDeviceNotify(frame));
    EXPECT_EQ(frame[4], 1);
    EXPECT_EQ(manager->ConnectMode(), 1);
    EXPECT_EQ(manager->ListOnlineEntries().size(), 1u);
}

TEST_F(HidTransferTest, SecondFamilyReceiverWithDeviceId0710MovesToTheCableType) {
    sim::DeviceSetup d = MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02);
    d.mouseAwake = false;
    d.receiverId = 0x0710;
    sim::Plug(d);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicReceiverModel, 1);
    Connect(kNodicReceiverModel);
    sim::SetMouseAwake("dongle", true);
    unsigned char frame[64] = {};
    ASSERT_TRUE(manager->GetNodicDeviceNotify(frame));
    EXPECT_TRUE(manager->ListEntries().empty());
    manager->SetCurrentType(kNodicModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    EXPECT_EQ(manager->ListEntries()[0].online, 1);
}

}  // namespace
