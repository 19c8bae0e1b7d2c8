// The firmware check of each dialect against a virtual mouse: the exact queries on the
// wire, the label texts and the upgrade marks, in every connection mode and in each
// way the mouse may word its answer; and the decoders' clamping of length bytes.
#include <vector>

#include "DialectTestBed.h"
#include "FeatureDialect.h"
#include "FeatureVersion.h"
#include "FirmwareVersionCheck.h"
#include "NodicDialect.h"
#include "OutputDialect.h"
#include "OutputVersion.h"

using namespace testbed;
using sim::Direction;
using sim::Family;
using sim::Kind;

namespace {

const ShippedFirmware kShipped{L"1.2.3", L"1.1.0"};

std::vector<std::vector<std::uint8_t>> FeatureQueriesSent() {
    std::vector<std::vector<std::uint8_t>> sent;
    for (const sim::LogRecord& r : sim::Log())
        if (r.direction == Direction::kFeatureSet) sent.push_back(r.bytes);
    return sent;
}

// ---- decoders -------------------------------------------------------------------------------

TEST(FeatureVersionDecode, LengthIsClampedToTheReportAndNoTextReadsAsUnread) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> answer;
        const wchar_t* text;
    } cases[] = {
        {"plain", {0x51, 0, 5, '1', '.', '2', '.', '3'}, L"1.2.3"},
        {"length 0", {0x51, 0, 0, '1', '.', '2'}, L"0.0"},
        {"length past 18", {0x51, 0, 0xFF, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O',
                            'P', 'Q', 'R'},
         L"ABCDEFGHIJKLMNOPQR"},
        {"closing NUL counted", {0x51, 0, 4, '2', '.', '0', 0, 0, 0}, L"2.0"},
        {"shorter than its length", {0x51, 0, 9, 'v', '1'}, L"v1"},
        {"no length byte", {0x51, 0}, L"0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::uint8_t> padded = c.answer;
        if (std::string(c.what) == "length past 18") padded.resize(30, 'Z');  // more than the report holds
        EXPECT_EQ(DecodeFeatureVersion(padded), CString(c.text));
    }
}

TEST(OutputVersionDecode, EachFieldIsClampedToItsPlace) {
    std::vector<std::uint8_t> a(64, 'x');
    a[0] = 0xB4;
    a[1] = 0;
    a[2] = 0xFF;   // longer than its 19 bytes: 3..21
    a[22] = 3;     // "xxx"
    a[42] = 0xFF;  // longer than its 21 bytes: 43..63
    std::array<CString, 3> texts = DecodeOutputVersions(a);
    EXPECT_EQ(texts[0], CString(std::wstring(19, L'x').c_str()));
    EXPECT_EQ(texts[1], CString(L"xxx"));
    EXPECT_EQ(texts[2], CString(std::wstring(21, L'x').c_str()));
    std::vector<std::uint8_t> shortAnswer = {0xB4, 0, 2, '1', '0'};
    texts = DecodeOutputVersions(shortAnswer);
    EXPECT_EQ(texts[0], CString(L"10"));
    EXPECT_EQ(texts[1], CString());
    EXPECT_EQ(texts[2], CString());
}

TEST(UpgradeOffer, OnlyARealVersionThatDiffersOffersAnUpgrade) {
    struct Case {
        const wchar_t* read;
        const wchar_t* shipped;
        bool offered;
    } cases[] = {
        {L"1.2.3", L"1.2.3", false}, {L"1.2.4", L"1.2.3", true}, {L"1.2.3 ", L"1.2.3", true},
        {L"0.0", L"1.2.3", false},   {L"", L"1.2.3", false},     {L"1.2.3", L"", true},
    };
    for (const Case& c : cases) EXPECT_EQ(OffersUpgrade(c.read, c.shipped), c.offered) << c.read << " / " << c.shipped;
}

// ---- feature dialect ------------------------------------------------------------------------

class FeatureVersionTest : public HidTest {
protected:
    void Use(Kind kind, int receiverMode, const char* mouseVersion, const char* receiverVersion) {
        sim::DeviceSetup d = MakeDevice("dev", Family::kFeature, kind, kind == Kind::kWired ? 0xFA01 : 0xFA02, 0xFA01);
        d.firmware = mouseVersion;
        d.receiverFirmware = receiverVersion;
        d.receiverSecondText = "RX-B";
        sim::Plug(d);
        manager->AddFilter(0x248A, 0xFA01, L"", kFeatureModel, 0);
        manager->AddFilter(0x248A, 0xFA02, L"", kFeatureModel, receiverMode);
        Connect(kFeatureModel);
        sim::ClearLog();
        dialect = std::make_unique<FeatureDialect>(*manager);
    }
    FirmwareVersions Check() { return CheckFirmware(*dialect, manager->ConnectMode(), kShipped); }
    std::unique_ptr<FeatureDialect> dialect;
};

TEST_F(FeatureVersionTest, LabelsMarksAndQueriesByConnection) {
    struct Case {
        const char* what;
        Kind kind;
        int mode;
        const char* mouse;
        const char* receiver;
        const wchar_t* mouseLabel;
        const wchar_t* receiverLabel;
        bool mouseUpgrade, receiverUpgrade;
        std::vector<std::uint8_t> selectors;  // byte 2 of each 0x51 0x04 sent
    } cases[] = {
        {"cable, same", Kind::kWired, 1, "1.2.3", "1.1.0", L"1.2.3", L"0.0", false, false, {0x00}},
        {"cable, newer shipped", Kind::kWired, 1, "1.2.0", "1.1.0", L"1.2.0", L"0.0", true, false, {0x00}},
        {"receiver 1, both current", Kind::kReceiver, 1, "1.2.3", "1.1.0", L"1.2.3", L"1.1.0", false, false,
         {0x00, 0xAA, 0xAA}},
        // The receiver is compared with the receiver's shipped version, never the mouse's.
        {"receiver 1, old receiver", Kind::kReceiver, 1, "1.2.3", "1.0.9", L"1.2.3", L"1.0.9", false, true,
         {0x00, 0xAA, 0xAA}},
        {"receiver 3, mouse differs", Kind::kReceiver, 3, "1.3.0", "1.1.0", L"1.3.0", L"1.1.0", true, false,
         {0x00, 0xAA, 0xAA}},
        {"receiver 4, two lines, no marks", Kind::kReceiver, 4, "1.2.3", "0.9", L"1.2.3", L"0.9\nRX-B", false, false,
         {0x00, 0xAA, 0xBB}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        manager->ClearFilters();
        Use(c.kind, c.mode, c.mouse, c.receiver);
        FirmwareVersions v = Check();
        EXPECT_EQ(v.mouse, CString(c.mouseLabel));
        EXPECT_EQ(v.receiver, CString(c.receiverLabel));
        EXPECT_EQ(v.mouseUpgrade, c.mouseUpgrade);
        EXPECT_EQ(v.receiverUpgrade, c.receiverUpgrade);
        std::vector<std::vector<std::uint8_t>> sent = FeatureQueriesSent();
        ASSERT_EQ(sent.size(), c.selectors.size());
        for (std::size_t i = 0; i < sent.size(); ++i) {
            ASSERT_EQ(sent[i].size(), 21u);
            EXPECT_EQ(sent[i][0], 0x51);
            EXPECT_EQ(sent[i][1], 0x04);
            EXPECT_EQ(sent[i][2], c.selectors[i]) << "query " << i;
        }
    }
}

TEST_F(FeatureVersionTest, ASilentMouseLeavesUnreadLabelsAndNoMarks) {
    Use(Kind::kReceiver, 1, "9.9.9", "1.1.0");
    sim::SetMouseAwake("dev", false);
    FirmwareVersions v = Check();
    EXPECT_EQ(v.mouse, CString(L"0.0"));
    EXPECT_FALSE(v.mouseUpgrade);
    // The receiver still answers for itself.
    EXPECT_EQ(v.receiver, CString(L"1.1.0"));
}

// ---- output dialect -------------------------------------------------------------------------

struct OutputForm {
    const char* what;
    bool echo;
    std::uint8_t answerId;
    sim::VersionFields fields;
    bool nul;
};
const OutputForm kOutputForms[] = {
    {"0xB4, own field", false, 0xB4, sim::VersionFields::kOwnFirst, false},
    {"0xB6 echo, own field", true, 0xB6, sim::VersionFields::kOwnFirst, false},
    {"0xB4, mouse also last", false, 0xB4, sim::VersionFields::kMouseLast, false},
    {"0xB6, NUL counted", false, 0xB6, sim::VersionFields::kOwnFirst, true},
    {"0xB4 echo, mouse last, NUL", true, 0xB4, sim::VersionFields::kMouseLast, true},
};

class OutputVersionTest : public HidTest, public ::testing::WithParamInterface<OutputForm> {
protected:
    void Use(Kind kind) {
        const OutputForm& form = GetParam();
        sim::DeviceSetup d = MakeDevice("out", Family::kOutput, kind, kind == Kind::kWired ? 0xFB01 : 0xFB02, 0xFB01);
        d.echoCommand = form.echo;
        d.answerId = form.answerId;
        d.versionFields = form.fields;
        d.versionNul = form.nul;
        d.firmware = "2.0.4";
        d.receiverFirmware = "2.0.1";
        sim::Plug(d);
        OutputFilters();
        Connect(kOutputModel);
        sim::ClearLog();
        dialect = std::make_unique<OutputDialect>(*manager);
    }
    std::unique_ptr<OutputDialect> dialect;
};

TEST_P(OutputVersionTest, LabelsComeFromTheirFieldsAndNothingIsMarked) {
    struct Case {
        Kind kind;
        const wchar_t* mouse;
        const wchar_t* receiver;
    } cases[] = {{Kind::kWired, L"2.0.4", L"0.0"}, {Kind::kReceiver, L"2.0.4", L"2.0.1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind == Kind::kWired ? "cable" : "receiver");
        sim::Reset();
        manager->ClearFilters();
        Use(c.kind);
        // Shipped versions that differ from everything: still nothing is marked.
        FirmwareVersions v = CheckFirmware(*dialect, manager->ConnectMode(), ShippedFirmware{L"9", L"9"});
        EXPECT_EQ(v.mouse, CString(c.mouse));
        EXPECT_EQ(v.receiver, CString(c.receiver));
        EXPECT_FALSE(v.mouseUpgrade);
        EXPECT_FALSE(v.receiverUpgrade);
        std::vector<sim::LogRecord> log = sim::Log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log[0].direction, Direction::kOut);
        EXPECT_EQ(log[0].bytes[0], 0xB5);
        EXPECT_EQ(log[0].bytes[1], 0x04);
    }
}

INSTANTIATE_TEST_SUITE_P(AnswerForms, OutputVersionTest, ::testing::ValuesIn(kOutputForms),
                         [](const ::testing::TestParamInfo<OutputForm>& param) {
                             return "form" + std::to_string(param.index);
                         });

// A notification that waits in front of the answer is not taken for it.
TEST_F(HidTest, OutputVersionSkipsAPendingNotification) {
    sim::DeviceSetup d = MakeDevice("out", Family::kOutput, Kind::kReceiver, 0xFB02, 0xFB01);
    d.answerId = 0xB6;
    d.firmware = "3.1";
    sim::Plug(d);
    OutputFilters();
    Connect(kOutputModel);
    OutputDialect dialect(*manager);
    sim::InjectFault("out", sim::Fault::kNotificationFirst);
    FirmwareVersions v = ShowOutputVersions(dialect, manager->ConnectMode());
    EXPECT_EQ(v.mouse, CString(L"3.1"));
    EXPECT_EQ(v.receiver, CString(L"1.1.0"));
}

// ---- second chip family ---------------------------------------------------------------------

TEST_F(HidTest, NodicVersionsByConnection) {
    struct Case {
        Kind kind;
        const wchar_t* mouse;
        const wchar_t* receiver;
        std::vector<std::uint8_t> objectBytes;  // byte 1 of each frame sent (after report id 0)
    } cases[] = {
        {Kind::kWired, L"1.0.7", L"0.0", {0x00}},
        {Kind::kReceiver, L"1.0.7", L"1.0.2", {0x40, 0x00}},
    };
    for (const Case& c : cases) {
        bool cable = c.kind == Kind::kWired;
        SCOPED_TRACE(cable ? "cable" : "receiver");
        sim::Reset();
        manager->ClearFilters();
        sim::Plug(MakeDevice("dev", Family::kNodic, c.kind, cable ? 0xFC01 : 0xFC02));
        manager->AddFilter(0x248A, cable ? 0xFC01 : 0xFC02, L"", cable ? kNodicModel : kNodicReceiverModel,
                           cable ? 0 : 1);
        Connect(cable ? kNodicModel : kNodicReceiverModel);
        sim::ClearLog();
        NodicDialect dialect(*manager);
        FirmwareVersions v = CheckFirmware(dialect, manager->ConnectMode(), ShippedFirmware{L"9", L"9"});
        EXPECT_EQ(v.mouse, CString(c.mouse));
        EXPECT_EQ(v.receiver, CString(c.receiver));
        EXPECT_FALSE(v.mouseUpgrade || v.receiverUpgrade);
        std::vector<std::uint8_t> sent;
        for (const sim::LogRecord& r : sim::Log())
            if (r.direction == Direction::kOut && r.bytes.size() > 4) sent.push_back(r.bytes[1]);
        EXPECT_EQ(sent, c.objectBytes);
    }
}

}  // namespace
