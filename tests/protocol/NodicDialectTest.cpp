// The second family's frames: the answer always comes back apart from its request,
// reads and writes are sent once more as their rules say, stale frames answer nothing.
#include "DialectTestBed.h"
#include "NodicDialect.h"
#include "NodicFrame.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Fault;
using sim::Kind;

namespace {

class NodicDialectTest : public HidTest {
protected:
    NodicDialect& Use(Kind kind) {
        bool cable = kind == Kind::kWired;
        sim::Plug(MakeDevice("dev", Family::kNodic, kind, cable ? 0xFC01 : 0xFC02));
        manager->AddFilter(0x248A, cable ? 0xFC01 : 0xFC02, L"", cable ? kNodicModel : kNodicReceiverModel, cable ? 0 : 1);
        Connect(cable ? kNodicModel : kNodicReceiverModel);
        sim::ClearLog();
        dialect = std::make_unique<NodicDialect>(*manager);
        return *dialect;
    }
    static NodicFrameBytes StatusRead(bool routed) {
        NodicFrameBytes frame{};
        BuildNodicRead(frame.data(), 1, routed, 1);
        return frame;
    }
    static NodicFrameBytes ProfileWrite(std::uint8_t profile) {
        NodicFrameBytes frame{};
        std::uint8_t data[2] = {profile, 0};
        BuildNodicWrite(frame.data(), 2, false, 2, data, 2);
        return frame;
    }
    int FramesSent() { return sim::CountLogged(Direction::kOut, {0x00}); }

    std::unique_ptr<NodicDialect> dialect;
};

TEST_F(NodicDialectTest, AFrameGoesOutWithItsChecksumAndItsAnswerComesBackApart) {
    NodicDialect& n = Use(Kind::kWired);
    const NodicFrameBytes request = StatusRead(false);
    NodicReply reply = n.Exchange(request);
    auto log = sim::Log();
    ASSERT_EQ(log.size(), 2u);
    ASSERT_EQ(log[0].bytes.size(), 65u);
    EXPECT_EQ(log[0].bytes[0], 0x00);  // report id 0, then the payload
    EXPECT_EQ(log[0].bytes[64], static_cast<std::uint8_t>(0xA1 - (0x01 + 0x81 + 0x01)));
    ASSERT_TRUE(reply.Valid(17));
    EXPECT_EQ(reply.frame[11], 80);  // battery of the status block
    EXPECT_EQ(request[11], 0);
}

TEST_F(NodicDialectTest, ARejectedOrUnansweredWriteIsNeverTakenForAccepted) {
    NodicDialect& n = Use(Kind::kWired);
    const NodicFrameBytes request = ProfileWrite(2);
    ASSERT_EQ(request[2], 0x82);
    for (Fault fault : {Fault::kNoReply, Fault::kWrongReply}) {
        sim::InjectFault("dev", fault);
        NodicReply reply = n.Exchange(request);
        EXPECT_FALSE(reply.Accepted(0x82));
        EXPECT_FALSE(reply.Valid());
        EXPECT_EQ(reply.arrived, fault == Fault::kWrongReply);
    }
    NodicReply reply = n.Exchange(request);
    EXPECT_TRUE(reply.Accepted(0x82));
    EXPECT_EQ(sim::Memory("mouse")->currentProfile, 2);
}

struct ResendCase {
    const char* what;
    int faults;            // requests in a row that go unanswered
    int resendAfterMs;     // -1: a read
    bool succeeds;
    int framesSent;
    std::uint64_t waitedAtLeast;
};

class ResendTest : public NodicDialectTest, public ::testing::WithParamInterface<ResendCase> {};

TEST_P(ResendTest, AFailedFrameIsSentOnceMoreAndNeverTwice) {
    const ResendCase& c = GetParam();
    NodicDialect& n = Use(Kind::kWired);
    if (c.faults > 0) sim::InjectFault("dev", Fault::kNoReply, c.faults);
    std::uint64_t start = clock.NowMs();
    bool read = c.resendAfterMs < 0;
    NodicReply reply = read ? n.Read(StatusRead(false), 17) : n.Write(ProfileWrite(1), 0x82, c.resendAfterMs);
    EXPECT_EQ(read ? reply.Valid(17) : reply.Accepted(0x82), c.succeeds) << c.what;
    EXPECT_EQ(FramesSent(), c.framesSent) << c.what;
    EXPECT_GE(Elapsed(start), c.waitedAtLeast) << c.what;
}

// An unanswered exchange alone takes 100 + 16 + 200 + 200 + 100 ms.
INSTANTIATE_TEST_SUITE_P(Rules, ResendTest, ::testing::Values(
    ResendCase{"read answered at once", 0, -1, true, 1, 0},
    ResendCase{"read answered the second time, 100 ms later", 1, -1, true, 2, 616 + 100},
    ResendCase{"read never answered", 2, -1, false, 2, 2 * 616 + 100},
    ResendCase{"write accepted the second time, 100 ms later", 1, 100, true, 2, 616 + 100},
    ResendCase{"write sent again at once", 1, 0, true, 2, 616},
    ResendCase{"write never accepted", 2, 100, false, 2, 2 * 616 + 100}));

TEST_F(NodicDialectTest, StaleFramesAnswerNoNewRequest) {
    NodicDialect& n = Use(Kind::kWired);
    sim::Memory("mouse")->battery = 42;
    for (int i = 0; i < 2; ++i) {
        sim::InjectFault("dev", Fault::kLateReply);
        EXPECT_FALSE(n.Exchange(StatusRead(false)).arrived);
    }
    clock.Advance(60000);
    sim::Memory("mouse")->battery = 43;
    NodicReply reply = n.Exchange(StatusRead(false));
    ASSERT_TRUE(reply.Valid(17));
    EXPECT_EQ(reply.frame[11], 43);
}

TEST_F(NodicDialectTest, AStatusReadWithoutAnAnswerIsSentOnceMore) {
    NodicDialect& n = Use(Kind::kWired);
    for (Fault fault : {Fault::kNoReply, Fault::kWrongReply}) {
        sim::ClearLog();
        sim::InjectFault("dev", fault);
        DeviceStatus status;
        ASSERT_TRUE(n.ReadStatus(status));
        EXPECT_EQ(status.battery, 80);
        EXPECT_EQ(FramesSent(), 2);
    }
}

TEST_F(NodicDialectTest, StatusOverTheReceiverAsksTheReceiverFirst) {
    NodicDialect& n = Use(Kind::kReceiver);
    EXPECT_TRUE(n.Routed());
    sim::Memory("mouse")->battery = 64;
    DeviceStatus status;
    ASSERT_TRUE(n.ReadStatus(status));
    EXPECT_EQ(status.battery, 64);
    // Logged as on the wire: report id 0, then the frame.
    EXPECT_TRUE(Exchanged({{Direction::kOut, {0x00, 0x01, 0x00, 0x81, 0x01}}, {Direction::kIn, {0x00, 0x01}},
                           {Direction::kOut, {0x00, 0x41, 0x00, 0x81, 0x01}}, {Direction::kIn, {0x00, 0x41}}}));
    sim::SetMouseAwake("dev", false);
    DeviceStatus asleep;
    ASSERT_TRUE(n.ReadStatus(asleep));
    EXPECT_FALSE(asleep.mouseConnected);
    EXPECT_EQ(asleep.battery, -1);
}

}  // namespace
