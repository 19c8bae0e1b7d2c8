// One button at a time and the whole map: the codes the mouse keeps, the packets
// as it logged them, and the store rebuilt from a map read.
#include "ButtonTestBed.h"

using namespace buttontest;

namespace {

struct Function {
    int type, value, value2, value3;
    Bytes code;            // what the mouse must keep for it
    const char* desc;      // stored with it when read back
};

// One function per button; button 8 is left out because the feature map never lists it.
const int kButtons[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12};
const Function kFunctions[] = {
    {1, 1, 0, 0, {0x01, 0x01}, "T106"},                               // left button
    {1, 7, 0, 0, {0x01, 0x00, 0x02}, "T112"},                         // wheel +2
    {1, 9, 0, 0, {0x01, 0x00, 0x00, 0xFE}, "T114"},                   // tilt -2
    {2, 0x04, 3, 0, {0x02, 0x03, 0x04, 0x00}, "Shift + Ctrl + A"},    // Ctrl+Shift+A
    {2, 0xE1, 0, 0, {0x02, 0x02, 0x00, 0x00}, "Shift"},                    // left Shift alone
    {3, 1, 0, 0, {0x03, 0x83, 0x01}, "T120"},                         // media 0x0183
    {5, 2, 0, 0, {0x05, 0x03}, "DPI -"},
    {6, 4, 0, 0, {0x06, 0x04}, "T154"},
    {7, 1024 + 0x2C, 0x1234, 0x56, {0x07, 0x01, 0x2C, 0x34, 0x12, 0x56, 0x00}, ""},
    {8, 8, 0, 0, {0x08, 0x07, 0x04, 0x2B, 0x00, 0x00, 0x01}, "T134"},  // Alt+Tab
    {8, 3, 0, 0, {0x08, 0x0C, 0x92, 0x01}, "T129"},
    {9, 1, 0, 0, {0x09}, "T139"},
};

sim::StoredButton Stored(const Bytes& code) {
    sim::StoredButton b{};
    std::copy(code.begin(), code.end(), b.begin());
    return b;
}

class ButtonWriteTest : public ButtonBed, public ::testing::WithParamInterface<Link> {};

TEST_P(ButtonWriteTest, EachFunctionReachesTheMouseAsItsCode) {
    Use(GetParam());
    for (std::size_t i = 0; i < std::size(kFunctions); ++i) {
        const Function& f = kFunctions[i];
        int button = kButtons[i];
        Assign(button, f.type, f.value, f.value2, f.value3);
        sim::ClearLog();
        ASSERT_TRUE(dialect->WriteButton(session, button)) << "type " << f.type << " value " << f.value;
        EXPECT_EQ(Flash().buttons[static_cast<std::size_t>(button)], Stored(f.code)) << "button " << button;
        std::vector<Bytes> sent = Sent();
        ASSERT_EQ(sent.size(), 1u);
        Bytes head = {Bulk(), 0x52, static_cast<std::uint8_t>(button), 0x00};
        head.insert(head.end(), f.code.begin(), f.code.end());
        EXPECT_TRUE(Packet(sent[0], head));
    }
    EXPECT_TRUE(traces.empty());
}

TEST_P(ButtonWriteTest, AMapReadRestoresWhatWasWritten) {
    Use(GetParam());
    // A mouse that sends six data bytes per item cannot list twelve of them.
    std::size_t count = link.mapFullItems ? 6 : std::size(kFunctions);
    for (std::size_t i = 0; i < count; ++i) {
        const Function& f = kFunctions[i];
        Assign(kButtons[i], f.type, f.value, f.value2, f.value3);
        ASSERT_TRUE(dialect->WriteButton(session, kButtons[i]));
    }
    ASSERT_TRUE(store.DeleteProfileKeys(1));
    ASSERT_TRUE(ReadMap());
    std::vector<KeyAssignment> rows;
    ASSERT_EQ(store.ListKeyAssignments(1, 0, rows), static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const Function& f = kFunctions[i];
        KeyAssignment a;
        ASSERT_TRUE(store.GetKeyAssignment(1, 0, kButtons[i], a)) << "button " << kButtons[i];
        EXPECT_EQ(a.macro_type, f.type) << "button " << kButtons[i];
        EXPECT_EQ(a.macro_value, f.value) << "button " << kButtons[i];
        EXPECT_EQ(a.macro_value2, f.value2) << "button " << kButtons[i];
        EXPECT_EQ(a.macro_value3, f.value3) << "button " << kButtons[i];
        EXPECT_EQ(a.macro_desc, CString(utf::Utf8ToWide(f.desc))) << "button " << kButtons[i];
    }
}

TEST_P(ButtonWriteTest, RestoreGivesTheFactoryFunctionBackAndTheMapLeavesTheStoreAlone) {
    Use(GetParam());
    Assign(3, 1, 5);  // back
    ASSERT_TRUE(dialect->WriteButton(session, 3));
    sim::ClearLog();
    ASSERT_TRUE(dialect->RestoreButton(session, 3));
    EXPECT_EQ(Flash().buttons[3], sim::StoredButton{});
    std::vector<Bytes> sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(Packet(sent[0], {Bulk(), 0x52, 0x03}));
    // The feature dialect fires the restore packet; nothing is awaited.
    if (!link.output()) {
        EXPECT_EQ(sim::CountLogged(Direction::kIn, {0x54}), 0);
    }
    // A factory button in the map stores nothing: the stored row stays as it was.
    ASSERT_TRUE(ReadMap());
    KeyAssignment a;
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 3, a));
    EXPECT_EQ(a.macro_value, 5);
}

TEST_P(ButtonWriteTest, NothingStoredSendsNothing) {
    Use(GetParam());
    EXPECT_TRUE(dialect->WriteButton(session, 4));
    EXPECT_TRUE(sim::Log().empty());
    EXPECT_EQ(Flash().buttons[4], sim::StoredButton{});
}

TEST_P(ButtonWriteTest, AFunctionTypeWithoutACodeIsNotWritten) {
    Use(GetParam());
    Assign(2, 12, 1);
    EXPECT_FALSE(dialect->WriteButton(session, 2));
    EXPECT_TRUE(sim::Log().empty());
    EXPECT_TRUE(Traced("function type 12"));
}

INSTANTIATE_TEST_SUITE_P(Links, ButtonWriteTest, ::testing::ValuesIn(kLinks));

// --- failures over a receiver ---

class ButtonFailureTest : public ButtonBed, public ::testing::WithParamInterface<Link> {};

TEST_P(ButtonFailureTest, AnUnconfirmedWriteIsTracedAndReported) {
    Use(GetParam());
    Assign(1, 1, 3);
    sim::InjectFault("dev", Fault::kNoReply);
    EXPECT_FALSE(dialect->WriteButton(session, 1));
    EXPECT_TRUE(Traced(link.output() ? "0xB3 0x52" : "0x52 0x52"));
    // The mouse heard it; only its confirmation was lost. The store is untouched.
    EXPECT_EQ(Flash().buttons[1], Stored({0x01, 0x02}));
    KeyAssignment a;
    EXPECT_TRUE(store.GetKeyAssignment(1, 0, 1, a));
}

TEST_P(ButtonFailureTest, AMapThatCannotBeReadChangesNothing) {
    Use(GetParam());
    Assign(0, 6, 1);
    ASSERT_TRUE(dialect->WriteButton(session, 0));
    ASSERT_TRUE(store.DeleteProfileKeys(1));
    // Feature: the receiver's handshake meets the fault; output: the map read itself.
    sim::InjectFault("dev", Fault::kNoReply);
    EXPECT_FALSE(ReadMap());
    std::vector<KeyAssignment> rows;
    EXPECT_EQ(store.ListKeyAssignments(1, 0, rows), 0);
    EXPECT_FALSE(traces.empty());
}

const Link kReceivers[] = {kLinks[1], kLinks[4]};
INSTANTIATE_TEST_SUITE_P(Receivers, ButtonFailureTest, ::testing::ValuesIn(kReceivers));

// --- the output map in each listing a mouse may use ---

struct MapForm {
    const char* name;
    bool all, full;
};
inline void PrintTo(const MapForm& f, std::ostream* os) { *os << f.name; }

class OutputMapTest : public ButtonBed, public ::testing::WithParamInterface<MapForm> {};

TEST_P(OutputMapTest, ListsWhatTheMouseHolds) {
    Link l = kLinks[3];
    l.mapListsAll = GetParam().all;
    l.mapFullItems = GetParam().full;
    Use(l);
    Assign(0, 2, 0x04, 1);  // Ctrl+A
    Assign(5, 3, 8);
    Assign(15, 5, 1);
    for (int b : {0, 5, 15}) ASSERT_TRUE(dialect->WriteButton(session, b));
    ASSERT_TRUE(store.DeleteProfileKeys(1));
    ASSERT_TRUE(ReadMap());
    KeyAssignment a;
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 0, a));
    EXPECT_EQ(a.macro_desc, CString(L"Ctrl + A"));
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 5, a));
    EXPECT_EQ(a.macro_value, 8);
    ASSERT_TRUE(store.GetKeyAssignment(1, 0, 15, a));
    EXPECT_EQ(a.macro_desc, CString(L"DPI +"));
}

const MapForm kMapForms[] = {
    {"every button, trimmed", true, false},
    {"every button, six bytes", true, true},
    {"assigned only, trimmed", false, false},
    {"assigned only, six bytes", false, true},
};
INSTANTIATE_TEST_SUITE_P(Forms, OutputMapTest, ::testing::ValuesIn(kMapForms));

}  // namespace
