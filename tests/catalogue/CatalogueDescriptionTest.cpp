#include <gtest/gtest.h>

#include "CatalogueFixtures.h"
#include "DeviceCatalogue.h"

namespace {

ModelDescription Filled() {
    ModelDescription d;
    d.home_img = L"device/old_home.png";
    d.mouse_img = L"device/old_mouse.png";
    d.light = true;
    d.mouse_firmware = L"1.0.0";
    d.dongle_firmware = L"1.0.0";
    d.buttons.resize(3);
    d.factory_keys.resize(3);
    return d;
}

void ExpectEmpty(const ModelDescription& d) {
    EXPECT_TRUE(d.home_img.IsEmpty());
    EXPECT_TRUE(d.mouse_img.IsEmpty());
    EXPECT_FALSE(d.light);
    EXPECT_TRUE(d.mouse_firmware.IsEmpty());
    EXPECT_TRUE(d.dongle_firmware.IsEmpty());
    EXPECT_TRUE(d.buttons.empty());
    EXPECT_TRUE(d.factory_keys.empty());
}

}  // namespace

TEST(CatalogueDescriptionTest, ReadsPicturesFlagsVersionsAndButtons) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    ModelDescription d = Filled();
    ASSERT_TRUE(catalogue.LoadDescription(Fixture("basic"), 101, d));
    EXPECT_EQ(d.home_img, file::Join(L"device", L"alpha_home.png"));
    EXPECT_EQ(d.mouse_img, file::Join(L"device", L"alpha_mouse.png"));
    EXPECT_TRUE(d.light);
    EXPECT_EQ(d.mouse_firmware, L"1.2.3");
    EXPECT_EQ(d.dongle_firmware, L"4.5.6");

    struct Button { int name; int key; int direction; CPoint from; CPoint to; int func; };
    const Button expected[] = {
        {700, 0, 0, CPoint(120, 88), CPoint(40, 88), 106},
        {701, 1, 1, CPoint(0, 77), CPoint(0, 77), 107},   // no '#': the number is the height
        {705, 5, 1, CPoint(30, 99), CPoint(0, 99), 143},  // one '#': a#c
        {0, 0, 0, CPoint(1, 3), CPoint(2, 3), 0},         // junk reads as 0; a fourth part is ignored
    };
    ASSERT_EQ(d.buttons.size(), std::size(expected));
    for (std::size_t i = 0; i < d.buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.buttons[i].name_id, expected[i].name);
        EXPECT_EQ(d.buttons[i].key_value, expected[i].key);
        EXPECT_EQ(d.buttons[i].direction, expected[i].direction);
        EXPECT_EQ(d.buttons[i].leader_from, expected[i].from);
        EXPECT_EQ(d.buttons[i].leader_to, expected[i].to);
        EXPECT_EQ(d.buttons[i].func_desc_id, expected[i].func);
    }
}

TEST(CatalogueDescriptionTest, EveryKeyBecomesAFactoryRecord) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    ModelDescription d;
    ASSERT_TRUE(catalogue.LoadDescription(Fixture("basic"), 101, d));
    ASSERT_EQ(d.factory_keys.size(), 4u);
    const KeyAssignment& dpi = d.factory_keys[2];
    EXPECT_EQ(dpi.key_id, 0);
    EXPECT_EQ(dpi.profile, 0);
    EXPECT_EQ(dpi.fn_layer, 0);
    EXPECT_EQ(dpi.key_code, 5);
    EXPECT_EQ(dpi.layout_value, 5);
    EXPECT_EQ(dpi.layout_desc, L"705");
    EXPECT_EQ(dpi.macro_type, 5);
    EXPECT_EQ(dpi.macro_value, 3);
    EXPECT_EQ(dpi.macro_value2, 0);
    EXPECT_EQ(dpi.macro_value3, 0);
    EXPECT_EQ(dpi.macro_desc, L"143");
    EXPECT_EQ(d.factory_keys[0].macro_type, 1);
    EXPECT_EQ(d.factory_keys[0].macro_value, 1);
    EXPECT_EQ(d.factory_keys[3].layout_desc, L"x");  // the text as written
    EXPECT_EQ(d.factory_keys[3].macro_desc, L"");
}

TEST(CatalogueDescriptionTest, ElementsOutOfOrderAreSkipped) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    ModelDescription d = Filled();
    ASSERT_TRUE(catalogue.LoadDescription(Fixture("basic"), 0, d));
    EXPECT_FALSE(d.light);                   // menu came before image_file
    EXPECT_EQ(d.mouse_firmware, L"8.8.8");
    EXPECT_EQ(d.dongle_firmware, L"");       // came before mousefirmware
    EXPECT_EQ(d.home_img, L"");              // would leave the device folder
    EXPECT_EQ(d.mouse_img, file::Join(L"device", L"lenient_mouse.png"));
    EXPECT_TRUE(d.buttons.empty());
}

TEST(CatalogueDescriptionTest, AFailedLoadKeepsNothingOfThePreviousModel) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("basic")));
    const int failing[] = {310 /* ill-formed */, 208 /* no file */, 999 /* no model */};
    for (int type : failing) {
        ModelDescription d;
        ASSERT_TRUE(catalogue.LoadDescription(Fixture("basic"), 101, d));
        ASSERT_FALSE(d.buttons.empty());
        EXPECT_FALSE(catalogue.LoadDescription(Fixture("basic"), type, d)) << type;
        ExpectEmpty(d);
    }
}

TEST(CatalogueDescriptionTest, RefusesAttributesThatLeaveTheDeviceFolder) {
    DeviceCatalogue catalogue;
    ASSERT_TRUE(catalogue.LoadConfig(Fixture("unsafe")));
    for (int type = 1; type <= 5; ++type) {
        ModelDescription d = Filled();
        EXPECT_FALSE(catalogue.LoadDescription(Fixture("unsafe"), type, d)) << type;
        ExpectEmpty(d);
    }
    ModelDescription fine;
    EXPECT_TRUE(catalogue.LoadDescription(Fixture("unsafe"), 6, fine));  // the same file, reached safely
    EXPECT_EQ(fine.buttons.size(), 4u);

    const wchar_t* refused[] = {L"", L"..", L"a..b", L"a/b", L"a\\b", L"C:x", L"../x"};
    for (const wchar_t* attr : refused) EXPECT_FALSE(DeviceCatalogue::IsSafeDeviceAttr(attr)) << attr;
    for (const wchar_t* attr : {L"arvo_f1", L"m-101", L"a.b"}) EXPECT_TRUE(DeviceCatalogue::IsSafeDeviceAttr(attr));
}
