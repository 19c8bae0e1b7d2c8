// What the second family's tasks do when the mouse does not answer, answers
// wrongly or goes away, when the receiver's mouse comes and goes, and what the
// mouse says on its own.
#include "NodicTaskBed.h"

#include <functional>

#include "NodicMemory.h"

using namespace nodictest;
namespace ck = codec::keys;

namespace {

using Head = std::array<int, 3>;

class NodicFaultTest : public TaskBed, public ::testing::WithParamInterface<Connection> {
protected:
    int Obj(int object) const { return object | (GetParam().routed() ? 0x40 : 0); }
    int Count(int object, int lengthByte) {
        int n = 0;
        for (const Head& h : Heads()) n += h[0] == Obj(object) && h[1] == lengthByte;
        return n;
    }
};

// A block that could not be read is never written back: the write would carry
// zeros where the mouse keeps bytes the program does not know.
struct UnreadRow {
    const char* name;
    std::function<bool(NodicDialect&, DeviceSession&)> run;
    int readObject;
    int readOperation;
    int writeLength;
};

const UnreadRow kUnreadRows[] = {
    {"sensor block", [](NodicDialect& d, DeviceSession& s) { return d.WriteDpi(s); }, 4, 1, 0xB5},
    {"system block", [](NodicDialect& d, DeviceSession& s) { return d.WriteReportRate(s); }, 4, 3, 0x8F},
    {"button table", [](NodicDialect& d, DeviceSession& s) { return d.WriteButton(s, 0); }, 3, 1, 0xB1},
};

TEST_P(NodicFaultTest, ABlockThatWasNeverReadIsNotWritten) {
    for (const UnreadRow& row : kUnreadRows) {
        SCOPED_TRACE(row.name);
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
        Use(GetParam());
        store.SetConfigValue(1, ck::kReportRate, 0);
        sim::NodicProfile before = Flash();
        sim::InjectFault("dev", Fault::kNoReply, 2);  // the read and its one retry
        EXPECT_FALSE(row.run(*dialect, session));
        std::vector<Head> heads = Heads();
        ASSERT_GE(heads.size(), 2u);
        EXPECT_EQ(heads[0], (Head{Obj(row.readObject), 0x81, row.readOperation}));
        EXPECT_EQ(heads[1], heads[0]);
        EXPECT_EQ(Count(row.readObject, row.writeLength), 0);
        EXPECT_EQ(heads.back(), (Head{Obj(10), 0x81, 1}));  // the state query still follows
        EXPECT_EQ(Flash().sensor, before.sensor);
        EXPECT_EQ(Flash().system, before.system);
        EXPECT_EQ(Flash().buttons, before.buttons);
    }
}

struct FaultRow {
    const char* name;
    Fault fault;
    int count;
    bool succeeds;
    int writesSent;
};

const FaultRow kFaultRows[] = {
    {"no reply, then accepted", Fault::kNoReply, 1, true, 2},
    {"wrong reply, then accepted", Fault::kWrongReply, 1, true, 2},
    {"late reply: every later answer waits behind it", Fault::kLateReply, 1, false, 2},
    {"never acknowledged", Fault::kNoReply, 3, false, 2},
    {"unplugged", Fault::kUnplugMidTransfer, 1, false, 1},
};

TEST_P(NodicFaultTest, AFaultyWriteIsSentOnceMoreAndLeavesStoreAndMouseAgreeing) {
    for (const FaultRow& row : kFaultRows) {
        SCOPED_TRACE(row.name);
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
        Use(GetParam());
        ASSERT_TRUE(dialect->ReadEverything(session));
        sim::ClearLog();
        store.SetConfigValue(1, ck::DpiX(2), 2500);
        sim::InjectFault("dev", row.fault, row.count);
        EXPECT_EQ(dialect->WriteDpi(session), row.succeeds);
        EXPECT_EQ(Count(4, 0xB5), row.writesSent);
        // Whatever reached the mouse is what the store holds; nothing else changed.
        const auto& sensor = Flash().sensor;
        EXPECT_EQ(sensor[23 - 4] | (sensor[24 - 4] << 8), 2500);
        EXPECT_EQ(sensor[8 - 4], 0x11);
        EXPECT_EQ(Config(ck::DpiX(2)), 2500);
        EXPECT_EQ(Config(ck::DpiX(1)), 800);
    }
}

TEST_P(NodicFaultTest, AReadThatFailsChangesNothingInTheStore) {
    Use(GetParam());
    store.SetConfigValue(1, ck::kLiftoffHeight, 7);
    sim::InjectFault("dev", Fault::kUnplugMidTransfer);
    EXPECT_FALSE(dialect->ReadEverything(session));
    EXPECT_EQ(Config(ck::kLiftoffHeight), 7);
    EXPECT_TRUE(events.Saw("read failed"));  // the busy state ends all the same
    EXPECT_FALSE(dialect->WriteDpi(session));
}

TEST_P(NodicFaultTest, AWrongFirstAnswerOfTheReadIsAskedForAgain) {
    Use(GetParam());
    sim::InjectFault("dev", Fault::kWrongReply);  // the receiver's own answer, or the mouse's status
    EXPECT_TRUE(dialect->ReadEverything(session));
    std::vector<Head> heads = Heads();
    ASSERT_GE(heads.size(), 2u);
    EXPECT_EQ(heads[0], heads[1]);
    EXPECT_EQ(heads[0], (Head{0x01, 0x81, 1}));  // the receiver's query and the cable status read alike
    EXPECT_EQ(Config(ck::kDpiCount), 5);
}

TEST_P(NodicFaultTest, ADpiButtonOnTheMouseReachesTheStore) {
    Use(GetParam());
    ASSERT_TRUE(dialect->ReadEverything(session));
    events.events.clear();
    ASSERT_TRUE(sim::PressButton("dev", 7));
    clock.Advance(1000);
    EXPECT_TRUE(dialect->PollNotifications(session));
    EXPECT_EQ(Config(ck::kDpiIndex), 2);
    EXPECT_TRUE(events.Saw("reload 1"));
    EXPECT_TRUE(events.Saw("battery 80 0"));
}

TEST_P(NodicFaultTest, LightingIsReadAndWrittenOnAModelWithLighting) {
    Use(GetParam());
    session.hasLighting = true;
    Flash().lightCode = 0;  // mode 1 as the mouse numbers it
    ASSERT_TRUE(dialect->ReadEverything(session));
    EXPECT_EQ(Heads().back(), (Head{Obj(5), 0x82, 1}));
    EXPECT_EQ(store.GetActiveLightMode(1), 1);
    ASSERT_TRUE(store.SetLightBrightness(1, 1, 128));
    sim::ClearLog();
    ASSERT_TRUE(dialect->WriteLighting(session));
    EXPECT_EQ(Heads(), (std::vector<Head>{{Obj(5), 0x9D, 4}, {Obj(5), 0x82, 5}, {Obj(10), 0x81, 1}}));
    const auto& light = Flash().lights.at(0);
    EXPECT_EQ(light[0], 0);
    EXPECT_EQ(light[8 - 4], 3);  // 128 of 255 is level 3 of 5
    EXPECT_EQ(Flash().lightCode, 0);

    // A lighting task sends the mode it was queued for, whatever is active when it runs.
    session.lightMode = 2;
    ASSERT_TRUE(dialect->WriteLighting(session));
    EXPECT_EQ(Flash().lightCode, 2);  // mode 2 as the mouse numbers it
    EXPECT_EQ(store.GetActiveLightMode(1), 1);
}

// This family resets lighting by sending the default lighting; the store starts
// again from the default modes only when the mouse took it.
TEST_P(NodicFaultTest, TheStoreLosesItsLightingOnlyWhenTheMouseTookTheReset) {
    const struct {
        const char* name;
        int faults;
        bool reset;
    } rows[] = {{"no answer", 6, false}, {"answered", 0, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Use(GetParam());
        session.hasLighting = true;
        events.events.clear();
        ASSERT_TRUE(store.SetLightBrightness(1, 1, 9));
        if (row.faults) sim::InjectFault("dev", Fault::kNoReply, row.faults);
        EXPECT_EQ(dialect->ResetParts(session, 4), row.reset);
        LightRecord r;
        ASSERT_TRUE(store.GetLight(1, 1, r));
        EXPECT_EQ(r.brightness, row.reset ? 255 : 9);
        EXPECT_EQ(events.Saw("reload 3"), row.reset);
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
    }
}

INSTANTIATE_TEST_SUITE_P(Connections, NodicFaultTest, ::testing::ValuesIn(kConnections));

class NodicReceiverTest : public TaskBed {};

TEST_F(NodicReceiverTest, TheMouseGoingAndComingBackIsFollowed) {
    Use(kConnections[1]);
    ASSERT_TRUE(dialect->ReadEverything(session));
    events.events.clear();
    ASSERT_TRUE(sim::SetMouseAwake("dev", false));
    EXPECT_TRUE(dialect->PollNotifications(session));
    EXPECT_EQ(events.events, (std::vector<std::string>{"text 53", "pages off", "battery 0 2"}));
    EXPECT_FALSE(session.mouseConnected);
    EXPECT_EQ(manager->ConnectMode(), -1);

    events.events.clear();
    sim::Memory("mouse")->nodic.profiles[0].sensor[11 - 4] = 4;  // changed while away
    sim::ClearLog();
    ASSERT_TRUE(sim::SetMouseAwake("dev", true));
    clock.Advance(1000);
    EXPECT_TRUE(dialect->PollNotifications(session));
    EXPECT_TRUE(session.mouseConnected);
    EXPECT_TRUE(events.Saw("text 52"));
    EXPECT_TRUE(events.Saw("pages on"));
    EXPECT_TRUE(events.Saw("read ok"));
    EXPECT_EQ(Config(ck::kLiftoffHeight), 4);
    EXPECT_EQ(Heads().at(0), (Head{0x01, 0x81, 1}));
}

TEST_F(NodicReceiverTest, AReadWhileTheMouseSleepsSendsNothing) {
    Use(kConnections[1]);
    ASSERT_TRUE(sim::SetMouseAwake("dev", false));
    ASSERT_TRUE(dialect->PollNotifications(session));
    sim::ClearLog();
    EXPECT_FALSE(dialect->ReadEverything(session));
    EXPECT_TRUE(Heads().empty());
    EXPECT_TRUE(events.Saw("read failed"));
}

TEST_F(NodicReceiverTest, TheReceiverAnswersItsOwnVersionAndPassesTheRoutedOneOn) {
    Use(kConnections[1]);
    struct { bool routed; int high, low; } rows[] = {{false, 0x01, 0x02}, {true, 0x01, 0x07}};
    for (const auto& row : rows) {
        NodicFrameBytes request{};
        BuildNodicRead(request.data(), 0, row.routed, 0);
        NodicReply reply = dialect->Read(request, 6);
        ASSERT_TRUE(reply.Valid(6)) << row.routed;
        EXPECT_EQ(std::make_pair(int{reply.frame[9]}, int{reply.frame[8]}), std::make_pair(row.high, row.low));
    }
}

TEST(NodicMemoryFile, TheBlocksAndTablesSurviveSavingAndLoading) {
    sim::MouseMemory m;
    m.nodic.used = true;
    m.nodic.profiles[2].sensor[5] = 0x77;
    m.nodic.profiles[4].macroTable = {5, 0, 1, 2, 3};
    m.nodic.profiles[1].lights[2][3] = 9;
    m.nodic.profiles[3].lightCode = 1;
    std::map<std::string, sim::MouseMemory> loaded = sim::LoadMemory(sim::SaveMemory({{"n2", m}}));
    const sim::NodicMemory& n = loaded["n2"].nodic;
    for (std::size_t p = 0; p < 5; ++p) {
        EXPECT_EQ(n.profiles[p].sensor, m.nodic.profiles[p].sensor);
        EXPECT_EQ(n.profiles[p].system, m.nodic.profiles[p].system);
        EXPECT_EQ(n.profiles[p].buttons, m.nodic.profiles[p].buttons);
        EXPECT_EQ(n.profiles[p].macroTable, m.nodic.profiles[p].macroTable);
        EXPECT_EQ(n.profiles[p].lights, m.nodic.profiles[p].lights);
        EXPECT_EQ(n.profiles[p].lightCode, m.nodic.profiles[p].lightCode);
    }
}

}  // namespace
