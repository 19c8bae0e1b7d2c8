// Validates every model that ships: the catalogue, each description and its pictures.
// The language files' cover of the descriptions' text ids is checked by tests/language.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <regex>
#include <set>

#include "CatalogueFixtures.h"
#include "DeviceCatalogue.h"

namespace {

bool IsSecondFamily(int type) { return type > 200 && type < 300; }
bool IsOutputDialect(int type) { return type > 300 && type < 400; }

// Display-name text id of each factory function the key page can show.
int FunctionTextId(int type, int value) {
    static const std::map<std::pair<int, int>, int> ids = {
        {{1, 1}, 106}, {{1, 2}, 108}, {{1, 3}, 107}, {{1, 4}, 111}, {{1, 5}, 109}, {{1, 6}, 110},
        {{1, 7}, 112}, {{1, 8}, 113}, {{1, 9}, 114}, {{1, 10}, 115},
        {{3, 1}, 120}, {{3, 2}, 121}, {{3, 3}, 124}, {{3, 4}, 122}, {{3, 5}, 123}, {{3, 6}, 117},
        {{3, 7}, 118}, {{3, 8}, 119}, {{5, 3}, 143},
        {{6, 1}, 151}, {{6, 2}, 152}, {{6, 3}, 153}, {{6, 4}, 154}, {{6, 5}, 155},
        {{8, 1}, 127}, {{8, 2}, 128}, {{8, 3}, 129}, {{8, 4}, 130}, {{8, 5}, 131}, {{8, 6}, 132},
        {{8, 7}, 133}, {{8, 8}, 134}, {{8, 9}, 31}, {{8, 10}, 32}, {{8, 11}, 36}, {{9, 1}, 139},
    };
    auto it = ids.find({type, value});
    return it == ids.end() ? -1 : it->second;
}

std::string Narrow(const CString& s) { return utf::WideToUtf8(s.str()); }

class ShippedCatalogueTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_catalogue.LoadConfig(ShippedAssets())); }
    DeviceCatalogue m_catalogue;
};

}  // namespace

TEST_F(ShippedCatalogueTest, ModelsCoverEveryDialectAndConnection) {
    std::set<int> types;
    std::set<std::wstring> attrs;
    bool feature = false, output = false, second = false, secondReceiver = false;
    for (const DeviceModeEntry& m : m_catalogue.Models()) {
        SCOPED_TRACE(Narrow(m.name));
        EXPECT_FALSE(m.name.IsEmpty());
        EXPECT_TRUE(types.insert(m.device_type).second) << "device_type used twice";
        EXPECT_TRUE(attrs.insert(m.device_attr.str()).second) << "device_attr used twice";
        EXPECT_TRUE(DeviceCatalogue::IsSafeDeviceAttr(m.device_attr));
        // The two range tests of the program disagree exactly there.
        EXPECT_NE(m.device_type, 200);
        EXPECT_NE(m.device_type, 300);
        EXPECT_NE(m.device_type, 400);
        EXPECT_GT(m.device_type, 0);
        EXPECT_FALSE(m_catalogue.ModesOf(m.device_type).empty());
        feature |= !IsSecondFamily(m.device_type) && !IsOutputDialect(m.device_type);
        output |= IsOutputDialect(m.device_type);
        second |= IsSecondFamily(m.device_type) && m.device_type != 208;
        secondReceiver |= m.device_type == 208;
    }
    EXPECT_TRUE(feature && output && second && secondReceiver);

    std::set<int> modeValues;
    for (const DeviceModeEntry& e : m_catalogue.Modes()) modeValues.insert(e.mode_value);
    for (int mode : {0, 1, 2, 4}) EXPECT_TRUE(modeValues.count(mode)) << "mode " << mode;
}

TEST_F(ShippedCatalogueTest, ModesNameTheirInterfacesExactly) {
    for (const DeviceModeEntry& e : m_catalogue.Modes()) {
        SCOPED_TRACE(Narrow(e.name) + " mode " + std::to_string(e.mode_value));
        EXPECT_EQ(e.vid, 0x248A);
        EXPECT_GT(e.pid, 0);
        EXPECT_LE(e.pid, 0xFFFF);
        EXPECT_GE(e.mode_value, 0);
        EXPECT_LE(e.mode_value, 4);
        CString upper = e.hid_interface;
        upper.MakeUpper();
        EXPECT_EQ(e.hid_interface, upper) << "compared with the upper-cased device path";
        wchar_t expected[64];
        if (e.mode_value == kModeBluetooth) {
            std::swprintf(expected, 64, L"VID&02%04X_PID&%04X", e.vid, e.pid);
        } else {
            std::swprintf(expected, 64, L"VID_%04X&PID_%04X&MI_", e.vid, e.pid);
        }
        EXPECT_EQ(e.hid_interface.Find(expected), 0) << Narrow(e.hid_interface);
        EXPECT_FALSE(e.mode_value == kModeWired && e.device_type == 208) << "208 is receivers only";
    }
    // A first-family receiver must be kept while unpaired, and the mouse it reports
    // (the model's own wired pair) must be one of the model's pairs.
    for (const DeviceModeEntry& m : m_catalogue.Models()) {
        if (IsSecondFamily(m.device_type)) continue;
        bool receiver = false, unpaired = false, wired = false;
        for (const DeviceModeEntry& e : m_catalogue.ModesOf(m.device_type)) {
            receiver |= e.mode_value == kModeReceiver || e.mode_value == kModeReceiver2 || e.mode_value == kModeReceiver3;
            unpaired |= e.pid == 0xFF12;
            wired |= e.mode_value == kModeWired;
        }
        if (receiver) {
            EXPECT_TRUE(unpaired) << Narrow(m.name);
            EXPECT_TRUE(wired) << Narrow(m.name);
        }
    }
}

TEST_F(ShippedCatalogueTest, SoftwareBlockIsComplete) {
    const AppInformation& app = m_catalogue.AppInfo();
    EXPECT_TRUE(std::regex_match(Narrow(app.version), std::regex("[0-9]+\\.[0-9]+\\.[0-9]+")));
    for (const CString* url : {&app.website, &app.store, &app.upgrade}) {
        EXPECT_EQ(url->Find(L"https://"), 0) << Narrow(*url);
    }
    EXPECT_FALSE(app.copyright.IsEmpty());
}

TEST_F(ShippedCatalogueTest, EveryDescriptionLoadsAndIsConsistent) {
    const std::regex version("[0-9]+\\.[0-9]+\\.[0-9]+");
    for (const DeviceModeEntry& m : m_catalogue.Models()) {
        SCOPED_TRACE(Narrow(m.name));
        ModelDescription d;
        ASSERT_TRUE(m_catalogue.LoadDescription(ShippedAssets(), m.device_type, d));
        EXPECT_TRUE(std::regex_match(Narrow(d.mouse_firmware), version));
        EXPECT_TRUE(std::regex_match(Narrow(d.dongle_firmware), version));
        for (const CString* picture : {&d.home_img, &d.mouse_img}) {
            std::string bytes;
            // The window reads model pictures from the skin folder.
            CString skin = file::Join(file::Join(ShippedAssets(), L"skins"), L"theme1");
            ASSERT_TRUE(file::ReadAll(file::Join(skin, *picture), bytes)) << Narrow(*picture);
            EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
            EXPECT_LT(bytes.size(), 16u * 1024) << "keep the pictures small";
            CString stem = picture->Mid(picture->ReverseFind(file::Separator()) + 1);
            stem = stem.Left(stem.GetLength() - 4);
            CString source = file::Join(file::Join(file::Join(ShippedAssets(), L"src"), L"device"), stem + L".svg");
            EXPECT_TRUE(file::Exists(source)) << "vector source of " << Narrow(*picture);
        }
        ASSERT_FALSE(d.buttons.empty());
        ASSERT_EQ(d.buttons.size(), d.factory_keys.size());
        EXPECT_EQ(d.buttons[0].key_value, 0) << "the left button comes first";
        std::set<int> keys;
        for (std::size_t i = 0; i < d.buttons.size(); ++i) {
            const ButtonLayoutItem& b = d.buttons[i];
            const KeyAssignment& k = d.factory_keys[i];
            SCOPED_TRACE(b.name_id);
            EXPECT_TRUE(keys.insert(b.key_value).second) << "button index used twice";
            EXPECT_GE(b.name_id, 700);
            EXPECT_LE(b.name_id, 711);
            EXPECT_EQ(b.func_desc_id, FunctionTextId(k.macro_type, k.macro_value)) << "label matches the function";
            if (IsSecondFamily(m.device_type)) {
                EXPECT_LE(b.key_value, 11);
                for (int skipped : {5, 6, 8, 9}) EXPECT_NE(b.key_value, skipped);
            } else {
                EXPECT_LE(b.key_value, 15);
                EXPECT_NE(b.key_value, 8);
            }
            // The label box (66 wide) must stay inside the 400-wide picture control.
            EXPECT_LT(b.leader_from.x, b.leader_to.x);
            if (b.direction == 1) {
                EXPECT_LE(b.leader_to.x + 67, 400);
            } else {
                EXPECT_GE(b.leader_from.x - 67, 0);
            }
        }
    }
}

TEST(ShippedExampleTest, TheCommentedExampleIsAValidDescription) {
    CString app = file::Join(L".", L"example-app");
    ASSERT_TRUE(file::MakeDirectory(app));
    ASSERT_TRUE(file::MakeDirectory(file::Join(app, L"device")));
    ASSERT_TRUE(file::WriteAll(file::Join(app, L"config.xml"),
                               "<config><device><mouse name=\"Example\" device_type=\"150\" device_attr=\"example\"/>"
                               "</device></config>"));
    std::string example;
    ASSERT_TRUE(file::ReadAll(file::Join(file::Join(file::Join(ShippedAssets(), L"src"), L"device"), L"example.xml"), example));
    ASSERT_TRUE(file::WriteAll(file::Join(file::Join(app, L"device"), L"example.xml"), example));
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(app));
    ModelDescription d;
    ASSERT_TRUE(catalogue.LoadDescription(app, 150, d));
    EXPECT_TRUE(d.light);
    EXPECT_EQ(d.mouse_firmware, L"1.0.0");
    EXPECT_EQ(d.buttons.size(), 3u);
    // It must not be picked up as a shipped model.
    EXPECT_FALSE(file::Exists(file::Join(file::Join(ShippedAssets(), L"device"), L"example.xml")));
}
