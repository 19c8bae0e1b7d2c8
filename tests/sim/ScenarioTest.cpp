#include <gtest/gtest.h>

#include <hidapi.h>

#include "Scenario.h"
#include "SimControl.h"

namespace {

class ScenarioTest : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override { sim::Reset(); }
};

TEST_F(ScenarioTest, ReadsDevicesWithTheirOptions) {
    std::string error;
    ASSERT_TRUE(sim::LoadScenario("# the desk\n"
                                  "cable feature wired 5A01 release=0102 product=Desk\n"
                                  "  dongle feature receiver FF12 paired=248A:5A01 awake=0 mouse=cable  # asleep\n"
                                  "\n"
                                  "n2 nodic receiver 5C02 id=0710 answers=0\n",
                                  error))
        << error;
    EXPECT_TRUE(sim::IsPlugged("cable"));
    EXPECT_TRUE(sim::IsPlugged("dongle"));
    EXPECT_TRUE(sim::IsPlugged("n2"));
    EXPECT_NE(sim::Memory("cable"), nullptr);
    EXPECT_EQ(sim::Memory("dongle"), nullptr);  // it shares the cable mouse's memory
}

TEST_F(ScenarioTest, RefusesBadLinesAndPlugsNothing) {
    const char* bad[] = {
        "cable feature wired",                  // no pid
        "cable laser wired 5A01",               // family
        "cable feature tethered 5A01",          // kind
        "cable feature wired 5A0G",             // pid
        "cable feature wired 5A01 awake=yes",   // option value
        "cable feature wired 5A01 colour=red",  // option
        "cable output wired 5A01 answer=b5",    // answer forms are 0xB4 and 0xB6
        "cable output wired 5A01 echo=yes",
        "a feature wired 5A01\na output wired 5B01",  // the same name twice
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(sim::LoadScenario(text, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_FALSE(sim::IsPlugged("cable")) << text;
        EXPECT_FALSE(sim::IsPlugged("a")) << text;
    }
    std::string error;
    EXPECT_FALSE(sim::LoadScenario("ok feature wired 5A01\nbroken", error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(sim::IsPlugged("ok"));
}

TEST_F(ScenarioTest, AnswerFormsAreScenarioOptions) {
    std::string error;
    ASSERT_TRUE(sim::LoadScenario("o output wired 5B01 answer=B6 echo=1\n"
                                  "rx feature receiver 5A04 handshake=0\n"
                                  "mute feature receiver 5A05 handshake=0 silent=1",
                                  error))
        << error;
    hid_device* h = hid_open_path(sim::PathsOf("o").at(1).c_str());
    ASSERT_NE(h, nullptr);
    unsigned char read[65] = {0xB3, 0x06};
    ASSERT_EQ(hid_write(h, read, 65), 65);
    unsigned char in[64] = {};
    ASSERT_EQ(hid_read_timeout(h, in, 64, 0), 64);
    EXPECT_EQ(in[0], 0xB6);
    EXPECT_EQ(in[1], 0x06);
    hid_close(h);
    for (const char* name : {"rx", "mute"}) {
        h = hid_open_path(sim::PathsOf(name).at(1).c_str());
        ASSERT_NE(h, nullptr);
        unsigned char state[21] = {0x51, 0x06};
        ASSERT_EQ(hid_send_feature_report(h, state, 21), 21);
        // No handshake is needed; only the silent one does not answer.
        EXPECT_EQ(hid_get_feature_report(h, state, 21), std::string(name) == "rx" ? 21 : -1) << name;
        hid_close(h);
    }
}

TEST(MouseMemoryTest, SurvivesSavingAndLoading) {
    std::map<std::string, sim::MouseMemory> mice;
    sim::MouseMemory& m = mice["desk"];
    m.currentProfile = 3;
    m.battery = 41;
    m.charging = 1;
    m.profiles[2].dpiX[4] = 12000;
    m.profiles[2].dpiIndex = 4;
    m.profiles[4].lighting[6] = 0xAB;
    m.profiles[1].buttons[7] = {1, 2, 3, 4};
    m.profiles[0].macros[5] = {0x10, 0x20};
    m.unhandledWrites["51_40"] = {0x51, 0x40, 0x02};
    auto loaded = sim::LoadMemory(sim::SaveMemory(mice));
    ASSERT_EQ(loaded.count("desk"), 1u);
    const sim::MouseMemory& l = loaded["desk"];
    EXPECT_EQ(l.currentProfile, 3);
    EXPECT_EQ(l.battery, 41);
    EXPECT_EQ(l.charging, 1);
    EXPECT_EQ(l.profiles[2].dpiX[4], 12000);
    EXPECT_EQ(l.profiles[2].dpiIndex, 4);
    EXPECT_EQ(l.profiles[4].lighting[6], 0xAB);
    EXPECT_EQ(l.profiles[1].buttons[7], (sim::StoredButton{1, 2, 3, 4}));
    EXPECT_EQ(l.profiles[0].macros.at(5), (std::vector<std::uint8_t>{0x10, 0x20}));
    EXPECT_EQ(l.unhandledWrites.at("51_40"), (std::vector<std::uint8_t>{0x51, 0x40, 0x02}));
}

TEST(MouseMemoryTest, DamagedLinesGiveDefaults) {
    auto loaded = sim::LoadMemory("desk profile 9\ndesk battery zz\ndesk p7.settings 00\ndesk p0.button3 0102\n"
                                  "desk p0.settings 0102\nnonsense\n");
    ASSERT_EQ(loaded.count("desk"), 1u);
    EXPECT_EQ(loaded["desk"].currentProfile, 0);
    EXPECT_EQ(loaded["desk"].battery, 80);
    EXPECT_EQ(loaded["desk"].profiles[0].dpiCount, 5);
}

TEST_F(ScenarioTest, TraceShowsDirectionReportIdAndBytes) {
    sim::DeviceSetup setup;
    setup.name = "f1";
    setup.pid = 0x5A01;
    ASSERT_TRUE(sim::Plug(setup));
    ASSERT_TRUE(sim::PressButton("f1", 2));
    std::string path = sim::PathsOf("f1")[1];
    hid_device* h = hid_open_path(path.c_str());
    ASSERT_NE(h, nullptr);
    unsigned char request[21] = {0x51, 0x06};
    hid_send_feature_report(h, request, 21);
    unsigned char in[21];
    ASSERT_EQ(hid_read_timeout(h, in, 21, 10), 21);
    hid_close(h);
    std::string trace = sim::FormatTrace();
    EXPECT_NE(trace.find("f1         FSET id=0x51  51 06 ... (21 bytes)"), std::string::npos) << trace;
    EXPECT_NE(trace.find("IN   id=0x54  54 E2 00 01 00 50 02 02 10 07 ... (21 bytes)"), std::string::npos) << trace;
    EXPECT_EQ(sim::Memory("f1")->Current().dpiIndex, 2);  // the press stepped the DPI level
}

}  // namespace
