#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "WholeProfile.h"

using namespace codec;
using codec_test::Wire;

namespace {

KeyAssignment Button(int index, int type, int value = 0, int value2 = 0, int value3 = 0) {
    KeyAssignment a;
    a.key_code = index;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    a.macro_value3 = value3;
    return a;
}

PerformanceSettings Settings() {
    PerformanceSettings s;
    s.dpi.index = 1;
    s.dpi.count = 5;
    s.dpi.values = {400, 800, 1600, 3200, 4800};
    s.reportRate = 2;
    s.sensor.liftoffHeight = 2;
    s.sensor.sensorFlag = 12;
    s.sensor.scrollFlag = 2;
    s.sensor.esportsFlag = 1;
    s.responseTime = 8;
    return s;
}

std::vector<std::uint8_t> EmptySlots(int from) {
    std::vector<std::uint8_t> slots;
    for (int i = from; i < 11; ++i) slots.insert(slots.end(), {0xF0, 0, 0, 0});
    return slots;
}

TEST(WholeProfileTest, SettingsAndButtonTable) {
    std::vector<KeyAssignment> buttons = {
        Button(5, 2, 0x04, 3), Button(0, 1, 1), Button(1, 4, 7), Button(2, 7, 'A', 1, 2), Button(3, 8, 8),
        Button(4, 8, 7), Button(6, 0), Button(7, 12, 1), Button(16, 1, 3), Button(17, 4, 2), Button(18, 1, 1),
    };
    auto profile = BuildWholeProfile(3, Settings(), buttons);
    ASSERT_TRUE(profile);
    std::vector<std::uint8_t> table = {0x01, 0x01, 0x00, 0x00,   // button 0: left button
                                       0x48, 0x07, 0x00, 0x3E,   // button 4: F5
                                       0x52, 0x03, 0x04, 0x00,   // button 5: Ctrl+Shift+A
                                       0x60, 0x00, 0x00, 0x00};  // button 6: factory function
    std::vector<std::uint8_t> empty = EmptySlots(4);
    table.insert(table.end(), empty.begin(), empty.end());
    EXPECT_PACKET(profile->packet, Wire(65, {{0, {0x52, 0x57, 2, 0x21, 0x21, 0x21}},
                                             {6, {0x90, 0x01, 0x20, 0x03, 0x40, 0x06, 0x80, 0x0C, 0xC0, 0x12}},
                                             {16, {0, 0x4E, 8, 0}},
                                             {20, table}}));
    EXPECT_EQ(profile->followUps, (std::vector<ProfileFollowUp>{
                                      {1, ProfileFollowUp::kUploadMacro},
                                      {2, ProfileFollowUp::kWriteButton},
                                      {3, ProfileFollowUp::kWriteButton},
                                      {16, ProfileFollowUp::kWriteButton},
                                      {17, ProfileFollowUp::kUploadMacro},
                                  }));
    EXPECT_EQ(profile->refused, std::vector<int>{7});
}

TEST(WholeProfileTest, ButtonsWithoutASlotAreWrittenSinglyAfterwards) {
    std::vector<KeyAssignment> buttons;
    for (int i = 15; i >= 0; --i) buttons.push_back(Button(i, 1, 1 + i % 10));
    auto profile = BuildWholeProfile(1, Settings(), buttons);
    ASSERT_TRUE(profile);
    for (int i = 0; i < 11; ++i) {
        std::size_t at = 20 + 4 * static_cast<std::size_t>(i);
        EXPECT_EQ(profile->packet[at], i * 16 + 1) << i;  // buttons 0-10 in order
    }
    std::vector<ProfileFollowUp> expected;
    for (int i = 11; i <= 15; ++i) expected.push_back({i, ProfileFollowUp::kWriteButton});
    EXPECT_EQ(profile->followUps, expected);
    EXPECT_TRUE(profile->refused.empty());
}

TEST(WholeProfileTest, EmptyProfileAndOutOfRangeValues) {
    PerformanceSettings s = Settings();
    s.reportRate = 9;
    s.dpi.index = 7;
    s.dpi.count = 3;
    s.sensor = SensorSettings{7, 0xFF, 1, 2};
    s.responseTime = 40;
    auto profile = BuildWholeProfile(5, s, {});
    ASSERT_TRUE(profile);
    EXPECT_PACKET(profile->packet, Wire(65, {{0, {0x52, 0x57, 4, 0x52, 0x52, 0x52}},
                                             {6, {0x90, 0x01, 0x20, 0x03, 0x40, 0x06, 0x80, 0x0C, 0xC0, 0x12}},
                                             {17, {0x9F, 20}},
                                             {20, EmptySlots(0)}}));
    EXPECT_TRUE(profile->followUps.empty());
    EXPECT_FALSE(BuildWholeProfile(0, s, {}));
    EXPECT_FALSE(BuildWholeProfile(6, s, {}));
}

}  // namespace
