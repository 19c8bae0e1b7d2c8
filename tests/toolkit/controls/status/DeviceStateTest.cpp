// The device-state plate in a real window: frame 0 of the shipped plate stretched over the
// control, and in GDI text mode the control widening (or narrowing) itself to the title's
// width plus 30 on the next paint; with GDI+ text it keeps its size.
#include <gtest/gtest.h>

#include "CDeviceState.h"
#include "StatusTestSupport.h"

namespace {

using statustest::Near;
using statustest::Over;

const CRect kPlate(20, 280, 60, 304);  // 40 x 24: the plate's own size

int TitleWidth(Kelvo::CDeviceState& state, const wchar_t* title) {
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, state.GetGDIFont());
    RECT box{0, 0, 200, 0};
    ::DrawTextW(screen, title, -1, &box, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    return box.right - box.left;
}

class DeviceStateTest : public ::testing::Test {
protected:
    void SetUp() override { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }

    Kelvo::CDeviceState* MakeState(const wchar_t* title) {
        auto* state = window.Add(new Kelvo::CDeviceState(&recorder, 340, kPlate, title, 1, 1));
        EXPECT_EQ(state->SetImage(statustest::SkinPath(L"img_area.png").c_str(), 4), 1);
        return state;
    }
    // Paints until nothing is left to paint (a plate that resized itself asks once more).
    void Settle() {
        window.PaintNow();
        window.Pump(50);
        window.PaintNow();
    }
    // The plate's fill (frame 0, not the hover frame) at the control's top middle.
    void ExpectPlateAcross(const CRect& rect) {
        const DWORD fill = Over(plate.At(20, 2), statustest::kBackground);
        ASSERT_FALSE(Near(fill, Over(plate.At(40 + 20, 2), statustest::kBackground), 8)) << "frames 0 and 1 differ";
        for (int x : {rect.left + rect.Width() / 4, rect.CenterPoint().x, rect.right - rect.Width() / 4})
            EXPECT_TRUE(Near(window.Pixel(x, rect.top + 2), fill)) << x;
        EXPECT_EQ(window.Pixel(rect.right + 1, rect.top + 2), statustest::kBackground);
    }

    harness::TestWindow window;
    statustest::Recorder recorder{window};
    statustest::SkinPicture plate{L"img_area.png"};
};

TEST_F(DeviceStateTest, InGdiTextModeTheControlFitsItsTitle) {
    Kelvo::CDeviceState* state = MakeState(L"Connected");
    const wchar_t* titles[] = {L"Connected", L"Wireless receiver connected", L"Off", nullptr};
    for (const wchar_t* title : titles) {
        SCOPED_TRACE(title ? title : L"(null)");
        state->SetTitle(title);
        Settle();
        const CRect rect = state->GetRect();
        EXPECT_EQ(rect.left, kPlate.left);
        EXPECT_EQ(rect.top, kPlate.top);
        if (title)
            EXPECT_EQ(rect.Width(), TitleWidth(*state, title) + 30);
        else
            EXPECT_EQ(rect.Width(), TitleWidth(*state, L"Off") + 30) << "no title: the plate keeps its size";
        ExpectPlateAcross(rect);
    }
    EXPECT_TRUE(recorder.seen.empty());
}

TEST_F(DeviceStateTest, WithGdiplusTextThePlateKeepsItsSize) {
    Kelvo::CDeviceState* state = MakeState(L"Wireless receiver connected");
    state->SetTextByGdi(0);
    Settle();
    EXPECT_EQ(state->GetRect(), kPlate);
    ExpectPlateAcross(kPlate);
}

}  // namespace
