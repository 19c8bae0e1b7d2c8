// The output-report dialect against a virtual mouse in each of its answer forms:
// 0xB4 or 0xB6 answers, with or without byte 1 repeating the command.
#include "DialectTestBed.h"
#include "OutputDialect.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Fault;
using sim::Kind;

namespace {

class OutputDialectTest : public HidTest {
protected:
    OutputDialect& Use(Kind kind, const AnswerForm& form = kAnswerForms[0], bool awake = true) {
        sim::DeviceSetup d =
            InForm(MakeDevice("out", Family::kOutput, kind, kind == Kind::kWired ? 0xFB01 : 0xFB02, 0xFB01), form);
        d.mouseAwake = awake;
        sim::Plug(d);
        OutputFilters();
        Connect(kOutputModel);
        if (!awake) manager->SetOnline(kOutputModel, 4, 1);  // chosen all the same, to talk to a silent mouse
        sim::ClearLog();
        dialect = std::make_unique<OutputDialect>(*manager);
        return *dialect;
    }
    // Leaves `count` answers on their way that arrive only after their reads gave up.
    void LeaveLateAnswers(OutputDialect& o, int count) {
        for (int i = 0; i < count; ++i) {
            sim::InjectFault("out", Fault::kLateReply);
            std::uint8_t packet[64] = {0xB3, 0x06};
            EXPECT_FALSE(o.Read(packet));
        }
        clock.Advance(60000);
    }

    std::unique_ptr<OutputDialect> dialect;
};

class FormTest : public OutputDialectTest, public ::testing::WithParamInterface<AnswerForm> {};

TEST_P(FormTest, ReadTakesTheAnswerWhateverItsFirstTwoBytes) {
    const AnswerForm& form = GetParam();
    for (Kind kind : {Kind::kWired, Kind::kReceiver}) {
        SCOPED_TRACE(kind == Kind::kWired ? "cable" : "receiver");
        sim::Reset();
        manager->ClearFilters();
        OutputDialect& o = Use(kind, form);
        sim::Memory("mouse")->battery = 55;
        sim::Memory("mouse")->charging = 1;
        std::uint8_t packet[64] = {0xB3, 0x06};
        ASSERT_TRUE(o.Read(packet));
        EXPECT_EQ(packet[0], form.answerId);
        EXPECT_EQ(packet[1], form.echo ? 0x06 : 0x00);
        EXPECT_EQ(packet[20], 0x80 | 55);
        DeviceStatus status;
        ASSERT_TRUE(o.ReadStatus(status));
        EXPECT_EQ(status.battery, 55);
        EXPECT_TRUE(status.charging);
    }
}

TEST_P(FormTest, AWriteOverAReceiverEndsAtItsAcknowledgement) {
    const AnswerForm& form = GetParam();
    OutputDialect& o = Use(Kind::kReceiver, form);
    const std::uint8_t profile[21] = {0xB5, 0x0E, 0x03};
    ASSERT_TRUE(o.Write(profile));
    EXPECT_TRUE(Exchanged({{Direction::kOut, {0xB5, 0x0E, 0x03}}, {Direction::kIn, {form.answerId, 0xE4}}}));
    EXPECT_EQ(sim::Memory("mouse")->currentProfile, 3);
}

TEST_P(FormTest, NotificationsAreNeitherAnswersNorAcknowledgementsAndGoToThePoll) {
    const AnswerForm& form = GetParam();
    OutputDialect& o = Use(Kind::kReceiver, form);
    sim::Memory("mouse")->battery = 42;
    sim::InjectFault("out", Fault::kNotificationFirst);
    std::uint8_t packet[64] = {0xB3, 0x06};
    ASSERT_TRUE(o.Read(packet));
    EXPECT_EQ(packet[20], 42);
    sim::InjectFault("out", Fault::kNotificationFirst);
    const std::uint8_t dpi[64] = {0xB5, 0x40};
    ASSERT_TRUE(o.Write(dpi));
    EXPECT_EQ(sim::CountLogged(Direction::kIn, {form.answerId, 0xE4}), 1);  // waited past the notification
    for (int i = 0; i < 2; ++i) {
        std::uint8_t note[21] = {};
        ASSERT_TRUE(manager->ReadStatusReport(note));
        EXPECT_EQ(note[0], 0xB6);
        EXPECT_EQ(note[1], 0xE2);
    }
}

TEST_P(FormTest, StaleAnswersNeverAnswerANewRead) {
    OutputDialect& o = Use(Kind::kReceiver, GetParam());
    sim::Memory("mouse")->battery = 42;
    LeaveLateAnswers(o, 2);
    sim::Memory("mouse")->battery = 43;
    std::uint8_t packet[64] = {0xB3, 0x06};
    ASSERT_TRUE(o.Read(packet));
    EXPECT_EQ(packet[20], 43);
}

TEST_P(FormTest, StaleAcknowledgementsConfirmNoNewWrite) {
    OutputDialect& o = Use(Kind::kReceiver, GetParam());
    for (int i = 0; i < 2; ++i) {
        sim::InjectFault("out", Fault::kLateReply);
        const std::uint8_t dpi[64] = {0xB5, 0x40};
        EXPECT_FALSE(o.Write(dpi));
    }
    clock.Advance(60000);
    sim::InjectFault("out", Fault::kNoReply);
    const std::uint8_t rate[64] = {0xB5, 0x41};
    EXPECT_FALSE(o.Write(rate));
}

std::string FormName(const ::testing::TestParamInfo<AnswerForm>& form) {
    return std::string(form.param.echo ? "Echo" : "NoEcho") + (form.param.answerId == 0xB4 ? "B4" : "B6");
}

INSTANTIATE_TEST_SUITE_P(Forms, FormTest, ::testing::ValuesIn(kAnswerForms), FormName);

TEST_F(OutputDialectTest, OnTheCableAWriteReturnsRightAfterItIsSent) {
    OutputDialect& o = Use(Kind::kWired);
    const std::uint8_t buf[64] = {0xB5, 0x40, 0x01};
    std::uint64_t start = clock.NowMs();
    EXPECT_TRUE(o.Write(buf));
    EXPECT_EQ(Elapsed(start), 10u + 2u);  // the drain's first read, then one 2 ms pause
    auto log = sim::Log();
    ASSERT_EQ(log.size(), 1u);  // the mouse's confirmation is never read
    EXPECT_EQ(log[0].direction, Direction::kOut);
    EXPECT_EQ(log[0].bytes.size(), 65u);
    EXPECT_EQ(log[0].bytes[64], 0);
}

TEST_F(OutputDialectTest, WithoutAnAnswerTheTransfersSpendTheirWholeBudget) {
    OutputDialect& o = Use(Kind::kReceiver, kAnswerForms[0], false);
    std::uint8_t buf[64] = {0xB5, 0x40, 0x01};
    std::uint64_t start = clock.NowMs();
    EXPECT_FALSE(o.Write(buf));
    EXPECT_EQ(Elapsed(start), 10u + 10u * (2u + 5u + 10u * (20u + 10u)));
    EXPECT_EQ(sim::CountLogged(Direction::kOut, {0xB5, 0x40}), 1);  // written once, never repeated
    std::uint8_t read[64] = {0xB3, 0x06};
    start = clock.NowMs();
    EXPECT_FALSE(o.Read(read));
    EXPECT_EQ(read[0], 0xB3);
    EXPECT_EQ(Elapsed(start), 10u + 100u * (2u + 15u));
}

TEST_F(OutputDialectTest, ExactlySizedPacketsAreNeitherOverReadNorOverWritten) {
    OutputDialect& o = Use(Kind::kReceiver);
    sim::Memory("mouse")->battery = 61;
    auto packet = std::make_unique<std::uint8_t[]>(21);  // on the heap, so ASan sees one byte past it
    packet[0] = 0xB3;
    packet[1] = 0x06;
    ASSERT_TRUE(o.Read(std::span<std::uint8_t>(packet.get(), 21)));
    EXPECT_EQ(packet[20], 61);
    auto write = std::make_unique<std::uint8_t[]>(21);
    write[0] = 0xB5;
    write[1] = 0x0E;
    write[2] = 0x02;
    sim::ClearLog();
    ASSERT_TRUE(o.Write(std::span<const std::uint8_t>(write.get(), 21)));
    auto log = sim::Log();
    ASSERT_FALSE(log.empty());
    ASSERT_EQ(log[0].bytes.size(), 65u);  // the full output report, zeros after the 21 bytes
    EXPECT_EQ(log[0].bytes[2], 0x02);
    for (std::size_t i = 21; i < 65; ++i) EXPECT_EQ(log[0].bytes[i], 0) << i;
    std::uint8_t tooLong[66] = {0xB5, 0x0E};
    EXPECT_FALSE(o.Write(tooLong));
}

struct FaultCase {
    const char* what;
    Fault fault;
    bool readSucceeds;
};

class OutputFaultTest : public OutputDialectTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(OutputFaultTest, AReadFailsOrGetsTheTrueAnswer) {
    const FaultCase& c = GetParam();
    OutputDialect& o = Use(Kind::kReceiver);
    sim::Memory("mouse")->battery = 42;
    sim::InjectFault("out", c.fault);
    std::uint8_t packet[64] = {0xB3, 0x06};
    EXPECT_EQ(o.Read(packet), c.readSucceeds) << c.what;
    EXPECT_EQ(packet[20], c.readSucceeds ? 42 : 0) << c.what;
    EXPECT_EQ(packet[0], c.readSucceeds ? 0xB4 : 0xB3) << c.what;
    // The program goes on: a later read gets the true answer, unless the device is gone.
    clock.Advance(60000);
    std::uint8_t again[64] = {0xB3, 0x06};
    EXPECT_EQ(o.Read(again), c.fault != Fault::kUnplugMidTransfer) << c.what;
    if (c.fault != Fault::kUnplugMidTransfer) {
        EXPECT_EQ(again[20], 42) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, OutputFaultTest, ::testing::Values(
    FaultCase{"no reply", Fault::kNoReply, false},
    FaultCase{"reply after the time-out", Fault::kLateReply, false},
    FaultCase{"something else instead of the answer", Fault::kWrongReply, false},
    FaultCase{"notification in front", Fault::kNotificationFirst, true},
    FaultCase{"unplugged mid-transfer", Fault::kUnplugMidTransfer, false}));

}  // namespace
