// Each performance, lighting and reset command in both dialects, on the cable and
// behind a receiver: the stored values of the current profile go out as the exact
// bytes of the command, and the mouse keeps them.
#include <algorithm>
#include <iterator>

#include "SettingsTestBed.h"

using namespace settingstest;
using Bytes = std::vector<std::uint8_t>;

namespace {

class CommandTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {
protected:
    void SetUp() override {
        SettingsBed::SetUp();
        Use(GetParam());
        // Profile 2 is current on both sides; the others must stay untouched.
        session.currentProfile = 2;
        Mouse().currentProfile = 1;
    }
    std::uint8_t Settings() const { return Feature() ? 0x51 : 0xB5; }
    // The per-connection slot bytes 2-4: the value in this connection's slot, 0xFF in the others.
    Bytes Slots(std::uint8_t value) const {
        Bytes slots{0xFF, 0xFF, 0xFF};
        slots[GetParam().kind == Kind::kWired ? 0 : 1] = value;
        return slots;
    }
    // The one report sent with this command, from byte 0 up to `length` bytes.
    Bytes Only(std::uint8_t command, std::size_t length) {
        auto sent = Sent({Settings(), command});
        EXPECT_EQ(sent.size(), 1u);
        if (sent.empty()) return {};
        sent[0].resize(length);
        return sent[0];
    }
    std::uint8_t ResetCommand() const { return Feature() ? 0x0B : 0x0F; }
    static Bytes Cat(std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    }
};

TEST_P(CommandTest, DpiLevelsTravelFromTheXKeys) {
    const int x[] = {500, 1000, 1500, 2000, 2500};
    for (int i = 0; i < 5; ++i) {
        Set(2, codec::keys::DpiX(i), x[i]);
        Set(2, codec::keys::DpiY(i), 999);  // the vertical values are not what the mouse gets
    }
    Set(2, L"dpi_count", 4);
    Set(2, L"dpi_index", 2);
    ASSERT_TRUE(dialect->WriteDpi(session));
    EXPECT_EQ(Only(0x40, 16), Cat({{Settings(), 0x40}, Slots(2), {0xF4, 0x01, 0xE8, 0x03, 0xDC, 0x05, 0xD0, 0x07,
                                                                   0xC4, 0x09, 0x04}}));
    const sim::ProfileMemory& p = MouseProfile(2);
    EXPECT_EQ(p.dpiCount, 4);
    EXPECT_EQ(p.dpiIndex, 2);
    EXPECT_EQ(p.dpiX[4], 2500);
    EXPECT_EQ(p.dpiY[0], 500);
    EXPECT_EQ(MouseProfile(1).dpiX[0], 400);
}

TEST_P(CommandTest, ReportRateCarriesTheDialectsRateTable) {
    Set(2, L"report_rate", 1);
    ASSERT_TRUE(dialect->WriteReportRate(session));
    Bytes rates = Feature() ? Bytes{0x7D, 0x00, 0xF4, 0x01, 0xE8, 0x03, 0, 0, 0, 0, 0, 0}
                            : Bytes{0x7D, 0x00, 0xF4, 0x01, 0xE8, 0x03, 0xD0, 0x07, 0xA0, 0x0F, 0x40, 0x1F};
    EXPECT_EQ(Only(0x41, 17), Cat({{Settings(), 0x41}, Slots(1), rates}));
    EXPECT_EQ(MouseProfile(2).rateCode, 1);
}

TEST_P(CommandTest, SensorSwitchesAndESportsMode) {
    struct Case {
        int sensorFlag, liftoff, scroll, esports;
        Bytes bytes;  // bytes 2-8
        std::uint8_t mouseEsports;
    };
    const Case cases[] = {
        {12, 2, 2, 1, {2, 1, 1, 2, 0, 2, 1}, 1},
        {16, 1, 1, 2, {1, 2, 2, 1, 0, 1, 2}, 2},
        {4, 1, 1, 0, {1, 1, 2, 2, 0, 1, 1}, 1},  // the default 0 goes out as off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sensorFlag);
        sim::ClearLog();
        Set(2, L"sensor_flag", c.sensorFlag);
        Set(2, L"liftoff_height", c.liftoff);
        Set(2, L"scroll_flag", c.scroll);
        Set(2, L"e-sports_flag", c.esports);
        ASSERT_TRUE(dialect->WriteSensor(session));
        EXPECT_EQ(Only(0x42, 9), Cat({{Settings(), 0x42}, c.bytes}));
        const sim::ProfileMemory& p = MouseProfile(2);
        EXPECT_EQ(p.sensorFlags, c.sensorFlag);
        EXPECT_EQ(p.liftOff, c.liftoff);
        EXPECT_EQ(p.scrollFlag, c.scroll);
        EXPECT_EQ(p.esports, c.mouseEsports);
    }
}

TEST_P(CommandTest, ResponseTime) {
    Set(2, L"button_respondtime", 13);
    ASSERT_TRUE(dialect->WriteResponseTime(session));
    EXPECT_EQ(Only(0x43, 4), (Bytes{Settings(), 0x43, 13, 0}));
    EXPECT_EQ(MouseProfile(2).responseTime, 13);
}

TEST_P(CommandTest, SleepTimeOnlyInTheOutputDialect) {
    Set(2, L"sleep_light", 10);
    ASSERT_TRUE(dialect->WriteSleepTime(session));
    if (Feature()) {
        EXPECT_TRUE(sim::Log().empty());
        EXPECT_EQ(MouseProfile(2).sleepTime, 3);
    } else {
        EXPECT_EQ(Only(0x0A, 5), (Bytes{0xB5, 0x0A, 1, 10, 0}));
        EXPECT_EQ(MouseProfile(2).sleepTime, 10);
    }
}

TEST_P(CommandTest, LightingOfTheActiveMode) {
    struct Case {
        int mode;
        Bytes featureCommands;  // the command bytes of the packets sent
        std::size_t outputValueBytes;  // 0: bytes 3-7 stay zero
    };
    const Case cases[] = {
        {2, {0x22, 0x23, 0x27, 0x28}, 5},  // a mode with a colour
        {3, {0x22, 0x23, 0x27}, 5},        // no colour packet for a mode without one
        {0, {0x22}, 0},                    // "off" sends the mode only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        sim::ClearLog();
        LightRecord r;
        ASSERT_TRUE(store.GetLight(2, c.mode, r));
        r.brightness = 77;
        r.speed = 5;
        r.color_value = 0x00FF8000;
        ASSERT_TRUE(store.UpdateLight(2, c.mode, r));
        ASSERT_TRUE(store.SetActiveLightMode(2, c.mode));
        ASSERT_TRUE(dialect->WriteLighting(session));
        const sim::ProfileMemory& p = MouseProfile(2);
        auto m = static_cast<std::size_t>(c.mode);
        EXPECT_EQ(p.light.mode, c.mode);
        if (Feature()) {
            Bytes commands;
            for (const sim::LogRecord& rec : sim::Log())
                if (rec.direction == Direction::kFeatureSet) commands.push_back(rec.bytes[1]);
            EXPECT_EQ(commands, c.featureCommands);
            auto mode = static_cast<std::uint8_t>(c.mode);
            if (c.mode > 0) {
                EXPECT_EQ(Only(0x23, 6), (Bytes{0x51, 0x23, 1, mode, 77, 0}));
                EXPECT_EQ(Only(0x27, 6), (Bytes{0x51, 0x27, 1, mode, 5, 0}));
            }
            if (c.mode == 2) { EXPECT_EQ(Only(0x28, 8), (Bytes{0x51, 0x28, 1, 2, 0x00, 0x80, 0xFF, 0})); }
        } else {
            Bytes expected{0xB5, 0x24, static_cast<std::uint8_t>(c.mode), 0, 0, 0, 0, 0};
            if (c.outputValueBytes) expected = {0xB5, 0x24, static_cast<std::uint8_t>(c.mode), 77, 5, 0x00, 0x80, 0xFF};
            EXPECT_EQ(Only(0x24, 8), expected);
        }
        if (c.mode > 0) {
            EXPECT_EQ(p.light.brightness[m], 77);
            EXPECT_EQ(p.light.speed[m], 5);
        }
        if (c.mode == 2) { EXPECT_EQ(p.light.colour[m], 0xFF8000u); }
    }
}

TEST_P(CommandTest, ResetOfButtonsAndLighting) {
    sim::ProfileMemory& p = MouseProfile(2);
    p.buttons[3][0] = 2;
    p.light.brightness[1] = 9;
    ASSERT_TRUE(store.SetLightBrightness(2, 1, 9));
    ASSERT_TRUE(dialect->ResetParts(session, 0x05));
    Bytes expected = Feature() ? Bytes{0x51, 0x0B, 1, 5, 0} : Bytes{0xB5, 0x0F, 5, 0};
    EXPECT_EQ(Only(ResetCommand(), expected.size()), expected);
    EXPECT_EQ(p.buttons[3][0], 0);
    EXPECT_EQ(p.light.brightness[1], 3);
    // The profile's lighting starts again from the default records.
    LightRecord r;
    ASSERT_TRUE(store.GetLight(2, 1, r));
    EXPECT_EQ(r.brightness, 255);
    EXPECT_TRUE(listener.Saw("reload 0"));
    EXPECT_TRUE(listener.Saw("reload 3"));
}

TEST_P(CommandTest, AResetTheMouseDidNotTakeLeavesTheStore) {
    ASSERT_TRUE(store.SetLightBrightness(2, 1, 9));
    sim::Unplug("dev");
    EXPECT_FALSE(dialect->ResetParts(session, 0x05));
    LightRecord r;
    ASSERT_TRUE(store.GetLight(2, 1, r));
    EXPECT_EQ(r.brightness, 9);
    EXPECT_FALSE(listener.Saw("reload 3"));
}

TEST_P(CommandTest, FactoryReset) {
    MouseProfile(4).dpiX[0] = 1234;
    ASSERT_TRUE(dialect->FactoryReset(session));
    Bytes expected = Feature() ? Bytes{0x51, 0x0B, 0xAA, 0} : Bytes{0xB5, 0x0F, 0x1F, 0};
    EXPECT_EQ(Only(ResetCommand(), expected.size()), expected);
    EXPECT_EQ(MouseProfile(4).dpiX[0], 400);
    EXPECT_EQ(Mouse().currentProfile, 0);
}

TEST_P(CommandTest, NothingPluggedInFailsWithoutASend) {
    sim::Unplug("dev");
    Connect(model);
    sim::ClearLog();
    for (auto task : {&DeviceDialect::WriteDpi, &DeviceDialect::WriteReportRate, &DeviceDialect::WriteSensor,
                      &DeviceDialect::WriteResponseTime, &DeviceDialect::ApplyProfile})
        EXPECT_FALSE(((*dialect).*task)(session));
    EXPECT_TRUE(sim::Log().empty());
}

INSTANTIATE_TEST_SUITE_P(Mice, CommandTest, ::testing::ValuesIn(kConnections));

// The feature dialect switches profiles with the whole-profile packet.
class WholeProfileTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {};

TEST_P(WholeProfileTest, PacketCarriesSettingsAndButtonTable) {
    Use(GetParam());
    session.currentProfile = 3;
    session.hasLighting = false;
    for (int i = 0; i < 5; ++i) Set(3, codec::keys::DpiX(i), 100 * (i + 1));
    Set(3, L"report_rate", 2);
    Set(3, L"dpi_index", 1);
    Set(3, L"sensor_flag", 12);
    Set(3, L"liftoff_height", 2);
    Set(3, L"scroll_flag", 2);
    Set(3, L"e-sports_flag", 1);
    Set(3, L"button_respondtime", 6);
    // Thirteen ordinary buttons: eleven fit the table, the last two follow singly.
    for (int b = 0; b < 13; ++b) {
        KeyAssignment a;
        a.profile = 3;
        a.key_code = b;
        a.macro_type = 1;
        a.macro_value = 1;
        ASSERT_GT(store.SaveKeyAssignment(a), 0);
    }
    std::uint64_t start = clock.NowMs();
    dialect->ApplyProfile(session);
    auto sent = Sent({0x52, 0x57});
    ASSERT_EQ(sent.size(), 1u);
    const Bytes& packet = sent[0];
    ASSERT_EQ(packet.size(), 65u);
    EXPECT_EQ(Bytes(packet.begin(), packet.begin() + 20),
              (Bytes{0x52, 0x57, 2, 0x21, 0x21, 0x21, 100, 0, 200, 0, 0x2C, 1, 0x90, 1, 0xF4, 1, 0, 0x4E, 6, 0}));
    for (int slot = 0; slot < 11; ++slot)
        EXPECT_EQ(Bytes(packet.begin() + 20 + 4 * slot, packet.begin() + 24 + 4 * slot),
                  (Bytes{static_cast<std::uint8_t>(slot * 16 + 1), 1, 0, 0}));
    auto singles = Sent({0x52, 0x52});
    ASSERT_EQ(singles.size(), 2u);
    EXPECT_EQ(singles[0][2], 11);
    EXPECT_EQ(singles[1][2], 12);
    EXPECT_GE(Elapsed(start), 13u * 10u);  // a 10 ms wait before each button
    // The mouse took the profile and made it current.
    EXPECT_EQ(Mouse().currentProfile, 2);
    const sim::ProfileMemory& p = MouseProfile(3);
    EXPECT_EQ(p.dpiX[2], 300);
    EXPECT_EQ(p.rateCode, 2);
    EXPECT_EQ(p.dpiIndex, 1);
    EXPECT_EQ(p.liftOff, 2);
    EXPECT_EQ(p.sensorFlags, 12);
    EXPECT_EQ(p.scrollFlag, 2);
    EXPECT_EQ(p.responseTime, 6);
    EXPECT_EQ(p.buttons[10][0], 1);
    EXPECT_EQ(p.buttons[12][0], 1);
}

// A macro button follows the packet in two upload steps, body and name, each
// after its own 10 ms wait, whatever the transfer before it took.
TEST_P(WholeProfileTest, EachMacroUploadStepWaitsItsTurn) {
    Use(GetParam());
    session.currentProfile = 3;
    session.hasLighting = false;
    int macro = store.AddMacro(L"Mac");
    ASSERT_GT(macro, 0);
    MacroStep step;
    step.macro_id = macro;
    step.type = 1;
    step.value = 20;
    ASSERT_GT(store.AddMacroStep(step), 0);
    KeyAssignment a;
    a.profile = 3;
    a.key_code = 2;
    a.macro_type = 4;
    a.macro_value = macro;
    ASSERT_GT(store.SaveKeyAssignment(a), 0);
    ASSERT_TRUE(dialect->ApplyProfile(session));
    std::vector<sim::LogRecord> log = sim::Log();
    for (std::uint8_t command : {std::uint8_t{0x54}, std::uint8_t{0x53}}) {
        auto sent = std::find_if(log.begin(), log.end(), [command](const sim::LogRecord& r) {
            return r.direction == Direction::kFeatureSet && r.bytes.size() > 2 && r.bytes[0] == 0x52 &&
                   r.bytes[1] == command && r.bytes[2] == 2;
        });
        ASSERT_NE(sent, log.end()) << "command 0x" << std::hex << int{command};
        ASSERT_NE(sent, log.begin());
        EXPECT_GE(sent->timeMs - std::prev(sent)->timeMs, 10u) << "command 0x" << std::hex << int{command};
    }
    EXPECT_EQ(MouseProfile(3).macroNames.at(2), "Mac");
}

INSTANTIATE_TEST_SUITE_P(Feature, WholeProfileTest, ::testing::Values(kConnections[0], kConnections[1]));

// The output dialect makes a stored profile current, and applies everything by
// clearing the buttons and writing every setting.
class OutputSequenceTest : public SettingsBed, public ::testing::WithParamInterface<Connection> {};

TEST_P(OutputSequenceTest, ApplyProfileSelectsThenLights) {
    Use(GetParam());
    session.currentProfile = 4;
    std::uint64_t start = clock.NowMs();
    ASSERT_TRUE(dialect->ApplyProfile(session));
    EXPECT_EQ(Sent({0xB5, 0x0E, 3}).size(), 1u);
    EXPECT_EQ(Sent({0xB5, 0x24}).size(), 1u);
    EXPECT_GE(Elapsed(start), 1000u);
    EXPECT_EQ(Mouse().currentProfile, 3);
}

TEST_P(OutputSequenceTest, ApplyEverythingOrder) {
    Use(GetParam());
    session.currentProfile = 2;
    Mouse().currentProfile = 1;
    Set(2, L"button_respondtime", 17);
    dialect->ApplyEverything(session);
    Bytes commands;
    for (const sim::LogRecord& r : sim::Log())
        if (r.direction == Direction::kOut && r.bytes[0] == 0xB5) commands.push_back(r.bytes[1]);
    EXPECT_EQ(commands, (Bytes{0x0F, 0x40, 0x41, 0x42, 0x43, 0x24}));
    EXPECT_EQ(Sent({0xB5, 0x0F})[0][2], 1);
    EXPECT_EQ(MouseProfile(2).responseTime, 17);
}

INSTANTIATE_TEST_SUITE_P(Output, OutputSequenceTest, ::testing::Values(kConnections[2], kConnections[3]));

}  // namespace
