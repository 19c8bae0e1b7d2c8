// What the edit box and the number edits' buttons leave in the window's back buffer:
// the shipped skin's cell of each look.
#include <gtest/gtest.h>

#include <functional>

#include "CImageButton.h"
#include "InputDriver.h"
#include "MEdit.h"
#include "NumberEdit.h"
#include "TextTestSupport.h"

namespace {

using texttest::SkinPixel;

class TextPaintTest : public ::testing::Test {
protected:
    TextPaintTest() { window.Manager().SetBackColor(RGB(0, 0, 0), RGB(0, 0, 0)); }

    harness::TestWindow window;
    texttest::Recorder recorder{window};
    harness::InputDriver input{window};
};

// The box is as tall as a cell, so a point near its left edge (inside the nine-grid's
// corner column) shows the cell's pixel one to one.
TEST_F(TextPaintTest, TheEditBoxShowsTheSkinCellOfEachLook) {
    const CRect box(20, 20, 220, 52);
    auto* edit = window.Add(new Kelvo::MEdit(&recorder, 1, box, L"", 1, 1));
    ASSERT_EQ(edit->SetImage(texttest::SkinFile(L"img_edit.png").c_str(), 4), 1);
    const CPoint probe(3, 16);
    const struct {
        const char* look;
        std::function<void()> go;
        int cell;
    } looks[] = {
        {"normal", [&] { input.MoveTo(CPoint(300, 250)); }, 0},
        {"hover", [&] { input.MoveTo(box.CenterPoint()); }, 1},
        {"editing", [&] { input.Click(box.CenterPoint()); }, 2},
        {"disabled", [&] { edit->SetEnabled(0); }, 3},
    };
    for (const auto& l : looks) {
        SCOPED_TRACE(l.look);
        l.go();
        window.PaintNow();
        EXPECT_EQ(window.Pixel(box.left + probe.x, box.top + probe.y), SkinPixel(L"img_edit.png", l.cell * 64 + probe.x, probe.y));
    }
    EXPECT_NE(SkinPixel(L"img_edit.png", probe.x, probe.y), SkinPixel(L"img_edit.png", 64 + probe.x, probe.y))
        << "the looks differ where the test looks";
}

TEST_F(TextPaintTest, TheNumberEditButtonsShowTheirSkinFrames) {
    auto* edit = window.Add(new Kelvo::NumberEdit(&recorder, 1, CRect(20, 20, 120, 46), 1));
    auto* increase = static_cast<Kelvo::CImageButton*>(edit->GetControl(Kelvo::NumberEditBase::kIncreaseId));
    ASSERT_EQ(increase->SetImage(texttest::SkinFile(L"img_btn_addvalue.png").c_str(), 4), 1);
    const CRect button = increase->GetRect();
    ASSERT_EQ(button.Width(), 15);
    const CPoint probe(3, 4);  // inside the round face, off the glyph
    const struct {
        const char* look;
        std::function<void()> go;
        int frame;
    } looks[] = {
        {"normal", [&] { input.MoveTo(CPoint(300, 250)); }, 0},
        {"hover", [&] { input.MoveTo(button.CenterPoint()); }, 1},
        {"pressed", [&] { input.LeftDown(); }, 2},
        {"disabled",
         [&] {
             input.LeftUp();
             input.MoveTo(CPoint(300, 250));
             edit->SetEnabled(0);
         },
         3},
    };
    for (const auto& l : looks) {
        SCOPED_TRACE(l.look);
        l.go();
        window.PaintNow();
        EXPECT_EQ(window.Pixel(button.left + probe.x, button.top + probe.y),
                  SkinPixel(L"img_btn_addvalue.png", l.frame * 15 + probe.x, probe.y));
    }
}

}  // namespace
