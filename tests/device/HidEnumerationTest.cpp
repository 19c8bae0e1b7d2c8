#include "HidTestBed.h"

using namespace testbed;
using sim::Family;
using sim::Kind;

namespace {

class HidEnumerationTest : public HidTest {};

TEST_F(HidEnumerationTest, FeatureCableAndReceiverBecomeOneEntryEach) {
    sim::DeviceSetup cable = MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01);
    cable.product = L"Cable mouse";
    cable.release = 0x0213;
    sim::Plug(cable);
    sim::Plug(MakeDevice("dongle", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01));
    FeatureFilters();
    Connect(kFeatureModel);

    auto entries = manager->ListEntries();
    ASSERT_EQ(entries.size(), 2u);  // the pointer collections are not ours
    EXPECT_EQ(entries[0].pid, 0xFA01);
    EXPECT_EQ(entries[0].mode, 0);
    EXPECT_EQ(entries[0].online, 1);
    EXPECT_EQ(entries[0].product, L"Cable mouse");
    EXPECT_EQ(entries[0].release, 0x0213);
    EXPECT_TRUE(entries[0].has_handle);
    EXPECT_EQ(entries[1].pid, 0xFA02);
    EXPECT_EQ(entries[1].mode, 1);
    EXPECT_EQ(entries[1].online, 1);
    EXPECT_EQ(manager->WiredRelease(), 0x0213);
    EXPECT_EQ(sim::CountLogged(sim::Direction::kFeatureSet, {0x51, 0x03}), 1);  // only the receiver is asked
}

TEST_F(HidEnumerationTest, DevicesOutsideTheFiltersAndForeignCollectionsAreSkipped) {
    sim::Plug(MakeDevice("other", Family::kFeature, Kind::kWired, 0xEE01));
    sim::DeviceSetup foreign = MakeDevice("foreign", Family::kForeign, Kind::kWired, 0xFA01);
    foreign.vid = 0x248A;  // right ids, but a collection the program does not speak
    sim::Plug(foreign);
    FeatureFilters();
    Connect(kFeatureModel);
    EXPECT_TRUE(manager->ListEntries().empty());
}

TEST_F(HidEnumerationTest, FeatureCollectionWithoutFeatureReportsIsDropped) {
    sim::DeviceSetup cable = MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01);
    cable.featureReports = false;
    sim::Plug(cable);
    FeatureFilters();
    Connect(kFeatureModel);
    EXPECT_TRUE(manager->ListEntries().empty());
}

struct PairCase {
    const char* what;
    std::uint16_t pairedPid;
    bool answers;
    bool defaultPairIsFilter;
    bool retained;
    int online;
};

class ReceiverPairTest : public HidTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(ReceiverPairTest, ReceiverIsKeptOnlyForAMouseOfTheModel) {
    const PairCase& c = GetParam();
    for (Family family : {Family::kFeature, Family::kOutput}) {
        SCOPED_TRACE(family == Family::kFeature ? "feature" : "output");
        sim::Reset();
        sim::DeviceSetup dongle = MakeDevice("dongle", family, Kind::kReceiver, 0xFA02, c.pairedPid);
        dongle.answersQueries = c.answers;
        sim::Plug(dongle);
        manager->ClearFilters();
        FeatureFilters();
        if (c.defaultPairIsFilter) manager->AddFilter(0x248A, 0xFF12, L"", kFeatureModel, 3);
        Connect(kFeatureModel);
        auto entries = manager->ListEntries();
        ASSERT_EQ(entries.size(), c.retained ? 1u : 0u) << c.what;
        if (c.retained) {
            EXPECT_EQ(entries[0].online, c.online) << c.what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, ReceiverPairTest,
    ::testing::Values(PairCase{"paired with the model's mouse", 0xFA01, true, false, true, 1},
                      PairCase{"paired with another mouse", 0xEE01, true, false, false, 0},
                      PairCase{"silent receiver, default pair unknown", 0xFA01, false, false, false, 0},
                      PairCase{"silent receiver, default pair is a filter", 0xFA01, false, true, true, 0}));

TEST_F(HidEnumerationTest, SleepingMouseLeavesItsReceiverOffline) {
    sim::DeviceSetup dongle = MakeDevice("dongle", Family::kFeature, Kind::kReceiver, 0xFA02, 0xFA01);
    dongle.mouseAwake = false;
    sim::Plug(dongle);
    FeatureFilters();
    Connect(kFeatureModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    EXPECT_EQ(manager->ListEntries()[0].online, 0);
    EXPECT_TRUE(manager->ListOnlineEntries().empty());
}

TEST_F(HidEnumerationTest, OutputReceiverIsQueriedAndWokenUp) {
    sim::Plug(MakeDevice("dongle", Family::kOutput, Kind::kReceiver, 0xFB02, 0xFB01));
    OutputFilters();
    Connect(kOutputModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);
    EXPECT_EQ(manager->ListEntries()[0].mode, 4);
    EXPECT_EQ(manager->ListEntries()[0].online, 1);
    EXPECT_EQ(sim::CountLogged(sim::Direction::kOut, {0xB5, 0x03}), 1);
    EXPECT_EQ(sim::CountLogged(sim::Direction::kOut, {0xB5, 0x02}), 1);
    EXPECT_EQ(sim::CountLogged(sim::Direction::kIn, {0xB4}), 2);  // the answers to both were read
}

TEST_F(HidEnumerationTest, BluetoothRecordHasNoHandle) {
    sim::Plug(MakeDevice("ble", Family::kOutput, Kind::kBluetooth, 0xFB05));
    OutputFilters();
    Connect(kOutputModel);
    auto entries = manager->ListEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].mode, 2);
    EXPECT_EQ(entries[0].online, 1);
    EXPECT_FALSE(entries[0].has_handle);
    EXPECT_TRUE(entries[0].product.IsEmpty());
}

TEST_F(HidEnumerationTest, SecondFamilyReceiverTakesTheReceiverType) {
    sim::Plug(MakeDevice("cable", Family::kNodic, Kind::kWired, 0xFC01));
    sim::Plug(MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02));
    manager->AddFilter(0x248A, 0xFC01, L"", kNodicModel, 0);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicModel, 1);
    Connect(kNodicModel);
    ASSERT_EQ(manager->ListEntries().size(), 1u);  // the receiver now counts as model 208
    EXPECT_EQ(manager->ListEntries()[0].mode, 0);
    EXPECT_EQ(manager->FindEntry(0x248A, 0xFC02, 1), 1);

    manager->SetCurrentType(kNodicReceiverModel);
    auto receivers = manager->ListEntries();
    ASSERT_EQ(receivers.size(), 1u);
    EXPECT_EQ(receivers[0].device_type, kNodicReceiverModel);
    EXPECT_EQ(receivers[0].online, 1);
    // The status query went out framed, with its checksum, and without the route bit.
    EXPECT_EQ(sim::CountLogged(sim::Direction::kOut, {0x00, 0x01, 0x00, 0x81, 0x01}), 1);
}

TEST_F(HidEnumerationTest, SilentSecondFamilyReceiverKeepsTheFilterTypeAfterOneRetry) {
    sim::DeviceSetup dongle = MakeDevice("dongle", Family::kNodic, Kind::kReceiver, 0xFC02);
    dongle.answersQueries = false;
    sim::Plug(dongle);
    manager->AddFilter(0x248A, 0xFC02, L"", kNodicModel, 1);
    Connect(kNodicModel);
    auto entries = manager->ListEntries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].device_type, kNodicModel);
    EXPECT_EQ(entries[0].online, 1);
    EXPECT_EQ(sim::CountLogged(sim::Direction::kOut, {0x00, 0x01, 0x00, 0x81, 0x01}), 2);
}

TEST_F(HidEnumerationTest, CurrentTypeZeroListsEverything) {
    sim::Plug(MakeDevice("cable", Family::kFeature, Kind::kWired, 0xFA01));
    sim::Plug(MakeDevice("out", Family::kOutput, Kind::kWired, 0xFB01));
    FeatureFilters();
    OutputFilters();
    Connect(0);
    EXPECT_EQ(manager->ListEntries().size(), 2u);
    manager->SetCurrentType(kOutputModel);
    EXPECT_EQ(manager->ListEntries().size(), 1u);
    manager->CloseAll();
    EXPECT_TRUE(manager->ListEntries().empty());
}

}  // namespace
