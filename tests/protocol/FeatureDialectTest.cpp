// The feature-report dialect against a virtual mouse that answers as the command
// table says: with and without a byte-1 echo, on the cable and over a receiver.
#include <array>
#include <functional>

#include "DialectTestBed.h"
#include "FeatureDialect.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Fault;
using sim::Kind;

namespace {

constexpr Direction kSet = Direction::kFeatureSet;
constexpr Direction kGet = Direction::kFeatureGet;
constexpr Direction kIn = Direction::kIn;

class FeatureDialectTest : public HidTest {
protected:
    FeatureDialect& Use(Kind kind, bool echo = false) {
        sim::DeviceSetup d = MakeDevice("dev", Family::kFeature, kind, kind == Kind::kWired ? 0xFA01 : 0xFA02, 0xFA01);
        d.echoCommand = echo;
        sim::Plug(d);
        FeatureFilters();
        Connect(kFeatureModel);
        sim::ClearLog();
        dialect = std::make_unique<FeatureDialect>(*manager);
        return *dialect;
    }
    // A request whose bytes after the command show whether an answer replaced them.
    static std::array<std::uint8_t, 21> Request(std::uint8_t cmd) {
        std::array<std::uint8_t, 21> p;
        p.fill(0xEE);
        p[0] = 0x51;
        p[1] = cmd;
        return p;
    }

    std::unique_ptr<FeatureDialect> dialect;
};

// --- the transfers, with their waits and retries ---

TEST_F(FeatureDialectTest, SendFeatureWithReadBackReplacesThePacket) {
    FeatureDialect& f = Use(Kind::kWired);
    std::uint8_t buf[21] = {0x51, 0x06};
    std::uint64_t start = clock.NowMs();
    ASSERT_TRUE(f.SendFeature(buf, true));
    EXPECT_EQ(buf[1], 0x00);          // the mouse does not repeat the command
    EXPECT_EQ(buf[10], 0x00 | 0x08);  // wired work mode, connected
    EXPECT_EQ(buf[11], 80);           // battery
    EXPECT_EQ(Elapsed(start), 10u);   // 5 ms before the send, 5 before the read
    EXPECT_TRUE(Exchanged({{kSet, {0x51, 0x06}}, {kGet, {0x51}}}));
}

TEST_F(FeatureDialectTest, SendFeatureReadBackGivesUpAfterTenReads) {
    FeatureDialect& f = Use(Kind::kWired);
    sim::InjectFault("dev", Fault::kNoReply);
    auto buf = Request(0x06);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(f.SendFeature(buf, true));
    EXPECT_EQ(buf, Request(0x06));  // nothing copied
    EXPECT_EQ(sim::CountLogged(kGet, {0x51}), 10);
    EXPECT_EQ(Elapsed(start), 5u + 5u + 10u * 5u);
}

TEST_F(FeatureDialectTest, SendFeatureWaitAckAcceptsOnlyTheWriteAcknowledgement) {
    FeatureDialect& f = Use(Kind::kReceiver);
    const std::uint8_t buf[21] = {0x51, 0x42, 0x01};
    EXPECT_TRUE(f.SendFeatureWaitAck(buf));
    EXPECT_TRUE(Exchanged({{kSet, {0x51, 0x42, 0x01}}, {kIn, {0x54, 0xE4, 0x00}}}));
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x51, 0x42, 0x01}), 1);
    sim::InjectFault("dev", Fault::kNoReply);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(f.SendFeatureWaitAck(buf));
    EXPECT_EQ(Elapsed(start), 5u + 5u + 10u * (100u + 200u));
}

TEST_F(FeatureDialectTest, SendFeatureAckThenGetFetchesTheAnswerOnceReady) {
    FeatureDialect& f = Use(Kind::kReceiver);
    ASSERT_TRUE(f.ReceiverHandshake());
    sim::ClearLog();
    auto buf = Request(0x12);
    ASSERT_TRUE(f.SendFeatureAckThenGet(buf));
    EXPECT_EQ(buf[0], 0x51);
    EXPECT_EQ(buf[2], 0x00);  // the answer replaced the request
    EXPECT_TRUE(Exchanged({{kSet, {0x51, 0x12}}, {kIn, {0x54, 0xE4, 0x01}}, {kGet, {0x51}}}));
    sim::InjectFault("dev", Fault::kNoReply);
    buf = Request(0x12);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(f.SendFeatureAckThenGet(buf));
    EXPECT_EQ(buf, Request(0x12));
    EXPECT_EQ(Elapsed(start), 5u + 5u + 5u * (100u + 200u));
}

// --- each command-table transfer, cable and receiver, in both answer forms ---

using Primitive = std::function<bool(FeatureDialect&, std::span<std::uint8_t>)>;

struct RuleCase {
    const char* what;
    Kind kind;
    Primitive run;
    std::uint8_t cmd;
    bool read;
    std::vector<Exchange> exchanges;
};

const Exchange kHandshake[] = {{kSet, {0x51, 0x0C, 0x02}}, {kIn, {0x54, 0xE3}}};

std::vector<Exchange> AfterHandshake(std::vector<Exchange> rest) {
    rest.insert(rest.begin(), std::begin(kHandshake), std::end(kHandshake));
    return rest;
}

const Primitive kFire = [](FeatureDialect& f, std::span<std::uint8_t> p) { return f.Fire(p); };
const Primitive kConfirmed = [](FeatureDialect& f, std::span<std::uint8_t> p) { return f.WriteConfirmed(p); };
const Primitive kRepeated = [](FeatureDialect& f, std::span<std::uint8_t> p) { return f.WriteConfirmedRepeated(p); };
const Primitive kRead = [](FeatureDialect& f, std::span<std::uint8_t> p) { return f.Read(p); };
const Primitive kReadBack = [](FeatureDialect& f, std::span<std::uint8_t> p) { return f.ReadBack(p); };

class RuleTest : public FeatureDialectTest, public ::testing::WithParamInterface<std::tuple<RuleCase, bool>> {};

TEST_P(RuleTest, EachTransferFollowsItsRowOfTheTable) {
    const auto& [c, echo] = GetParam();
    FeatureDialect& f = Use(c.kind, echo);
    auto packet = Request(c.cmd);
    for (std::size_t i = 2; !c.read && i < packet.size(); ++i) packet[i] = 0;
    packet[2] = 0x01;
    ASSERT_TRUE(c.run(f, packet)) << c.what;
    EXPECT_TRUE(Exchanged(c.exchanges)) << c.what;
    if (c.read) {
        EXPECT_EQ(packet[1], echo ? c.cmd : 0x00) << c.what;
        EXPECT_EQ(packet[2], c.cmd == 0x06 ? 0x02 : 0x00) << c.what;  // the answer's own bytes
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RuleTest, ::testing::Combine(::testing::Values(
    RuleCase{"fire, cable", Kind::kWired, kFire, 0x40, false, {{kSet, {0x51, 0x40, 0x01}}}},
    RuleCase{"fire, receiver: nothing awaited", Kind::kReceiver, kFire, 0x40, false, {{kSet, {0x51, 0x40, 0x01}}}},
    RuleCase{"confirmed, cable", Kind::kWired, kConfirmed, 0x22, false, {{kSet, {0x51, 0x22}}}},
    RuleCase{"confirmed, receiver", Kind::kReceiver, kConfirmed, 0x22, false,
             {{kSet, {0x51, 0x22}}, {kIn, {0x54, 0xE4, 0x00}}}},
    RuleCase{"sensor, cable", Kind::kWired, kRepeated, 0x42, false, {{kSet, {0x51, 0x42}}}},
    RuleCase{"sensor, receiver", Kind::kReceiver, kRepeated, 0x42, false,
             {{kSet, {0x51, 0x42}}, {kIn, {0x54, 0xE4, 0x00}}}},
    RuleCase{"read, cable", Kind::kWired, kRead, 0x12, true, {{kSet, {0x51, 0x12}}, {kGet, {0x51}}}},
    RuleCase{"read, receiver", Kind::kReceiver, kRead, 0x12, true,
             AfterHandshake({{kSet, {0x51, 0x12}}, {kIn, {0x54, 0xE4, 0x01}}, {kGet, {0x51}}})},
    RuleCase{"read-back, cable", Kind::kWired, kReadBack, 0x06, true, {{kSet, {0x51, 0x06}}, {kGet, {0x51}}}},
    RuleCase{"read-back, receiver", Kind::kReceiver, kReadBack, 0x06, true,
             AfterHandshake({{kSet, {0x51, 0x06}}, {kGet, {0x51}}})}),
    ::testing::Bool()));

// --- the receiver handshake ---

TEST_F(FeatureDialectTest, ASequenceOfReadsShakesHandsOnce) {
    FeatureDialect& f = Use(Kind::kReceiver);
    {
        FeatureDialect::ReadSequence reads(f);
        ASSERT_TRUE(reads.Ready());
        auto a = Request(0x06), b = Request(0x12), c = Request(0x13);
        EXPECT_TRUE(f.ReadBack(a));
        EXPECT_TRUE(f.Read(b));
        EXPECT_TRUE(f.Read(c));
    }
    EXPECT_EQ(sim::CountLogged(kSet, {0x51, 0x0C}), 1);
    auto d = Request(0x06);
    EXPECT_TRUE(f.ReadBack(d));  // outside the sequence a read shakes hands again
    EXPECT_EQ(sim::CountLogged(kSet, {0x51, 0x0C}), 2);
}

TEST_F(FeatureDialectTest, AFailedHandshakeStopsTheReadsBeforeAnyRequest) {
    FeatureDialect& f = Use(Kind::kReceiver);
    ASSERT_TRUE(manager->ActiveInterface());
    sim::SetMouseAwake("dev", false);  // the receiver also says so (0xE2)
    auto packet = Request(0x06);
    EXPECT_FALSE(f.ReadBack(packet));
    {
        FeatureDialect::ReadSequence reads(f);
        EXPECT_FALSE(reads.Ready());
        EXPECT_FALSE(f.Read(packet));
    }
    EXPECT_EQ(packet, Request(0x06));
    EXPECT_EQ(sim::CountLogged(kSet, {0x51, 0x06}), 0);
    EXPECT_EQ(sim::CountLogged(kSet, {0x51, 0x0C}), 2);
    EXPECT_EQ(sim::CountLogged(kIn, {0x54, 0xE4, 0x02}), 2);
    std::uint8_t note[21] = {};
    ASSERT_TRUE(manager->TakeNotification(note));  // the 0xE2 was kept for the poll
    EXPECT_EQ(note[1], 0xE2);
    EXPECT_EQ(note[3], 0);
}

TEST_F(FeatureDialectTest, HandshakeGivesUpAfterTenSilentRounds) {
    FeatureDialect& f = Use(Kind::kReceiver);
    sim::InjectFault("dev", Fault::kNoReply);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(f.ReceiverHandshake());
    EXPECT_EQ(Elapsed(start), 5u + 10u * (100u + 200u));
}

// --- input left over from an earlier request never answers a new one ---

TEST_F(FeatureDialectTest, AStaleAcknowledgementConfirmsNothing) {
    FeatureDialect& f = Use(Kind::kReceiver);
    const std::uint8_t write[21] = {0x51, 0x22, 0x01};
    sim::InjectFault("dev", Fault::kLateReply);
    EXPECT_FALSE(f.WriteConfirmed(write));
    clock.Advance(60000);  // its acknowledgement is now waiting
    sim::InjectFault("dev", Fault::kNoReply);
    EXPECT_FALSE(f.WriteConfirmed(write));
    EXPECT_EQ(sim::CountLogged(kIn, {0x54, 0xE4, 0x00}), 1);  // read, but only to be dropped
}

TEST_F(FeatureDialectTest, AStaleReadySignalFetchesNothing) {
    FeatureDialect& f = Use(Kind::kReceiver);
    ASSERT_TRUE(f.ReceiverHandshake());
    auto first = Request(0x12);
    sim::InjectFault("dev", Fault::kLateReply);
    EXPECT_FALSE(f.SendFeatureAckThenGet(first));
    clock.Advance(60000);
    sim::InjectFault("dev", Fault::kNoReply);
    auto second = Request(0x13);
    EXPECT_FALSE(f.SendFeatureAckThenGet(second));
    EXPECT_EQ(sim::CountLogged(kGet, {0x51}), 0);
    EXPECT_EQ(second, Request(0x13));
}

TEST_F(FeatureDialectTest, AStaleHandshakeAnswerPassesNoNewHandshake) {
    FeatureDialect& f = Use(Kind::kReceiver);
    sim::InjectFault("dev", Fault::kLateReply);
    EXPECT_FALSE(f.ReceiverHandshake());
    clock.Advance(60000);
    sim::SetMouseAwake("dev", false);
    EXPECT_FALSE(f.ReceiverHandshake());
}

// --- sizes: exactly the caller's bytes, whatever the report ---

TEST_F(FeatureDialectTest, PacketsOfEveryLengthStayWithinTheirBuffers) {
    FeatureDialect& f = Use(Kind::kWired);
    auto exact = std::make_unique<std::uint8_t[]>(21);  // on the heap, so ASan sees one byte past it
    exact[0] = 0x51;
    exact[1] = 0x06;
    ASSERT_TRUE(f.ReadBack(std::span<std::uint8_t>(exact.get(), 21)));
    EXPECT_EQ(exact[11], 80);
    auto shorter = std::make_unique<std::uint8_t[]>(12);
    shorter[0] = 0x51;
    shorter[1] = 0x06;
    ASSERT_TRUE(f.ReadBack(std::span<std::uint8_t>(shorter.get(), 12)));
    EXPECT_EQ(shorter[11], 80);
    auto three = std::make_unique<std::uint8_t[]>(3);
    three[0] = 0x51;
    three[1] = 0x40;
    three[2] = 0x07;
    sim::ClearLog();
    ASSERT_TRUE(f.Fire(std::span<const std::uint8_t>(three.get(), 3)));
    auto log = sim::Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].bytes.size(), 21u);  // padded by the HID stack, not read past the buffer
    EXPECT_EQ(log[0].bytes[2], 0x07);
    EXPECT_EQ(log[0].bytes[3], 0x00);
    std::uint8_t tooLong[66] = {0x51, 0x40};
    EXPECT_FALSE(f.Fire(tooLong));
    EXPECT_EQ(sim::Log().size(), 1u);
}

// --- faults of a receiver's mouse during a read ---

struct FaultCase {
    const char* what;
    Fault fault;
    bool readSucceeds;
};

class FeatureFaultTest : public FeatureDialectTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FeatureFaultTest, ReadOverAReceiverFailsOrGetsTheTrueAnswer) {
    const FaultCase& c = GetParam();
    FeatureDialect& f = Use(Kind::kReceiver);
    sim::Memory("mouse")->battery = 42;
    ASSERT_TRUE(f.ReceiverHandshake());
    auto packet = Request(0x12);
    sim::InjectFault("dev", c.fault);
    EXPECT_EQ(f.SendFeatureAckThenGet(packet), c.readSucceeds) << c.what;
    if (!c.readSucceeds) {
        EXPECT_EQ(packet, Request(0x12)) << c.what;
    }
    std::uint8_t note[21] = {};
    bool handedOn = manager->TakeNotification(note);
    EXPECT_EQ(handedOn, c.fault == Fault::kNotificationFirst || c.fault == Fault::kWrongReply) << c.what;
    // The program goes on: a later read gets the true answer, unless the device is gone.
    clock.Advance(60000);
    std::uint8_t again[21] = {0x51, 0x06};
    bool gone = c.fault == Fault::kUnplugMidTransfer;
    EXPECT_EQ(f.ReadBack(again), !gone) << c.what;
    if (!gone) {
        EXPECT_EQ(again[11], 42) << c.what;
    } else {
        // Plugged in again, it is found and works after the reconnection.
        sim::Plug(MakeDevice("dev", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01));
        Connect(kFeatureModel);
        EXPECT_TRUE(f.ReadBack(again));
        EXPECT_EQ(again[11], 42);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FeatureFaultTest, ::testing::Values(
    FaultCase{"no reply", Fault::kNoReply, false},
    FaultCase{"reply after the time-out", Fault::kLateReply, false},
    FaultCase{"something else instead of the answer", Fault::kWrongReply, false},
    FaultCase{"notification in front", Fault::kNotificationFirst, true},
    FaultCase{"unplugged mid-transfer", Fault::kUnplugMidTransfer, false}));

TEST_F(FeatureDialectTest, NothingConnectedFailsAtOnce) {
    FeatureFilters();
    Connect(kFeatureModel);
    FeatureDialect f(*manager);
    auto packet = Request(0x06);
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(f.Read(packet));
    EXPECT_FALSE(f.ReadBack(packet));
    EXPECT_FALSE(f.WriteConfirmed(packet));
    EXPECT_FALSE(f.WriteConfirmedRepeated(packet));
    EXPECT_FALSE(f.Fire(packet));
    EXPECT_FALSE(f.ReceiverHandshake());
    EXPECT_FALSE(f.SendFeature(packet, true));
    EXPECT_EQ(Elapsed(start), 0u);
    EXPECT_EQ(packet, Request(0x06));
}

}  // namespace
