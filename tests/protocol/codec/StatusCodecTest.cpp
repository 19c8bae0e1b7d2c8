#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "StatusCodec.h"

using namespace codec;
using codec_test::Wire;

namespace {

TEST(StatusCodecTest, DeviceStateBlock) {
    EXPECT_PACKET(ReadDeviceStateRequest(), Wire(21, {{0, {0x51, 0x06}}}));

    auto state = DecodeDeviceState(Wire(21, {{0, {0x51, 0x06, 1, 2, 3, 4, 5, 6, 7, 8, 0x09, 80, 1, 0, 1}}}));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->info, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(state->workMode, 1);
    EXPECT_TRUE(state->connected);
    EXPECT_EQ(state->battery, (BatteryState{80, true}));
    EXPECT_TRUE(state->optionalSwitch);
    EXPECT_TRUE(state->rejected.empty());

    state = DecodeDeviceState(Wire(21, {{0, {0x51, 0x06}}, {10, {0x02, 0, 0, 0, 0xFE}}}));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->workMode, 2);
    EXPECT_FALSE(state->connected);
    EXPECT_EQ(state->battery, (BatteryState{0, false}));
    EXPECT_FALSE(state->optionalSwitch);
}

TEST(StatusCodecTest, DeviceStateValuesOutOfRange) {
    auto state = DecodeDeviceState(Wire(21, {{0, {0x51, 0x06}}, {10, {0x0D, 101, 2}}}));
    ASSERT_TRUE(state);
    EXPECT_FALSE(state->workMode);
    EXPECT_TRUE(state->connected);
    EXPECT_FALSE(state->battery);
    EXPECT_EQ(state->rejected, (Rejections{{"work_mode", 5}, {"battery", 101}, {"charging", 2}}));
    EXPECT_FALSE(DecodeDeviceState(Wire(21, {{0, {0x54, 0xE2}}})));
    EXPECT_FALSE(DecodeDeviceState(Wire(14, {{0, {0x51, 0x06}}})));
}

TEST(StatusCodecTest, NotificationCodes) {
    struct Case {
        Dialect dialect;
        std::vector<std::uint8_t> report;
        std::optional<NotificationCode> code;
    };
    const Case cases[] = {
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0xE0}}}), NotificationCode::kRestarted},
        {Dialect::kOutput, Wire(21, {{0, {0xB6, 0xE0}}}), NotificationCode::kRestarted},
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0xE3, 1}}}), NotificationCode::kCommandResult},
        {Dialect::kOutput, Wire(21, {{0, {0xB6, 0xE4}}}), NotificationCode::kAcknowledgement},
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0xE6}}}), NotificationCode::kFactoryReset},
        {Dialect::kOutput, Wire(21, {{0, {0xB6, 0xE6}}}), NotificationCode::kFactoryReset},
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0xE5}}}), std::nullopt},
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0xE7}}}), std::nullopt},
        {Dialect::kFeature, Wire(21, {{0, {0x54, 0x40}}}), std::nullopt},
        {Dialect::kOutput, Wire(21, {{0, {0x54, 0xE0}}}), std::nullopt},  // the other dialect's report
        {Dialect::kFeature, Wire(21, {{0, {0xB6, 0xE0}}}), std::nullopt},
        {Dialect::kOutput, Wire(21, {{0, {0xB4, 0xE0}}}), std::nullopt},  // an answer, not a notification
        {Dialect::kFeature, Wire(12, {{0, {0x54, 0xE0}}}), std::nullopt},
        {Dialect::kFeature, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        auto n = DecodeNotification(c.dialect, c.report, 5);
        ASSERT_EQ(n.has_value(), c.code.has_value()) << codec_test::Hex(c.report);
        if (n) {
            EXPECT_EQ(n->code, *c.code);
        }
    }
}

TEST(StatusCodecTest, LightingNotification) {
    for (Dialect d : {Dialect::kFeature, Dialect::kOutput}) {
        std::uint8_t id = d == Dialect::kFeature ? 0x54 : 0xB6;
        auto report = Wire(21, {{0, {id, 0xE1, 2, 9, 5, 200, 0x00, 0x80, 0xFF, 1, 2, 3, 4, 0x77}}});
        auto n = DecodeNotification(d, report, 5);
        ASSERT_TRUE(n);
        EXPECT_EQ(n->code, NotificationCode::kLighting);
        EXPECT_EQ(n->lighting.mode, 2);
        EXPECT_EQ(n->lighting.speed, 5);
        EXPECT_EQ(n->lighting.brightness, 200);
        EXPECT_EQ(n->lighting.colour, 0x00FF8000);
        EXPECT_EQ(n->lighting.record, (std::array<std::uint8_t, 11>{2, 9, 5, 200, 0x00, 0x80, 0xFF, 1, 2, 3, 4}));
        report[2] = 11;  // no such mode
        EXPECT_FALSE(DecodeNotification(d, report, 5));
    }
}

TEST(StatusCodecTest, StateNotification) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> fields;  // bytes 2-9
        int levelCount;
        bool valid;
        MouseStateReport state;
        Rejections rejected;
    };
    const Case cases[] = {
        {"receiver, connected", {1, 1, 0, 85, 2, 3, 0x34, 0x12}, 5, true, {1, true, BatteryState{85, false}, 2, 3, 0x1234}, {}},
        {"cable, charging", {0, 1, 1, 100, 0, 5, 0, 0}, 5, true, {0, true, BatteryState{100, true}, 0, 5, 0}, {}},
        {"Bluetooth, asleep", {2, 0, 0, 0, 4, 0, 0, 0}, 5, true, {2, false, BatteryState{0, false}, 4, 0, 0}, {}},
        {"level beyond the count", {4, 1, 0, 50, 3, 2, 0, 0}, 3, true, {4, true, BatteryState{50, false}, std::nullopt, 2, 0},
         {{"dpi_index", 3}}},
        {"rate beyond the table", {3, 1, 0, 50, 1, 6, 0, 0}, 5, true, {3, true, BatteryState{50, false}, 1, std::nullopt, 0},
         {{"report_rate", 6}}},
        {"battery and charging out of range", {1, 1, 3, 120, 1, 1, 0, 0}, 5, true, {1, true, std::nullopt, 1, 1, 0},
         {{"battery", 120}, {"charging", 3}}},
        {"work mode 5", {5, 1, 0, 50, 1, 1, 0, 0}, 5, false, {}, {}},
        {"connected flag 2", {1, 2, 0, 50, 1, 1, 0, 0}, 5, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto report = Wire(21, {{0, {0x54, 0xE2}}, {2, c.fields}});
        auto n = DecodeNotification(Dialect::kFeature, report, c.levelCount);
        ASSERT_EQ(n.has_value(), c.valid);
        if (!n) continue;
        EXPECT_EQ(n->code, NotificationCode::kState);
        EXPECT_TRUE(n->state == c.state);
        EXPECT_EQ(n->rejected, c.rejected);
    }
}

}  // namespace
