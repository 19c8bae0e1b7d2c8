#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "LightingCodec.h"

using namespace codec;
using codec_test::Wire;

namespace {

LightRecord Light(int mode, int configFunc, int brightness = 200, int speed = 128, int colour = 0x00FF8000) {
    LightRecord r;
    r.mode = mode;
    r.config_func = configFunc;
    r.brightness = brightness;
    r.speed = speed;
    r.color_value = colour;
    return r;
}

TEST(LightingCodecTest, WritePackets) {
    struct Case {
        const char* what;
        Dialect dialect;
        int mode;
        std::optional<LightRecord> record;
        std::vector<std::vector<std::uint8_t>> packets;
    };
    const Case cases[] = {
        {"mode 0 sends the mode only", Dialect::kFeature, 0, Light(0, 0), {Wire(21, {{0, {0x51, 0x22, 1, 0}}})}},
        {"a colour mode", Dialect::kFeature, 2, Light(2, 19),
         {Wire(21, {{0, {0x51, 0x22, 1, 2}}}), Wire(21, {{0, {0x51, 0x23, 1, 2, 200}}}),
          Wire(21, {{0, {0x51, 0x27, 1, 2, 128}}}), Wire(21, {{0, {0x51, 0x28, 1, 2, 0x00, 0x80, 0xFF}}})}},
        {"config 17 uses a colour", Dialect::kFeature, 1, Light(1, 17, 10, 1, 0x0000FF),
         {Wire(21, {{0, {0x51, 0x22, 1, 1}}}), Wire(21, {{0, {0x51, 0x23, 1, 1, 10}}}),
          Wire(21, {{0, {0x51, 0x27, 1, 1, 1}}}), Wire(21, {{0, {0x51, 0x28, 1, 1, 0xFF, 0x00, 0x00}}})}},
        {"config 3 has no colour", Dialect::kFeature, 3, Light(3, 3, 300, -4),
         {Wire(21, {{0, {0x51, 0x22, 1, 3}}}), Wire(21, {{0, {0x51, 0x23, 1, 3, 255}}}),
          Wire(21, {{0, {0x51, 0x27, 1, 3, 0}}})}},
        {"no record for the mode", Dialect::kFeature, 2, std::nullopt, {Wire(21, {{0, {0x51, 0x22, 1, 2}}})}},
        {"output, mode 0", Dialect::kOutput, 0, Light(0, 0), {Wire(65, {{0, {0xB5, 0x24, 0}}})}},
        {"output, a colour mode", Dialect::kOutput, 2, Light(2, 19),
         {Wire(65, {{0, {0xB5, 0x24, 2, 200, 128, 0x00, 0x80, 0xFF}}})}},
        {"output, config 3", Dialect::kOutput, 3, Light(3, 3, 5, 6, 0x123456),
         {Wire(65, {{0, {0xB5, 0x24, 3, 5, 6, 0x56, 0x34, 0x12}}})}},
        {"output, no record", Dialect::kOutput, 1, std::nullopt, {Wire(65, {{0, {0xB5, 0x24, 1}}})}},
        {"mode 10 is the last", Dialect::kOutput, 10, std::nullopt, {Wire(65, {{0, {0xB5, 0x24, 10}}})}},
        {"mode 11 does not exist", Dialect::kFeature, 11, Light(11, 19), {}},
        {"nor does -1", Dialect::kOutput, -1, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Packet> packets = LightingPackets(c.dialect, c.mode, c.record ? &*c.record : nullptr);
        ASSERT_EQ(packets.size(), c.packets.size());
        for (std::size_t i = 0; i < packets.size(); ++i) EXPECT_PACKET(packets[i], c.packets[i]);
    }
}

TEST(LightingCodecTest, ReadRequestsInOrder) {
    std::vector<std::uint8_t> commands;
    for (LightRead read : kLightReadOrder) {
        Packet request = ReadLightingRequest(read);
        EXPECT_EQ(request.size(), 21u);
        EXPECT_EQ(request[0], 0x51);
        commands.push_back(request[1]);
    }
    EXPECT_EQ(commands, (std::vector<std::uint8_t>{0x12, 0x13, 0x17, 0x14, 0x15, 0x16}));
}

TEST(LightingCodecTest, ActiveModeAnswer) {
    EXPECT_EQ(DecodeActiveLightMode(Wire(21, {{0, {0x51, 0x12, 9, 9, 3}}})), 3);
    EXPECT_EQ(DecodeActiveLightMode(Wire(21, {{0, {0x51, 0x12, 0, 0, 10}}})), 10);
    EXPECT_FALSE(DecodeActiveLightMode(Wire(21, {{0, {0x51, 0x12, 0, 0, 11}}})));
    EXPECT_FALSE(DecodeActiveLightMode(Wire(21, {{0, {0x54, 0x12, 0, 0, 1}}})));
    EXPECT_FALSE(DecodeActiveLightMode(Wire(4, {{0, {0x51, 0x12}}})));
}

TEST(LightingCodecTest, ByteTwoPlusMBelongsToModeM) {
    auto brightness = DecodeLightModeBytes(Wire(21, {{0, {0x51, 0x13, 10, 20, 30, 40, 50, 60, 70}}}));
    ASSERT_TRUE(brightness);
    EXPECT_EQ(*brightness, (LightModeBytes{10, 20, 30, 40, 50, 60}));
    EXPECT_FALSE(DecodeLightModeBytes(Wire(7, {{0, {0x51, 0x13}}})));
    EXPECT_FALSE(DecodeLightModeBytes(Wire(21, {{0, {0x52, 0x13}}})));

    auto red = DecodeLightModeBytes(Wire(21, {{0, {0x51, 0x14, 0x00, 0xFF, 1, 0, 0, 0}}}));
    auto green = DecodeLightModeBytes(Wire(21, {{0, {0x51, 0x15, 0x80, 0x00, 2, 0, 0, 0}}}));
    auto blue = DecodeLightModeBytes(Wire(21, {{0, {0x51, 0x16, 0xFF, 0x00, 3, 0, 0, 0xFF}}}));
    ASSERT_TRUE(red && green && blue);
    EXPECT_EQ(CombineColours(*red, *green, *blue), (LightModeBytes{0x00FF8000, 0x0000FF, 0x030201, 0, 0, 0xFF0000}));
}

}  // namespace
