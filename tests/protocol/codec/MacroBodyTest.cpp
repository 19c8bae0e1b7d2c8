#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "MacroBody.h"

using namespace codec;

namespace {

MacroStep Step(int type, int value, const wchar_t* desc = L"") {
    MacroStep step;
    step.type = type;
    step.value = value;
    step.desc = desc;
    return step;
}

std::vector<std::uint8_t> Of(const MacroEvent& e) { return {e.begin(), e.end()}; }

TEST(MacroBodyTest, EveryEventKind) {
    struct Case {
        MacroStep step;
        std::vector<std::uint8_t> event;
    };
    const Case cases[] = {
        {Step(kStepDelay, 500), {0, 0x0F, 0xF4, 0x01}},
        {Step(kStepDelay, 70000), {0, 0x0F, 0xFF, 0xFF}},  // clamped to 16 bits, not wrapped
        {Step(kStepDelay, -3), {0, 0x0F, 0, 0}},
        {Step(kStepKeyDown, 'A'), {0, 0x81, 0x04, 0}},
        {Step(kStepKeyUp, 'A'), {0, 0x01, 0x04, 0}},
        {Step(kStepKeyDown, 16), {0, 0x81, 0x00, 0}},  // the generic Shift has no usage
        {Step(kStepButtonDown, 1), {0, 0x88, 0x01, 0}},
        {Step(kStepButtonUp, 16), {0, 0x08, 0x10, 0}},
        {Step(kStepButtonDown, 3, L"\u2193  Scroll Up"), {0, 0x05, 0x03, 0}},
        {Step(kStepButtonUp, 3, L"Scroll Down"), {0, 0x05, 0xFD, 0}},
        {Step(kStepWheelUp, 3), {0, 0x05, 0x03, 0}},
        {Step(kStepWheelDown, 3), {0, 0x05, 0xFD, 0}},
        {Step(kStepWheelUp, 200), {0, 0x05, 0x7F, 0}},  // clamped to a signed byte
        {Step(kStepWheelDown, 200), {0, 0x05, 0x80, 0}},
        {Step(kStepMoveUp, 10), {0, 0x09, 0, 0xF6}},
        {Step(kStepMoveDown, 10), {0, 0x09, 0, 0x0A}},
        {Step(kStepMoveLeft, 10), {0, 0x09, 0xF6, 0}},
        {Step(kStepMoveRight, 10), {0, 0x09, 0x0A, 0}},
        {Step(kStepMoveRight, 300), {0, 0x09, 0x7F, 0}},
        {Step(kStepMoveLeft, 300), {0, 0x09, 0x80, 0}},
        {Step(kStepMoveBy, 0x8305), {0, 0x09, 0x05, 0xFD}},
        {Step(kStepMoveBy, 0x0583), {0, 0x09, 0xFD, 0x05}},
        {Step(kStepMoveBy, 0xFFFF), {0, 0x09, 0x81, 0x81}},
        {Step(13, 5), {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codec_test::Hex(Of(EncodeMacroEvent(c.step))), codec_test::Hex(c.event))
            << "type " << c.step.type << " value " << c.step.value;
    }
}

TEST(MacroBodyTest, HeaderBytes) {
    struct Case {
        int playType, playTimes, delay;
        std::vector<std::uint8_t> header;
    };
    const Case cases[] = {
        {0, 1, 0, {1, 0x01, 0x00, 0x00, 0x00, 2}},
        {2, 300, 1000, {1, 0x2C, 0x41, 0xE8, 0x03, 2}},
        {1, 8191, 65535, {1, 0xFF, 0x3F, 0xFF, 0xFF, 2}},
        {1, 9000, 70000, {1, 0xFF, 0x3F, 0xFF, 0xFF, 2}},  // play_times kept out of play_type's bits
        {0, -5, -1, {1, 0x00, 0x00, 0x00, 0x00, 2}},
    };
    MacroStep steps[] = {Step(kStepKeyDown, 'B'), Step(kStepKeyUp, 'B')};
    steps[1].record_index = 1;
    for (const Case& c : cases) {
        MacroHeader header;
        header.play_type = c.playType;
        header.play_times = c.playTimes;
        header.delay_time = c.delay;
        MacroBody body = BuildMacroBody(header, steps);
        ASSERT_EQ(body.bytes.size(), 14u);
        EXPECT_EQ(codec_test::Hex({body.bytes.begin(), body.bytes.begin() + 6}), codec_test::Hex(c.header))
            << c.playTimes;
        EXPECT_EQ(codec_test::Hex({body.bytes.begin() + 6, body.bytes.end()}), "00 81 05 00 00 01 05 00");
    }
}

TEST(MacroBodyTest, StepsGoInRecordIndexOrder) {
    std::vector<MacroStep> steps = {Step(kStepKeyUp, 'C'), Step(kStepDelay, 20), Step(kStepKeyDown, 'C')};
    steps[0].record_index = 2;
    steps[1].record_index = 1;
    steps[2].record_index = 0;
    MacroBody body = BuildMacroBody(MacroHeader{}, steps);
    EXPECT_EQ(codec_test::Hex(body.bytes), "01 00 00 00 00 03 00 81 06 00 00 0F 14 00 00 01 06 00");
}

TEST(MacroBodyTest, StepsBeyondTheMacroAreaAreDropped) {
    struct Case {
        int steps, events, dropped;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{13, 13, 0}, Case{254, 254, 0}, Case{255, 254, 1}, Case{600, 254, 346}}) {
        std::vector<MacroStep> steps;
        for (int i = 0; i < c.steps; ++i) {
            steps.push_back(Step(kStepDelay, i));
            steps.back().record_index = i;
        }
        MacroBody body = BuildMacroBody(MacroHeader{}, steps);
        EXPECT_EQ(body.events, c.events) << c.steps;
        EXPECT_EQ(body.dropped, c.dropped) << c.steps;
        EXPECT_EQ(body.bytes.size(), 6u + 4u * static_cast<std::size_t>(c.events)) << c.steps;
        EXPECT_LE(body.bytes.size(), kMacroAreaSize);
        EXPECT_EQ(body.bytes[5], c.events);
        if (c.events > 0) {  // the last kept step is the 254th, not a later one
            std::size_t last = body.bytes.size() - 4;
            EXPECT_EQ(body.bytes[last + 2] | (body.bytes[last + 3] << 8), c.events - 1);
        }
    }
}

}  // namespace
