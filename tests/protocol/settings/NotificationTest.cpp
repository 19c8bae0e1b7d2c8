// What the mouse says on its own: each kind of notification changes the store and
// tells the listener, and reports that make no sense change nothing.
#include "DebugTrace.h"
#include "SettingsTestBed.h"

using namespace settingstest;

namespace {

class NotificationTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {
protected:
    void Start(sim::DeviceSetup tweak = {}) {
        Use(GetParam(), tweak);
        ASSERT_TRUE(dialect->ReadEverything(session));
        // The first state report of an output-dialect mouse re-reads once: the work
        // mode is known only from notifications there.
        sim::SetBattery("dev", 80, false);
        Poll();
        listener.events.clear();
        sim::ClearLog();
    }
    bool Poll() {
        clock.Advance(250);  // polls are at least 200 ms apart
        return dialect->PollNotifications(session);
    }
    std::uint8_t Id() const { return Feature() ? 0x54 : 0xB6; }
};

TEST_P(NotificationTest, DpiButtonOnTheMouseSelectsTheNextLevel) {
    Start();
    int before = Get(1, L"dpi_index");
    ASSERT_TRUE(sim::PressButton("dev", 0));
    // The idle loop asks every 30 ms, but the mouse is read at most every 200 ms.
    clock.Advance(150);
    EXPECT_TRUE(dialect->PollNotifications(session));
    EXPECT_EQ(Get(1, L"dpi_index"), before) << "read again within 200 ms of the last poll";
    ASSERT_TRUE(Poll());
    EXPECT_EQ(Get(1, L"dpi_index"), (before + 1) % 5);
    EXPECT_TRUE(listener.Saw("reload 1"));
    EXPECT_TRUE(sim::Log().size() <= 1u);  // the report itself: no command was needed
}

TEST_P(NotificationTest, BatteryDrainsAndCharges) {
    Start();
    const struct { int level; bool charging; const char* event; } steps[] = {
        {64, false, "battery 64 0"}, {12, false, "battery 12 0"}, {13, true, "battery 13 1"}};
    for (const auto& step : steps) {
        ASSERT_TRUE(sim::SetBattery("dev", step.level, step.charging));
        ASSERT_TRUE(Poll());
        EXPECT_TRUE(listener.Saw(step.event)) << step.event;
        EXPECT_EQ(session.battery, step.level);
        EXPECT_EQ(session.charging, step.charging);
    }
}

TEST_P(NotificationTest, LightingChangedWithTheMousesButtons) {
    Start();
    ASSERT_TRUE(sim::ChangeLightingOnMouse("dev", 2, 90, 7, 0x123456));
    ASSERT_TRUE(Poll());
    EXPECT_EQ(store.GetActiveLightMode(1), 2);
    LightRecord r;
    ASSERT_TRUE(store.GetLight(1, 2, r));
    EXPECT_EQ(r.brightness, 90);
    EXPECT_EQ(r.speed, 7);
    EXPECT_EQ(r.color_value, 0x123456);
    EXPECT_TRUE(listener.Saw("reload 3"));
}

TEST_P(NotificationTest, FactoryResetOnTheMouseReadsItAgain) {
    Start();
    Set(1, L"dpi_x_group4_value", 1000);
    ASSERT_TRUE(sim::ResetOnMouse("dev"));
    ASSERT_TRUE(Poll());
    EXPECT_EQ(Get(1, L"dpi_x_group4_value"), 6400);  // the mouse's factory value
    EXPECT_TRUE(listener.Saw("reload 1"));
}

TEST_P(NotificationTest, ProfileChosenOnTheMouse) {
    struct Case {
        sim::ProfileNotice notice;
        int storedProfile;  // the store's current profile afterwards
        int dpiIndex;       // dpi_index of profile 1 afterwards
    };
    // The new profile's level is 3. A state report carries it into the current
    // profile; a reset notice re-reads, which in the output dialect names the profile.
    bool feature = GetParam().family == Family::kFeature;
    const Case cases[] = {
        {sim::ProfileNotice::kState, 1, 3},
        {sim::ProfileNotice::kReset, feature ? 1 : 4, feature ? 3 : 1},
        {sim::ProfileNotice::kNone, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.notice));
        sim::Reset();
        manager = std::make_unique<HidDeviceManager>();
        manager->SetDescriptorReader(&hid_get_report_descriptor);
        session = DeviceSession{};
        sim::DeviceSetup tweak;
        tweak.profileNotice = c.notice;
        store.CloseIfOpen();
        Start(tweak);
        Set(1, L"dpi_index", 1);
        MouseProfile(4).dpiIndex = 3;
        ASSERT_TRUE(sim::ChangeProfileOnMouse("dev", 4));
        Poll();
        EXPECT_EQ(session.currentProfile, c.storedProfile);
        EXPECT_EQ(Get(1, L"dpi_index"), c.dpiIndex);
    }
}

TEST_P(NotificationTest, NonsenseChangesNothing) {
    Start();
    std::uint8_t id = Id();
    std::uint8_t other = Feature() ? 0xB6 : 0x54;
    const std::vector<std::uint8_t> reports[] = {
        {id, 0xE5, 1, 1, 0, 50, 2, 1},       // no such code
        {other, 0xE2, 0, 1, 0, 50, 2, 1},    // the other dialect's report id
        {id, 0xE2, 7, 1, 0, 50, 2, 1},       // work mode 7
        {id, 0xE2, 0, 2, 0, 50, 2, 1},       // connected neither 0 nor 1
        {id, 0xE1, 11, 0, 9, 9, 1, 2, 3},    // lighting mode 11
        {id, 0xE4, 0x00},                    // an acknowledgement nobody waits for
        {id},                                // too short to say anything
    };
    Set(1, L"dpi_index", 2);
    Set(1, L"report_rate", 1);
    for (const auto& report : reports) {
        SCOPED_TRACE(report[1 % report.size()]);
        listener.events.clear();
        ASSERT_TRUE(sim::SendUnasked("dev", report));
        Poll();
        EXPECT_TRUE(listener.events.empty());
        EXPECT_EQ(Get(1, L"dpi_index"), 2);
        EXPECT_EQ(Get(1, L"report_rate"), 1);
        EXPECT_EQ(store.GetActiveLightMode(1), 0);
    }
    // A level beyond the count and a rate off the table are ignored; the rest counts.
    listener.events.clear();
    std::uint8_t mode = GetParam().kind == Kind::kWired ? 0 : 1;
    std::vector<std::string> traced;
    SetDebugTraceSink([&traced](const std::string& line) { traced.push_back(line); });
    ASSERT_TRUE(sim::SendUnasked("dev", {id, 0xE2, mode, 1, 0, 44, 9, 7, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(Poll());
    SetDebugTraceSink(nullptr);
    EXPECT_TRUE(listener.Saw("battery 44 0"));
    EXPECT_EQ(Get(1, L"dpi_index"), 2);
    EXPECT_EQ(Get(1, L"report_rate"), 1);
    // What was ignored is traced, each value by name.
    std::string all;
    for (const std::string& line : traced) all += line + "\n";
    EXPECT_NE(all.find("dpi_index 9 is out of range"), std::string::npos) << all;
    EXPECT_NE(all.find("report_rate 7 is out of range"), std::string::npos) << all;
}

INSTANTIATE_TEST_SUITE_P(Mice, NotificationTest, ::testing::ValuesIn(kConnections));

// A mouse behind its receiver goes to sleep and wakes up.
class SleepWakeTest : public NotificationTest {};

TEST_P(SleepWakeTest, SleepClearsTheBatteryAndWakingReadsAgain) {
    Start();
    ASSERT_TRUE(sim::SetMouseAwake("dev", false));
    ASSERT_TRUE(Poll());
    EXPECT_EQ(listener.events, (std::vector<std::string>{"text 53", "battery 0 2", "pages off"}));
    EXPECT_FALSE(session.mouseConnected);
    listener.events.clear();
    MouseProfile(1).responseTime = 19;  // changed while away
    ASSERT_TRUE(sim::SetMouseAwake("dev", true));
    ASSERT_TRUE(Poll());
    EXPECT_TRUE(listener.Saw("text 52"));
    EXPECT_TRUE(listener.Saw("pages on"));
    EXPECT_EQ(Get(1, L"button_respondtime"), 19);
    EXPECT_TRUE(session.mouseConnected);
}

INSTANTIATE_TEST_SUITE_P(Receivers, SleepWakeTest, ::testing::Values(kConnections[1], kConnections[3]));

}  // namespace
