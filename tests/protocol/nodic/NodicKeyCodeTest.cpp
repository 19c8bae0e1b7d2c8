#include <gtest/gtest.h>

#include "NodicButtonTable.h"
#include "NodicTestSupport.h"

using namespace nodic;
using codec::ButtonFunction;
using nodic_test::AnswerFrame;
using nodic_test::Hex;

namespace {

const SlotMap kSlots = {{7, MacroSlot{2, 3, 4}}};

std::string Encoded(const ButtonFunction& f) {
    std::optional<KeyCode> code = EncodeNodicKey(f, kSlots);
    return code ? Hex(*code) : "keeps";
}

struct CodeCase {
    ButtonFunction function;
    const char* code;
};

// Codes the tables give for a function, read back as that same function.
const CodeCase kBothWays[] = {
    {{1, 1}, "01 00 F0 00"},  {{1, 2}, "01 00 F2 00"},  {{1, 3}, "01 00 F1 00"},  {{1, 4}, "01 00 F9 00"},
    {{1, 5}, "01 00 F4 00"},  {{1, 6}, "01 00 F3 00"},  {{1, 7}, "01 00 F8 01"},  {{1, 8}, "01 00 F8 FF"},
    {{1, 9}, "01 00 F5 00"},  {{1, 10}, "01 00 F6 00"}, {{2, 0x04, 3}, "00 03 04 00"},  // Ctrl+Shift+A
    {{3, 1}, "03 00 83 01"},  {{3, 2}, "03 00 CD 00"},  {{3, 3}, "03 00 B7 00"},  {{3, 4}, "03 00 B6 00"},
    {{3, 5}, "03 00 B5 00"},  {{3, 6}, "03 00 E9 00"},  {{3, 7}, "03 00 EA 00"},  {{3, 8}, "03 00 E2 00"},
    {{5, 1}, "07 00 01 00"},  {{5, 2}, "07 00 02 00"},  {{5, 3}, "07 00 03 00"},  {{6, 1}, "0A 02 00 00"},
    {{6, 3}, "0A 04 00 00"},  {{6, 5}, "0A 06 00 00"},  {{7, 1024 + 0x41, 20, 0x234}, "12 41 34 14"},
    {{7, 2048 + 'A', 5, 100}, "30 04 64 05"},           {{7, 2048 + 'Z', 255, 4095}, "3F 1D FF FF"},
    {{8, 1}, "03 00 6F 00"},  {{8, 2}, "03 00 70 00"},  {{8, 3}, "03 00 92 01"},  {{8, 4}, "03 00 94 01"},
    {{8, 5}, "03 00 23 02"},  {{8, 6}, "03 00 8A 01"},  {{8, 7}, "00 00 3E 00"},  {{8, 8}, "0A 01 00 00"},
    {{8, 9}, "00 01 06 00"},  {{8, 10}, "00 01 19 00"}, {{8, 11}, "00 01 1B 00"}, {{9, 0}, "00 00 00 00"},
    {{2, 0x3E, 1}, "00 01 3E 00"},  // Ctrl+F5 is a key, not the F5 shortcut: it keeps its Ctrl
};

}  // namespace

TEST(NodicKeyCode, EncodeAndDecodeAgree) {
    for (const CodeCase& c : kBothWays) {
        EXPECT_EQ(Encoded(c.function), c.code) << c.function.type << "/" << c.function.value;
        std::optional<KeyCode> code = EncodeNodicKey(c.function, {});
        ASSERT_TRUE(code);
        EXPECT_EQ(DecodeNodicKey(*code), c.function) << c.code;
    }
}

TEST(NodicKeyCode, EncodeValuesOutsideTheTablesClampsAndModifiers) {
    const CodeCase cases[] = {
        {{1, 11}, "01 00 00 00"}, {{1, 0}, "01 00 00 00"}, {{3, 9}, "03 00 00 00"}, {{5, 4}, "07 00 00 00"},
        {{6, 6}, "0A 00 00 00"},  {{8, 12}, "03 00 00 00"}, {{4, 7}, "09 03 02 04"}, {{4, 8}, "keeps"},
        {{0, 0}, "keeps"},        {{10, 1}, "keeps"},       {{-1, 1}, "keeps"},
        {{2, 0xE1, 0}, "00 02 00 00"},              // left Shift alone
        {{2, 0xE3, 1}, "00 09 00 00"},              // Ctrl + left Win: the Win key joins the mask
        {{2, 0xE7, 1}, "00 81 00 00"},              // Ctrl + right Win
        {{2, 0x04, 0x103}, "00 03 04 00"},          // only the low byte of the mask
        {{2, 300, 0}, "00 00 FF 00"},
        {{7, 'A', 5, 100}, "30 04 64 05"},          // kind 0 goes as a virtual key too
        {{7, 1024 + 1, 300, 5000}, "1F 01 FF FF"},  // clamped to 255 and 4095, the kind bits intact
        {{7, 1024 + 1, 10, 9999}, "1F 01 FF 0A"},   {{7, 1024 + 1, -3, -7}, "10 01 00 00"},
    };
    for (const CodeCase& c : cases) {
        EXPECT_EQ(Encoded(c.function), c.code) << c.function.type << "/" << c.function.value;
    }
}

TEST(NodicKeyCode, DecodeAliasesAndCodesThatAreNotStored) {
    struct Case {
        KeyCode code;
        std::optional<ButtonFunction> function;
    };
    const std::optional<ButtonFunction> none;
    const Case cases[] = {
        {{0x00, 0x02, 0x00, 0x00}, ButtonFunction{2, 0, 2}},  {{0x00, 0x00, 0x00, 0x05}, ButtonFunction{2, 0, 0}},
        {{0x01, 0x00, 0xF8, 0x00}, ButtonFunction{1, 8}},     {{0x01, 0x00, 0x77, 0x00}, ButtonFunction{1, 0}},
        {{0x03, 0x00, 0xCD, 0x05}, ButtonFunction{3, 2}},     {{0x03, 0x00, 0x6F, 0x07}, ButtonFunction{8, 1}},
        {{0x03, 0x00, 0x27, 0x02}, ButtonFunction{8, 7}},     {{0x07, 0x00, 0x09, 0x00}, ButtonFunction{5, 0}},
        {{0x0A, 0x07, 0x00, 0x00}, ButtonFunction{6, 0}},
        {{0x3F, 0x04, 0xFF, 0x05}, ButtonFunction{7, 2048 + 'A', 5, 0xFFF}},
        {{0x03, 0x00, 0x83, 0x00}, none}, {{0x03, 0x00, 0x92, 0x02}, none}, {{0x03, 0x00, 0x00, 0x00}, none},
        {{0x09, 0x03, 0x02, 0x04}, none}, {{0x02, 0x00, 0x00, 0x00}, none}, {{0x20, 0x04, 0x00, 0x00}, none},
        {{0xFF, 0xFF, 0xFF, 0xFF}, none},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeNodicKey(c.code), c.function) << Hex(c.code);
}

TEST(NodicKeyCode, PlayModes) {
    struct Case {
        int playType, playTimes, mode;
    };
    const Case cases[] = {{1, 9, 2}, {2, 9, 3}, {3, 9, 5}, {0, 1, 1}, {0, 0, 1}, {0, 2, 4}, {9, 5, 4}};
    for (const Case& c : cases) {
        MacroHeader h;
        h.play_type = c.playType;
        h.play_times = c.playTimes;
        EXPECT_EQ(PlayModeOf(h), c.mode) << c.playType << "/" << c.playTimes;
    }
}

namespace {

KeyAssignment Assign(int button, int type, int value, int value2 = 0) {
    KeyAssignment a;
    a.key_code = button;
    a.macro_type = type;
    a.macro_value = value;
    a.macro_value2 = value2;
    return a;
}

// The mouse's table: button b holds 01 00 F0+b 00 (so each entry is recognisable), 48 bytes.
std::vector<std::uint8_t> TableAnswer(int length = 48) {
    std::vector<nodic_test::Run> runs;
    for (std::uint8_t b = 0; b < 12; ++b) runs.push_back({4 + 4u * b, {0x01, 0x00, static_cast<std::uint8_t>(0xF0 + b), 0x00}});
    return AnswerFrame(0x03, length, runs);
}

}  // namespace

TEST(NodicButtonTable, WriteReplacesOnlyTheAssignedEntries) {
    std::optional<ButtonTable> table = ButtonTable::FromAnswer(AnswerOf(TableAnswer()));
    ASSERT_TRUE(table);
    const KeyAssignment assignments[] = {
        Assign(2, 3, 1),    // media 1
        Assign(11, 4, 7),   // macro in slot 2
        Assign(3, 4, 99),   // macro without a slot: entry kept
        Assign(4, 0, 0),    // type 0: entry kept
        Assign(12, 9, 0),   // no entry for button 12
        Assign(0, 2, 0xE1), // lone left Shift
    };
    auto expected = nodic_test::Payload(49, {{4, {0x00, 0x02, 0x00, 0x00}},  {8, {0x01, 0x00, 0xF1, 0x00}},
                                             {12, {0x03, 0x00, 0x83, 0x01}}, {16, {0x01, 0x00, 0xF3, 0x00}},
                                             {20, {0x01, 0x00, 0xF4, 0x00}}, {24, {0x01, 0x00, 0xF5, 0x00}},
                                             {28, {0x01, 0x00, 0xF6, 0x00}}, {32, {0x01, 0x00, 0xF7, 0x00}},
                                             {36, {0x01, 0x00, 0xF8, 0x00}}, {40, {0x01, 0x00, 0xF9, 0x00}},
                                             {44, {0x01, 0x00, 0xFA, 0x00}}, {48, {0x09, 0x03, 0x02, 0x04}}});
    EXPECT_EQ(Hex(table->Write(assignments, kSlots)), Hex(expected));
}

TEST(NodicButtonTable, AnUnreadTableIsNeverWritten) {
    EXPECT_FALSE(BuildButtonTableWrite(std::nullopt, {}, kSlots).has_value());
    EXPECT_FALSE(ButtonTable::FromAnswer(AnswerOf(TableAnswer(47))).has_value());
    EXPECT_TRUE(BuildButtonTableWrite(ButtonTable::FromAnswer(AnswerOf(TableAnswer())), {}, kSlots).has_value());
}

TEST(NodicButtonTable, DecodeStoresTheReadableButtonsWithTheirNames) {
    auto frame = AnswerFrame(0x43, 48, {{4, {0x01, 0x00, 0xF0, 0x00}},   // 0: left button
                                        {8, {0x00, 0x03, 0x04, 0x00}},   // 1: Shift + Ctrl + A
                                        {12, {0x0A, 0x01, 0x00, 0x00}},  // 2: Alt+Tab
                                        {16, {0x12, 0x41, 0x34, 0x14}},  // 3: key with two parameters
                                        {20, {0x09, 0x01, 0x00, 0x01}},  // 4: macro, not stored
                                        {24, {0x01, 0x00, 0xF1, 0x00}},  // 5, 6, 8, 9: never decoded
                                        {28, {0x01, 0x00, 0xF1, 0x00}},
                                        {32, {0x00, 0x00, 0x00, 0x00}},  // 7: single function
                                        {36, {0x01, 0x00, 0xF1, 0x00}},
                                        {40, {0x01, 0x00, 0xF1, 0x00}},
                                        {44, {0x07, 0x00, 0x03, 0x00}},  // 10: DPI cycle
                                        {48, {0x03, 0x00, 0x83, 0x01}}}); // 11: media 1
    std::vector<KeyAssignment> records = ButtonTable::FromAnswer(AnswerOf(frame))->Decode(
        3, [](int id) { return CString(L"T" + std::to_wstring(id)); });
    struct Row {
        int button, type, value, value2, value3;
        const wchar_t* name;
    };
    const Row expected[] = {{0, 1, 1, 0, 0, L"T106"},        {1, 2, 0x04, 3, 0, L"Shift + Ctrl + A"},
                            {2, 8, 8, 0, 0, L"T134"},        {3, 7, 1024 + 0x41, 0x14, 0x234, L"T161"},
                            {7, 9, 0, 0, 0, L"T139"},        {10, 5, 3, 0, 0, L"T143"},
                            {11, 3, 1, 0, 0, L"T120"}};
    ASSERT_EQ(records.size(), std::size(expected));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const KeyAssignment& r = records[i];
        const Row& e = expected[i];
        EXPECT_EQ(r.profile, 3);
        EXPECT_EQ(r.fn_layer, 0);
        EXPECT_EQ((std::vector<int>{r.key_code, r.macro_type, r.macro_value, r.macro_value2, r.macro_value3}),
                  (std::vector<int>{e.button, e.type, e.value, e.value2, e.value3}));
        EXPECT_EQ(r.macro_desc, e.name) << e.button;
    }
}
