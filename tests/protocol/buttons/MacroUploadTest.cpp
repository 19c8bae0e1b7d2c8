// Macros on a button: the body in one packet or in chunks, every event kind, the
// clamps, names in both languages, and the macro found again by a map read.
#include "ButtonTestBed.h"

using namespace buttontest;

namespace {

MacroStep Step(int type, int value, const wchar_t* desc = L"") {
    MacroStep s;
    s.type = type;
    s.value = value;
    s.desc = desc;
    return s;
}

// Delay steps 1, 2, 3, ...: every event different, so a misplaced chunk shows.
std::vector<MacroStep> Delays(int count) {
    std::vector<MacroStep> steps;
    for (int i = 1; i <= count; ++i) steps.push_back(Step(1, i));
    return steps;
}

Bytes DelayBody(int events) {
    Bytes body = {0x01, 0x01, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(events)};
    for (int i = 1; i <= events; ++i) body.insert(body.end(), {0x00, 0x0F, static_cast<std::uint8_t>(i & 0xFF), static_cast<std::uint8_t>(i >> 8)});
    return body;
}

Bytes Slice(const Bytes& b, std::size_t at, std::size_t n) { return Bytes(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + n)); }

Bytes Join(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class MacroUploadTest : public ButtonBed, public ::testing::WithParamInterface<Link> {
protected:
    // Uploads `steps` to button 2 as macro "Mac" and returns the packets sent.
    std::vector<Bytes> Upload(const std::vector<MacroStep>& steps, int playType = 0, int playTimes = 1, int delay = 0) {
        int id = AddMacro(L"Mac", steps, playType, playTimes, delay);
        Assign(2, 4, id);
        sim::ClearLog();
        EXPECT_TRUE(dialect->WriteButton(session, 2));
        return Sent();
    }
    // The mouse plays exactly `body` on button 2.
    void ExpectKept(const Bytes& body) {
        ASSERT_EQ(Flash().macros.count(2), 1u);
        EXPECT_EQ(Flash().macros.at(2), body);
        EXPECT_EQ(Flash().buttons[2], sim::StoredButton{4});
        EXPECT_EQ(Flash().macroNames[2], "Mac");
    }
    Bytes NamePacket() const { return {Bulk(), 0x53, 0x02, 0x03, 'M', 'a', 'c'}; }
};

// Events -> body length; the feature chunks' lengths; the output chunks' sequence bytes and lengths.
struct Size {
    int steps;
    int events;
    std::vector<int> featureChunks;                  // empty: one 0x54 packet
    std::vector<std::pair<int, int>> outputChunks;   // empty: one 0x54 packet
};
const Size kSizes[] = {
    {1, 1, {}, {}},
    {13, 13, {}, {}},                                        // 58 bytes: the most one packet holds
    {14, 14, {58, 4}, {{0x03, 58}, {0x06, 9}}},
    {42, 42, {58, 58, 58}, {{0x03, 58}, {0x07, 58}, {0x0B, 58}, {0x0E, 5}}},
    {254, 254, {}, {}},                                      // 1022 bytes, the whole area less two
    {300, 254, {}, {}},                                      // 46 events dropped
};

TEST_P(MacroUploadTest, BodiesTravelWholeOrInChunksAndAreKeptByteForByte) {
    Use(GetParam());
    for (const Size& size : kSizes) {
        SCOPED_TRACE(size.steps);
        Flash().macros.clear();
        std::vector<Bytes> sent = Upload(Delays(size.steps));
        Bytes body = DelayBody(size.events);
        ExpectKept(body);
        ASSERT_FALSE(sent.empty());
        EXPECT_TRUE(Packet(sent.back(), NamePacket()));
        sent.pop_back();
        if (body.size() <= 58) {
            ASSERT_EQ(sent.size(), 1u);
            Bytes head = link.output() ? Bytes{0xB3, 0x54, 0x02, 0x00, static_cast<std::uint8_t>(body.size()), 0x00}
                                       : Bytes{0x52, 0x54, 0x02, 0x00, static_cast<std::uint8_t>(body.size())};
            EXPECT_TRUE(Packet(sent[0], Join(head, body)));
        } else if (!link.output()) {
            std::vector<int> lengths = size.featureChunks;
            if (lengths.empty()) {
                for (std::size_t offset = 0; offset < body.size(); offset += 58)
                    lengths.push_back(static_cast<int>(std::min<std::size_t>(58, body.size() - offset)));
            }
            ASSERT_EQ(sent.size(), lengths.size());
            for (std::size_t i = 0, offset = 0; i < sent.size(); offset += static_cast<std::size_t>(lengths[i]), ++i) {
                bool more = i + 1 < sent.size();
                Bytes head = {0x52, 0x55, 0x02, static_cast<std::uint8_t>(more ? 1 : 0),
                              static_cast<std::uint8_t>(offset & 0xFF), static_cast<std::uint8_t>(offset >> 8),
                              static_cast<std::uint8_t>(lengths[i])};
                EXPECT_TRUE(Packet(sent[i], Join(head, Slice(body, offset, static_cast<std::size_t>(lengths[i])))));
            }
            // Only the last chunk and the name are confirmed over a receiver.
            if (link.receiver()) {
                EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54, 0xE4, 0x00}), 2);
            }
        } else {
            Bytes stream = Join({0x54, 0x02, 0x00, static_cast<std::uint8_t>(body.size() & 0xFF),
                                 static_cast<std::uint8_t>(body.size() >> 8)}, body);
            std::size_t count = stream.size() / 58 + 1;
            ASSERT_EQ(sent.size(), count);
            for (std::size_t i = 0; i < count; ++i) {
                std::size_t length = std::min<std::size_t>(58, stream.size() - i * 58);
                bool last = i + 1 == count;
                Bytes head = {0xB3, 0x71, static_cast<std::uint8_t>(i * 4 + (last ? 2 : 3)), static_cast<std::uint8_t>(length)};
                EXPECT_TRUE(Packet(sent[i], Join(head, Slice(stream, i * 58, length))));
                if (i < size.outputChunks.size()) {
                    EXPECT_EQ(sent[i][2], size.outputChunks[i].first);
                    EXPECT_EQ(sent[i][3], size.outputChunks[i].second);
                }
            }
        }
    }
    EXPECT_TRUE(Traced("46 past the 254"));
}

TEST_P(MacroUploadTest, EveryEventKindAndTheHeader) {
    Use(GetParam());
    std::vector<MacroStep> steps = {
        Step(1, 0x1234),                   Step(2, 0x41),      Step(3, 0x41),
        Step(4, 1),                        Step(5, 1),         Step(4, 3, L"Scroll Up"),
        Step(5, 3, L"Scroll Down"),        Step(6, 2),         Step(7, 2),
        Step(8, 5),                        Step(9, 5),         Step(10, 7),
        Step(11, 7),                       Step(12, 0x8305),   Step(99, 1),
    };
    Upload(steps, 2, 0x0123, 500);
    ExpectKept({0x01, 0x23, 0x41, 0xF4, 0x01, 15,
                0, 0x0F, 0x34, 0x12,  0, 0x81, 0x04, 0,  0, 0x01, 0x04, 0,
                0, 0x88, 0x01, 0,     0, 0x08, 0x01, 0,  0, 0x05, 0x03, 0,
                0, 0x05, 0xFD, 0,     0, 0x05, 0x02, 0,  0, 0x05, 0xFE, 0,
                0, 0x09, 0x00, 0xFB,  0, 0x09, 0x00, 0x05, 0, 0x09, 0xF9, 0,
                0, 0x09, 0x07, 0,     0, 0x09, 0x05, 0xFD, 0, 0, 0, 0});
}

TEST_P(MacroUploadTest, ValuesThatDoNotFitAreClampedNeverWrapped) {
    Use(GetParam());
    std::vector<MacroStep> steps = {Step(1, 70000), Step(6, 300), Step(7, 300), Step(11, 200), Step(8, 1000)};
    Upload(steps, 1, 9000, 70000);
    // play_times 8191 keeps the play type in bits 5-7 of byte 2.
    ExpectKept({0x01, 0xFF, 0x1F + 1 * 32, 0xFF, 0xFF, 5,
                0, 0x0F, 0xFF, 0xFF,  0, 0x05, 0x7F, 0,  0, 0x05, 0x80, 0,
                0, 0x09, 0x7F, 0,     0, 0x09, 0x00, 0x80});
}

TEST_P(MacroUploadTest, AMacroThatNoLongerExistsIsNotWritten) {
    Use(GetParam());
    int id = AddMacro(L"Gone", Delays(2));
    Assign(6, 4, id);
    ASSERT_TRUE(store.DeleteMacro(id));
    EXPECT_FALSE(dialect->WriteButton(session, 6));
    EXPECT_TRUE(sim::Log().empty());
    EXPECT_TRUE(Traced("no longer exists"));
    EXPECT_EQ(Flash().macros.count(6), 0u);
}

TEST_P(MacroUploadTest, AMapReadFindsTheMacroByItsName) {
    Use(GetParam());
    int other = AddMacro(L"Other", Delays(1));
    int mac = AddMacro(L"Mac", Delays(20));
    AddMacro(L"Mac", Delays(3));  // same name later: the first one wins
    Assign(2, 4, mac);
    Assign(3, 4, other);
    ASSERT_TRUE(dialect->WriteButton(session, 2));
    ASSERT_TRUE(dialect->WriteButton(session, 3));
    ASSERT_TRUE(store.DeleteMacro(other));  // button 3 now plays a name the store has lost
    ASSERT_TRUE(store.DeleteProfileKeys(1));
    ASSERT_TRUE(ReadMap());
    KeyAssignment a;
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 2, a));
    EXPECT_EQ(a.macro_type, 4);
    EXPECT_EQ(a.macro_value, mac);
    EXPECT_EQ(a.macro_desc, CString(L"Mac"));
    EXPECT_FALSE(store.GetKeyAssignment(1, 0, 3, a));
    EXPECT_TRUE(Traced("no stored macro"));
}

TEST_P(MacroUploadTest, AMissingConfirmationIsTracedAndTheUploadGoesOn) {
    Use(GetParam());
    if (!link.receiver()) GTEST_SKIP() << "the cable confirms nothing";
    int id = AddMacro(L"Mac", Delays(30));
    Assign(2, 4, id);
    sim::InjectFault("dev", Fault::kNoReply);  // the first confirmation the host waits for
    EXPECT_FALSE(dialect->WriteButton(session, 2));
    EXPECT_TRUE(Traced(link.output() ? "0xB3 0x71" : "0x52 0x55"));
    // The mouse heard every packet; the name followed the body.
    ExpectKept(DelayBody(30));
}

INSTANTIATE_TEST_SUITE_P(Links, MacroUploadTest, ::testing::ValuesIn(kLinks));

// --- names ---

struct NameCase {
    const char* what;
    int language;
    std::wstring name;
    std::string onMouse;
    std::string onMouseOutput;  // where the output dialect's shorter limit cuts it
};
inline void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

const NameCase kNames[] = {
    {"plain", codec::kLanguageEnglish, L"Fire 2", "Fire 2", "Fire 2"},
    {"Chinese default prefix, English interface", codec::kLanguageEnglish, L"\u81EA\u5B9A\u4E49 7", "Word 7", "Word 7"},
    {"English default prefix, second language", codec::kLanguageSecond, L"Custom 3", "Word 3", "Word 3"},
    {"English default prefix, English interface", codec::kLanguageEnglish, L"Custom 3", "Custom 3", "Custom 3"},
    {"code page", codec::kLanguageEnglish, L"\u00D6l \u20AC \u4E00", "\xD6l \x80 ?", "\xD6l \x80 ?"},
    {"longer than a packet", codec::kLanguageEnglish, std::wstring(70, L'x'), std::string(61, 'x'), std::string(60, 'x')},
};

class MacroNameTest : public ButtonBed, public ::testing::WithParamInterface<std::tuple<Link, NameCase>> {};

TEST_P(MacroNameTest, TheMouseKeepsTheNameInItsCodePageAndTheMapFindsItAgain) {
    const auto& [l, c] = GetParam();
    ButtonWording wording = CurrentButtonWording();
    wording.language = c.language;
    SetButtonWording(wording);
    Use(l);
    int id = AddMacro(c.name.c_str(), Delays(2));
    Assign(9, 4, id);
    ASSERT_TRUE(dialect->WriteButton(session, 9));
    EXPECT_EQ(Flash().macroNames[9], l.output() ? c.onMouseOutput : c.onMouse);
    ASSERT_TRUE(store.DeleteProfileKeys(1));
    ASSERT_TRUE(ReadMap());
    KeyAssignment a;
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 9, a));
    EXPECT_EQ(a.macro_value, id);
}

const Link kNameLinks[] = {kLinks[0], kLinks[4]};
INSTANTIATE_TEST_SUITE_P(Names, MacroNameTest, ::testing::Combine(::testing::ValuesIn(kNameLinks), ::testing::ValuesIn(kNames)));

}  // namespace
