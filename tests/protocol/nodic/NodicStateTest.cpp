#include <gtest/gtest.h>

#include "NodicLighting.h"
#include "NodicMouseState.h"
#include "NodicProfileReset.h"
#include "NodicVersion.h"
#include "NodicTestSupport.h"

using namespace nodic;
using nodic_test::AnswerFrame;
using nodic_test::Hex;
using nodic_test::Payload;

TEST(NodicAnswer, LengthComesFromByte2AndNeverPassesWhatArrived) {
    auto frame = AnswerFrame(0x04, 0x7F, {});
    EXPECT_EQ(AnswerOf(frame).length, 59);
    frame[2] = 0x3F;  // bit 7 clear: no valid answer
    EXPECT_FALSE(AnswerOf(frame).Valid());
    const std::uint8_t shortFrame[] = {0x04, 0x00, 0x85, 0x01, 0x07, 0x08};
    Answer a = AnswerOf(shortFrame);
    EXPECT_EQ(a.length, 2);
    EXPECT_EQ(a.Byte(5), 8);
    EXPECT_EQ(a.Byte(6), 0);
    EXPECT_FALSE(AnswerOf(std::span<const std::uint8_t>(shortFrame, 3)).Valid());
}

namespace {

// A status block: rate limit 6, charging, battery 80, profile 3, level 2, rate 3,
// lighting code 1, speed 2, brightness 4.
std::vector<std::uint8_t> Status(std::uint8_t object, int length, std::initializer_list<nodic_test::Run> changes = {}) {
    auto frame = AnswerFrame(object, length, {{5, {6}}, {10, {1, 80, 2, 2}}, {20, {3, 1, 0, 2, 4}}});
    for (const auto& run : changes) std::copy(run.bytes.begin(), run.bytes.end(), frame.begin() + static_cast<long>(run.frameByte));
    return frame;
}

}  // namespace

TEST(NodicStatus, DecodeChecksEveryIndex) {
    std::optional<MouseState> s = DecodeStatusBlock(AnswerOf(Status(0x41, 17)));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->highestRate, 6);
    EXPECT_TRUE(s->charging);
    EXPECT_EQ(s->battery, 80);
    EXPECT_EQ(s->profile, 3);
    EXPECT_EQ(s->dpiLevel, 2);
    EXPECT_EQ(s->rateCode, 3);
    EXPECT_FALSE(s->lightMode.has_value());  // 17 data bytes end at byte 20
    EXPECT_FALSE(DecodeStatusBlock(AnswerOf(Status(0x41, 16))).has_value());

    struct Case {
        nodic_test::Run run;
        const char* field;
    };
    const Case bad[] = {{{5, {7}}, "highest_rate"},   {{12, {5}}, "profile"},       {{13, {6}}, "dpi_index"},
                        {{20, {7}}, "report_rate"},   {{23, {5}}, "light_speed"},   {{24, {6}}, "light_brightness"}};
    for (const Case& c : bad) {
        std::optional<MouseState> r = DecodeStatusBlock(AnswerOf(Status(0x41, 30, {c.run})));
        ASSERT_TRUE(r);
        ASSERT_EQ(r->rejected.size(), 1u) << c.field;
        EXPECT_EQ(r->rejected[0].field, c.field);
    }
    EXPECT_EQ(DecodeStatusBlock(AnswerOf(Status(0x41, 17, {{11, {150}}})))->battery, 100);
}

TEST(NodicNotification, OnlyTheMouseStateFrameCarriesTheState) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> frame;
        bool viaReceiver;
        std::optional<bool> connected;
        bool state;
    };
    const Case cases[] = {
        {"receiver: mouse connected", Status(0x01, 30, {{4, {1}}}), true, true, false},
        {"receiver: mouse gone", Status(0x01, 30, {{4, {0}}}), true, false, false},
        {"receiver: routed state", Status(0x41, 30), true, std::nullopt, true},
        {"receiver: routed state too short", Status(0x41, 22), true, std::nullopt, false},
        {"cable: state", Status(0x01, 23), false, std::nullopt, true},
        {"cable: object 1 with the route bit", Status(0x41, 23), false, std::nullopt, true},
        {"cable: late sensor answer", Status(0x04, 53), false, std::nullopt, false},
        {"cable: late system answer", Status(0x44, 30), false, std::nullopt, false},
        {"cable: battery 0", Status(0x01, 30, {{11, {0}}, {13, {4}}}), false, std::nullopt, false},
        {"receiver: no valid frame", Status(0x41, 0), true, std::nullopt, false},
    };
    for (const Case& c : cases) {
        Notification n = DecodeNotification(c.frame, c.viaReceiver);
        EXPECT_EQ(n.receiverConnected, c.connected) << c.what;
        EXPECT_EQ(n.state.has_value(), c.state) << c.what;
    }
    EXPECT_FALSE(DecodeNotification({}, true).state.has_value());
}

TEST(NodicNotification, LevelsAboveFiveAreIgnoredAndBrightnessIsScaled) {
    Notification n = DecodeNotification(Status(0x41, 30, {{13, {6}}, {24, {5}}}), true);
    ASSERT_TRUE(n.state);
    EXPECT_FALSE(n.state->dpiLevel.has_value());
    EXPECT_EQ(n.state->lightBrightness, 255);
    EXPECT_EQ(n.state->lightSpeed, 2);
    EXPECT_EQ(n.state->lightMode, 3);  // code 1
    const std::pair<int, int> levels[] = {{0, 0}, {1, 51}, {3, 153}, {4, 204}};
    for (auto [level, shown] : levels) {
        EXPECT_EQ(DecodeNotification(Status(0x01, 23, {{24, {static_cast<std::uint8_t>(level)}}}), false)
                      .state->lightBrightness,
                  shown);
    }
}

TEST(NodicReceiverStatus, Decode) {
    EXPECT_EQ(DecodeReceiverStatus(AnswerOf(AnswerFrame(0x01, 1, {{4, {1}}}))), true);
    EXPECT_EQ(DecodeReceiverStatus(AnswerOf(AnswerFrame(0x01, 1, {{4, {2}}}))), false);
    EXPECT_FALSE(DecodeReceiverStatus(AnswerOf(AnswerFrame(0x01, 0, {{4, {1}}}))).has_value());
}

TEST(NodicLighting, ModeCodesBothWays) {
    const std::pair<int, int> toCode[] = {{0, 3}, {1, 0}, {2, 2}, {3, 1}, {4, 3}, {-1, 3}};
    for (auto [mode, code] : toCode) EXPECT_EQ(LightCodeOfMode(mode), code) << mode;
    const std::pair<int, int> toMode[] = {{0, 1}, {1, 3}, {2, 2}, {3, 0}, {200, 0}};
    for (auto [code, mode] : toMode) EXPECT_EQ(LightModeOfCode(code), mode) << code;
}

TEST(NodicLighting, BrightnessAsTheMouseTakesIt) {
    const std::pair<int, int> cases[] = {{255, 5}, {128, 3}, {4, 4}, {5, 5}, {0, 0}, {-3, 0}, {6, 0}, {1000, 5}};
    for (auto [brightness, level] : cases) EXPECT_EQ(LightLevelOfBrightness(brightness), level) << brightness;
}

TEST(NodicLighting, Parameters) {
    LightRecord r;
    r.mode = 2;
    r.config_func = 19;  // uses its colour
    r.speed = 7;
    r.brightness = 128;
    r.direction = -1;
    r.color_value = 0x00336699;
    auto expected = Payload(29, {{4, {0x02, 0x02, 0x07, 0x04, 0x03, 0x00, 0x00, 0x99, 0x66, 0x33}},
                                 {17, {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF}},
                                 {23, {0xE8, 0x03, 0x94, 0x11, 0x40, 0x1F, 0xEC, 0x2C, 0x98, 0x3A}}});
    EXPECT_EQ(Hex(BuildLightParameters(r)), Hex(expected));

    r.mode = 0;
    r.config_func = 3;
    r.speed = -2;
    r.brightness = 4;
    r.direction = 400;
    LightParameters p = BuildLightParameters(r);
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(p.data(), 6)), "03 03 FF 00 04 FF");
    EXPECT_EQ(Hex(BuildLightModeSelect(1)), "00 00");
    EXPECT_EQ(Hex(BuildLightModeSelect(0)), "03 00");
}

TEST(NodicLighting, State) {
    EXPECT_EQ(DecodeLightState(AnswerOf(AnswerFrame(0x05, 3, {{6, {2}}}))), 2);
    EXPECT_EQ(DecodeLightState(AnswerOf(AnswerFrame(0x45, 3, {{6, {0}}}))), 1);
    EXPECT_FALSE(DecodeLightState(AnswerOf(AnswerFrame(0x05, 2, {{6, {2}}}))).has_value());
}

TEST(NodicProfileReset, PayloadsAndRefusals) {
    EXPECT_EQ(Hex(*BuildProfileSelect(3)), "02 00");
    EXPECT_EQ(Hex(*BuildProfileSelect(1)), "00 00");
    EXPECT_EQ(Hex(*BuildProfileSelect(5)), "04 00");
    EXPECT_FALSE(BuildProfileSelect(0));
    EXPECT_FALSE(BuildProfileSelect(6));
    EXPECT_EQ(Hex(*BuildRestoreButtons(4)), "04 00");
    EXPECT_EQ(Hex(*BuildRestoreButtons(11)), "0B 00");
    EXPECT_EQ(Hex(*BuildRestoreButtons(kAllButtons)), "FF 00");
    EXPECT_FALSE(BuildRestoreButtons(12));
    EXPECT_FALSE(BuildRestoreButtons(-1));
    EXPECT_EQ(Hex(BuildFactoryReset()), "00 00");
    EXPECT_EQ(command::kFactoryReset.accepted, 0x81);
    EXPECT_EQ(command::kButtonTableWrite.LengthByte(), 0xB1);
}

TEST(NodicVersion, Texts) {
    struct Case {
        int length;
        std::vector<nodic_test::Run> runs;
        const wchar_t* text;
    };
    const Case cases[] = {
        {6, {{8, {0x05, 0x10}}}, L"1.0.0.5"},
        {6, {{8, {0x23, 0x01}}}, L"1.2.3"},
        {18, {{8, {0x05, 0x10}}, {16, {1}}, {20, {0x02, 0x01}}}, L"1.0.0.5 -- 1.0.2"},
        {18, {{8, {0x05, 0x10}}, {19, {1}}, {20, {0x02, 0x01}}}, L"1.0.0.5 -- 1.0.2"},
        {18, {{8, {0x05, 0x10}}, {20, {0x02, 0x01}}}, L"1.0.0.5"},
        {17, {{8, {0x05, 0x10}}, {16, {1}}, {20, {0x02, 0x01}}}, L"1.0.0.5"},
        {6, {{8, {0x00, 0x00}}}, L"0.0.0"},
    };
    for (const Case& c : cases) {
        auto frame = AnswerFrame(0x00, c.length, c.runs);
        EXPECT_EQ(DecodeVersion(AnswerOf(frame)), std::optional<CString>(c.text)) << c.length;
    }
    EXPECT_FALSE(DecodeVersion(AnswerOf(AnswerFrame(0x00, 5, {{8, {0x05, 0x10}}}))).has_value());
}
