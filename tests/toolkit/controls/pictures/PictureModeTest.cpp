// MPicture in each show mode, pixel by pixel in the window's back buffer: natural size by
// alignment, tiles cropped at the far edges, stretched, nine-grid by corner and by four
// margins, and a source rectangle; what SetShowMode answers; loads that fail; and the
// class names of the whole family.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CArea.h"
#include "ControlFactory.h"
#include "MPicture.h"
#include "PictureTestSupport.h"
#include "TestWindow.h"

namespace {

using namespace picture_test;
using harness::TestWindow;
using Kelvo::MPicture;

constexpr COLORREF kWhiteRef = RGB(0xFF, 0xFF, 0xFF);
constexpr DWORD kWhite = 0xFFFFFF;
constexpr DWORD Rgb(uint32_t argb) { return argb & 0xFFFFFF; }

// 30 × 20: red, green over blue, yellow.
const std::vector<uint32_t> kQuadrants = {kRed, kGreen, kBlue, kYellow};
// 30 × 30 in 10 × 10 cells, row by row.
const std::vector<uint32_t> kNine = {kRed, kGreen, kBlue, kYellow, kCyan, kMagenta, kOrange, kPurple, kGrey};
DWORD Cell(int column, int row) { return Rgb(kNine[row * 3 + column]); }
DWORD Quadrant(int x, int y) { return Rgb(kQuadrants[(y / 10) * 2 + x / 15]); }

class PictureModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Manager().SetBackColor(kWhiteRef, kWhiteRef);
        quadrants = WriteGrid(L"kelvo-picture-quadrants.png", 15, 10, 2, 2, kQuadrants);
        nine = WriteGrid(L"kelvo-picture-nine.png", 10, 10, 3, 3, kNine);
    }
    void TearDown() override {
        DeleteFileW(quadrants.c_str());
        DeleteFileW(nine.c_str());
    }
    MPicture* Add(CRect rect) { return window.Add(new MPicture(&window, 40, rect, 1, 1)); }
    // A pixel of the control's rectangle, counted from its top-left corner.
    DWORD At(const MPicture* picture, int x, int y) {
        return window.Pixel(picture->GetRect().left + x, picture->GetRect().top + y);
    }

    TestWindow window;
    std::wstring quadrants;
    std::wstring nine;
};

TEST_F(PictureModeTest, NaturalSizeIsPlacedByTheAlignment) {
    const struct {
        int width, height, hAlign, vAlign;
        CPoint origin;  // where the picture's top-left corner lands inside the control
    } cases[] = {
        {100, 50, DT_LEFT, DT_TOP, {0, 0}},
        {100, 50, DT_CENTER, DT_VCENTER, {35, 15}},
        {100, 50, DT_RIGHT, DT_BOTTOM, {70, 30}},
        {100, 50, 7, 3, {35, 15}},  // any other value centres
        {20, 10, DT_CENTER, DT_VCENTER, {-5, -5}},  // larger than the control: cut on every side
        {21, 11, DT_CENTER, DT_VCENTER, {-4, -4}},  // integer halves
    };
    for (const auto& c : cases) {
        MPicture* picture = Add(CRect(20, 20, 20 + c.width, 20 + c.height));
        ASSERT_EQ(picture->SetImage(quadrants.c_str(), 1), 1);
        picture->SetAlignment(c.hAlign, c.vAlign);
        picture->UpdateControl(1, 0);
        window.PaintNow();
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const int ix = x - c.origin.x, iy = y - c.origin.y;
                const DWORD expected = ix >= 0 && ix < 30 && iy >= 0 && iy < 20 ? Quadrant(ix, iy) : kWhite;
                if (At(picture, x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << c.width << "x" << c.height << " align " << c.hAlign << "," << c.vAlign << " at "
                                  << x << "," << y << ": " << std::hex << At(picture, x, y) << " not " << expected;
            }
        EXPECT_EQ(window.Pixel(19, 20), kWhite);  // nothing outside the control
        EXPECT_EQ(window.Pixel(20 + c.width, 20 + c.height - 1), kWhite);
        window.Manager().RemoveControl(picture);
    }
}

TEST_F(PictureModeTest, TilesRepeatFromTheCornerAndTheLastColumnAndRowAreCropped) {
    MPicture* picture = Add(CRect(20, 20, 120, 70));
    ASSERT_EQ(picture->SetImage(quadrants.c_str(), 1), 1);
    EXPECT_EQ(picture->SetShowMode(Kelvo::SHOWMODE_TILE, 4), 1);
    window.PaintNow();
    // Columns 30, 30, 30, 10 and rows 20, 20, 10, each the image's top-left part.
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            if (At(picture, x, y) != Quadrant(x % 30, y % 20) && ++wrong <= 3)
                ADD_FAILURE() << "at " << x << "," << y << ": " << std::hex << At(picture, x, y);
    EXPECT_EQ(window.Pixel(120, 40), kWhite);
    EXPECT_EQ(window.Pixel(60, 70), kWhite);

    // The same mode without a picture leaves the window as it is.
    MPicture* empty = Add(CRect(150, 20, 250, 70));
    empty->SetShowMode(Kelvo::SHOWMODE_TILE, 4);
    window.PaintNow();
    for (CPoint p : {CPoint(0, 0), CPoint(50, 25), CPoint(99, 49)}) EXPECT_EQ(At(empty, p.x, p.y), kWhite);
}

struct Probe {
    CPoint at;
    DWORD rgb;
};

void ExpectProbes(TestWindow& window, const MPicture* picture, const std::vector<Probe>& probes, const char* what) {
    for (const Probe& p : probes)
        EXPECT_EQ(window.Pixel(picture->GetRect().left + p.at.x, picture->GetRect().top + p.at.y), p.rgb)
            << what << " at " << p.at.x << "," << p.at.y;
}

TEST_F(PictureModeTest, StretchedNineGridAndSourceRectangleModesFillTheControl) {
    const struct {
        const char* what;
        bool nineCells;
        int frames;
        int mode;
        int parameter;
        CRect source;
        std::vector<Probe> probes;
    } cases[] = {
        {"stretched", false, 1, Kelvo::SHOWMODE_STRETCH, 4, {},
         {{{25, 12}, Rgb(kRed)}, {{75, 12}, Rgb(kGreen)}, {{25, 37}, Rgb(kBlue)}, {{75, 37}, Rgb(kYellow)}}},
        {"stretched, first of two frames", false, 2, Kelvo::SHOWMODE_STRETCH, 4, {},
         {{{25, 12}, Rgb(kRed)}, {{75, 12}, Rgb(kRed)}, {{25, 37}, Rgb(kBlue)}, {{75, 37}, Rgb(kBlue)}}},
        {"nine-grid with corners of 10", true, 1, Kelvo::SHOWMODE_FRAME, 10, {},
         {{{1, 1}, Cell(0, 0)}, {{8, 8}, Cell(0, 0)}, {{95, 5}, Cell(2, 0)}, {{5, 45}, Cell(0, 2)},
          {{98, 48}, Cell(2, 2)}, {{50, 5}, Cell(1, 0)}, {{5, 25}, Cell(0, 1)}, {{95, 25}, Cell(2, 1)},
          {{50, 45}, Cell(1, 2)}, {{50, 25}, Cell(1, 1)}}},
        {"source rectangle of the middle row", true, 1, Kelvo::SHOWMODE_CUSTOM, 0, CRect(0, 10, 30, 20),
         {{{10, 5}, Cell(0, 1)}, {{10, 45}, Cell(0, 1)}, {{50, 25}, Cell(1, 1)}, {{90, 45}, Cell(2, 1)}}},
        {"source rectangle of one cell", true, 1, Kelvo::SHOWMODE_CUSTOM, 0, CRect(20, 20, 30, 30),
         {{{10, 8}, Cell(2, 2)}, {{50, 25}, Cell(2, 2)}, {{90, 42}, Cell(2, 2)}}},
    };
    for (const auto& c : cases) {
        MPicture* picture = Add(CRect(20, 20, 120, 70));
        ASSERT_EQ(picture->SetImage((c.nineCells ? nine : quadrants).c_str(), c.frames), 1);
        picture->SetCustomRect(c.source);
        picture->SetShowMode(static_cast<Kelvo::enumShowMode>(c.mode), c.parameter);
        window.PaintNow();
        ExpectProbes(window, picture, c.probes, c.what);
        window.Manager().RemoveControl(picture);
    }
}

TEST_F(PictureModeTest, FourMarginsSizeEachColumnAndRowOnItsOwn) {
    MPicture* picture = Add(CRect(20, 20, 120, 70));
    ASSERT_EQ(picture->SetImage(nine.c_str(), 1), 1);
    // Left column 5 wide, right column 15 wide (the image's x 15 … 30), rows 10 high.
    EXPECT_EQ(picture->SetShowModeMID(5, 10, 15, 10), 1);
    EXPECT_EQ(picture->GetShowMode(), Kelvo::SHOWMODE_FRAME_MID);
    window.PaintNow();
    ExpectProbes(window, picture,
                 {{{2, 5}, Cell(0, 0)}, {{87, 5}, Cell(1, 0)}, {{96, 5}, Cell(2, 0)}, {{2, 45}, Cell(0, 2)},
                  {{87, 45}, Cell(1, 2)}, {{96, 45}, Cell(2, 2)}, {{25, 25}, Cell(0, 1)}, {{65, 25}, Cell(1, 1)},
                  {{96, 25}, Cell(2, 1)}},
                 "margins 5, 10, 15, 10");
    EXPECT_EQ(picture->SetShowModeMID(5, 10, 15, 10), 1);  // even when nothing changes
}

TEST_F(PictureModeTest, SetShowModeAnswersWhetherAnythingChanged) {
    MPicture* picture = Add(CRect(20, 20, 120, 70));
    const struct {
        int mode, parameter, answer;
    } steps[] = {
        {0, 4, 0},   // the initial mode
        {3, 10, 1},  {3, 10, 0}, {3, 7, 1},  // in mode 3 the corner size counts
        {2, 4, 1},   {2, 7, 0},              // elsewhere it does not
        {0, 4, 1},   {0, 9, 0},  {5, 0, 1},  {9, 0, 1}, {9, 0, 0},
    };
    for (const auto& s : steps)
        EXPECT_EQ(picture->SetShowMode(static_cast<Kelvo::enumShowMode>(s.mode), s.parameter), s.answer)
            << s.mode << "," << s.parameter;
}

TEST_F(PictureModeTest, AFailedLoadLeavesNoPictureButTheOldSize) {
    MPicture* picture = Add(CRect(20, 20, 120, 70));
    picture->SetShowMode(Kelvo::SHOWMODE_STRETCH, 4);
    const std::wstring missing = quadrants + L".missing.png";
    const struct {
        const std::wstring* path;
        int frames;
        int answer;
        CSize size;
        DWORD centre;  // the control's centre after the load
    } steps[] = {
        {&quadrants, 1, 1, {30, 20}, Rgb(kYellow)},
        {&missing, 1, 0, {30, 20}, kWhite},
        {&quadrants, 0, 1, {30, 20}, Rgb(kYellow)},  // fewer than one frame count as one
        {&quadrants, 2, 1, {15, 20}, Rgb(kBlue)},
        {&quadrants, 100, 1, {0, 20}, kWhite},  // frames narrower than a pixel draw nothing
        {&missing, 3, 0, {0, 20}, kWhite},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(picture->SetImage(s.path->c_str(), s.frames), s.answer);
        EXPECT_EQ(picture->GetImageSize(), s.size) << s.frames;
        // The same answer where the application holds the picture as any skinned control.
        EXPECT_EQ(static_cast<Kelvo::MControlFont*>(picture)->GetImageSize(), s.size) << s.frames;
        window.PaintNow();  // the load itself asked for the picture to be drawn again
        EXPECT_EQ(At(picture, 55, 30), s.centre) << s.frames;
    }
}

TEST_F(PictureModeTest, APictureLoadsBeforeItHasAWindow) {
    auto* picture = new MPicture(&window, 41, CRect(20, 20, 50, 40), 1, 1);
    ASSERT_EQ(picture->SetImage(quadrants.c_str(), 1), 1);
    EXPECT_EQ(picture->GetImageSize(), CSize(30, 20));
    window.Add(picture);
    window.PaintNow();
    EXPECT_EQ(window.Pixel(21, 21), Rgb(kRed));
    EXPECT_EQ(window.Pixel(48, 38), Rgb(kYellow));
}

TEST(PictureClassNameTest, EachNameMakesItsClassInBothTablesWithItsShape) {
    const struct {
        const wchar_t* name;
        bool enabled;  // asked for enabled
    } rows[] = {
        {L"MPicture", true}, {L"CPhotoFrame", true}, {L"CSliderPicture", true}, {L"CGifPicture", true},
        {L"MProgress", true}, {L"CArea", true}, {L"MText", false},  // static text is made disabled
    };
    TestWindow window;
    for (bool dialog : {true, false})
        for (const auto& row : rows) {
            Kelvo::MControl* made =
                dialog ? Kelvo::CreateDialogControl(row.name, &window, 77, CRect(1, 2, 30, 40), L"t", 1, 1)
                       : Kelvo::CreatePanelControl(row.name, &window, 77, CRect(1, 2, 30, 40), L"t", 1, 1);
            ASSERT_NE(made, nullptr) << (dialog ? "dialog " : "panel ");
            EXPECT_STREQ(made->GetClassNameW(), row.name);
            EXPECT_EQ(made->GetControlID(), 77u);
            EXPECT_EQ(made->GetRect(), CRect(1, 2, 30, 40));
            EXPECT_EQ(made->IsVisible(), 1);
            EXPECT_EQ(made->IsEnabled(), row.enabled ? 1 : 0);
            EXPECT_EQ(made->GetRresponse(), 1);
            delete made;
        }
    EXPECT_EQ(Kelvo::CreateDialogControl(L"mpicture", &window, 1, CRect(), L"", 1, 1), nullptr);
    Kelvo::MControl* hidden = Kelvo::CreateDialogControl(L"CArea", &window, 78, CRect(), L"", 0, 0);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->IsVisible(), 0);
    EXPECT_EQ(hidden->IsEnabled(), 0);
    delete hidden;
}

}  // namespace
