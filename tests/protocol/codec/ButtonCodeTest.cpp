#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "ButtonCode.h"
#include "ButtonNames.h"
#include "CodecTestSupport.h"

using namespace codec;

namespace {

struct CodeCase {
    ButtonFunction function;
    std::vector<std::uint8_t> code;         // first bytes of the 10-byte code; the rest are zero
    std::optional<ButtonFunction> decoded;  // what a read-back of that code stores
};

std::vector<std::uint8_t> Full(std::vector<std::uint8_t> code) {
    code.resize(kButtonCodeSize, 0);
    return code;
}

// Every function of the code table, with the values just outside each table.
const std::vector<CodeCase>& Cases() {
    static const std::vector<CodeCase> cases = {
        // type 1: mouse actions
        {{1, 1}, {0x01, 0x01}, ButtonFunction{1, 1}},
        {{1, 2}, {0x01, 0x04}, ButtonFunction{1, 2}},
        {{1, 3}, {0x01, 0x02}, ButtonFunction{1, 3}},
        {{1, 4}, {0x01, 0x80}, ButtonFunction{1, 4}},
        {{1, 5}, {0x01, 0x08}, ButtonFunction{1, 5}},
        {{1, 6}, {0x01, 0x10}, ButtonFunction{1, 6}},
        {{1, 7}, {0x01, 0x00, 0x02}, ButtonFunction{1, 7}},
        {{1, 8}, {0x01, 0x00, 0xFE}, ButtonFunction{1, 8}},
        {{1, 9}, {0x01, 0x00, 0x00, 0xFE}, ButtonFunction{1, 9}},
        {{1, 10}, {0x01, 0x00, 0x00, 0x02}, ButtonFunction{1, 10}},
        {{1, 11}, {0x01}, std::nullopt},
        {{1, 0}, {0x01}, std::nullopt},
        // type 2: keys with modifiers
        {{2, 0x04, 3, 0}, {0x02, 0x03, 0x04, 0x00}, ButtonFunction{2, 0x04, 3, 0}},  // Ctrl+Shift+A
        {{2, 0xE1, 0, 0}, {0x02, 0x02, 0x00, 0x00}, ButtonFunction{2, 0xE1, 0, 0}},  // lone left Shift
        {{2, 0xE0, 0, 0}, {0x02, 0x01}, ButtonFunction{2, 0xE0, 0, 0}},
        {{2, 0xE7, 0, 0}, {0x02, 0x80}, ButtonFunction{2, 0xE7, 0, 0}},
        {{2, 0xE1, 1, 0}, {0x02, 0x01, 0xE1}, ButtonFunction{2, 0xE1, 1, 0}},        // with a mask it is a key
        {{2, 0x3A, 4, 0x05}, {0x02, 0x04, 0x3A, 0x05}, ButtonFunction{2, 0x3A, 4, 0x05}},
        {{2, 0x04, 1, 0xE1}, {0x02, 0x03, 0x04, 0x00}, ButtonFunction{2, 0x04, 3, 0}},  // second modifier joins the mask
        {{2, 300, 0, 0}, {0x02, 0x00, 0xFF}, ButtonFunction{2, 0xFF, 0, 0}},          // clamped, not wrapped
        {{2, 0, 0, 0}, {0x02}, std::nullopt},
        // type 3: media keys
        {{3, 1}, {0x03, 0x83, 0x01}, ButtonFunction{3, 1}},
        {{3, 2}, {0x03, 0xCD, 0x00}, ButtonFunction{3, 2}},
        {{3, 3}, {0x03, 0xB7, 0x00}, ButtonFunction{3, 3}},
        {{3, 4}, {0x03, 0xB6, 0x00}, ButtonFunction{3, 4}},
        {{3, 5}, {0x03, 0xB5, 0x00}, ButtonFunction{3, 5}},
        {{3, 6}, {0x03, 0xE9, 0x00}, ButtonFunction{3, 6}},
        {{3, 7}, {0x03, 0xEA, 0x00}, ButtonFunction{3, 7}},
        {{3, 8}, {0x03, 0xE2, 0x00}, ButtonFunction{3, 8}},
        {{3, 9}, {0x03}, std::nullopt},
        // type 4: macros are found by name, never by code
        {{4, 17}, {0x04}, std::nullopt},
        // type 5: DPI actions
        {{5, 1}, {0x05, 0x02}, ButtonFunction{5, 1}},
        {{5, 2}, {0x05, 0x03}, ButtonFunction{5, 2}},
        {{5, 3}, {0x05, 0x01}, ButtonFunction{5, 3}},
        {{5, 4}, {0x05}, std::nullopt},
        // type 6: numbered functions
        {{6, 1}, {0x06, 0x01}, ButtonFunction{6, 1}},
        {{6, 3}, {0x06, 0x03}, ButtonFunction{6, 3}},
        {{6, 5}, {0x06, 0x05}, ButtonFunction{6, 5}},
        {{6, 6}, {0x06}, std::nullopt},
        // type 7: kind, key byte, two 16-bit parameters
        {{7, 1024 + 0x41, 0x1234, 0xABCD}, {0x07, 0x01, 0x41, 0x34, 0x12, 0xCD, 0xAB},
         ButtonFunction{7, 1024 + 0x41, 0x1234, 0xABCD}},
        {{7, 'A', 1, 2}, {0x07, 0x00, 0x04, 0x01, 0x00, 0x02, 0x00}, ButtonFunction{7, 'A', 1, 2}},
        {{7, 2048 + 116, 0, 0}, {0x07, 0x02, 0x3E}, ButtonFunction{7, 2048 + 116, 0, 0}},  // kind 2, F5
        {{7, 'A', 70000, -5}, {0x07, 0x00, 0x04, 0xFF, 0xFF, 0x00, 0x00}, ButtonFunction{7, 'A', 0xFFFF, 0}},
        // type 8: shortcuts
        {{8, 1}, {0x08, 0x0C, 0x6F, 0x00}, ButtonFunction{8, 1}},
        {{8, 2}, {0x08, 0x0C, 0x70, 0x00}, ButtonFunction{8, 2}},
        {{8, 3}, {0x08, 0x0C, 0x92, 0x01}, ButtonFunction{8, 3}},
        {{8, 4}, {0x08, 0x0C, 0x94, 0x01}, ButtonFunction{8, 4}},
        {{8, 5}, {0x08, 0x0C, 0x23, 0x02}, ButtonFunction{8, 5}},
        {{8, 6}, {0x08, 0x0C, 0x8A, 0x01}, ButtonFunction{8, 6}},
        {{8, 7}, {0x08, 0x07, 0x00, 0x3E}, ButtonFunction{8, 7}},
        {{8, 8}, {0x08, 0x07, 0x04, 0x2B, 0x00, 0x00, 0x01}, ButtonFunction{8, 8}},
        {{8, 9}, {0x08, 0x07, 0x01, 0x06}, ButtonFunction{8, 9}},
        {{8, 10}, {0x08, 0x07, 0x01, 0x19}, ButtonFunction{8, 10}},
        {{8, 11}, {0x08, 0x07, 0x01, 0x1B}, ButtonFunction{8, 11}},
        {{8, 12}, {0x08}, std::nullopt},
        // type 9: a read-back stores the value the key page stores
        {{9, 1}, {0x09}, ButtonFunction{9, 1}},
        {{9, 7}, {0x09}, ButtonFunction{9, 1}},
        // type 0: the factory function
        {{0, 0}, {}, std::nullopt},
    };
    return cases;
}

TEST(ButtonCodeTest, EveryFunctionEncodesAsTheCodeTableSays) {
    for (const CodeCase& c : Cases()) {
        std::optional<ButtonCode> code = EncodeButtonFunction(c.function);
        ASSERT_TRUE(code) << c.function.type << "/" << c.function.value;
        EXPECT_EQ(codec_test::Hex(std::vector<std::uint8_t>(code->begin(), code->end())), codec_test::Hex(Full(c.code)))
            << c.function.type << "/" << c.function.value;
    }
}

TEST(ButtonCodeTest, EveryCodeDecodesBackIntoTheStoredFunction) {
    for (const CodeCase& c : Cases()) {
        std::vector<std::uint8_t> code = Full(c.code);
        EXPECT_EQ(DecodeButtonCode(code), c.decoded) << codec_test::Hex(code);
    }
}

TEST(ButtonCodeTest, TypesOutsideTheTableHaveNoCode) {
    EXPECT_FALSE(EncodeButtonFunction({10, 1}));
    EXPECT_FALSE(EncodeButtonFunction({-1, 1}));
    const std::uint8_t unknown[] = {0x0A, 0x01};
    EXPECT_FALSE(DecodeButtonCode(unknown));
    EXPECT_FALSE(DecodeButtonCode({}));
}

TEST(ButtonCodeTest, OnlyFourByteCodesFitAProfileSlot) {
    EXPECT_TRUE(FitsProfileSlot({1, 1}));
    EXPECT_TRUE(FitsProfileSlot({8, 7}));
    EXPECT_TRUE(FitsProfileSlot({0, 0}));
    EXPECT_FALSE(FitsProfileSlot({4, 3}));
    EXPECT_FALSE(FitsProfileSlot({7, 65}));
    EXPECT_FALSE(FitsProfileSlot({8, 8}));
}

TEST(ButtonNamesTest, DecodedFunctionsAreDescribedWithTheirTexts) {
    TextLookup texts = [](int id) { return CString(L"T" + std::to_wstring(id)); };
    const std::pair<ButtonFunction, const wchar_t*> cases[] = {
        {{1, 2}, L"T108"}, {{1, 4}, L"T111"}, {{3, 3}, L"T124"}, {{3, 6}, L"T117"}, {{5, 1}, L"DPI +"},
        {{5, 2}, L"DPI -"}, {{5, 3}, L"T143"}, {{6, 5}, L"T155"}, {{8, 8}, L"T134"}, {{8, 9}, L"T31"},
        {{8, 11}, L"T36"}, {{9, 1}, L"T139"},
        {{2, 0x04, 3, 0}, L"Shift + Ctrl + A"},
        {{2, 0x3A, 15, 0}, L"Shift + Ctrl + Win + Alt + F1"},
        {{2, 0x2C, 4, 0}, L"Alt + Space"},
        {{2, 0xE1, 0, 0}, L"Shift"},
        {{2, 0x04, 0, 0}, L"A"},
        {{2, 0, 9, 0}, L"Ctrl + Win"},
        {{7, 65, 0, 0}, L""}, {{4, 2}, L""}, {{1, 11}, L""},
    };
    for (const auto& [function, name] : cases) {
        EXPECT_EQ(DescribeButtonFunction(function, texts), CString(name)) << function.type << "/" << function.value;
    }
}

}  // namespace
