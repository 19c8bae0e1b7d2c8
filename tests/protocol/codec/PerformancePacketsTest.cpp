#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "PerformancePackets.h"

using namespace codec;
using codec_test::Wire;

namespace {

// The level in its connection's slot, the five values and the count.
const std::vector<std::uint8_t> kDefaultDpiValues = {0x90, 0x01, 0x20, 0x03, 0x40, 0x06, 0x80, 0x0C, 0xC0, 0x12, 5};

SensorSettings Sensor(int liftoff, int flag, int scroll, int esports) {
    SensorSettings s;
    s.liftoffHeight = liftoff;
    s.sensorFlag = flag;
    s.scrollFlag = scroll;
    s.esportsFlag = esports;
    return s;
}

DpiLevels Levels(int index, int count, std::array<int, 5> values = {400, 800, 1600, 3200, 4800}) {
    DpiLevels dpi;
    dpi.index = index;
    dpi.count = count;
    dpi.values = values;
    return dpi;
}

TEST(PerformancePacketsTest, CommandsInBothDialects) {
    struct Case {
        const char* what;
        Packet packet;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {"DPI, cable", DpiPacket(Dialect::kFeature, Link::kWired, Levels(1, 5)),
         Wire(21, {{0, {0x51, 0x40, 1, 0xFF, 0xFF}}, {5, kDefaultDpiValues}})},
        {"DPI, receiver", DpiPacket(Dialect::kOutput, Link::kReceiver, Levels(1, 5)),
         Wire(65, {{0, {0xB5, 0x40, 0xFF, 1, 0xFF}}, {5, kDefaultDpiValues}})},
        {"DPI, Bluetooth", DpiPacket(Dialect::kFeature, Link::kBluetooth, Levels(1, 5)),
         Wire(21, {{0, {0x51, 0x40, 0xFF, 0xFF, 1}}, {5, kDefaultDpiValues}})},
        {"DPI level beyond the count", DpiPacket(Dialect::kFeature, Link::kWired, Levels(7, 2)),
         Wire(21, {{0, {0x51, 0x40, 1, 0xFF, 0xFF}}, {5, kDefaultDpiValues}, {15, {2}}})},
        {"DPI without levels", DpiPacket(Dialect::kFeature, Link::kWired, Levels(3, 0, {70000, -5, 50, 26000, 65535})),
         Wire(21, {{0, {0x51, 0x40, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0x32, 0, 0x90, 0x65, 0xFF, 0xFF, 1}}})},
        {"rate, cable", ReportRatePacket(Dialect::kFeature, Link::kWired, 2),
         Wire(21, {{0, {0x51, 0x41, 2, 0xFF, 0xFF, 0x7D, 0x00, 0xF4, 0x01, 0xE8, 0x03}}})},
        {"rate, Bluetooth", ReportRatePacket(Dialect::kOutput, Link::kBluetooth, 5),
         Wire(65, {{0, {0xB5, 0x41, 0xFF, 0xFF, 5, 0x7D, 0x00, 0xF4, 0x01, 0xE8, 0x03, 0xD0, 0x07, 0xA0, 0x0F, 0x40, 0x1F}}})},
        {"rate above the table", ReportRatePacket(Dialect::kFeature, Link::kReceiver, 9),
         Wire(21, {{0, {0x51, 0x41, 0xFF, 5, 0xFF, 0x7D, 0x00, 0xF4, 0x01, 0xE8, 0x03}}})},
        {"sensor", SensorPacket(Dialect::kFeature, Sensor(2, 12, 2, 1)),
         Wire(21, {{0, {0x51, 0x42, 2, 1, 1, 2, 0, 2, 1}}})},
        {"sensor, output", SensorPacket(Dialect::kOutput, Sensor(1, 28, 1, 2)),
         Wire(65, {{0, {0xB5, 0x42, 1, 1, 1, 1, 0, 1, 2}}})},
        {"sensor, e-sports 0 is off", SensorPacket(Dialect::kFeature, Sensor(1, 0, 1, 0)),
         Wire(21, {{0, {0x51, 0x42, 1, 2, 2, 2, 0, 1, 1}}})},
        {"sensor, e-sports 3 is off", SensorPacket(Dialect::kFeature, Sensor(1, 53, 1, 3)),
         Wire(21, {{0, {0x51, 0x42, 1, 1, 2, 1, 0, 1, 1}}})},
        {"response time", ResponseTimePacket(Dialect::kFeature, 8), Wire(21, {{0, {0x51, 0x43, 8}}})},
        {"response time, output", ResponseTimePacket(Dialect::kOutput, 25), Wire(65, {{0, {0xB5, 0x43, 20}}})},
        {"response time below 0", ResponseTimePacket(Dialect::kFeature, -1), Wire(21, {{0, {0x51, 0x43, 0}}})},
        {"sleep time", SleepTimePacket(5), Wire(65, {{0, {0xB5, 0x0A, 1, 5}}})},
        {"select profile", *SelectProfilePacket(3), Wire(65, {{0, {0xB5, 0x0E, 2}}})},
        {"reset parts", ResetPartsPacket(Dialect::kFeature, kResetButtons | kResetLighting),
         Wire(64, {{0, {0x51, 0x0B, 1, 5}}})},
        {"reset parts, output", ResetPartsPacket(Dialect::kOutput, kResetButtons), Wire(65, {{0, {0xB5, 0x0F, 1}}})},
        {"factory reset", FactoryResetPacket(Dialect::kFeature), Wire(64, {{0, {0x51, 0x0B, 0xAA}}})},
        {"factory reset, output", FactoryResetPacket(Dialect::kOutput), Wire(65, {{0, {0xB5, 0x0F, 0x1F}}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_PACKET(c.packet, c.expected);
    }
}

TEST(PerformancePacketsTest, OnlyStoredProfilesCanBeSelected) {
    EXPECT_TRUE(SelectProfilePacket(1));
    EXPECT_TRUE(SelectProfilePacket(5));
    EXPECT_FALSE(SelectProfilePacket(0));
    EXPECT_FALSE(SelectProfilePacket(6));
}

TEST(PerformancePacketsTest, ConnectionModesPickTheirSlot) {
    EXPECT_EQ(LinkOfMode(0), Link::kWired);
    EXPECT_EQ(LinkOfMode(1), Link::kReceiver);
    EXPECT_EQ(LinkOfMode(3), Link::kReceiver);
    EXPECT_EQ(LinkOfMode(4), Link::kReceiver);
    EXPECT_EQ(LinkOfMode(2), Link::kBluetooth);
    EXPECT_FALSE(LinkOfMode(-1));
    EXPECT_FALSE(LinkOfMode(5));
}

}  // namespace
