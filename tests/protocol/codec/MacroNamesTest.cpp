#include <gtest/gtest.h>

#include <tuple>

#include "CodecTestSupport.h"
#include "MacroNames.h"

using namespace codec;
using codec_test::Wire;

namespace {

const wchar_t kChineseWord[] = L"\u81EA\u5B9A\u4E49";  // the second language's text 351

// A double-byte code page in miniature: ASCII as one byte, four ideographs as two.
class DoubleBytePage : public NameCodePage {
public:
    std::string EncodeChar(char32_t ch) const override {
        if (ch < 0x80) return std::string(1, static_cast<char>(ch));
        for (const auto& [c, lead, trail] : kEntries) {
            if (c == ch) return {static_cast<char>(lead), static_cast<char>(trail)};
        }
        return {};
    }
    std::wstring Decode(Bytes bytes) const override {
        std::wstring text;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            wchar_t ch = bytes[i] < 0x80 ? bytes[i] : L'?';
            for (const auto& [c, lead, trail] : kEntries) {
                if (i + 1 < bytes.size() && lead == bytes[i] && trail == bytes[i + 1]) ch = static_cast<wchar_t>(c);
            }
            i += bytes[i] < 0x80 ? 0 : 1;
            text += ch;
        }
        return text;
    }

private:
    static constexpr std::tuple<char32_t, std::uint8_t, std::uint8_t> kEntries[] = {
        {0x81EA, 0xD7, 0xD4}, {0x5B9A, 0xB6, 0xA8}, {0x4E49, 0xD2, 0xE5}, {0x5B8F, 0xBA, 0xEA}};
};

const DoubleBytePage kDoubleByte;

MacroNaming English() { return MacroNaming{kLanguageEnglish, L"Custom", &kDoubleByte}; }
MacroNaming Second() { return MacroNaming{kLanguageSecond, kChineseWord, &kDoubleByte}; }

TEST(MacroNamesTest, DefaultPrefixFollowsTheInterfaceLanguage) {
    struct Case {
        MacroNaming naming;
        std::wstring name, expected;
    };
    const std::wstring chinese = kChineseWord;
    const Case cases[] = {
        {Second(), L"Custom1", chinese + L"1"},
        {Second(), L"Customer", chinese + L"er"},
        {Second(), chinese + L"1", chinese + L"1"},
        {Second(), L"Alpha", L"Alpha"},
        {English(), chinese + L"2", L"Custom2"},
        {English(), L"Custom2", L"Custom2"},
        {English(), L"\u81EA\u5B9A", L"\u81EA\u5B9A"},
        {MacroNaming{kLanguageSecond, L"", &kDoubleByte}, L"Custom3", L"Custom3"},  // no text 351: keep the name
        {MacroNaming{2052, kChineseWord, &kDoubleByte}, L"Custom4", L"Custom4"},  // not a language of this program
    };
    for (const Case& c : cases) EXPECT_EQ(LocaliseMacroName(c.name, c.naming).str(), c.expected);
}

TEST(MacroNamesTest, NamePacketsInBothDialects) {
    EXPECT_PACKET(MacroNamePacket(Dialect::kFeature, 3, L"Macro 1", English()),
                  Wire(65, {{0, {0x52, 0x53, 3, 7, 'M', 'a', 'c', 'r', 'o', ' ', '1'}}}));
    EXPECT_PACKET(MacroNamePacket(Dialect::kOutput, 3, L"Macro 1", English()),
                  Wire(65, {{0, {0xB3, 0x53, 3, 7, 'M', 'a', 'c', 'r', 'o', ' ', '1'}}}));
    // Written with the current language's prefix, in the code page.
    EXPECT_PACKET(MacroNamePacket(Dialect::kFeature, 0, L"Custom9", Second()),
                  Wire(65, {{0, {0x52, 0x53, 0, 7, 0xD7, 0xD4, 0xB6, 0xA8, 0xD2, 0xE5, '9'}}}));
    EXPECT_PACKET(MacroNamePacket(Dialect::kOutput, 1, kChineseWord, English()),
                  Wire(65, {{0, {0xB3, 0x53, 1, 6, 'C', 'u', 's', 't', 'o', 'm'}}}));
}

TEST(MacroNamesTest, LongNamesAreCutOnACharacterBoundary) {
    std::wstring ideographs(40, L'\u5B8F');
    struct Case {
        Dialect dialect;
        std::wstring name;
        std::size_t bytes;
    };
    const Case cases[] = {
        {Dialect::kFeature, std::wstring(70, L'x'), 61},
        {Dialect::kOutput, std::wstring(70, L'x'), 60},  // byte 64 of an output report is always sent as zero
        {Dialect::kFeature, std::wstring(61, L'x'), 61},
        {Dialect::kFeature, L"A" + ideographs, 61},
        {Dialect::kOutput, L"A" + ideographs, 59},  // a 30th ideograph would need bytes 63 and 64
        {Dialect::kFeature, ideographs, 60},
        {Dialect::kOutput, ideographs, 60},
    };
    for (const Case& c : cases) {
        Packet packet = MacroNamePacket(c.dialect, 2, c.name, English());
        EXPECT_EQ(packet[3], c.bytes) << c.name.size();
        EXPECT_EQ(packet[4 + c.bytes], 0);
        EXPECT_EQ(packet.size(), 65u);
        if (c.dialect == Dialect::kOutput) {
            EXPECT_EQ(packet[64], 0);
        }
    }
}

TEST(MacroNamesTest, Windows1252) {
    const NameCodePage& page = Windows1252();
    EXPECT_EQ(EncodeName(L"Caf\u00E9 \u20AC5 \u5B8F\u0178", 61, page), "Caf\xE9 \x80" "5 ?\x9F");
    const std::uint8_t bytes[] = {'A', 0x80, 0x8A, 0x9F, 0xE9, 0x81};
    EXPECT_EQ(page.Decode(bytes), L"A\u20AC\u0160\u0178\u00E9\u0081");
    EXPECT_EQ(EncodeName(L"ab\0cd", 61, page), "ab");

    // Whatever the system's code page, plain ASCII names pass unchanged.
    const std::uint8_t ascii[] = {'M', 'a', 'c', 'r', 'o', ' ', '1'};
    EXPECT_EQ(EncodeName(L"Macro 1", 61, SystemCodePage()), "Macro 1");
    EXPECT_EQ(SystemCodePage().Decode(ascii), L"Macro 1");
}

TEST(MacroNamesTest, NameAnswers) {
    struct Case {
        const char* what;
        Dialect dialect;
        std::vector<std::uint8_t> answer;
        MacroNaming naming;
        std::optional<std::wstring> name;
    };
    const Case cases[] = {
        {"feature", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 5, 'H', 'e', 'l', 'l', 'o'}}}), English(), L"Hello"},
        {"output 0xB4", Dialect::kOutput, Wire(64, {{0, {0xB4, 0x63, 1, 2, 'H', 'i'}}}), English(), L"Hi"},
        {"localised", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 7, 'C', 'u', 's', 't', 'o', 'm', '7'}}}),
         Second(), std::wstring(kChineseWord) + L"7"},
        {"double-byte", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 6, 0xD7, 0xD4, 0xB6, 0xA8, 0xD2, 0xE5}}}),
         English(), L"Custom"},
        {"empty", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 0}}}), English(), L""},
        {"ends at a zero byte", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 5, 'A', 'b', 0, 'c', 'd'}}}),
         English(), L"Ab"},
        {"longest feature name", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 61}}, {4, std::vector<std::uint8_t>(61, 'n')}}),
         English(), std::wstring(61, L'n')},
        {"feature length past the packet", Dialect::kFeature, Wire(65, {{0, {0x52, 0x63, 1, 62}}}), English(), std::nullopt},
        {"output length past the answer", Dialect::kOutput, Wire(64, {{0, {0xB4, 0x63, 1, 61}}}), English(), std::nullopt},
        {"length past a short answer", Dialect::kFeature, Wire(21, {{0, {0x52, 0x63, 1, 20}}}), English(), std::nullopt},
        {"another report", Dialect::kFeature, Wire(65, {{0, {0x54, 0xE4, 1, 2, 'H', 'i'}}}), English(), std::nullopt},
        {"output command report", Dialect::kOutput, Wire(64, {{0, {0xB3, 0x63, 1, 2, 'H', 'i'}}}), English(), std::nullopt},
        {"output notification", Dialect::kOutput, Wire(64, {{0, {0xB6, 0xE2, 1, 2, 'H', 'i'}}}), English(), std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<CString> name = DecodeMacroNameAnswer(c.dialect, c.answer, c.naming);
        ASSERT_EQ(name.has_value(), c.name.has_value()) << c.what;
        if (name) {
            EXPECT_EQ(name->str(), *c.name) << c.what;
        }
    }
}

TEST(MacroNamesTest, NamesReadBackFindTheirMacro) {
    std::vector<MacroHeader> macros(5);
    const std::wstring names[] = {L"Custom1", L"Alpha", L"Alpha", std::wstring(70, L'L'), L"\u5B8F" + std::wstring(40, L'm')};
    for (int i = 0; i < 5; ++i) {
        macros[static_cast<std::size_t>(i)].macro_id = i + 1;
        macros[static_cast<std::size_t>(i)].name = names[i];
    }
    for (Dialect d : {Dialect::kFeature, Dialect::kOutput}) {
        for (const MacroNaming& naming : {English(), Second()}) {
            for (const MacroHeader& macro : macros) {
                // What the mouse keeps is what the name packet wrote; it answers with it.
                Packet written = MacroNamePacket(d, 0, macro.name, naming);
                bool feature = d == Dialect::kFeature;
                auto answer = Wire(feature ? 65 : 64, {{0, {feature ? std::uint8_t{0x52} : std::uint8_t{0xB4}, 0x63}}});
                for (std::size_t i = 2; i < answer.size(); ++i) answer[i] = written[i];
                std::optional<CString> read = DecodeMacroNameAnswer(d, answer, naming);
                ASSERT_TRUE(read);
                const MacroHeader* found = FindMacroByName(d, *read, macros, naming);
                ASSERT_NE(found, nullptr) << macro.macro_id;
                // Equal names: the first stored macro wins.
                EXPECT_EQ(found->macro_id, macro.macro_id == 3 ? 2 : macro.macro_id);
            }
        }
        EXPECT_EQ(FindMacroByName(d, L"Beta", macros, English()), nullptr);
        EXPECT_EQ(FindMacroByName(d, L"", macros, English()), nullptr);
    }
}

}  // namespace
