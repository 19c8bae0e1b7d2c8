// Lighting modes per profile.
#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "Utf.h"

using namespace storetest;

namespace {

struct SpeedCase {
    int deviceType;
    const char* speed;
};

class DefaultLightsTest : public StoreTest, public ::testing::WithParamInterface<SpeedCase> {};

}  // namespace

TEST_P(DefaultLightsTest, ProfileGetsFourModesWithModeZeroActive) {
    m_store.SetDeviceType(GetParam().deviceType);
    EXPECT_EQ(m_store.CountLights(2), 0);
    EXPECT_TRUE(m_store.EnsureDefaultLights(2));
    const std::string s = GetParam().speed;
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Rows("SELECT profile, name, mode, brightness, speed, direction, colorful, colorindex, "
                       "color_value, config_func, reserved, status FROM t_light_data ORDER BY light_id"),
              (std::vector<Row>{
                  {"2", "\xE5\x85\xB3\xE9\x97\xAD", "0", "255", s, "0", "1", "0", "255", "0", "280", "1"},
                  {"2", "\xE5\x8D\x95\xE8\x89\xB2\xE5\xB8\xB8\xE4\xBA\xAE", "1", "255", s, "0", "1", "0", "255", "17",
                   "281", "0"},
                  {"2", "\xE5\x8D\x95\xE8\x89\xB2\xE5\x91\xBC\xE5\x90\xB8", "2", "255", s, "0", "1", "0", "255", "19",
                   "282", "0"},
                  {"2", "\xE5\x85\x89\xE8\xB0\xB1\xE5\xBE\xAA\xE7\x8E\xAF", "3", "255", s, "0", "1", "0", "255", "3",
                   "283", "0"},
              }));
    EXPECT_EQ(m_store.CountLights(2), 4);
    EXPECT_EQ(m_store.GetActiveLightMode(2), 0);
}

INSTANTIATE_TEST_SUITE_P(DeviceTypes, DefaultLightsTest,
                         ::testing::Values(SpeedCase{250, "1"}, SpeedCase{300, "1"}, SpeedCase{201, "1"},
                                           SpeedCase{200, "128"}, SpeedCase{301, "128"}, SpeedCase{150, "128"},
                                           SpeedCase{350, "128"}),
                         [](const auto& param) { return "type" + std::to_string(param.param.deviceType); });

TEST_F(StoreTest, DefaultLightsAreCreatedOnlyForAProfileWithoutLights) {
    LightRecord own;
    own.profile = 1;
    own.mode = 7;
    ASSERT_GT(m_store.AddLight(own), 0);
    EXPECT_TRUE(m_store.EnsureDefaultLights(1));
    EXPECT_EQ(m_store.CountLights(1), 1);
    EXPECT_TRUE(m_store.EnsureDefaultLights(3));
    EXPECT_TRUE(m_store.EnsureDefaultLights(3));
    EXPECT_EQ(m_store.CountLights(3), 4);
    EXPECT_TRUE(m_store.DeleteProfileLights(3));
    EXPECT_EQ(m_store.CountLights(3), 0);
    EXPECT_EQ(m_store.CountLights(1), 1);
    EXPECT_TRUE(m_store.EnsureDefaultLights(3));
    EXPECT_EQ(m_store.CountLights(3), 4);
}

// Whoever makes the profiles of a model with lighting makes its lighting modes
// too, also for profiles that an earlier run left without them.
TEST_F(StoreTest, ProfilesOfAModelWithLightingComeWithTheDefaultModes) {
    struct Case {
        const char* name;
        bool hasLighting;
        int expectedPerProfile;
    };
    const Case cases[] = {{"with lighting", true, 4}, {"without lighting", false, 0}};
    for (const Case& c : cases) {
        ASSERT_TRUE(m_store.ResetAllTables());
        m_store.SetHasLighting(c.hasLighting);
        ASSERT_EQ(m_store.EnsureProfiles(), 1) << c.name;
        for (int p = 1; p <= 5; ++p) {
            EXPECT_EQ(m_store.CountLights(p), c.expectedPerProfile) << c.name << " profile " << p;
            LightRecord active;
            EXPECT_EQ(m_store.GetLight(p, 0, active) && active.status == 1, c.hasLighting) << c.name;
        }
    }
    ASSERT_TRUE(m_store.DeleteProfileLights(4));
    m_store.SetHasLighting(true);
    ASSERT_EQ(m_store.EnsureProfiles(), 1);
    EXPECT_EQ(m_store.CountLights(4), 4) << "a profile left without lighting gets it on the next use";
    EXPECT_EQ(m_store.CountLights(1), 4) << "profiles that have lighting keep theirs";
}

TEST_F(StoreTest, LightsAreReadAndUpdatedByProfileAndMode) {
    ASSERT_TRUE(m_store.EnsureDefaultLights(1));
    ASSERT_TRUE(m_store.EnsureDefaultLights(2));
    LightRecord update;
    update.name = L"ignored";
    update.brightness = 10;
    update.speed = 11;
    update.direction = 1;
    update.colorful = 0;
    update.colorindex = 4;
    update.color_value = 0x00FF8040;
    update.config_func = 0x13;
    update.reserved = 999;
    update.status = 1;
    EXPECT_TRUE(m_store.UpdateLight(1, 2, update));
    EXPECT_TRUE(m_store.SetLightBrightness(1, 3, 77));
    EXPECT_TRUE(m_store.SetLightSpeed(1, 3, 5));
    EXPECT_TRUE(m_store.SetLightColor(1, 3, 0x0000FF00));
    EXPECT_TRUE(m_store.SetLightColor(1, 9, 1)) << "a missing mode changes nothing";

    LightRecord read;
    ASSERT_TRUE(m_store.GetLight(1, 2, read));
    EXPECT_GT(read.light_id, 0);
    EXPECT_EQ(read.profile, 1);
    EXPECT_EQ(read.name, L"\u5355\u8272\u547C\u5438") << "the name is not written";
    EXPECT_EQ(read.mode, 2);
    EXPECT_EQ(read.brightness, 10);
    EXPECT_EQ(read.speed, 11);
    EXPECT_EQ(read.direction, 1);
    EXPECT_EQ(read.colorful, 0);
    EXPECT_EQ(read.colorindex, 4);
    EXPECT_EQ(read.color_value, 0x00FF8040);
    EXPECT_EQ(read.config_func, 0x13);
    EXPECT_EQ(read.reserved, 999);
    EXPECT_EQ(read.status, 0) << "the status is not written";
    ASSERT_TRUE(m_store.GetLight(1, 3, read));
    EXPECT_EQ(read.brightness, 77);
    EXPECT_EQ(read.speed, 5);
    EXPECT_EQ(read.color_value, 0x0000FF00);
    ASSERT_TRUE(m_store.GetLight(2, 2, read));
    EXPECT_EQ(read.brightness, 255) << "the other profile is untouched";
    EXPECT_FALSE(m_store.GetLight(1, 9, read));

    std::vector<LightRecord> lights(1);
    ASSERT_EQ(m_store.ListLights(1, lights), 4);
    EXPECT_EQ(lights[3].mode, 3);
    EXPECT_EQ(m_store.ListLights(5, lights), 0);
}

TEST_F(StoreTest, ActivatingALightModeLeavesExactlyOneActivePerProfile) {
    ASSERT_TRUE(m_store.EnsureDefaultLights(1));
    ASSERT_TRUE(m_store.EnsureDefaultLights(2));
    EXPECT_TRUE(m_store.SetActiveLightMode(1, 2));
    EXPECT_EQ(m_store.GetActiveLightMode(1), 2);
    EXPECT_EQ(m_store.GetActiveLightMode(2), 0);
    EXPECT_FALSE(m_store.SetActiveLightMode(1, 8));
    EXPECT_EQ(m_store.GetActiveLightMode(1), 2) << "an unknown mode changes nothing";
    EXPECT_EQ(m_store.GetActiveLightMode(4), 0);
    RawDb raw(DbPath());
    EXPECT_EQ(raw.Rows("SELECT profile, mode FROM t_light_data WHERE status = 1 ORDER BY profile"),
              (std::vector<Row>{{"1", "2"}, {"2", "0"}}));
}
