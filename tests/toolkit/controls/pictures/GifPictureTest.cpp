// CGifPicture: the frames of a real multi-frame GIF, one step every fifth tick of the
// window, drawn stretched over the control; run states, images that are not animated,
// and images set again and again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CGifPicture.h"
#include "PictureTestSupport.h"
#include "TestWindow.h"

namespace {

using namespace picture_test;
using harness::TestWindow;
using Kelvo::CGifPicture;

constexpr DWORD Rgb(uint32_t argb) { return argb & 0xFFFFFF; }

class GifPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
        gif = WriteGif(L"kelvo-three-frames.gif", 8, 8, {kRed, kGreen, kBlue});
        still = WriteGrid(L"kelvo-one-frame.png", 8, 8, 1, 1, {kYellow});
        picture = window.Add(new CGifPicture(&window, 80, CRect(20, 20, 60, 60), 1, 1));
    }
    void TearDown() override {
        DeleteFileW(gif.c_str());
        DeleteFileW(still.c_str());
    }
    DWORD Shown() {
        window.PaintNow();
        return window.Pixel(40, 40);
    }

    TestWindow window;
    std::wstring gif;
    std::wstring still;
    CGifPicture* picture = nullptr;
};

TEST_F(GifPictureTest, FramesAdvanceOnEveryFifthTickAndWrapAround) {
    EXPECT_EQ(picture->SetImage(gif.c_str(), 1), 0);  // answers 0 even when it loaded
    // Set again and again: the control still takes each tick once.
    picture->SetImage(gif.c_str(), 1);
    picture->SetImage(gif.c_str(), 1);
    ASSERT_EQ(picture->GetFrameTotal(), 3);
    EXPECT_EQ(picture->IsAnimate(), 1);
    EXPECT_EQ(Shown(), Rgb(kRed));
    Ticks ticks(window);
    ASSERT_TRUE(ticks.Started());
    ticks.Run(10);
    EXPECT_EQ(picture->GetFrameIndex(), 0);  // not running yet
    ASSERT_EQ(picture->SetRunState(1, 0), 1);
    const struct {
        int ticks;  // since the start
        int index;
        uint32_t colour;
    } steps[] = {{1, 0, kRed},    {4, 0, kRed},     {5, 1, kGreen}, {9, 1, kGreen},
                 {10, 2, kBlue},  {14, 2, kBlue},   {15, 0, kRed},  {20, 1, kGreen}};
    int done = 0;
    for (const auto& s : steps) {
        ticks.Run(s.ticks - done);
        done = s.ticks;
        EXPECT_EQ(picture->GetFrameIndex(), s.index) << "after " << s.ticks << " ticks";
        EXPECT_EQ(Shown(), Rgb(s.colour)) << "after " << s.ticks << " ticks";
    }
    ASSERT_EQ(picture->SetRunState(0, 2), 1);
    ticks.Run(20);
    EXPECT_EQ(picture->GetFrameIndex(), 2);
    picture->UpdateControl(1, 0);
    EXPECT_EQ(Shown(), Rgb(kBlue));
}

TEST_F(GifPictureTest, RunStatesStartInsideTheFrames) {
    picture->SetImage(gif.c_str(), 1);
    const struct {
        int run, frame;
        int answer, index, running;
    } cases[] = {
        {1, 2, 1, 2, 1}, {0, 1, 1, 1, 0}, {1, 3, 1, 0, 1},  // past the last frame: frame 0
        {1, -1, 1, 0, 1}, {7, 1, 1, 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(picture->SetRunState(c.run, c.frame), c.answer) << c.run << "," << c.frame;
        EXPECT_EQ(picture->GetFrameIndex(), c.index) << c.run << "," << c.frame;
        EXPECT_EQ(picture->IsRunning(), c.running) << c.run << "," << c.frame;
    }
}

TEST_F(GifPictureTest, AStillImageIsDrawnButNotAnimated) {
    picture->SetImage(still.c_str(), 1);
    EXPECT_EQ(picture->GetFrameTotal(), 1);
    EXPECT_EQ(picture->IsAnimate(), 0);
    EXPECT_EQ(picture->SetRunState(1, 0), 0);
    EXPECT_EQ(picture->IsRunning(), 0);
    EXPECT_EQ(Shown(), Rgb(kYellow));
    EXPECT_EQ(window.Pixel(22, 22), Rgb(kYellow));  // stretched over the whole control
    EXPECT_EQ(window.Pixel(19, 40), 0xFFFFFFu);
}

TEST_F(GifPictureTest, NoImageWithoutAWindowOrAFile) {
    CGifPicture detached(nullptr, 81, CRect(0, 0, 10, 10), 1, 1);
    EXPECT_EQ(detached.SetImage(gif.c_str(), 1), 0);
    EXPECT_EQ(detached.GetFrameTotal(), 0);
    EXPECT_EQ(detached.SetRunState(1, 0), 0);

    picture->SetImage((gif + L".missing.gif").c_str(), 1);
    EXPECT_EQ(picture->GetFrameTotal(), 0);
    EXPECT_EQ(Shown(), 0xFFFFFFu);
}

TEST_F(GifPictureTest, WithMouseMoveActiveThePointerRunsTheAnimation) {
    picture->SetImage(gif.c_str(), 1);
    picture->SetMouseMoveActive(true);
    Ticks ticks(window);
    const struct {
        CPoint at;
        int ticks;  // before the next move
        int running, index;
    } steps[] = {
        {{40, 40}, 6, 1, 1},  // inside: plays
        {{41, 40}, 3, 1, 0},  // every move inside starts over
        {{200, 200}, 10, 0, 0},  // outside: stops at the first frame
    };
    for (const auto& s : steps) {
        EXPECT_EQ(picture->OnControlMouseMove(0, s.at), 0);
        ticks.Run(s.ticks);
        EXPECT_EQ(picture->IsRunning(), s.running) << s.at.x;
        EXPECT_EQ(picture->GetFrameIndex(), s.index) << s.at.x;
    }
}

}  // namespace
