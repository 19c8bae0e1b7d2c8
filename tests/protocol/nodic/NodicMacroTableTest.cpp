#include <gtest/gtest.h>

#include <map>

#include "NodicMacroTable.h"
#include "NodicTestSupport.h"

using namespace nodic;
using nodic_test::Hex;

namespace {

constexpr int kVkA = 'A';

MacroStep Step(int type, int value, const wchar_t* desc = L"") {
    MacroStep s;
    s.type = type;
    s.value = value;
    s.desc = desc;
    return s;
}

std::vector<MacroStep> Indexed(std::vector<MacroStep> steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) steps[i].record_index = static_cast<int>(i);
    return steps;
}

MacroHeader Header(int id, const wchar_t* name = L"Macro", int playTimes = 1) {
    MacroHeader h;
    h.macro_id = id;
    h.name = name;
    h.play_times = playTimes;
    return h;
}

// The events of a record (from byte 44), as hex.
std::string Events(const MacroRecord& r) {
    return Hex(std::span<const std::uint8_t>(r.bytes).subspan(kMacroRecordHeader));
}

std::vector<MacroStep> KeyPresses(int count) {
    std::vector<MacroStep> steps;
    for (int i = 0; i < count; ++i) steps.push_back(Step(2, kVkA));
    return Indexed(steps);
}

}  // namespace

TEST(NodicMacroRecord, HeaderAndEventsOfAKeyPress) {
    MacroRecord r = BuildMacroRecord(Header(1), Indexed({Step(2, kVkA), Step(1, 50), Step(3, kVkA)}), 0);
    auto expected = std::vector<std::uint8_t>{0x34, 0x00, 0x01, 0x00, 0x00, 0x01,
                                              'M', 0, 'a', 0, 'c', 0, 'r', 0, 'o', 0};
    expected.resize(40, 0);
    for (std::uint8_t b : {0x00, 0x00, 0x02, 0x00, 0x01, 0x04, 0x32, 0x00, 0x81, 0x04, 0x0A, 0x00}) expected.push_back(b);
    EXPECT_EQ(Hex(r.bytes), Hex(expected));
}

TEST(NodicMacroRecord, EventsOfEachStep) {
    struct Case {
        const char* what;
        std::vector<MacroStep> steps;
        const char* events;
    };
    const Case cases[] = {
        {"no delay step", {Step(2, kVkA), Step(3, kVkA)}, "01 04 0A 00 81 04 0A 00"},
        {"leading delay dropped", {Step(1, 100), Step(2, kVkA), Step(3, kVkA)}, "01 04 0A 00 81 04 0A 00"},
        {"delays add up", {Step(2, kVkA), Step(1, 30), Step(1, 20), Step(3, kVkA)}, "01 04 32 00 81 04 0A 00"},
        {"delays saturate", {Step(2, kVkA), Step(1, 31000), Step(1, 31000), Step(1, 31000), Step(3, kVkA)},
         "01 04 FF FF 81 04 0A 00"},
        {"negative delay", {Step(2, kVkA), Step(1, -40), Step(3, kVkA)}, "01 04 0A 00 81 04 0A 00"},
        {"trailing delay dropped", {Step(2, kVkA), Step(1, 500)}, "01 04 0A 00"},
        {"left shift", {Step(2, 160), Step(3, 160)}, "02 E1 0A 00 82 E1 0A 00"},
        {"right alt", {Step(2, 165)}, "02 E6 0A 00"},
        {"left win is a plain key", {Step(2, 91)}, "01 E3 0A 00"},
        {"buttons", {Step(4, 0x101), Step(5, 2)}, "04 01 0A 00 84 02 0A 00"},
        {"scroll up text", {Step(4, 1, L"Scroll Up"), Step(5, 1, L"Scroll Up")}, "05 01 0A 00 85 00 0A 00"},
        {"scroll down text", {Step(4, 1, L"Mouse Scroll Down"), Step(5, 1, L"Scroll Down")}, "05 FF 0A 00 85 00 0A 00"},
        {"wheel up and down", {Step(6, 3), Step(7, 3)}, "05 01 0A 00 05 FF 0A 00"},
        {"moves", {Step(8, 5), Step(9, 5), Step(10, 200), Step(11, 3)}, "07 FB 0A 00 07 05 0A 00 06 80 0A 00 06 03 0A 00"},
        {"move by", {Step(12, 0x8305)}, "06 05 0A 00 07 FD 0A 00"},
        {"unknown step then a key", {Step(42, 9), Step(2, kVkA)}, "00 00 0A 00 01 04 0A 00"},
        {"key then an unknown step", {Step(2, kVkA), Step(42, 9)}, "01 04 0A 00 00 00 00 00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Events(BuildMacroRecord(Header(1), Indexed(c.steps), 0)), c.events) << c.what;
    }
}

TEST(NodicMacroRecord, StepsAreTakenInRecordOrder) {
    std::vector<MacroStep> steps = Indexed({Step(2, kVkA), Step(1, 50), Step(3, kVkA)});
    std::swap(steps[0], steps[2]);
    EXPECT_EQ(Events(BuildMacroRecord(Header(1), steps, 0)), "01 04 32 00 81 04 0A 00");
}

TEST(NodicMacroRecord, HeaderFieldsAreClamped) {
    MacroHeader h = Header(1, L"", 300);
    h.delay_time = 70000;
    h.play_type = 3;
    MacroRecord r = BuildMacroRecord(h, {}, 5);
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(r.bytes).first(6)), "2C 00 FF 00 05 05");
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(r.bytes).subspan(40)), "FF FF 00 00");
}

TEST(NodicMacroRecord, NameIsCutAt17UnitsWithoutSplittingAPair) {
    struct Case {
        std::wstring name;
        std::size_t units;  // code units written
    };
    const Case cases[] = {
        {L"abcdefghijklmnopqrstu", 17},
        {std::wstring(16, L'a') + L"\U0001F600", 16},  // the pair would start at unit 17
        {std::wstring(15, L'a') + L"\U0001F600", 17},  // units 16 and 17 hold the whole pair
    };
    for (const Case& c : cases) {
        MacroRecord r = BuildMacroRecord(Header(1, c.name.c_str()), {}, 0);
        std::size_t written = 0;
        while (written < kMacroNameUnits && (r.bytes[6 + 2 * written] || r.bytes[7 + 2 * written])) ++written;
        EXPECT_EQ(written, c.units);
        for (std::size_t i = written; i < kMacroNameUnits; ++i) EXPECT_EQ(r.bytes[6 + 2 * i], 0);
    }
    MacroRecord pair = BuildMacroRecord(Header(1, (std::wstring(15, L'a') + L"\U0001F600").c_str()), {}, 0);
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(pair.bytes).subspan(36, 4)), "3D D8 00 DE");
}

TEST(NodicMacroRecord, StepsPastTheRecordLimitAreDropped) {
    MacroRecord r = BuildMacroRecord(Header(1), KeyPresses(300), 0);
    EXPECT_EQ(r.events, 243);
    EXPECT_EQ(r.bytes.size(), 1016u);
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(r.bytes).first(2)), "F8 03");
    EXPECT_EQ(r.droppedSteps, 57);

    // A move-by step that passes the check adds two events.
    std::vector<MacroStep> steps = KeyPresses(242);
    steps.push_back(Step(12, 0x0101));
    MacroRecord moved = BuildMacroRecord(Header(1), Indexed(steps), 0);
    EXPECT_EQ(moved.events, 244);
    EXPECT_EQ(moved.bytes.size(), 1020u);
    EXPECT_EQ(moved.droppedSteps, 0);
}

namespace {

KeyAssignment PlaysMacro(int button, int macroId) {
    KeyAssignment a;
    a.key_code = button;
    a.macro_type = 4;
    a.macro_value = macroId;
    return a;
}

}  // namespace

TEST(NodicMacroTable, OnlyPlayedMacrosGetASlotInListOrder) {
    const MacroHeader macros[] = {Header(10, L"A"), Header(11, L"B", 3), Header(12, L"C"), Header(13, L"D")};
    const KeyAssignment assignments[] = {PlaysMacro(1, 12), PlaysMacro(3, 10), PlaysMacro(4, 12),
                                         PlaysMacro(12, 13),  // no table entry for button 12
                                         PlaysMacro(2, 99)};
    std::map<int, std::vector<MacroStep>> steps = {{10, KeyPresses(1)}, {12, KeyPresses(2)}};
    MacroTable table = BuildMacroTable(assignments, macros, [&](int id) { return steps[id]; });

    EXPECT_EQ(table.slots, (SlotMap{{10, MacroSlot{0, 1, 1}}, {12, MacroSlot{1, 1, 1}}}));
    ASSERT_EQ(table.bytes.size(), 2u + 48 + 52);
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(table.bytes).first(7)), "66 00 30 00 01 00 00");
    EXPECT_EQ(Hex(std::span<const std::uint8_t>(table.bytes).subspan(50, 7)), "34 00 01 00 01 01 43");
    EXPECT_TRUE(table.trace.IsEmpty());

    // Both buttons of macro 12 point at its one slot.
    EXPECT_EQ(Hex(*EncodeNodicKey({4, 12}, table.slots)), "09 01 01 01");
}

TEST(NodicMacroTable, NothingIsSentWithoutMacros) {
    MacroTable table = BuildMacroTable({}, std::vector<MacroHeader>{Header(1)}, nullptr);
    EXPECT_TRUE(table.bytes.empty());
    EXPECT_TRUE(table.slots.empty());
    EXPECT_TRUE(MacroTableChunks(table).empty());
}

TEST(NodicMacroTable, ChunksAndTheSizeLimit) {
    // Records of 243, 243, 243 and n events: 2 + 3 * 1016 + 44 + 4n bytes.
    struct Case {
        int lastEvents;
        std::size_t size;  // 0: not sent
        std::size_t chunks;
    };
    const Case cases[] = {{111, 3538, 60}, {112, 0, 0}};
    for (const Case& c : cases) {
        const MacroHeader macros[] = {Header(1), Header(2), Header(3), Header(4)};
        const KeyAssignment assignments[] = {PlaysMacro(0, 1), PlaysMacro(1, 2), PlaysMacro(2, 3), PlaysMacro(3, 4)};
        MacroTable table = BuildMacroTable(assignments, macros,
                                           [&](int id) { return KeyPresses(id == 4 ? c.lastEvents : 243); });
        EXPECT_EQ(table.bytes.size(), c.size);
        std::vector<MacroChunk> chunks = MacroTableChunks(table);
        ASSERT_EQ(chunks.size(), c.chunks);
        if (c.size == 0) {
            EXPECT_TRUE(table.slots.empty());
            EXPECT_EQ(table.trace, L"SetNodicMacroRecordData: macro table too large, size: 3542");
            continue;
        }
        EXPECT_EQ(table.slots.size(), 4u);
        EXPECT_EQ(Hex(std::span<const std::uint8_t>(chunks[0]).first(2)), "D2 0D");
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            std::size_t from = 59 * i, count = std::min<std::size_t>(59, c.size - from);
            EXPECT_EQ(Hex(std::span<const std::uint8_t>(chunks[i]).first(count)),
                      Hex(std::span<const std::uint8_t>(table.bytes).subspan(from, count)));
            for (std::size_t j = count; j < 59; ++j) EXPECT_EQ(chunks[i][j], 0) << i;
        }
    }
}

TEST(NodicMacroTable, A118ByteTableIsTwoFullChunks) {
    const MacroHeader macros[] = {Header(1)};
    const KeyAssignment assignments[] = {PlaysMacro(0, 1)};
    MacroTable table = BuildMacroTable(assignments, macros, [](int) { return KeyPresses(18); });
    ASSERT_EQ(table.bytes.size(), 118u);
    EXPECT_EQ(MacroTableChunks(table).size(), 2u);
}
