// Every profile travels to the mouse and back: applying a profile (and, in the
// output dialect, its settings) then reading everything into a scrambled store
// gives back what was stored.
#include "SettingsTestBed.h"

using namespace settingstest;

namespace {

struct ProfileValues {
    int dpi[5];
    int index, rate, sensorFlag, liftoff, scroll, response;
};

ProfileValues ValuesOf(int profile) {
    ProfileValues v{};
    for (int i = 0; i < 5; ++i) v.dpi[i] = 100 * profile + 250 * (i + 1);
    v.index = profile - 1;
    v.rate = profile % 4;
    v.sensorFlag = 4 * (profile % 8);
    v.liftoff = 1 + profile % 2;
    v.scroll = 1 + (profile + 1) % 2;
    v.response = 3 * profile;
    return v;
}

class RoundTripTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {
protected:
    void Store(int profile, const ProfileValues& v) {
        for (int i = 0; i < 5; ++i) {
            Set(profile, codec::keys::DpiX(i), v.dpi[i]);
            Set(profile, codec::keys::DpiY(i), v.dpi[i]);
        }
        Set(profile, L"dpi_count", 5);
        Set(profile, L"dpi_index", v.index);
        Set(profile, L"report_rate", v.rate);
        Set(profile, L"sensor_flag", v.sensorFlag);
        Set(profile, L"liftoff_height", v.liftoff);
        Set(profile, L"scroll_flag", v.scroll);
        Set(profile, L"e-sports_flag", 1);
        Set(profile, L"button_respondtime", v.response);
    }
};

TEST_P(RoundTripTest, AllFiveProfiles) {
    Use(GetParam());
    session.hasLighting = false;
    // The model has been read once, so a read-all keeps the store's current profile.
    session.modelsRead.insert(model);
    for (int profile = 1; profile <= 5; ++profile) {
        SCOPED_TRACE(profile);
        ProfileValues v = ValuesOf(profile);
        Store(profile, v);
        ASSERT_TRUE(store.SetActiveProfile(profile));
        session.currentProfile = profile;
        ASSERT_TRUE(dialect->ApplyProfile(session));
        if (!Feature()) { ASSERT_TRUE(dialect->ApplyEverything(session)); }
        EXPECT_EQ(Mouse().currentProfile, profile - 1);

        ProfileValues scrambled = ValuesOf(profile + 5);
        scrambled.index = 0;
        Store(profile, scrambled);
        ASSERT_TRUE(dialect->ReadEverything(session));
        EXPECT_EQ(session.currentProfile, profile);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(Get(profile, codec::keys::DpiX(i)), v.dpi[i]);
            EXPECT_EQ(Get(profile, codec::keys::DpiY(i)), v.dpi[i]);
        }
        EXPECT_EQ(Get(profile, L"dpi_index"), v.index);
        EXPECT_EQ(Get(profile, L"report_rate"), v.rate);
        EXPECT_EQ(Get(profile, L"sensor_flag"), v.sensorFlag | v.liftoff | (v.scroll == 2 ? 0x40 : 0));
        EXPECT_EQ(Get(profile, L"liftoff_height"), v.liftoff);
        EXPECT_EQ(Get(profile, L"scroll_flag"), v.scroll);
        EXPECT_EQ(Get(profile, L"button_respondtime"), v.response);
    }
    // Each profile kept its own values on the mouse.
    for (int profile = 1; profile <= 5; ++profile) { EXPECT_EQ(MouseProfile(profile).dpiX[0], ValuesOf(profile).dpi[0]); }
}

INSTANTIATE_TEST_SUITE_P(Mice, RoundTripTest, ::testing::ValuesIn(kConnections));

}  // namespace
