#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "InputDecoder.h"
#include "MacroRecording.h"
#include "Utf.h"

void PrintTo(const CString& text, std::ostream* os) { *os << '"' << utf::WideToUtf8(text.str()) << '"'; }

void PrintTo(const InputEvent& e, std::ostream* os) {
    *os << "{kind " << static_cast<int>(e.kind) << (e.released ? ", up, " : ", down, ") << e.code << ", "
        << utf::WideToUtf8(e.text.str()) << "}";
}

namespace {

struct Row {
    std::wstring text;
    int type, value, stamp;
    friend bool operator==(const Row&, const Row&) = default;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{" << utf::WideToUtf8(r.text) << ", " << r.type << ", " << r.value << ", " << r.stamp << "}";
}

std::vector<Row> RowsOf(const MacroRecording& recording) {
    std::vector<Row> rows;
    for (const MacroStep& s : recording.Rows()) {
        EXPECT_EQ(s.record_index, static_cast<int>(rows.size()));
        rows.push_back({s.desc.str(), s.type, s.value, s.delay_time});
    }
    return rows;
}

// Names keys as a US layout would, and counts the questions.
CString UsLayout(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return CString(1, static_cast<wchar_t>(key));
    return key == 36 ? CString(L"Home") : CString();
}

InputEvent Key(int code, bool released, const wchar_t* name) { return {InputKind::kKey, released, code, name}; }
InputEvent Button(int code, bool released, const wchar_t* name) { return {InputKind::kMouseButton, released, code, name}; }

const wchar_t kDown[] = L"\u2193  ";
const wchar_t kUp[] = L"\u2191  ";

TEST(InputDecoderTest, EveryButtonChangeOfAReportBecomesAnEvent) {
    using namespace rawmouse;
    InputDecoder decoder(UsLayout);
    const InputEvent lbDown = Button(1, false, L"LB"), lbUp = Button(1, true, L"LB");
    const InputEvent rbDown = Button(2, false, L"RB"), rbUp = Button(2, true, L"RB");
    const InputEvent mbDown = Button(4, false, L"MB"), mbUp = Button(4, true, L"MB");
    const InputEvent backDown = Button(8, false, L"Backward"), backUp = Button(8, true, L"Backward");
    const InputEvent fwdDown = Button(16, false, L"Forward"), fwdUp = Button(16, true, L"Forward");
    const struct {
        unsigned flags;
        std::vector<InputEvent> events;
    } cases[] = {
        {kLeftDown, {lbDown}},
        {kLeftUp, {lbUp}},
        {kRightDown, {rbDown}},
        {kMiddleUp, {mbUp}},
        {kButton4Down, {backDown}},
        {kButton5Up, {fwdUp}},
        // Left released and right pressed in one report: both, presses first.
        {kLeftUp | kRightDown, {rbDown, lbUp}},
        {kLeftDown | kMiddleDown | kRightDown | kLeftUp | kMiddleUp | kRightUp | kButton4Down | kButton4Up | kButton5Down | kButton5Up,
         {lbDown, mbDown, rbDown, lbUp, mbUp, rbUp, backDown, backUp, fwdDown, fwdUp}},
        {0, {}},       // movement
        {0x0400, {}},  // wheel
    };
    for (const auto& c : cases) EXPECT_EQ(decoder.MouseButtons(c.flags), c.events) << std::hex << c.flags;
}

TEST(InputDecoderTest, HeldKeysAreRecordedOnce) {
    InputDecoder decoder(UsLayout);
    const InputEvent ignored{};
    const struct {
        int key;
        unsigned message;
        InputEvent expected;
    } steps[] = {
        {'A', rawkey::kKeyDown, Key('A', false, L"A")},
        {'A', rawkey::kKeyDown, {InputKind::kIgnore, false, 'A', L"A"}},  // auto-repeat
        {'A', rawkey::kKeyDown, {InputKind::kIgnore, false, 'A', L"A"}},
        {'A', rawkey::kKeyUp, Key('A', true, L"A")},
        {'A', rawkey::kKeyDown, Key('A', false, L"A")},
        {16, rawkey::kKeyDown, Key(160, false, L"Shift")},  // the generic Shift
        {160, rawkey::kKeyDown, {InputKind::kIgnore, false, 160, L"Shift"}},
        {16, rawkey::kKeyUp, Key(160, true, L"Shift")},
        {18, rawkey::kSysKeyDown, Key(164, false, L"Alt")},
        {18, rawkey::kSysKeyUp, Key(164, true, L"Alt")},
        {36, rawkey::kKeyDown, Key(36, false, L"Home")},
        {0, rawkey::kKeyDown, ignored},    // placeholder keys of some key sequences
        {255, rawkey::kKeyDown, ignored},
    };
    for (const auto& s : steps) EXPECT_EQ(decoder.Key(s.key, s.message), s.expected) << s.key;
}

TEST(KeyCaptureTest, KeyEditorsTakeKeyPressesOnly) {
    const InputEvent a = Key('A', false, L"A"), aUp = Key('A', true, L"A");
    const InputEvent shift = Key(160, false, L"Shift"), rAlt = Key(165, false, L"RAlt"), win = Key(91, false, L"Windows");
    const InputEvent button = Button(1, false, L"LB"), unnamed = Key(7, false, L"");
    const struct {
        int mode;
        InputEvent event;
        bool taken;
    } cases[] = {
        {10, a, true},       {11, a, true},     {12, a, true},   {10, aUp, false},     {12, aUp, false},
        {10, shift, false},  {10, rAlt, false}, {10, win, true}, {11, shift, true},    {12, rAlt, true},
        {10, button, false}, {12, button, false}, {11, unnamed, false},
        {0, a, false},       {1, a, false},     {13, a, false},
    };
    for (const auto& c : cases) EXPECT_EQ(CapturesKey(c.mode, c.event), c.taken) << c.mode << " " << c.event.code;
}

RecordingSettings Settings(DelayMode mode, std::uint32_t firstStamp = 500) {
    RecordingSettings s;
    s.delayMode = mode;
    s.firstStamp = firstStamp;
    s.ignoredArea = CRect(100, 100, 260, 128);
    return s;
}

TEST(MacroRecordingTest, EventsWithRecordedDelaysBecomeGroupedRows) {
    MacroRecording recording({}, Settings(DelayMode::kRecorded));
    const CPoint outside(10, 10);
    EXPECT_EQ(recording.Add(Key(162, false, L"Ctrl"), 1000, outside), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Add(Key('C', false, L"C"), 1120, outside), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Add(Key('C', true, L"C"), 1120, outside), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Add(Key(162, true, L"Ctrl"), 1180, outside), MacroRecording::Result::kAdded);
    // 45 seconds later: the delay is capped.
    EXPECT_EQ(recording.Add(Button(1, false, L"LB"), 46180, outside), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Add(Button(1, true, L"LB"), 46230, outside), MacroRecording::Result::kAdded);
    const std::vector<Row> expected = {
        {kDown + std::wstring(L"Ctrl"), 2, 162, 505},  // grouped with its release
        {L" -   120 ms", 1, 120, 501},
        {kDown + std::wstring(L"C"), 2, 'C', 503},
        {kUp + std::wstring(L"C"), 3, 'C', 503},  // no delay row for 0 ms
        {L" -   60 ms", 1, 60, 504},
        {kUp + std::wstring(L"Ctrl"), 3, 162, 505},
        {L" -   31000 ms", 1, 31000, 506},  // 45 s, capped
        {kDown + std::wstring(L"LB"), 4, 1, 509},
        {L" -   50 ms", 1, 50, 508},
        {kUp + std::wstring(L"LB"), 5, 1, 509},
    };
    EXPECT_EQ(RowsOf(recording), expected);
}

TEST(MacroRecordingTest, OtherDelayModesRecordNoDelayRows) {
    for (DelayMode mode : {DelayMode::kNone, DelayMode::kFixed}) {
        MacroRecording recording({}, Settings(mode));
        recording.Add(Key('A', false, L"A"), 1000, {});
        recording.Add(Key('A', true, L"A"), 3000, {});
        const std::vector<Row> expected = {{kDown + std::wstring(L"A"), 2, 'A', 501}, {kUp + std::wstring(L"A"), 3, 'A', 501}};
        EXPECT_EQ(RowsOf(recording), expected) << static_cast<int>(mode);
    }
}

TEST(MacroRecordingTest, OverlappingPressesKeepTheirOwnGroups) {
    MacroRecording recording({}, Settings(DelayMode::kNone, 0xFFFFFFFEu));
    recording.Add(Key('A', false, L"A"), 0, {});
    recording.Add(Key('B', false, L"B"), 0, {});
    recording.Add(Key('A', true, L"A"), 0, {});
    recording.Add(Key('B', true, L"B"), 0, {});
    // Group numbers are tick counts written as signed numbers; they wrap.
    const std::vector<Row> expected = {
        {kDown + std::wstring(L"A"), 2, 'A', 0},
        {kDown + std::wstring(L"B"), 2, 'B', 1},
        {kUp + std::wstring(L"A"), 3, 'A', 0},
        {kUp + std::wstring(L"B"), 3, 'B', 1},
    };
    EXPECT_EQ(RowsOf(recording), expected);
}

TEST(MacroRecordingTest, OnlyKeyAndButtonEventsAreRecorded) {
    MacroRecording recording({}, Settings(DelayMode::kRecorded));
    const CPoint onRecordButton(150, 110);
    const struct {
        InputEvent event;
        CPoint cursor;
    } ignored[] = {
        {Button(1, false, L"LB"), onRecordButton},  // the click that stops the recording
        {Button(1, true, L"LB"), CPoint(100, 127)},
        {Key('A', false, L""), {}},                 // no name
        {InputEvent{InputKind::kIgnore, false, 'A', L"A"}, {}},
        {InputEvent{InputKind::kOther, false, 0, L"x"}, {}},
    };
    for (const auto& i : ignored) EXPECT_EQ(recording.Add(i.event, 5000, i.cursor), MacroRecording::Result::kIgnored);
    EXPECT_TRUE(recording.Rows().empty());
    // Keys are recorded wherever the cursor is; clicks elsewhere are recorded.
    EXPECT_EQ(recording.Add(Key('A', false, L"A"), 6000, onRecordButton), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Add(Button(2, false, L"RB"), 6000, CPoint(260, 110)), MacroRecording::Result::kAdded);
    EXPECT_EQ(recording.Rows().size(), 2u);  // the ignored events started no delay
}

std::vector<MacroStep> Existing(int events, int delays) {
    std::vector<MacroStep> rows;
    for (int i = 0; i < events + delays; ++i) {
        MacroStep row;
        row.type = i < events ? 2 : 1;
        row.value = i < events ? 'X' : 10;
        row.record_index = i;
        rows.push_back(row);
    }
    return rows;
}

TEST(MacroRecordingTest, RecordingStopsAtTheLimit) {
    using R = MacroRecording::Result;
    const struct {
        const char* what;
        int deviceType, events, delays;
        std::vector<R> results;  // of a press and a release 10 ms apart, then one more press
        std::size_t rows;
    } cases[] = {
        // First family: every row counts, delays too.
        {"room for three rows", 100, 190, 7, {R::kAdded, R::kFull, R::kIgnored}, 200},
        {"the delay row fills it", 100, 100, 98, {R::kAdded, R::kFull, R::kIgnored}, 200},
        {"room for one row", 100, 199, 0, {R::kFull, R::kIgnored, R::kIgnored}, 200},
        {"already full", 350, 150, 50, {R::kIgnored, R::kIgnored, R::kIgnored}, 200},
        // Second family: only key and button rows count.
        {"delays do not count", 250, 197, 100, {R::kAdded, R::kAdded, R::kFull}, 302},
        {"two events left", 250, 198, 0, {R::kAdded, R::kFull, R::kIgnored}, 200 + 1},
    };
    for (const auto& c : cases) {
        MacroRecording recording(Existing(c.events, c.delays), SettingsForModel(c.deviceType, DelayMode::kRecorded, 1, CRect()));
        ASSERT_EQ(recording.Add(Key('A', false, L"A"), 100, {}), c.results[0]) << c.what;
        ASSERT_EQ(recording.Add(Key('A', true, L"A"), 110, {}), c.results[1]) << c.what;
        ASSERT_EQ(recording.Add(Key('B', false, L"B"), 120, {}), c.results[2]) << c.what;
        EXPECT_EQ(recording.Rows().size(), c.rows) << c.what;
        EXPECT_TRUE(recording.IsFull()) << c.what;
    }
}

// A key or button held down when the recording started is released during it:
// the release is left out, leaves no delay behind, and an earlier pair of the
// same key keeps its group.
TEST(MacroRecordingTest, AReleaseWithoutItsPressIsNotRecorded) {
    const struct {
        const char* what;
        std::vector<InputEvent> before;
        InputEvent release;
    } cases[] = {
        {"key pressed and released before", {Key('A', false, L"A"), Key('A', true, L"A")}, Key('A', true, L"A")},
        {"button pressed and released before", {Button(1, false, L"LB"), Button(1, true, L"LB")}, Button(1, true, L"LB")},
        {"pressed only in the macro's own rows", {}, Key('X', true, L"X")},
    };
    for (const auto& c : cases) {
        MacroRecording recording(Existing(1, 0), Settings(DelayMode::kRecorded));
        for (const InputEvent& e : c.before) recording.Add(e, 1000, {});
        const std::vector<Row> rows = RowsOf(recording);
        EXPECT_EQ(recording.Add(c.release, 1200, {}), MacroRecording::Result::kIgnored) << c.what;
        EXPECT_EQ(RowsOf(recording), rows) << c.what;
        recording.Add(Key('B', false, L"B"), 1300, {});
        const std::vector<Row> all = RowsOf(recording);
        const std::vector<Row> added(all.begin() + static_cast<std::ptrdiff_t>(rows.size()), all.end());
        const std::vector<Row> expected = c.before.empty() ? std::vector<Row>{{kDown + std::wstring(L"B"), 2, 'B', 500}}
                                                           : std::vector<Row>{{L" -   300 ms", 1, 300, 502},
                                                                              {kDown + std::wstring(L"B"), 2, 'B', 503}};
        EXPECT_EQ(added, expected) << c.what;
    }
}

// A report that releases one button and presses another, recorded: every
// press of the macro has its release.
TEST(MacroRecordingTest, ARecordedMacroLeavesNoButtonHeld) {
    InputDecoder decoder(UsLayout);
    MacroRecording recording({}, Settings(DelayMode::kNone));
    const unsigned reports[] = {rawmouse::kLeftDown, rawmouse::kLeftUp | rawmouse::kRightDown, 0, rawmouse::kRightUp};
    for (unsigned flags : reports) {
        for (const InputEvent& e : decoder.MouseButtons(flags)) recording.Add(e, 0, {});
    }
    const std::vector<Row> expected = {
        {kDown + std::wstring(L"LB"), 4, 1, 502},
        {kDown + std::wstring(L"RB"), 4, 2, 503},
        {kUp + std::wstring(L"LB"), 5, 1, 502},
        {kUp + std::wstring(L"RB"), 5, 2, 503},
    };
    EXPECT_EQ(RowsOf(recording), expected);
}

}  // namespace
