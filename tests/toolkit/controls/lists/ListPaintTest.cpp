// What the lists and combo boxes leave in the window's back buffer, compared with the
// shipped skin: the combo's four looks, the grouped combo's flat cells with the arrow at
// its natural size, the colour swatch struck through while disabled, and the filled and
// outlined rows of the lists.
#include <gtest/gtest.h>

#include "CColorCombo.h"
#include "DListBox.h"
#include "InputDriver.h"
#include "ListTestSupport.h"
#include "MComboBox.h"
#include "MComboBox2.h"
#include "MListBox.h"

namespace {

using listtest::SelectRgb;
using listtest::SkinPixel;

constexpr DWORD kBackground = 0x102030;
const CRect kCombo(20, 20, 140, 50);  // one skin frame, 120 x 30, drawn unstretched

class ListPaintTest : public ::testing::Test {
public:  // the steps of the tables below drive the fixture
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    harness::TestWindow window;
    listtest::Recorder recorder{window};
    harness::InputDriver input{window};
};

TEST_F(ListPaintTest, TheComboShowsTheSkinFrameOfEachLook) {
    auto* combo = window.Add(new Kelvo::MComboBox(&recorder, 1, kCombo, 1, 1));
    combo->SetImage(L"img_combobox.png", 4);
    combo->AddItem(L"", 1, nullptr, 0);
    const struct {
        const char* look;
        int frame;
        void (*set)(ListPaintTest&, Kelvo::MComboBox*);
    } looks[] = {
        {"normal", 0, [](ListPaintTest& t, Kelvo::MComboBox*) { t.input.MoveTo(CPoint(300, 250)); }},
        {"hover", 1, [](ListPaintTest& t, Kelvo::MComboBox*) { t.input.MoveTo(kCombo.CenterPoint()); }},
        {"pressed", 2, [](ListPaintTest& t, Kelvo::MComboBox*) { t.input.LeftDown(); }},
        {"dropped", 2, [](ListPaintTest& t, Kelvo::MComboBox* c) {
             t.input.LeftUp();
             ASSERT_NE(c->GetPopup(), nullptr);
         }},
        {"disabled", 3, [](ListPaintTest& t, Kelvo::MComboBox* c) {
             t.input.Key(VK_ESCAPE);
             c->SetEnabled(0);
         }},
    };
    // A point of the face, one of the edge and one of the arrow, in frame coordinates.
    const CPoint probes[] = {{20, 15}, {40, 0}, {104, 16}};
    for (const auto& look : looks) {
        SCOPED_TRACE(look.look);
        look.set(*this, combo);
        window.PaintNow();
        for (const CPoint& p : probes)
            EXPECT_EQ(window.Pixel(kCombo.left + p.x, kCombo.top + p.y),
                      SkinPixel(L"img_combobox.png", look.frame * 120 + p.x, p.y))
                << p.x << "," << p.y;
    }
}

// Pages make their combos first and place them later: the text goes where the box is.
TEST_F(ListPaintTest, AComboPlacedAfterItWasMadeShowsItsText) {
    auto* combo = window.Add(new Kelvo::MComboBox(&recorder, 1, CRect(), 1, 1));
    combo->SetImage(L"img_combobox.png", 4);
    combo->SetTextColorEx(0xFFFFFFFF, 0xFFFFFFFF);
    combo->AddItem(L"88888", 1, nullptr, 0xFFFFFFFF);
    combo->SetCurSel(0);
    combo->SetControlRect(kCombo);
    window.PaintNow();
    int light = 0;
    for (int y = kCombo.top; y < kCombo.bottom; ++y)
        for (int x = kCombo.left; x < kCombo.right - 32; ++x) light += (window.Pixel(x, y) & 0xFF) > 0xC0;
    EXPECT_GT(light, 20) << "no text in the box";
}

TEST_F(ListPaintTest, TheGroupedComboDrawsFlatCellsWithTheArrowAtItsNaturalSize) {
    auto* combo = window.Add(new Kelvo::MComboBox2(&recorder, 1, kCombo, 1, 1));
    combo->SetImage(L"img_combobox_drop.png", 4);
    const DWORD cell = 0x333333;
    // The arrow frame is 10 x 6, its right edge 15 pixels from the cell's: (95 ... 105, 12 ... 18).
    const CPoint arrowInFrame(2, 2);  // a nearly opaque pixel of the stroke
    const CPoint arrowAt(kCombo.right - 15 - 10 + arrowInFrame.x, kCombo.top + 12 + arrowInFrame.y);
    const struct {
        const char* look;
        int frame;
        void (*set)(Kelvo::MComboBox2*);
        DWORD fill, corner;
    } looks[] = {
        {"normal", 0, [](Kelvo::MComboBox2*) {}, cell, cell},
        {"hover", 1, [](Kelvo::MComboBox2* c) { c->OnControlMouseMove(0, kCombo.CenterPoint()); }, cell, SelectRgb()},
        {"checked", 2, [](Kelvo::MComboBox2* c) { c->SetControlCheck(1); }, SelectRgb(), SelectRgb()},
        {"disabled", 3, [](Kelvo::MComboBox2* c) { c->SetEnabled(0); }, cell, cell},
    };
    for (const auto& look : looks) {
        SCOPED_TRACE(look.look);
        look.set(combo);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(kCombo.left + 20, kCombo.top + 15), look.fill);
        EXPECT_EQ(window.Pixel(kCombo.left + 1, kCombo.top + 1), look.corner);
        const DWORD arrow =
            listtest::SkinPixelOver(L"img_combobox_drop.png", look.frame * 10 + arrowInFrame.x, arrowInFrame.y, look.fill);
        EXPECT_PRED2([](DWORD a, DWORD b) { return listtest::Near(a, b); }, window.Pixel(arrowAt.x, arrowAt.y), arrow);
    }
}

TEST_F(ListPaintTest, TheColourSwatchIsStruckThroughOnlyWhileDisabled) {
    auto* swatch = window.Add(new Kelvo::CColorCombo(&recorder, 1, CRect(20, 20, 60, 60), 1, 1));
    swatch->SetAreaColor(0xFF00C000);
    const struct {
        int enabled;
        DWORD onDiagonal, edge;
    } looks[] = {{1, 0x00C000, 0x050505}, {0, 0xFF0000, 0x808080}};
    for (const auto& look : looks) {
        swatch->SetEnabled(look.enabled);
        window.PaintNow();
        // The colours are 0xFE opaque: the background shows through by a unit.
        EXPECT_TRUE(listtest::Near(window.Pixel(40, 39), look.onDiagonal)) << look.enabled;
        EXPECT_TRUE(listtest::Near(window.Pixel(40, 59), look.edge)) << look.enabled;
    }
}

TEST_F(ListPaintTest, ListsFillTheSelectedRowAndMarkTheHoveredOne) {
    auto* plain = window.Add(new Kelvo::MListBox(&recorder, 1, CRect(20, 20, 180, 140), 1));
    auto* profiles = window.Add(new Kelvo::DListBox(&recorder, 2, CRect(200, 20, 360, 140), 1));
    for (int i = 0; i < 3; ++i) {
        plain->AddString(L"", -1);
        profiles->AddString(L"", -1);
    }
    plain->SetCurSel(0);
    profiles->SetCurSel(0);
    input.MoveTo(CPoint(100, 20 + 30 + 15));  // MListBox row 1
    window.PaintNow();
    EXPECT_EQ(window.Pixel(60, 35), SelectRgb()) << "MListBox selected row";
    EXPECT_EQ(window.Pixel(60, 65), SelectRgb()) << "MListBox hovered row";
    EXPECT_EQ(window.Pixel(60, 95), kBackground) << "MListBox plain row";

    input.MoveTo(CPoint(280, 20 + 36 + 18));  // DListBox row 1
    window.PaintNow();
    EXPECT_EQ(window.Pixel(60, 65), kBackground) << "MListBox row no longer hovered";
    EXPECT_EQ(window.Pixel(200, 38), kBackground) << "DListBox selection starts at x + 1";
    EXPECT_EQ(window.Pixel(201, 38), SelectRgb()) << "DListBox selected row";
    EXPECT_EQ(window.Pixel(202, 20 + 36 + 2), SelectRgb()) << "DListBox hover outline";
    EXPECT_EQ(window.Pixel(203, 20 + 36 + 3), SelectRgb()) << "outline is two pixels";
    EXPECT_EQ(window.Pixel(204, 20 + 36 + 4), kBackground) << "DListBox hovered row inside the outline";
}

}  // namespace
