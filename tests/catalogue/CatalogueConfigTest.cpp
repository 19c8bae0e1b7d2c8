#include <gtest/gtest.h>

#include "CatalogueFixtures.h"
#include "DeviceCatalogue.h"

namespace {

struct ModeRow {
    int device_type;
    const wchar_t* device_attr;
    int mode_value;
    int vid;
    int pid;
    const wchar_t* desc;
    const wchar_t* hid_interface;
};

}  // namespace

TEST(CatalogueConfigTest, ReadsModelsAndOneEntryPerMode) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));

    const std::vector<DeviceModeEntry>& models = catalogue.Models();
    ASSERT_EQ(models.size(), 5u);
    const wchar_t* names[] = {L"Alpha", L"Beta & Co", L"Lenient", L"Gamma", L"Empty"};
    const int types[] = {101, 310, 0, 208, 150};
    for (std::size_t i = 0; i < models.size(); ++i) {
        EXPECT_EQ(models[i].name, names[i]);
        EXPECT_EQ(models[i].device_type, types[i]);
    }

    // Hexadecimal with or without 0x, either case, leading blanks; trailing junk is
    // ignored and anything non-numeric reads as 0.
    const ModeRow expected[] = {
        {101, L"alpha", 0, 0x248A, 0x5A01, L"wired", L"VID_248A&PID_5A01&MI_01"},
        {101, L"alpha", 1, 0x248A, 0xFF12, L"receiver", L"VID_248A&PID_FF12&MI_01"},
        {101, L"alpha", 4, 0x248A, 0x5A04, L"8k", L"VID_248A&PID_5A04&MI_01"},
        {310, L"beta", 2, 0, 0, L"ble", L"VID&02248A_PID&5B02"},
        {0, L"lenient", 0, 0, 0, L"odd", L""},
        {208, L"gamma", 1, 0x248A, 0x5C02, L"receiver", L"VID_248A&PID_5C02&MI_02"},
        {208, L"gamma", 3, 0x248A, 0x5C03, L"second receiver", L"VID_248A&PID_5C03&MI_02"},
    };
    const std::vector<DeviceModeEntry>& modes = catalogue.Modes();
    ASSERT_EQ(modes.size(), std::size(expected));
    for (std::size_t i = 0; i < modes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(modes[i].device_type, expected[i].device_type);
        EXPECT_EQ(modes[i].device_attr, expected[i].device_attr);
        EXPECT_EQ(modes[i].mode_value, expected[i].mode_value);
        EXPECT_EQ(modes[i].vid, expected[i].vid);
        EXPECT_EQ(modes[i].pid, expected[i].pid);
        EXPECT_EQ(modes[i].desc, expected[i].desc);
        EXPECT_EQ(modes[i].hid_interface, expected[i].hid_interface);
    }
    EXPECT_EQ(modes[0].name, L"Alpha");  // every entry carries its model's fields

    std::vector<DeviceModeEntry> alpha = catalogue.ModesOf(101);
    ASSERT_EQ(alpha.size(), 3u);
    EXPECT_EQ(alpha[2].mode_value, 4);
    EXPECT_TRUE(catalogue.ModesOf(150).empty());
    EXPECT_TRUE(catalogue.ModesOf(999).empty());
    EXPECT_EQ(catalogue.DeviceAttrOf(208), L"gamma");
    EXPECT_EQ(catalogue.DeviceAttrOf(999), L"");
}

TEST(CatalogueConfigTest, ReadsTheSoftwareBlockInItsOrder) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    const AppInformation& app = catalogue.AppInfo();
    EXPECT_EQ(app.caption, L"Caption");
    EXPECT_EQ(app.version, L"2.5.1");
    EXPECT_EQ(app.website, L"https://w.example/");
    EXPECT_EQ(app.store, L"https://s.example/");
    EXPECT_EQ(app.upgrade, L"https://u.example/");
    EXPECT_EQ(app.copyright, L"(C) Example <team>");

    // store before website: the web site is found, the search for store starts
    // after it and finds nothing; upgrade and copyright still follow.
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("swapped")));
    EXPECT_EQ(catalogue.AppInfo().website, L"https://w.example/");
    EXPECT_EQ(catalogue.AppInfo().store, L"");
    EXPECT_EQ(catalogue.AppInfo().upgrade, L"https://u.example/");
    EXPECT_EQ(catalogue.AppInfo().copyright, L"notice");
    EXPECT_EQ(catalogue.AppInfo().caption, L"Caption");
}

TEST(CatalogueConfigTest, ChoosesTheRegistryModelElseTheFirst) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    EXPECT_EQ(catalogue.ChooseModel(310), 310);
    EXPECT_EQ(catalogue.ChooseModel(208), 208);
    EXPECT_EQ(catalogue.ChooseModel(0), 0);  // "Lenient" really has type 0
    EXPECT_EQ(catalogue.ChooseModel(999), 101);
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("swapped")));
    EXPECT_EQ(catalogue.ChooseModel(0), 210);  // an absent registry value reads 0

    DeviceCatalogue empty;
    EXPECT_EQ(empty.ChooseModel(101), 0);
}

TEST(CatalogueConfigTest, MissingOrMalformedCatalogueLeavesEverythingEmpty) {
    const char* broken[] = {"malformed", "wrongroot", "no-such-folder"};
    for (const char* name : broken) {
        DeviceCatalogue catalogue;
        ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
        EXPECT_FALSE(catalogue.LoadConfig(Fixture(name))) << name;
        EXPECT_TRUE(catalogue.Models().empty()) << name;
        EXPECT_TRUE(catalogue.Modes().empty()) << name;
        EXPECT_TRUE(catalogue.AppInfo().version.IsEmpty()) << name;
        EXPECT_TRUE(catalogue.AppInfo().website.IsEmpty()) << name;
        EXPECT_EQ(catalogue.ChooseModel(101), 0) << name;
        EXPECT_EQ(catalogue.DeviceAttrOf(101), L"") << name;
    }
}
