#include <gtest/gtest.h>

#include "ButtonPackets.h"
#include "CodecTestSupport.h"

using namespace codec;
using codec_test::Wire;

namespace codec {
void PrintTo(const ButtonMapItem& item, std::ostream* out) {
    *out << "button " << item.button << ": " << codec_test::Hex({item.code.begin(), item.code.end()});
}
}  // namespace codec

namespace {

// An output map answer of seven items with six data bytes (buttons 0-6, bytes
// 3-58), then an item at byte 59 with header `last` (button 7).
std::vector<std::uint8_t> SixByteItemsThen(std::uint8_t last) {
    auto answer = Wire(64, {{0, {0xB4, 0x61, 20}}});
    for (std::size_t i = 0; i < 7; ++i) {
        answer[3 + 8 * i] = static_cast<std::uint8_t>(0xC0 | i);
        answer[4 + 8 * i] = 0x08;
        answer[5 + 8 * i] = 0x0C;
    }
    answer[59] = last;
    answer[60] = 0x08;
    answer[61] = 0x0C;
    return answer;
}

std::vector<ButtonMapItem> SixByteItems(int count) {
    std::vector<ButtonMapItem> items;
    for (int i = 0; i < count; ++i) items.push_back({i, {0x08, 0x0C}});
    return items;
}

TEST(ButtonPacketsTest, AssignRestoreAndReadPacketsInBothDialects) {
    ButtonCode ctrlShiftA = *EncodeButtonFunction({2, 0x04, 3, 0});
    ButtonCode altTab = *EncodeButtonFunction({8, 8});
    struct Case {
        Packet packet;
        std::vector<std::uint8_t> expected;
    };
    const Case cases[] = {
        {AssignButtonPacket(Dialect::kFeature, 3, ctrlShiftA), Wire(65, {{0, {0x52, 0x52, 3, 0, 0x02, 0x03, 0x04}}})},
        {AssignButtonPacket(Dialect::kOutput, 3, ctrlShiftA), Wire(65, {{0, {0xB3, 0x52, 3, 0, 0x02, 0x03, 0x04}}})},
        {AssignButtonPacket(Dialect::kFeature, 15, altTab),
         Wire(65, {{0, {0x52, 0x52, 15, 0, 0x08, 0x07, 0x04, 0x2B, 0, 0, 0x01}}})},
        {RestoreButtonPacket(Dialect::kFeature, 7), Wire(65, {{0, {0x52, 0x52, 7}}})},
        {RestoreButtonPacket(Dialect::kOutput, 7), Wire(65, {{0, {0xB3, 0x52, 7}}})},
        {ReadButtonMapRequest(Dialect::kFeature), Wire(65, {{0, {0x52, 0x61}}})},
        {ReadButtonMapRequest(Dialect::kOutput), Wire(65, {{0, {0xB3, 0x61}}})},
        {ReadButtonRequest(Dialect::kFeature, 9), Wire(65, {{0, {0x52, 0x62, 9}}})},
        {ReadButtonRequest(Dialect::kOutput, 9), Wire(65, {{0, {0xB3, 0x62, 9}}})},
        {ReadMacroNameRequest(Dialect::kFeature, 4), Wire(65, {{0, {0x52, 0x63, 4}}})},
        {ReadMacroNameRequest(Dialect::kOutput, 4), Wire(65, {{0, {0xB3, 0x63, 4}}})},
    };
    for (const Case& c : cases) EXPECT_PACKET(c.packet, c.expected);
}

TEST(ButtonPacketsTest, FeatureMapSkipsButtonEight) {
    auto answer = Wire(65, {{0, {0x52, 0x61, 1, 2, 0, 4, 5, 6, 8, 9}}, {34, {7}}, {35, {1, 2, 3, 0, 0, 0, 1}}});
    auto items = DecodeButtonMap(Dialect::kFeature, answer);
    ASSERT_TRUE(items);
    std::vector<int> buttons, types;
    for (const ButtonMapItem& item : *items) {
        buttons.push_back(item.button);
        types.push_back(item.type());
    }
    EXPECT_EQ(buttons, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(types, (std::vector<int>{1, 2, 0, 4, 5, 6, 8, 9, 1, 2, 3, 0, 0, 0, 1}));
}

TEST(ButtonPacketsTest, OutputMapItemsEndAtTheFirstBadOne) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> answer;
        std::vector<ButtonMapItem> items;
    };
    const Case cases[] = {
        {"two items, second with six data bytes",
         Wire(64, {{0, {0xB4, 0x61, 2, 0x42, 0x01, 0x01, 0x00, 0xC5, 0x08, 0x07, 0x04, 0x2B, 0, 0, 1}}}),
         {{2, {0x01, 0x01, 0x00}}, {5, {0x08, 0x07, 0x04, 0x2B, 0, 0, 1}}}},
        {"0xB6 answers too; a type-0 item is listed",
         Wire(64, {{0, {0xB6, 0x61, 2, 0x00, 0x00, 0x23, 0x05, 0x02}}}),
         {{0, {0}}, {3, {0x05, 0x02}}}},
        {"header 0xE1 (length 7) ends the list",
         Wire(64, {{0, {0xB4, 0x61, 2, 0x21, 0x09, 0x01, 0xE1, 0x01, 0x01}}}),
         {{1, {0x09, 0x01}}}},
        {"button index with bit 4 ends the list",
         Wire(64, {{0, {0xB4, 0x61, 2, 0x20, 0x09, 0x00, 0x30, 0x09, 0x00}}}),
         {{0, {0x09, 0x00}}}},
        {"an item ending at byte 63 is the last that fits", SixByteItemsThen(0x67), SixByteItems(8)},
        {"an item passing byte 63 ends the list", SixByteItemsThen(0x87), SixByteItems(7)},
        {"the count bounds the list", Wire(64, {{0, {0xB4, 0x61, 1, 0x20, 0x09, 0x00, 0x21, 0x09, 0x00}}}),
         {{0, {0x09, 0x00}}}},
    };
    for (const Case& c : cases) {
        auto items = DecodeButtonMap(Dialect::kOutput, c.answer);
        ASSERT_TRUE(items) << c.what;
        EXPECT_EQ(*items, c.items) << c.what;
    }
}

TEST(ButtonPacketsTest, AnswersOfAnotherKindAreRefused) {
    EXPECT_FALSE(DecodeButtonMap(Dialect::kFeature, Wire(65, {{0, {0x51, 0x61}}})));
    EXPECT_FALSE(DecodeButtonMap(Dialect::kFeature, Wire(21, {{0, {0x52, 0x61}}})));  // too short for buttons 9-15
    EXPECT_FALSE(DecodeButtonMap(Dialect::kOutput, Wire(64, {{0, {0xB3, 0x61}}})));
    EXPECT_FALSE(DecodeButtonMap(Dialect::kOutput, {}));
    ButtonMapItem item;
    EXPECT_FALSE(DecodeButtonAnswer(Dialect::kFeature, Wire(10, {{0, {0x52}}}), item));
    EXPECT_FALSE(DecodeButtonAnswer(Dialect::kOutput, Wire(64, {{0, {0x54}}}), item));
}

TEST(ButtonPacketsTest, SingleButtonAnswerFillsCodeBytesOneToSix) {
    ButtonMapItem item{6, {0x07}};
    ASSERT_TRUE(DecodeButtonAnswer(Dialect::kFeature, Wire(65, {{0, {0x52, 0x62, 6, 0, 0x07, 1, 0x41, 0x34, 0x12, 0xCD, 0xAB, 0x99}}}), item));
    EXPECT_EQ(item, (ButtonMapItem{6, {0x07, 1, 0x41, 0x34, 0x12, 0xCD, 0xAB}}));
}

// A profile's buttons written with the assign command and read back through each
// dialect's map answer, laid out as the mouse reports it, give the same records.
TEST(ButtonPacketsTest, ReadBackOfAWholeMapRestoresWhatWasWritten) {
    const ButtonFunction written[16] = {
        {1, 1}, {1, 9}, {2, 0x04, 3, 0}, {2, 0xE1, 0, 0}, {3, 1}, {5, 3}, {6, 2}, {7, 1024 + 0x41, 0x1234, 0xABCD},
        {9, 1}, {8, 8}, {8, 3}, {2, 0x3A, 4, 0x05}, {1, 10}, {3, 8}, {8, 11}, {5, 1},
    };
    TextLookup texts = [](int id) { return CString(L"T" + std::to_wstring(id)); };
    auto feature = Wire(65, {{0, {0x52, 0x61}}});
    auto output = Wire(64, {{0, {0xB4, 0x61, 16}}});
    std::vector<std::uint8_t> codes[16];  // what the mouse keeps: code bytes 0-6 of each assign packet
    std::size_t at = 3;
    for (std::size_t b = 0; b < 16; ++b) {
        Packet assign = AssignButtonPacket(Dialect::kFeature, static_cast<int>(b), *EncodeButtonFunction(written[b]));
        for (std::size_t i = 4; i <= 10; ++i) codes[b].push_back(assign[i]);
        if (b != 8) feature[b < 8 ? 2 + b : 35 + b - 9] = codes[b][0];
        // Output items carry the data bytes up to the last non-zero one, while they fit.
        std::size_t length = 0;
        for (std::size_t i = 1; i <= 6; ++i) length = codes[b][i] ? i : length;
        if (at + 2 + length > 64) continue;
        output[at++] = static_cast<std::uint8_t>((length << 5) | b);
        for (std::size_t i = 0; i <= length; ++i) output[at++] = codes[b][i];
    }
    auto check = [&](ButtonMapItem item, const char* dialect) {
        auto record = AssignmentOfItem(item, 2, texts);
        ASSERT_TRUE(record) << dialect << " " << item.button;
        EXPECT_EQ(FunctionOf(*record), written[item.button]) << dialect << " " << item.button;
        EXPECT_EQ(record->profile, 2);
        EXPECT_EQ(record->key_code, item.button);
        EXPECT_EQ(record->macro_desc, DescribeButtonFunction(written[item.button], texts));
    };
    auto featureMap = DecodeButtonMap(Dialect::kFeature, feature);
    ASSERT_TRUE(featureMap);
    EXPECT_EQ(featureMap->size(), 15u);
    for (ButtonMapItem item : *featureMap) {
        auto answer = Wire(65, {{0, {0x52, 0x62}}, {4, codes[item.button]}});
        ASSERT_TRUE(DecodeButtonAnswer(Dialect::kFeature, answer, item));
        check(item, "feature");
    }
    auto outputMap = DecodeButtonMap(Dialect::kOutput, output);
    ASSERT_TRUE(outputMap);
    EXPECT_GE(outputMap->size(), 12u);  // as many as fit in the 64 bytes
    for (const ButtonMapItem& item : *outputMap) check(item, "output");
}

TEST(ButtonPacketsTest, NothingIsStoredForFactoryMacroOrUnknownItems) {
    TextLookup texts;
    EXPECT_FALSE(AssignmentOfItem({0, {0}}, 1, texts));
    EXPECT_FALSE(AssignmentOfItem({0, {4}}, 1, texts));
    EXPECT_FALSE(AssignmentOfItem({0, {12, 1}}, 1, texts));
    EXPECT_FALSE(AssignmentOfItem({0, {1, 0x40}}, 1, texts));
}

}  // namespace
