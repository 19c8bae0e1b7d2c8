// CPhotoFrame: the picture alone while normal, the overlay's second frame laid over it as
// a nine-grid with 12-pixel corners while hot or pressed; the states the pointer and the
// button move it through, and the notifications 1 and 2 in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CPhotoFrame.h"
#include "PictureTestSupport.h"
#include "TestWindow.h"

namespace {

using namespace picture_test;
using harness::TestWindow;
using Kelvo::CPhotoFrame;

constexpr DWORD Rgb(uint32_t argb) { return argb & 0xFFFFFF; }

// Two 36 × 36 frames: the first all blue (never drawn), the second a 12-pixel red rim
// around a clear middle.
std::wstring WriteOverlay() {
    std::vector<uint32_t> cells(6 * 3);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 6; ++column)
            cells[row * 6 + column] = column < 3 ? kBlue : (row == 1 && column == 4 ? kClear : kRed);
    return WriteGrid(L"kelvo-photo-overlay.png", 12, 12, 6, 3, cells);
}

class PhotoFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
        picture = WriteGrid(L"kelvo-photo-picture.png", 100, 60, 1, 1, {kGreen});  // the control's size
        overlay = WriteOverlay();
        frame = window.Add(new CPhotoFrame(&window, 60, CRect(20, 20, 120, 80), 1, 1));
    }
    void TearDown() override {
        DeleteFileW(picture.c_str());
        DeleteFileW(overlay.c_str());
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& n : window.notifications) codes.push_back(n.code);
        return codes;
    }

    TestWindow window;
    std::wstring picture;
    std::wstring overlay;
    CPhotoFrame* frame = nullptr;
};

TEST_F(PhotoFrameTest, TheOverlayFramesThePictureWhileHotOrPressed) {
    ASSERT_EQ(frame->SetPhotoFrame(picture.c_str(), 1), 1);
    ASSERT_EQ(frame->SetImage(overlay.c_str(), 2), 1);
    frame->SetShowMode(Kelvo::SHOWMODE_STRETCH, 4);
    const struct {
        CPoint at;  // inside the control
        bool rim;   // under the overlay's rim
    } probes[] = {{{1, 1}, true},   {{10, 10}, true},  {{50, 5}, true},  {{98, 58}, true}, {{5, 30}, true},
                  // The clear middle is stretched: probes keep off its blended border.
                  {{94, 30}, true}, {{20, 18}, false}, {{50, 30}, false}, {{80, 40}, false}};
    const struct {
        const char* what;
        void (*enter)(CPhotoFrame*);
        int state;
    } states[] = {
        {"normal", [](CPhotoFrame*) {}, CPhotoFrame::kNormal},
        {"hot", [](CPhotoFrame* f) { f->OnControlMouseMove(0, CPoint(60, 50)); }, CPhotoFrame::kHot},
        {"pressed", [](CPhotoFrame* f) { f->OnControlLButtonDown(0, CPoint(60, 50)); }, CPhotoFrame::kPressed},
    };
    for (const auto& s : states) {
        s.enter(frame);
        ASSERT_EQ(frame->GetState(), s.state) << s.what;
        window.PaintNow();
        for (const auto& p : probes) {
            const DWORD expected = p.rim && s.state != CPhotoFrame::kNormal ? Rgb(kRed) : Rgb(kGreen);
            EXPECT_EQ(window.Pixel(20 + p.at.x, 20 + p.at.y), expected) << s.what << " at " << p.at.x << "," << p.at.y;
        }
        EXPECT_EQ(window.Pixel(19, 50), 0xFFFFFFu) << s.what;
        EXPECT_EQ(window.Pixel(120, 50), 0xFFFFFFu) << s.what;
    }
}

TEST_F(PhotoFrameTest, PointerAndButtonMoveTheStateAndClicksAreReported) {
    const CPoint inside(60, 50), outside(200, 200);
    enum Kind { kMove, kDown, kUp };
    const struct {
        Kind kind;
        CPoint at;
        int state;
        int handled;
        std::vector<UINT> codes;  // every notification so far
    } steps[] = {
        {kMove, outside, 0, 0, {}},
        {kMove, inside, 1, 1, {}},
        {kMove, inside, 1, 0, {}},
        {kDown, inside, 2, 1, {1}},
        {kMove, outside, 2, 0, {1}},  // pressed stays pressed while the button is down
        {kUp, inside, 1, 1, {1, 2}},
        {kDown, inside, 2, 1, {1, 2, 1}},
        {kUp, outside, 0, 1, {1, 2, 1}},  // released elsewhere: no click
        {kUp, inside, 1, 1, {1, 2, 1}},   // a release without a press is no click either
        {kDown, outside, 1, 0, {1, 2, 1}},
        {kMove, outside, 0, 1, {1, 2, 1}},
    };
    int number = 0;
    for (const auto& s : steps) {
        ++number;
        int handled = 0;
        switch (s.kind) {
        case kMove: handled = frame->OnControlMouseMove(0, s.at); break;
        case kDown: handled = frame->OnControlLButtonDown(0, s.at); break;
        case kUp: handled = frame->OnControlLButtonUp(0, s.at); break;
        }
        EXPECT_EQ(frame->GetState(), s.state) << "step " << number;
        EXPECT_EQ(handled, s.handled) << "step " << number;
        EXPECT_EQ(Codes(), s.codes) << "step " << number;
    }
    for (const auto& n : window.notifications) {
        EXPECT_EQ(n.id, 60u);
        EXPECT_EQ(n.wparam, 0u);
        EXPECT_EQ(n.lparam, 0);
    }
}

TEST_F(PhotoFrameTest, ADisabledFrameIgnoresThePointer) {
    frame->SetEnabled(0);
    EXPECT_EQ(frame->OnControlMouseMove(0, CPoint(60, 50)), 0);
    EXPECT_EQ(frame->OnControlLButtonDown(0, CPoint(60, 50)), 0);
    EXPECT_EQ(frame->OnControlLButtonUp(0, CPoint(60, 50)), 0);
    EXPECT_EQ(frame->GetState(), CPhotoFrame::kNormal);
    EXPECT_TRUE(window.notifications.empty());
}

}  // namespace
