// One interface over the three dialects: chosen once from device_type, and the same
// status read against every kind of mouse.
#include "DeviceDialect.h"
#include "DialectTestBed.h"

using namespace testbed;
using sim::Family;
using sim::Kind;

namespace {

struct StatusCase {
    const char* what;
    Family family;
    Kind kind;
    std::uint16_t pid;
    int model;
    int mode;
    bool echo;
    std::uint8_t answerId;
};

class StatusTest : public HidTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTest, EveryDialectReadsTheMousesBattery) {
    const StatusCase& c = GetParam();
    sim::DeviceSetup d = MakeDevice("dev", c.family, c.kind, c.pid, 0xF001);
    d.echoCommand = c.echo;
    d.answerId = c.answerId;
    sim::Plug(d);
    manager->AddFilter(0x248A, c.pid, L"", c.model, c.mode);
    manager->AddFilter(0x248A, 0xF001, L"", c.model, 0);
    Connect(c.model);
    sim::Memory("mouse")->battery = 37;
    sim::Memory("mouse")->charging = 1;
    std::unique_ptr<DeviceDialect> dialect = MakeDialect(*manager, c.model);
    EXPECT_EQ(dialect->Family(), FamilyOf(c.model)) << c.what;
    DeviceStatus status;
    ASSERT_TRUE(dialect->ReadStatus(status)) << c.what;
    EXPECT_TRUE(status.mouseConnected) << c.what;
    EXPECT_EQ(status.battery, 37) << c.what;
    EXPECT_TRUE(status.charging) << c.what;
    // A mouse that answers nothing leaves the status as it was.
    sim::InjectFault("dev", sim::Fault::kNoReply, 4);
    DeviceStatus untouched;
    untouched.battery = 99;
    EXPECT_FALSE(dialect->ReadStatus(untouched)) << c.what;
    EXPECT_EQ(untouched.battery, 99) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Mice, StatusTest, ::testing::Values(
    StatusCase{"feature, cable", Family::kFeature, Kind::kWired, 0xFA01, kFeatureModel, 0, false, 0xB4},
    StatusCase{"feature, cable, echo", Family::kFeature, Kind::kWired, 0xFA01, kFeatureModel, 0, true, 0xB4},
    StatusCase{"feature, receiver", Family::kFeature, Kind::kReceiver, 0xFA02, kFeatureModel, 1, false, 0xB4},
    StatusCase{"output, cable, 0xB6", Family::kOutput, Kind::kWired, 0xFB01, kOutputModel, 0, false, 0xB6},
    StatusCase{"output, receiver, 0xB4", Family::kOutput, Kind::kReceiver, 0xFB02, kOutputModel, 4, false, 0xB4},
    StatusCase{"output, receiver, 0xB6, echo", Family::kOutput, Kind::kReceiver, 0xFB02, kOutputModel, 4, true, 0xB6},
    StatusCase{"second family, cable", Family::kNodic, Kind::kWired, 0xFC01, kNodicModel, 0, false, 0xB4},
    StatusCase{"second family, receiver", Family::kNodic, Kind::kReceiver, 0xFC02, kNodicReceiverModel, 1, false,
               0xB4}));

class DeviceDialectTest : public HidTest {};

TEST_F(DeviceDialectTest, TheDialectFollowsTheWireRanges) {
    for (int type : {0, 101, 200, 300, 400})
        EXPECT_EQ(MakeDialect(*manager, type)->Family(), ProtocolFamily::kFeatureReport) << type;
    for (int type : {201, 208, 299})
        EXPECT_EQ(MakeDialect(*manager, type)->Family(), ProtocolFamily::kSecondFamily) << type;
    for (int type : {301, 310, 399})
        EXPECT_EQ(MakeDialect(*manager, type)->Family(), ProtocolFamily::kOutputReport) << type;
}

}  // namespace
