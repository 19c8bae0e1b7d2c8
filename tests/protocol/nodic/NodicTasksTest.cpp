// The second family's device tasks against the virtual mouse, on the cable and
// behind the receiver: the frames on the wire, what the mouse keeps and what the
// store holds afterwards.
#include "NodicTaskBed.h"

#include <functional>

#include "Utf.h"

using namespace nodictest;
namespace ck = codec::keys;

namespace {

using Head = std::array<int, 3>;

class NodicTaskTest : public TaskBed, public ::testing::WithParamInterface<Connection> {
protected:
    int Obj(int object) const { return object | (GetParam().routed() ? 0x40 : 0); }
    Head StateQuery() const { return {Obj(10), 0x81, 1}; }
    void ReadFirst() {
        ASSERT_TRUE(dialect->ReadEverything(session));
        sim::ClearLog();
        events.events.clear();
    }
};

TEST_P(NodicTaskTest, TheInitialReadFillsTheStoreFromEveryBlock) {
    Use(GetParam());
    Flash().system[8 - 4] = 5;  // 4000 Hz
    ASSERT_TRUE(dialect->ReadEverything(session));
    std::vector<Head> expected;
    if (GetParam().routed()) expected.push_back({0x01, 0x81, 1});  // the receiver itself, never routed
    for (Head h : {Head{Obj(1), 0x81, 1}, Head{Obj(3), 0x81, 1}, Head{Obj(4), 0x81, 1}, Head{Obj(4), 0x81, 3}})
        expected.push_back(h);
    EXPECT_EQ(Heads(), expected);
    EXPECT_TRUE(ChecksumsHold());
    struct { const CString key; int value; } stored[] = {
        {ck::kSensorFlag, 8}, {ck::kLiftoffHeight, 2}, {ck::kDpiIndex, 1}, {ck::kDpiCount, 5},
        {ck::DpiX(4), 6400}, {ck::DpiY(5), 12800}, {ck::kReportRate, 5}, {ck::kSleepLight, 5},
        {ck::kResponseTime, 4}, {ck::kScrollFlag, 1}, {ck::kEsportsFlag, 1}};
    for (const auto& s : stored) EXPECT_EQ(Config(s.key), s.value) << utf::WideToUtf8(s.key.str());
    KeyAssignment key;
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 7, key));  // the DPI button
    EXPECT_EQ(std::make_pair(key.macro_type, key.macro_value), std::make_pair(5, 3));
    EXPECT_FALSE(store.GetKeyAssignment(1, 0, 5, key));  // entries 5, 6, 8 and 9 are never taken
    EXPECT_TRUE(session.mouseConnected);
    EXPECT_TRUE(events.Saw("battery 80 0"));
    EXPECT_TRUE(events.Saw("read ok"));
}

TEST_P(NodicTaskTest, AProfileTheMouseReportsBecomesCurrent) {
    Use(GetParam());
    sim::Memory("mouse")->currentProfile = 3;
    ASSERT_TRUE(dialect->ReadEverything(session));
    EXPECT_EQ(session.currentProfile, 4);
    EXPECT_EQ(store.GetActiveProfile(), 4);
}

// Each task row: what it stores first, the frames it sends before the state
// query, and what the mouse then holds.
struct TaskRow {
    const char* name;
    std::function<void(SettingsDatabase&)> prepare;
    std::function<bool(NodicDialect&, DeviceSession&)> run;
    std::vector<Head> frames;  // object without the route bit; the state query follows
    std::function<void(sim::MouseMemory&)> check;
};

std::vector<TaskRow> TaskRows() {
    using S = SettingsDatabase;
    using D = NodicDialect;
    using Ss = DeviceSession;
    return {
        {"DPI", [](S& s) { s.SetConfigValue(1, ck::DpiX(1), 1000); s.SetConfigValue(1, ck::kDpiCount, 4); },
         [](D& d, Ss& ss) { return d.WriteDpi(ss); }, {{4, 0xB5, 2}},
         [](sim::MouseMemory& m) {
             auto& sensor = m.nodic.profiles[0].sensor;
             EXPECT_EQ(sensor[19 - 4] | (sensor[20 - 4] << 8), 1000);
             EXPECT_EQ(sensor[14 - 4], 15);  // four levels
             EXPECT_EQ(sensor[9 - 4], 0x22);   // bytes the program does not know go back as read
             EXPECT_EQ(sensor[56 - 4], 0xB1);
         }},
        {"report rate", [](S& s) { s.SetConfigValue(1, ck::kReportRate, 6); },
         [](D& d, Ss& ss) { return d.WriteReportRate(ss); }, {{4, 0x8F, 4}},
         [](sim::MouseMemory& m) {
             EXPECT_EQ(m.nodic.profiles[0].system[8 - 4], 6);
             EXPECT_EQ(m.nodic.profiles[0].system[12 - 4], 0x5C);
         }},
        {"response time", [](S& s) { s.SetConfigValue(1, ck::kResponseTime, 9); },
         [](D& d, Ss& ss) { return d.WriteResponseTime(ss); }, {{4, 0x8F, 4}},
         [](sim::MouseMemory& m) { EXPECT_EQ(m.nodic.profiles[0].system[9 - 4], 9); }},
        {"sleep time", [](S& s) { s.SetConfigValue(1, ck::kSleepLight, 1); },
         [](D& d, Ss& ss) { return d.WriteSleepTime(ss); }, {{4, 0x8F, 4}},
         [](sim::MouseMemory& m) {
             auto& system = m.nodic.profiles[0].system;
             EXPECT_EQ(std::vector<int>(system.begin(), system.begin() + 4), (std::vector<int>{10, 0, 10, 0}));
         }},
        {"sensor alone", [](S& s) { s.SetConfigValue(1, ck::kLiftoffHeight, 3); },
         [](D& d, Ss& ss) { return d.WriteSensor(ss); }, {{4, 0xB5, 2}},
         [](sim::MouseMemory& m) { EXPECT_EQ(m.nodic.profiles[0].sensor[11 - 4], 3); }},
        // Scroll direction and sleep time live in the system block: the sensor task sends it too.
        {"sensor with scroll direction", [](S& s) { s.SetConfigValue(1, ck::kScrollFlag, 2); },
         [](D& d, Ss& ss) { return d.WriteSensor(ss); }, {{4, 0xB5, 2}, {4, 0x8F, 4}},
         [](sim::MouseMemory& m) { EXPECT_EQ(m.nodic.profiles[0].system[14 - 4], 1); }},
        {"profile", [](S&) {}, [](D& d, Ss& ss) { ss.currentProfile = 3; return d.ApplyProfile(ss); }, {{2, 0x82, 2}},
         [](sim::MouseMemory& m) { EXPECT_EQ(m.currentProfile, 2); }},
        {"restore one button", [](S&) {}, [](D& d, Ss& ss) { return d.RestoreButton(ss, 2); }, {{9, 0x82, 2}},
         [](sim::MouseMemory& m) {
             EXPECT_EQ(m.nodic.profiles[0].buttons[8], 0x01);
             EXPECT_EQ(m.nodic.profiles[0].buttons[10], 0xF2);
         }},
        {"reset buttons", [](S&) {}, [](D& d, Ss& ss) { return d.ResetParts(ss, 1); }, {{9, 0x82, 2}},
         [](sim::MouseMemory& m) { EXPECT_EQ(m.nodic.profiles[0].buttons[4 * 3 + 2], 0xF4); }},
        {"factory reset", [](S&) {}, [](D& d, Ss& ss) { return d.FactoryReset(ss); }, {{9, 0x82, 0xFF}},
         [](sim::MouseMemory& m) {
             EXPECT_EQ(m.nodic.factoryResets, 1);  // confirmed with 0x81: not sent twice
             EXPECT_EQ(m.nodic.profiles[0].buttons[8], 0x01);
         }},
        {"one button", [](S& s) {
             KeyAssignment k;
             k.profile = 1; k.key_code = 1; k.macro_type = 2; k.macro_value = 0x04; k.macro_value2 = 1;
             s.SaveKeyAssignment(k);
         },
         [](D& d, Ss& ss) { return d.WriteButton(ss, 1); }, {{3, 0xB1, 2}},
         [](sim::MouseMemory& m) {
             auto& b = m.nodic.profiles[0].buttons;
             EXPECT_EQ(std::vector<int>(b.begin() + 4, b.begin() + 8), (std::vector<int>{0x00, 0x01, 0x04, 0x00}));
             EXPECT_EQ(b[4 * 7], 0x07);  // the others as the mouse had them
         }},
    };
}

TEST_P(NodicTaskTest, EachTaskSendsItsBlockAndThenAsksForTheState) {
    for (const TaskRow& row : TaskRows()) {
        SCOPED_TRACE(row.name);
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
        Use(GetParam());
        ReadFirst();
        // Bytes the program never writes, so that a task that resets them shows.
        Flash().buttons[8] = 0x0A;
        Flash().buttons[10] = 0x00;
        Flash().buttons[4 * 3 + 2] = 0x00;
        row.prepare(store);
        ASSERT_TRUE(row.run(*dialect, session));
        std::vector<Head> expected;
        for (Head h : row.frames) expected.push_back({Obj(h[0]), h[1], h[2]});
        expected.push_back(StateQuery());
        EXPECT_EQ(Heads(), expected);
        EXPECT_TRUE(ChecksumsHold());
        row.check(*sim::Memory("mouse"));
    }
}

TEST_P(NodicTaskTest, TheSensorFrameCarriesTheBlockByteForByte) {
    Use(GetParam());
    ReadFirst();
    store.SetConfigValue(1, ck::kSensorFlag, 4 + 16);
    store.SetConfigValue(1, ck::kEsportsFlag, 2);
    store.SetConfigValue(1, L"angle_tunability", -45);
    ASSERT_TRUE(dialect->WriteDpi(session));
    Frame f = Sent().at(0);
    EXPECT_EQ(f[0], Obj(4));
    EXPECT_EQ(f[2], 0xB5);
    EXPECT_EQ(std::vector<int>(f.begin() + 4, f.begin() + 8), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(f[12], static_cast<std::uint8_t>(-30));  // clamped
    EXPECT_EQ(std::vector<std::uint8_t>(f.begin() + 4, f.begin() + 57),
              std::vector<std::uint8_t>(Flash().sensor.begin(), Flash().sensor.end()));
    std::uint8_t sum = 0;
    for (int i = 0; i < 63; ++i) sum = static_cast<std::uint8_t>(sum + f[static_cast<std::size_t>(i)]);
    EXPECT_EQ(f[63], static_cast<std::uint8_t>(0xA1 - sum));
}

TEST_P(NodicTaskTest, MacrosGoToTheProfilesTableBeforeTheButtonThatPlaysThem) {
    Use(GetParam());
    ReadFirst();
    MacroHeader header;
    header.name = L"Hello";
    header.play_times = 3;
    int macro = store.AddMacroWithSettings(header);
    ASSERT_GT(macro, 0);
    store.AddMacroStep({0, macro, 2, 0, 0x41, 0, L""});
    store.AddMacroStep({0, macro, 1, 1, 50, 0, L""});
    store.AddMacroStep({0, macro, 3, 2, 0x41, 0, L""});
    for (int button : {3, 4}) {
        KeyAssignment k;
        k.profile = 1; k.key_code = button; k.macro_type = 4; k.macro_value = macro; k.macro_desc = L"Hello";
        store.SaveKeyAssignment(k);
    }
    ASSERT_TRUE(dialect->WriteButton(session, 3));
    EXPECT_EQ(Heads(), (std::vector<Head>{{Obj(7), 0xBB, 2}, {Obj(3), 0xB1, 2}, StateQuery()}));
    const std::vector<std::uint8_t>& table = Flash().macroTable;
    ASSERT_EQ(table.size(), 2u + 44 + 8);  // one record, played by both buttons
    EXPECT_EQ(table[0], table.size());
    EXPECT_EQ(std::vector<int>(table.begin() + 46, table.end()), (std::vector<int>{0x01, 0x04, 50, 0, 0x81, 0x04, 10, 0}));
    for (std::size_t entry : {3u, 4u})
        EXPECT_EQ(std::vector<int>(Flash().buttons.begin() + 4 * entry, Flash().buttons.begin() + 4 * entry + 4),
                  (std::vector<int>{0x09, 3, 0, 4}));
    // The profile switch takes the other profile's table as the mouse keeps it.
    session.currentProfile = 2;
    ASSERT_TRUE(dialect->ApplyProfile(session));
    EXPECT_TRUE(Flash(1).macroTable.empty());
    EXPECT_EQ(Flash(0).macroTable.size(), table.size());
}

// A profile import stores the file's values and then applies everything: the
// system block the mouse reports is only the frame for them, never stored over them.
TEST_P(NodicTaskTest, ApplyingEverythingSendsTheStoredSystemValues) {
    Use(GetParam());
    auto& system = Flash().system;
    system[8 - 4] = 1;
    system[9 - 4] = 4;
    system[14 - 4] = 0;
    store.SetConfigValue(1, ck::kReportRate, 6);
    store.SetConfigValue(1, ck::kResponseTime, 9);
    store.SetConfigValue(1, ck::kScrollFlag, 2);
    ASSERT_TRUE(dialect->ApplyEverything(session));
    EXPECT_EQ((std::vector<int>{system[8 - 4], system[9 - 4], system[14 - 4]}), (std::vector<int>{6, 9, 1}));
    EXPECT_EQ(Config(ck::kReportRate), 6);
    EXPECT_EQ(Heads().back(), StateQuery());
}

// The mouse keeps its blocks per profile: after a switch, each write is laid over
// the new profile's own block, so bytes the program does not know (and the other
// buttons) stay that profile's.
TEST_P(NodicTaskTest, AfterASwitchEveryBlockIsThatProfilesOwn) {
    Use(GetParam());
    ReadFirst();
    Flash(1).system[12 - 4] = 0x33;
    Flash(1).sensor[9 - 4] = 0x44;
    Flash(1).buttons[4 * 7] = 0x0C;
    session.currentProfile = 2;
    ASSERT_TRUE(dialect->ApplyProfile(session));
    KeyAssignment k;
    k.profile = 2; k.key_code = 1; k.macro_type = 2; k.macro_value = 0x04; k.macro_value2 = 1;
    store.SaveKeyAssignment(k);
    const struct {
        const char* task;
        std::function<bool()> run;
        std::function<int()> kept;
        int value;
    } rows[] = {
        {"report rate", [&] { return dialect->WriteReportRate(session); }, [&] { return Flash(1).system[12 - 4]; }, 0x33},
        {"DPI", [&] { return dialect->WriteDpi(session); }, [&] { return Flash(1).sensor[9 - 4]; }, 0x44},
        {"button", [&] { return dialect->WriteButton(session, 1); }, [&] { return Flash(1).buttons[4 * 7]; }, 0x0C},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(row.run()) << row.task;
        EXPECT_EQ(row.kept(), row.value) << row.task;
    }
}

INSTANTIATE_TEST_SUITE_P(Connections, NodicTaskTest, ::testing::ValuesIn(kConnections));

}  // namespace
