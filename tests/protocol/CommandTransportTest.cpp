#include <cstring>

#include "CommandTransport.h"
#include "HidTestBed.h"
#include "NodicFrame.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Fault;
using sim::Kind;

namespace {

class CommandTransportTest : public HidTest {
protected:
    void Feature(Kind kind) {
        sim::Plug(MakeDevice("dev", Family::kFeature, kind, kind == Kind::kWired ? 0xFA01 : 0xFA02, 0xFA01));
        FeatureFilters();
        Connect(kFeatureModel);
        sim::ClearLog();
    }
    void Output(Kind kind) {
        sim::Plug(MakeDevice("dev", Family::kOutput, kind, kind == Kind::kWired ? 0xFB01 : 0xFB02, 0xFB01));
        OutputFilters();
        Connect(kOutputModel);
        sim::ClearLog();
    }
};

TEST_F(CommandTransportTest, FeatureReadsUseTheReadBackOnTheCableAndTheAckOverAReceiver) {
    for (Kind kind : {Kind::kWired, Kind::kReceiver}) {
        SCOPED_TRACE(kind == Kind::kWired ? "cable" : "receiver");
        sim::Reset();
        manager->ClearFilters();
        Feature(kind);
        CommandTransport transport(*manager, kFeatureModel);
        std::uint8_t packet[21] = {0x51, 0x06};
        ASSERT_TRUE(transport.Read(packet, 21));
        EXPECT_EQ(packet[11], 80);
        EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x01}), kind == Kind::kWired ? 0 : 1);
        EXPECT_EQ(sim::CountLogged(Direction::kFeatureGet, {0x51, 0x06}), 1);
    }
}

TEST_F(CommandTransportTest, ConfirmedWritesWaitOnlyOverAReceiver) {
    for (Kind kind : {Kind::kWired, Kind::kReceiver}) {
        SCOPED_TRACE(kind == Kind::kWired ? "cable" : "receiver");
        sim::Reset();
        manager->ClearFilters();
        Feature(kind);
        CommandTransport transport(*manager, kFeatureModel);
        std::uint8_t packet[21] = {0x51, 0x22, 0x01};
        ASSERT_TRUE(transport.WriteConfirmed(packet, 21));
        EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x00}), kind == Kind::kWired ? 0 : 1);
        ASSERT_NE(sim::Memory("mouse"), nullptr);
        EXPECT_EQ(sim::Memory("mouse")->unhandledWrites["51_22"][2], 0x01);
    }
}

TEST_F(CommandTransportTest, OutputDialectEchoesTheReadCommand) {
    Output(Kind::kReceiver);
    CommandTransport transport(*manager, kOutputModel);
    ASSERT_EQ(transport.Family(), ProtocolFamily::kOutputReport);
    std::uint8_t packet[64] = {0xB3, 0x06};
    ASSERT_TRUE(transport.Read(packet, 64));
    EXPECT_EQ(packet[0], 0xB4);
    EXPECT_EQ(packet[20], 80);
    std::uint8_t profile[64] = {0xB5, 0x0E, 0x03};
    ASSERT_TRUE(transport.Fire(profile, 21));
    EXPECT_EQ(sim::Memory("mouse")->currentProfile, 3);
}

TEST_F(CommandTransportTest, ReceiverHandshake) {
    Feature(Kind::kReceiver);
    CommandTransport transport(*manager, kFeatureModel);
    ASSERT_TRUE(transport.ReceiverHandshake());
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x51, 0x0C, 0x02}), 1);
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE3}), 1);
}

TEST_F(CommandTransportTest, HandshakeFailsWhenTheReceiverHasNoMouse) {
    Feature(Kind::kReceiver);
    CommandTransport transport(*manager, kFeatureModel);
    ASSERT_TRUE(manager->ActiveInterface());
    sim::SetMouseAwake("dev", false);  // the receiver also reports it (0xE2)
    EXPECT_FALSE(transport.ReceiverHandshake());
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x02}), 1);
    std::uint8_t note[21] = {};
    ASSERT_TRUE(manager->TakeNotification(note, 21));  // the 0xE2 was kept for the poll
    EXPECT_EQ(note[1], 0xE2);
    EXPECT_EQ(note[3], 0);
}

TEST_F(CommandTransportTest, HandshakeGivesUpAfterTenSilentRounds) {
    Feature(Kind::kReceiver);
    CommandTransport transport(*manager, kFeatureModel);
    sim::InjectFault("dev", Fault::kNoReply);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(transport.ReceiverHandshake());
    EXPECT_EQ(Elapsed(start), 5u + 10u * (100u + 200u));
}

TEST_F(CommandTransportTest, NothingConnectedFailsAtOnce) {
    FeatureFilters();
    Connect(kFeatureModel);
    CommandTransport transport(*manager, kFeatureModel);
    std::uint8_t packet[21] = {0x51, 0x06};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(transport.Read(packet, 21));
    EXPECT_FALSE(transport.WriteConfirmed(packet, 21));
    EXPECT_FALSE(transport.Fire(packet, 21));
    EXPECT_FALSE(transport.ReceiverHandshake());
    EXPECT_EQ(Elapsed(start), 0u);
    EXPECT_EQ(packet[1], 0x06);
}

// Every fault, on a read of each first-family dialect over a receiver: the read
// fails or gets the true answer, the caller's packet holds nothing false, nothing crashes.
struct FaultCase {
    const char* what;
    Fault fault;
    bool readSucceeds;
};

class FaultTest : public CommandTransportTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, OutputDialectRead) {
    const FaultCase& c = GetParam();
    Output(Kind::kReceiver);
    sim::Memory("mouse")->battery = 42;
    CommandTransport transport(*manager, kOutputModel);
    sim::InjectFault("dev", c.fault);
    std::uint8_t packet[64] = {0xB3, 0x06};
    EXPECT_EQ(transport.Read(packet, 64), c.readSucceeds) << c.what;
    if (c.readSucceeds) {
        EXPECT_EQ(packet[20], 42);
    } else {
        EXPECT_EQ(packet[0], 0xB3);
        EXPECT_EQ(packet[20], 0);
    }
    if (c.fault == Fault::kNotificationFirst) {
        std::uint8_t note[64] = {};
        ASSERT_TRUE(manager->ReadStatusReport(note, 64));  // handed on to the poll
        EXPECT_EQ(note[0], 0xB6);
        EXPECT_EQ(note[1], 0xE2);
    }
    // The program goes on: a later read gets the true answer, unless the device is gone.
    clock.Advance(60000);
    std::uint8_t again[64] = {0xB3, 0x06};
    EXPECT_EQ(transport.Read(again, 64), c.fault != Fault::kUnplugMidTransfer) << c.what;
    if (c.fault != Fault::kUnplugMidTransfer) {
        EXPECT_EQ(again[20], 42);
    }
}

TEST_P(FaultTest, FeatureDialectReadOverAReceiver) {
    const FaultCase& c = GetParam();
    Feature(Kind::kReceiver);
    sim::Memory("mouse")->battery = 42;
    CommandTransport transport(*manager, kFeatureModel);
    sim::InjectFault("dev", c.fault);
    std::uint8_t packet[21] = {0x51, 0x06};
    bool ok = transport.Read(packet, 21);
    // A wrong acknowledgement is not the one awaited; the retries then find nothing.
    EXPECT_EQ(ok, c.readSucceeds) << c.what;
    EXPECT_EQ(packet[11], ok ? 42 : 0) << c.what;
    clock.Advance(60000);
    std::uint8_t again[21] = {0x51, 0x06};
    EXPECT_EQ(transport.Read(again, 21), c.fault != Fault::kUnplugMidTransfer) << c.what;
    if (c.fault == Fault::kUnplugMidTransfer) {
        // Plugged in again, it is found and works after the reconnection.
        EXPECT_FALSE(sim::IsPlugged("dev"));
        sim::Plug(MakeDevice("dev", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01));
        Connect(kFeatureModel);
        EXPECT_TRUE(transport.Read(again, 21));
        EXPECT_EQ(again[11], 42);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest, ::testing::Values(
    FaultCase{"no reply", Fault::kNoReply, false},
    FaultCase{"reply after the time-out", Fault::kLateReply, false},
    FaultCase{"wrong reply", Fault::kWrongReply, false},
    FaultCase{"notification in front", Fault::kNotificationFirst, true},
    FaultCase{"unplugged mid-transfer", Fault::kUnplugMidTransfer, false}));

TEST_F(CommandTransportTest, WrongAnswerOnTheCableIsRefused) {
    Feature(Kind::kWired);
    CommandTransport transport(*manager, kFeatureModel);
    sim::InjectFault("dev", Fault::kWrongReply);
    std::uint8_t packet[21] = {0x51, 0x06};
    EXPECT_FALSE(transport.Read(packet, 21));
    EXPECT_EQ(packet[1], 0x06);
    EXPECT_EQ(packet[11], 0);
}

TEST_F(CommandTransportTest, SecondFamilyExchangeRefusesAnInvalidAnswer) {
    sim::Plug(MakeDevice("dev", Family::kNodic, Kind::kWired, 0xFC01));
    manager->AddFilter(0x248A, 0xFC01, L"", kNodicModel, 0);
    Connect(kNodicModel);
    CommandTransport transport(*manager, kNodicModel);
    std::uint8_t frame[64];
    ASSERT_TRUE(BuildNodicRead(frame, 1, false, 1));
    sim::InjectFault("dev", Fault::kWrongReply);
    EXPECT_FALSE(transport.Exchange(frame));
    EXPECT_EQ(frame[2], 0x81);  // the request is still there
    ASSERT_TRUE(transport.Exchange(frame));
    EXPECT_EQ(frame[11], 80);
    std::uint8_t profile[64];
    std::uint8_t data[1] = {2};
    ASSERT_TRUE(BuildNodicWrite(profile, 2, false, 2, data, 1));
    profile[2] = 0x82;  // profile selection carries a length of two
    ASSERT_TRUE(transport.Exchange(profile));
    EXPECT_TRUE(IsNodicWriteAccepted(profile, 0x82));
    EXPECT_EQ(sim::Memory("mouse")->currentProfile, 2);
}

}  // namespace
