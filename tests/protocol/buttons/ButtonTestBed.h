#pragma once
// A first-family mouse of either dialect, on its cable or behind its receiver and
// in each answer form the Parts leave open, with a settings store of its own, a
// session, the button wording of a test language and the debug trace collected.
#include <filesystem>
#include <string>
#include <vector>

#include "DebugTrace.h"
#include "DeviceDialect.h"
#include "DialectTestBed.h"
#include "FeatureDialect.h"
#include "OutputDialect.h"
#include "SettingsDatabase.h"
#include "Utf.h"
#include "buttons/ButtonWording.h"

namespace buttontest {

using sim::Direction;
using sim::Family;
using sim::Fault;
using sim::Kind;
using Bytes = std::vector<std::uint8_t>;

struct Link {
    const char* name;
    Family family;
    Kind kind;
    bool echo = false;
    std::uint8_t answerId = 0xB4;
    bool mapListsAll = true;
    bool mapFullItems = false;

    bool output() const { return family == Family::kOutput; }
    bool receiver() const { return kind == Kind::kReceiver; }
};

inline void PrintTo(const Link& l, std::ostream* os) { *os << l.name; }

inline const Link kLinks[] = {
    {"feature cable", Family::kFeature, Kind::kWired},
    {"feature receiver", Family::kFeature, Kind::kReceiver},
    {"feature receiver, echo", Family::kFeature, Kind::kReceiver, true},
    {"output cable, 0xB4", Family::kOutput, Kind::kWired},
    {"output receiver, 0xB6 echo", Family::kOutput, Kind::kReceiver, true, 0xB6},
    {"output receiver, assigned buttons only", Family::kOutput, Kind::kReceiver, false, 0xB4, false},
    {"output cable, 0xB6, six data bytes, assigned only", Family::kOutput, Kind::kWired, false, 0xB6, false, true},
};

// Texts of the test language: "T<id>", the default macro word "Word".
inline CString TestText(int id) {
    if (id == kMacroDefaultWordText) return CString(L"Word");
    return CString((L"T" + std::to_wstring(id)).c_str());
}

class ButtonBed : public testbed::HidTest {
protected:
    void SetUp() override {
        HidTest::SetUp();
        ButtonWording wording;
        wording.language = codec::kLanguageEnglish;
        wording.texts = &TestText;
        wording.codePage = &codec::Windows1252();
        SetButtonWording(wording);
        SetDebugTraceSink([this](const std::string& line) { traces.push_back(line); });
    }
    void TearDown() override {
        SetDebugTraceSink(nullptr);
        SetButtonWording(ButtonWording());
        HidTest::TearDown();
    }

    void Use(const Link& used) {
        link = used;
        bool cable = link.kind == Kind::kWired;
        std::uint16_t pid = link.output() ? (cable ? 0xFB01 : 0xFB02) : (cable ? 0xFA01 : 0xFA02);
        sim::DeviceSetup d = testbed::MakeDevice("dev", link.family, link.kind, pid, link.output() ? 0xFB01 : 0xFA01);
        d.echoCommand = link.echo;
        d.answerId = link.answerId;
        d.mapListsAll = link.mapListsAll;
        d.mapFullItems = link.mapFullItems;
        sim::Plug(d);
        int model = link.output() ? testbed::kOutputModel : testbed::kFeatureModel;
        if (link.output()) OutputFilters(); else FeatureFilters();
        Connect(model);
        OpenStore(model);
        if (link.output()) dialect = std::make_unique<OutputDialect>(*manager);
        else dialect = std::make_unique<FeatureDialect>(*manager);
        session.store = &store;
        session.deviceType = model;
        session.currentProfile = 1;
        sim::ClearLog();
    }

    void OpenStore(int type) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        std::filesystem::path folder = std::filesystem::path("buttons-scratch") / name;
        store.CloseIfOpen();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "db");
        ASSERT_TRUE(store.OpenForDevice(CString(folder.wstring()), L"B1"));
        store.SetDeviceType(type);
        store.EnsureProfiles();
    }

    bool ReadMap() {
        if (auto* f = dynamic_cast<FeatureDialect*>(dialect.get())) return f->ReadButtonMap(session);
        return dynamic_cast<OutputDialect&>(*dialect).ReadButtonMap(session);
    }

    void Assign(int button, int type, int value, int value2 = 0, int value3 = 0) {
        KeyAssignment a;
        a.profile = session.currentProfile;
        a.key_code = button;
        a.layout_value = button;
        a.macro_type = type;
        a.macro_value = value;
        a.macro_value2 = value2;
        a.macro_value3 = value3;
        ASSERT_GT(store.SaveKeyAssignment(a), 0);
    }

    int AddMacro(const wchar_t* name, const std::vector<MacroStep>& steps, int playType = 0, int playTimes = 1,
                 int delayTime = 0) {
        MacroHeader h;
        h.name = name;
        h.play_type = playType;
        h.play_times = playTimes;
        h.delay_type = 1;
        h.delay_time = delayTime;
        int id = store.AddMacroWithSettings(h);
        std::vector<MacroStep> owned = steps;
        for (std::size_t i = 0; i < owned.size(); ++i) {
            owned[i].macro_id = id;
            owned[i].record_index = static_cast<int>(i);
        }
        EXPECT_TRUE(owned.empty() || store.SaveMacroSteps(owned));
        return id;
    }

    sim::ProfileMemory& Flash() { return sim::Memory("mouse")->Current(); }

    // The packets the host sent, as the mouse logged them.
    static std::vector<Bytes> Sent() {
        std::vector<Bytes> out;
        for (const sim::LogRecord& r : sim::Log())
            if (r.direction == Direction::kOut || r.direction == Direction::kFeatureSet) out.push_back(r.bytes);
        return out;
    }
    bool Traced(const std::string& part) const {
        for (const std::string& t : traces)
            if (t.find(part) != std::string::npos) return true;
        return false;
    }
    std::uint8_t Bulk() const { return link.output() ? 0xB3 : 0x52; }

    Link link{};
    SettingsDatabase store;
    DeviceSession session;
    std::unique_ptr<DeviceDialect> dialect;
    std::vector<std::string> traces;
};

// `packet` begins with `head` and every byte after it up to byte 63 is zero.
inline ::testing::AssertionResult Packet(const Bytes& packet, const Bytes& head) {
    bool same = packet.size() >= 64 && std::equal(head.begin(), head.end(), packet.begin());
    for (std::size_t i = head.size(); same && i < 64; ++i) same = packet[i] == 0;
    if (same) return ::testing::AssertionSuccess();
    std::string text;
    for (std::uint8_t b : packet) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", b);
        text += hex;
    }
    return ::testing::AssertionFailure() << "packet: " << text;
}

}  // namespace buttontest
