// Reading everything from a mouse whose memory the test prepared: what lands in
// the store, what is refused, and what is read only the first time.
#include "SettingsTestBed.h"

using namespace settingstest;

namespace {

class ReadBackTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {
protected:
    void SetUp() override {
        SettingsBed::SetUp();
        Use(GetParam());
    }
    // The profile the read lands in: the feature dialect's first read makes profile
    // 1 current; the output dialect's answer names the mouse's profile, here 3.
    int Landing() const { return Feature() ? 1 : 3; }
    sim::ProfileMemory& Prepared() {
        if (!Feature()) Mouse().currentProfile = 2;
        return MouseProfile(Landing());
    }
};

TEST_P(ReadBackTest, PerformanceBlockLandsInTheCurrentProfile) {
    sim::ProfileMemory& p = Prepared();
    p.dpiX = {450, 900, 1350, 1800, 2250};
    p.dpiY = p.dpiX;
    p.dpiIndex = 3;
    p.rateCode = 1;
    p.sensorFlags = 0;
    p.liftOff = 1;
    p.scrollFlag = 2;  // sensor byte 0x41
    p.dpiFlag = 7;
    p.responseTime = 11;
    p.sleepTime = 20;
    Mouse().battery = 55;
    Mouse().charging = 1;
    ASSERT_TRUE(dialect->ReadEverything(session));
    int at = Landing();
    EXPECT_EQ(session.currentProfile, at);
    EXPECT_EQ(store.GetActiveProfile(), at);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Get(at, codec::keys::DpiX(i)), 450 * (i + 1)) << i;
        EXPECT_EQ(Get(at, codec::keys::DpiY(i)), 450 * (i + 1)) << i;
    }
    EXPECT_EQ(Get(at, L"dpi_index"), 3);
    EXPECT_EQ(Get(at, L"report_rate"), 1);
    EXPECT_EQ(Get(at, L"sensor_flag"), 65);
    EXPECT_EQ(Get(at, L"liftoff_height"), 1);
    EXPECT_EQ(Get(at, L"scroll_flag"), 2);
    EXPECT_EQ(Get(at, L"dpi_flag"), 7);
    EXPECT_EQ(Get(at, L"button_respondtime"), 11);
    if (!Feature()) { EXPECT_EQ(Get(at, L"sleep_light"), 20); }
    EXPECT_EQ(Get(2, L"dpi_index"), 1);  // other profiles untouched
    EXPECT_TRUE(listener.Saw("battery 55 1"));
    EXPECT_TRUE(listener.Saw(GetParam().kind == Kind::kWired ? "text 51" : "text 52"));
    EXPECT_TRUE(listener.Saw("read ok"));
    EXPECT_TRUE(session.mouseConnected);
}

TEST_P(ReadBackTest, ValuesOutOfRangeAreNotStored) {
    struct Case {
        const char* what;
        void (*prepare)(sim::ProfileMemory&);
        const wchar_t* key;
    };
    const Case cases[] = {
        {"level beyond the count", [](sim::ProfileMemory& p) { p.dpiIndex = 4; }, L"dpi_index"},
        {"rate code off the table", [](sim::ProfileMemory& p) { p.rateCode = 7; }, L"report_rate"},
        {"response time above 20", [](sim::ProfileMemory& p) { p.responseTime = 30; }, L"button_respondtime"},
        {"DPI value zero", [](sim::ProfileMemory& p) { p.dpiX[0] = 0; }, L"dpi_x_group0_value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::ProfileMemory& p = Prepared();
        p = sim::ProfileMemory{};
        c.prepare(p);
        Set(Landing(), L"dpi_count", 2);
        Set(Landing(), c.key, 1);
        session.modelsRead.clear();
        dialect->ReadEverything(session);
        EXPECT_EQ(Get(Landing(), c.key), 1);
    }
}

TEST_P(ReadBackTest, LightingAndButtonsOnlyOnTheFirstRead) {
    sim::ProfileMemory& p = Prepared();
    p.light.mode = 2;
    p.light.brightness = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};
    p.light.speed = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    p.light.colour[1] = 0x00123456;
    p.light.colour[3] = 0x00ABCDEF;
    ASSERT_TRUE(dialect->ReadEverything(session));
    int at = Landing();
    if (Feature()) {
        EXPECT_EQ(store.GetActiveLightMode(at), 2);
        for (int mode = 0; mode < 4; ++mode) {
            LightRecord r;
            ASSERT_TRUE(store.GetLight(at, mode, r));
            EXPECT_EQ(r.brightness, 10 * (mode + 1)) << mode;
            EXPECT_EQ(r.speed, mode + 1) << mode;
        }
        LightRecord r;
        ASSERT_TRUE(store.GetLight(at, 1, r));
        EXPECT_EQ(r.color_value, 0x00123456);
        ASSERT_TRUE(store.GetLight(at, 3, r));
        EXPECT_EQ(r.color_value, 0x00ABCDEF);
        EXPECT_FALSE(store.GetLight(at, 4, r));  // a mode without a record is left alone
        EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x51, 0x12}), 1);
    } else {
        EXPECT_EQ(store.GetActiveLightMode(at), 0);  // the output dialect reads no lighting
    }
    std::size_t firstReads = sim::Log().size();
    sim::ClearLog();
    ASSERT_TRUE(dialect->ReadEverything(session));
    EXPECT_LT(sim::Log().size(), firstReads);
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x51, 0x12}), 0);
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x52, 0x61}), 0);
    EXPECT_EQ(sim::CountLogged(Direction::kOut, {0xB3, 0x61}), 0);
}

TEST_P(ReadBackTest, AMouseThatDoesNotAnswerLeavesTheStore) {
    Set(1, L"dpi_index", 0);
    sim::InjectFault("dev", sim::Fault::kNoReply, 100);
    EXPECT_FALSE(dialect->ReadEverything(session));
    EXPECT_EQ(Get(1, L"dpi_index"), 0);
    EXPECT_TRUE(listener.Saw("read failed"));
}

INSTANTIATE_TEST_SUITE_P(Mice, ReadBackTest, ::testing::ValuesIn(kConnections));

class AsleepTest : public SettingsBed {};

TEST_F(AsleepTest, FeatureReceiverWithItsMouseAsleepReadsNothingMore) {
    Use(kConnections[1]);
    sim::SetMouseAwake("dev", false);
    sim::ClearLog();
    EXPECT_FALSE(dialect->ReadEverything(session));
    EXPECT_EQ(sim::CountLogged(Direction::kFeatureSet, {0x51, 0x07}), 0);
    EXPECT_FALSE(session.mouseConnected);
}

}  // namespace
