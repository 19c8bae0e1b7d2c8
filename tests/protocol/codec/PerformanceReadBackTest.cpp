#include <gtest/gtest.h>

#include <map>

#include "CodecTestSupport.h"
#include "PerformanceConfig.h"
#include "PerformanceReadBack.h"

using namespace codec;
using codec_test::Wire;

namespace {

const std::vector<std::uint8_t> kDpiBytes = {0x90, 0x01, 0x20, 0x03, 0x40, 0x06, 0x80, 0x0C, 0xC0, 0x12};

// Level 1 and rate 2 over the cable, level 3 and rate 1 over a receiver, level 4
// and rate 0 over Bluetooth; sensor byte 0x41, flag byte 5, response time 8.
std::vector<std::uint8_t> FeatureAnswer() {
    return Wire(21, {{0, {0x51, 0x07, 0, 0x21, 0x13, 0x04}}, {6, kDpiBytes}, {16, {0x41, 5, 8}}});
}

std::vector<std::uint8_t> OutputAnswer(std::uint8_t id) {
    return Wire(64, {{0, {id, 0x06, 2, 0x21, 0x13, 0x04}}, {6, kDpiBytes}, {16, {0x41, 5, 8, 10, 0x80 | 57}}});
}

TEST(PerformanceReadBackTest, Requests) {
    EXPECT_PACKET(ReadPerformanceRequest(Dialect::kFeature), Wire(21, {{0, {0x51, 0x07}}}));
    EXPECT_PACKET(ReadPerformanceRequest(Dialect::kOutput), Wire(65, {{0, {0xB3, 0x06}}}));
}

TEST(PerformanceReadBackTest, TheWorkModePicksTheConnectionByte) {
    struct Case {
        int workMode, levelCount;
        std::optional<int> level, rate;
        Rejections rejected;
    };
    const Case cases[] = {
        {0, 5, 1, 2, {}},
        {1, 5, 3, 1, {}},
        {3, 5, 3, 1, {}},
        {4, 5, 3, 1, {}},
        {2, 5, 4, 0, {}},
        {5, 5, std::nullopt, std::nullopt, {}},   // no connection byte: both left as stored
        {-1, 5, std::nullopt, std::nullopt, {}},
        {1, 3, std::nullopt, 1, {{"dpi_index", 3}}},  // a level beyond the count is not stored
        {2, 4, std::nullopt, 0, {{"dpi_index", 4}}},
    };
    for (const Case& c : cases) {
        auto r = DecodePerformance(Dialect::kFeature, FeatureAnswer(), c.workMode, c.levelCount);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->dpiIndex, c.level) << c.workMode;
        EXPECT_EQ(r->reportRate, c.rate) << c.workMode;
        EXPECT_EQ(r->rejected, c.rejected) << c.workMode;
    }
}

TEST(PerformanceReadBackTest, OutputBlockCarriesProfileSleepAndBattery) {
    for (std::uint8_t id : {0xB4, 0xB6}) {
        auto r = DecodePerformance(Dialect::kOutput, OutputAnswer(id), 1, 5);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->profile, 3);
        EXPECT_EQ(r->dpiIndex, 3);
        EXPECT_EQ(r->reportRate, 1);
        EXPECT_EQ(r->dpi[4], 4800);
        EXPECT_EQ(r->sleepLight, 10);
        EXPECT_EQ(r->battery, (BatteryState{57, true}));
        EXPECT_TRUE(r->rejected.empty());
    }
}

TEST(PerformanceReadBackTest, ValuesOutOfRangeAreNotStored) {
    auto answer = OutputAnswer(0xB4);
    answer[2] = 5;      // profile 6
    answer[3] = 0x71;   // rate code 7
    answer[8] = 0;      // level 1: 0 DPI
    answer[9] = 0;
    answer[16] = 0x43;  // lift-off 3
    answer[18] = 21;
    answer[19] = 7;
    answer[20] = 0x7F;  // 127 %
    auto r = DecodePerformance(Dialect::kOutput, answer, 0, 5);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->profile);
    EXPECT_FALSE(r->reportRate);
    EXPECT_EQ(r->dpiIndex, 1);
    EXPECT_FALSE(r->dpi[1]);
    EXPECT_EQ(r->dpi[0], 400);
    EXPECT_FALSE(r->liftoffHeight);
    EXPECT_EQ(r->sensorFlag, 0x43);
    EXPECT_FALSE(r->responseTime);
    EXPECT_FALSE(r->sleepLight);
    EXPECT_FALSE(r->battery);
    EXPECT_EQ(r->rejected, (Rejections{{"profile", 6}, {"report_rate", 7}, {"dpi_value", 0}, {"liftoff_height", 3},
                                       {"button_respondtime", 21}, {"sleep_light", 7}, {"battery", 127}}));
}

TEST(PerformanceReadBackTest, OtherReportsAreNotABlock) {
    auto wrongId = FeatureAnswer();
    wrongId[0] = 0x54;
    EXPECT_FALSE(DecodePerformance(Dialect::kFeature, wrongId, 0, 5));
    EXPECT_FALSE(DecodePerformance(Dialect::kFeature, Wire(18, {{0, {0x51, 0x07}}}), 0, 5));
    EXPECT_FALSE(DecodePerformance(Dialect::kOutput, Wire(64, {{0, {0xB3, 0x06}}}), 0, 5));
    EXPECT_FALSE(DecodePerformance(Dialect::kOutput, Wire(20, {{0, {0xB4, 0x06}}}), 0, 5));
}

// Sensor byte 0x41 stores sensor_flag 65, liftoff_height 1 and scroll_flag 2.
TEST(PerformanceConfigTest, ReadBackIsStoredIntoBothDpiKeys) {
    auto r = DecodePerformance(Dialect::kOutput, OutputAnswer(0xB4), 0, 5);
    ASSERT_TRUE(r);
    r->dpi[3].reset();  // as if the mouse had reported 0 for it
    std::vector<ConfigValue> expected = {
        {L"dpi_index", 1}, {L"report_rate", 2},
        {L"dpi_x_group0_value", 400}, {L"dpi_y_group0_value", 400},
        {L"dpi_x_group1_value", 800}, {L"dpi_y_group1_value", 800},
        {L"dpi_x_group2_value", 1600}, {L"dpi_y_group2_value", 1600},
        {L"dpi_x_group4_value", 4800}, {L"dpi_y_group4_value", 4800},
        {L"sensor_flag", 65}, {L"liftoff_height", 1}, {L"scroll_flag", 2}, {L"dpi_flag", 5},
        {L"button_respondtime", 8}, {L"sleep_light", 10},
    };
    EXPECT_EQ(ConfigValuesOf(*r), expected);

    // The feature block has no profile, sleep time or battery.
    r = DecodePerformance(Dialect::kFeature, FeatureAnswer(), 0, 5);
    ASSERT_TRUE(r);
    expected.erase(expected.end() - 1);
    expected.insert(expected.begin() + 8, {{L"dpi_x_group3_value", 3200}, {L"dpi_y_group3_value", 3200}});
    EXPECT_EQ(ConfigValuesOf(*r), expected);
    EXPECT_FALSE(r->profile || r->sleepLight || r->battery);
}

TEST(PerformanceConfigTest, CommandsReadTheXKeysAndKeepDefaultsForMissingRows) {
    std::map<std::wstring, int> stored = {
        {L"dpi_index", 2}, {L"dpi_count", 4}, {L"dpi_x_group0_value", 450}, {L"dpi_y_group0_value", 999},
        {L"dpi_group1_value", 999}, {L"dpi_x_group3_value", 12000}, {L"report_rate", 5}, {L"sensor_flag", 12},
        {L"liftoff_height", 2}, {L"scroll_flag", 2}, {L"e-sports_flag", 2}, {L"button_respondtime", 4},
        {L"sleep_light", 30},
    };
    ConfigLookup lookup = [&](const CString& key) -> std::optional<int> {
        auto it = stored.find(key.str());
        if (it == stored.end()) return std::nullopt;
        return it->second;
    };
    PerformanceSettings s = SettingsFromConfig(lookup, PerformanceSettings{});
    EXPECT_EQ(s.dpi.values, (std::array<int, 5>{450, 800, 1600, 12000, 4800}));
    EXPECT_EQ((std::vector<int>{s.dpi.index, s.dpi.count, s.reportRate, s.sensor.sensorFlag, s.sensor.liftoffHeight,
                                s.sensor.scrollFlag, s.sensor.esportsFlag, s.responseTime, s.sleepLight}),
              (std::vector<int>{2, 4, 5, 12, 2, 2, 2, 4, 30}));

    PerformanceSettings fallback;
    fallback.reportRate = 1;
    EXPECT_EQ(SettingsFromConfig([](const CString&) { return std::optional<int>(); }, fallback).reportRate, 1);
}

}  // namespace
