#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "NodicSettingsConfig.h"
#include "NodicTestSupport.h"

using namespace nodic;
using nodic_test::AnswerFrame;
using nodic_test::Hex;
using nodic_test::Le16s;
using nodic_test::Payload;

namespace {

// Bytes of the mouse's own the program must hand back untouched.
const std::vector<std::uint8_t> kSensorOpaque1 = {0xAA, 0xBB, 0xCC};  // bytes 8-10
std::vector<std::uint8_t> SensorOpaque2() {                          // bytes 39-56
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 18; ++i) bytes.push_back(static_cast<std::uint8_t>(0x40 + i));
    return bytes;
}

std::vector<std::uint8_t> SensorAnswer(int length = 53) {
    return AnswerFrame(0x04, length,
                       {{4, {0, 1, 1, 0}},
                        {8, kSensorOpaque1},
                        {11, {1, 0, 1, 0x1F}},
                        {15, Le16s({400, 400, 800, 800, 1600, 1600, 3200, 3200, 4800, 4800, 16000, 16000})},
                        {39, SensorOpaque2()}});
}

SensorBlock ReadSensor(const std::vector<std::uint8_t>& frame) {
    std::optional<SensorBlock> block = SensorBlock::FromAnswer(AnswerOf(frame));
    EXPECT_TRUE(block.has_value());
    return block.value_or(*SensorBlock::FromAnswer(AnswerOf(SensorAnswer())));
}

SensorSettings SomeSensorSettings() {
    SensorSettings s;
    s.sensorFlag = 12;  // bits 2 and 3
    s.esportsFlag = 2;
    s.liftoffHeight = 2;
    s.angle = -5;
    s.dpiIndex = 2;
    s.dpiCount = 4;
    s.dpiX = {400, 800, 1600, 3200, 4800, 30000};
    s.dpiY = {400, 1600, 1600, 3200, 4800, 30000};
    return s;
}

}  // namespace

TEST(NodicSensorBlock, WriteLaysTheSettingsOverTheBlockAsRead) {
    SensorWrite write = ReadSensor(SensorAnswer()).Write(SomeSensorSettings());
    auto expected = Payload(53, {{4, {1, 1, 0, 1}},
                                 {8, kSensorOpaque1},
                                 {11, {2, 0xFB, 2, 0x0F}},
                                 {15, {0x90, 0x01, 0x90, 0x01, 0x20, 0x03, 0x40, 0x06, 0x40, 0x06, 0x40, 0x06,
                                       0x80, 0x0C, 0x80, 0x0C, 0xC0, 0x12, 0xC0, 0x12, 0x30, 0x75, 0x30, 0x75}},
                                 {39, SensorOpaque2()}});
    EXPECT_EQ(Hex(write), Hex(expected));
}

TEST(NodicSensorBlock, ValuesThatDoNotFitAreClampedAndAnUnknownCountKeepsTheMask) {
    struct Case {
        const char* what;
        void (*change)(SensorSettings&);
        std::size_t frameByte;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"angle above 30", [](SensorSettings& s) { s.angle = 45; }, 12, {0x1E}},
        {"angle below -30", [](SensorSettings& s) { s.angle = -99; }, 12, {0xE2}},
        {"level above 5", [](SensorSettings& s) { s.dpiIndex = 9; }, 13, {5}},
        {"negative level", [](SensorSettings& s) { s.dpiIndex = -1; }, 13, {0}},
        {"count 7", [](SensorSettings& s) { s.dpiCount = 7; }, 14, {0x1F}},
        {"count 0", [](SensorSettings& s) { s.dpiCount = 0; }, 14, {0x1F}},
        {"count 6", [](SensorSettings& s) { s.dpiCount = 6; }, 14, {0x3F}},
        {"count 1", [](SensorSettings& s) { s.dpiCount = 1; }, 14, {0x01}},
        {"lift-off 300", [](SensorSettings& s) { s.liftoffHeight = 300; }, 11, {0xFF}},
        {"dpi 70000", [](SensorSettings& s) { s.dpiX[0] = 70000; }, 15, {0xFF, 0xFF}},
        {"negative dpi", [](SensorSettings& s) { s.dpiY[5] = -4; }, 37, {0x00, 0x00}},
        {"sensor bit 4 only", [](SensorSettings& s) { s.sensorFlag = 16; }, 4, {0, 0, 1}},
        {"e-sports 1 is off", [](SensorSettings& s) { s.esportsFlag = 1; }, 7, {0}},
    };
    const SensorBlock block = ReadSensor(SensorAnswer());
    const SensorWrite base = block.Write(SomeSensorSettings());
    for (const Case& c : cases) {
        SensorSettings s = SomeSensorSettings();
        c.change(s);
        SensorWrite write = block.Write(s);
        // The field holds the clamped value and nothing spills into the bytes around it.
        SensorWrite expected = base;
        std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + static_cast<long>(At(c.frameByte)));
        EXPECT_EQ(Hex(write), Hex(expected)) << c.what;
    }
}

TEST(NodicSensorBlock, NoWriteIsBuiltWithoutABlockThatWasRead) {
    EXPECT_FALSE(BuildSensorWrite(std::nullopt, SomeSensorSettings()).has_value());
    EXPECT_FALSE(SensorBlock::FromAnswer(AnswerOf(SensorAnswer(10))).has_value());
    auto noAnswer = SensorAnswer();
    noAnswer[2] = 0x35;  // bit 7 clear
    EXPECT_FALSE(SensorBlock::FromAnswer(AnswerOf(noAnswer)).has_value());
    EXPECT_TRUE(BuildSensorWrite(SensorBlock::FromAnswer(AnswerOf(SensorAnswer(11))), SomeSensorSettings()));
}

TEST(NodicSensorBlock, NineteenDataBytesCarryTwoLevels) {
    SensorReadBack r = ReadSensor(SensorAnswer(19)).Decode();
    EXPECT_EQ(r.dpiX[1], 800);
    EXPECT_FALSE(r.dpiX[2].has_value());
    EXPECT_EQ(r.dpiCount, 5);  // mask 0x1F
    EXPECT_TRUE(r.rejected.empty());
}

TEST(NodicSensorBlock, ReportedValuesOutOfRangeAreNotStored) {
    struct Case {
        const char* what;
        nodic_test::Run run;
        const char* field;
    };
    const Case cases[] = {
        {"angle 64", {12, {0x40}}, "angle_tunability"},
        {"level 6", {13, {6}}, "dpi_index"},
        {"level beyond the count", {13, {3}}, "dpi_index"},
        {"no level active", {14, {0xC0}}, "dpi_count"},
        {"a DPI of 0", {15, {0, 0}}, "dpi_x_value"},
    };
    for (const Case& c : cases) {
        auto frame = AnswerFrame(0x04, 53, {{13, {1, 0x07}}, {15, Le16s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})}, c.run});
        SensorReadBack r = ReadSensor(frame).Decode();
        ASSERT_EQ(r.rejected.size(), 1u) << c.what;
        EXPECT_EQ(r.rejected[0].field, c.field) << c.what;
    }
}

TEST(NodicDpiMask, CountsAndMasks) {
    const std::pair<int, int> counts[] = {{1, 1}, {2, 3}, {3, 7}, {4, 15}, {5, 31}, {6, 63}, {0, 0}, {7, 0}};
    for (auto [count, mask] : counts) EXPECT_EQ(DpiMaskOfCount(count), mask) << count;
    const std::pair<int, int> masks[] = {{0x14, 5}, {0x01, 1}, {0x3F, 6}, {0xFF, 6}, {0xC0, 0}, {0, 0}};
    for (auto [mask, count] : masks) EXPECT_EQ(DpiCountOfMask(mask), count) << mask;
}

namespace {

std::vector<std::uint8_t> SystemAnswer(int length = 15) {
    return AnswerFrame(0x04, length, {{4, Le16s({60, 60})}, {8, {2, 8}}, {10, {0xA0, 0xA1, 0xA2, 0xA3}},
                                      {14, {1}}, {15, {0xB0, 0xB1, 0xB2, 0xB3}}});
}

}  // namespace

TEST(NodicSystemBlock, WriteLaysTheSettingsOverTheBlockAsRead) {
    std::optional<SystemBlock> block = SystemBlock::FromAnswer(AnswerOf(SystemAnswer()));
    ASSERT_TRUE(block);
    struct Case {
        SystemSettings settings;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {{5, 3, 4, 2}, Payload(15, {{4, {0x58, 0x02, 0x58, 0x02, 3, 4, 0xA0, 0xA1, 0xA2, 0xA3, 1, 0xB0, 0xB1, 0xB2, 0xB3}}})},
        {{1, 6, 0, 1}, Payload(15, {{4, {0x0A, 0x00, 0x0A, 0x00, 6, 0, 0xA0, 0xA1, 0xA2, 0xA3, 0, 0xB0, 0xB1, 0xB2, 0xB3}}})},
        // Unknown sleep code: 600 s; unknown rate code: the mouse's byte stays.
        {{11, 9, 300, 0}, Payload(15, {{4, {0x58, 0x02, 0x58, 0x02, 2, 0xFF, 0xA0, 0xA1, 0xA2, 0xA3, 0, 0xB0, 0xB1, 0xB2, 0xB3}}})},
        {{10, -1, -5, 2}, Payload(15, {{4, {0x60, 0x09, 0x60, 0x09, 2, 0, 0xA0, 0xA1, 0xA2, 0xA3, 1, 0xB0, 0xB1, 0xB2, 0xB3}}})},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(block->Write(c.settings)), Hex(c.expected));
    EXPECT_FALSE(BuildSystemWrite(std::nullopt, cases[0].settings).has_value());
    EXPECT_FALSE(SystemBlock::FromAnswer(AnswerOf(SystemAnswer(5))).has_value());
}

TEST(NodicSystemBlock, Decode) {
    SystemReadBack r = SystemBlock::FromAnswer(AnswerOf(SystemAnswer()))->Decode();
    EXPECT_EQ(r.sleepLight, 3);
    EXPECT_EQ(r.reportRate, 2);
    EXPECT_EQ(r.responseTime, 8);
    EXPECT_EQ(r.scrollFlag, 2);

    // Six data bytes do not reach the scroll byte; 45 s is no code of the list.
    auto shortFrame = AnswerFrame(0x04, 6, {{4, Le16s({45})}, {8, {7, 1}}, {14, {1}}});
    SystemReadBack s = SystemBlock::FromAnswer(AnswerOf(shortFrame))->Decode();
    EXPECT_EQ(s.sleepLight, 0);
    EXPECT_FALSE(s.scrollFlag.has_value());
    EXPECT_FALSE(s.reportRate.has_value());
    ASSERT_EQ(s.rejected.size(), 1u);
    EXPECT_EQ(s.rejected[0].field, "report_rate");
}

TEST(NodicSleepCodes, BothWays) {
    const int seconds[] = {10, 30, 60, 300, 600, 1200, 1500, 1800, 2100, 2400};
    for (int code = 1; code <= 10; ++code) {
        EXPECT_EQ(SleepSecondsOfCode(code), seconds[code - 1]);
        EXPECT_EQ(SleepCodeOfSeconds(seconds[code - 1]), code);
    }
    EXPECT_EQ(SleepSecondsOfCode(0), 600);
    EXPECT_EQ(SleepCodeOfSeconds(45), 0);
}

// Store values -> write -> the mouse's answer -> store values again.
TEST(NodicSettingsConfig, StoredValuesSurviveAWriteAndARead) {
    std::map<CString, int> stored = {
        {L"sensor_flag", 28}, {L"e-sports_flag", 2}, {L"liftoff_height", 2}, {L"angle_tunability", -12},
        {L"dpi_index", 3},    {L"dpi_count", 6},     {L"sleep_light", 8},    {L"report_rate", 6},
        {L"button_respondtime", 12}, {L"scroll_flag", 2},
    };
    for (int i = 0; i < kDpiLevels; ++i) {
        stored[codec::keys::DpiX(i)] = 1000 + 100 * i;
        stored[codec::keys::DpiY(i)] = 2000 + 50 * i;
    }
    codec::ConfigLookup lookup = [&](const CString& key) -> std::optional<int> {
        auto found = stored.find(key);
        return found == stored.end() ? std::nullopt : std::optional<int>(found->second);
    };

    SensorWrite sensor = ReadSensor(SensorAnswer()).Write(SensorSettingsFromConfig(lookup));
    auto sensorFrame = AnswerFrame(0x04, 53, {{4, std::vector<std::uint8_t>(sensor.begin(), sensor.end())}});
    SystemWrite system = SystemBlock::FromAnswer(AnswerOf(SystemAnswer()))->Write(SystemSettingsFromConfig(lookup));
    auto systemFrame = AnswerFrame(0x04, 15, {{4, std::vector<std::uint8_t>(system.begin(), system.end())}});

    std::map<CString, int> readBack;
    for (const auto& v : ConfigValuesOf(ReadSensor(sensorFrame).Decode())) readBack[v.key] = v.value;
    for (const auto& v : ConfigValuesOf(SystemBlock::FromAnswer(AnswerOf(systemFrame))->Decode())) readBack[v.key] = v.value;

    std::map<CString, int> expected = stored;
    expected[L"dpi_flag"] = 6;
    expected[L"angle_tunability_switch"] = 1;
    EXPECT_EQ(readBack, expected);
}

TEST(NodicSettingsConfig, MissingValuesAreSentAsZero) {
    SensorSettings s = SensorSettingsFromConfig([](const CString&) { return std::nullopt; });
    EXPECT_EQ(s, (SensorSettings{0, 0, 0, 0, 0, 0, {}, {}}));
    SystemSettings y = SystemSettingsFromConfig(nullptr);
    EXPECT_EQ(y, (SystemSettings{0, 0, 0, 0}));
}
