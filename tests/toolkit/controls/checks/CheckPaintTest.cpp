// What the buttons leave in the window's back buffer: each state and check shows its own
// frame of the skin strip at natural size at the left, centred vertically; the colour
// button fills itself with its colour reference and outlines itself by state; the switch
// shows the strip of its current check.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CColorButton.h"
#include "CSwitchButton.h"
#include "CheckTestSupport.h"
#include "TestWindow.h"

namespace {

constexpr int kBox = 12;
const CRect kRect(20, 20, 160, 44);             // 24 high: the box sits at y 26 … 37
const CPoint kBoxProbe(20 + kBox / 2, 32);
const CPoint kPastTheBox(20 + kBox + 4, 32);     // between the box and the (empty) title
constexpr DWORD kBackground = 0x102030;

const std::vector<uint32_t> kEight = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                                      0xFF00FFFF, 0xFFFF00FF, 0xFF804000, 0xFF004080};
const std::vector<uint32_t> kFour = {0xFFC00000, 0xFF00C000, 0xFF0000C0, 0xFFC0C000};
const std::vector<uint32_t> kOn = {0xFF10E010, 0xFF20D020, 0xFF30C030, 0xFF40B040};
const std::vector<uint32_t> kOff = {0xFFE01010, 0xFFD02020, 0xFFC03030, 0xFFB04040};

// The look the pointer or the enabled flag gives a button, through its handlers.
enum class Look { kNormal, kHover, kPressed, kDisabled };

void Show(Kelvo::MControl* button, Look look) {
    const CPoint inside = button->GetRect().CenterPoint();
    if (look == Look::kDisabled) button->SetEnabled(0);
    if (look == Look::kHover || look == Look::kPressed) button->OnControlMouseMove(0, inside);
    if (look == Look::kPressed) button->OnControlLButtonDown(0, inside);
}

class CheckPaintTest : public ::testing::Test {
protected:
    CheckPaintTest() { window.Manager().SetBackColor(RGB(0x10, 0x20, 0x30), RGB(0x10, 0x20, 0x30)); }
    ~CheckPaintTest() override {
        for (const std::wstring& file : files) DeleteFileW(file.c_str());
    }
    // A fresh button of `kind` that the pointer cannot reach.
    Kelvo::MControl* Button(const char* kind) {
        window.Manager().ClearControls();
        Kelvo::MControl* button = window.Add(checktest::MakeButton(kind, &window, 60, kRect));
        button->SetRresponse(0);
        return button;
    }
    std::wstring Strip(const wchar_t* name, const std::vector<uint32_t>& colours) {
        files.push_back(checktest::WriteStrip(name, kBox, colours));
        return files.back();
    }

    harness::TestWindow window;
    std::vector<std::wstring> files;
};

TEST_F(CheckPaintTest, EachLookAndCheckShowsItsFrame) {
    const std::wstring eight = Strip(L"kelvo-check-eight.png", kEight);
    const std::wstring four = Strip(L"kelvo-check-four.png", kFour);
    const struct {
        const char* kind;
        int check;
        Look look;
        int frame;
    } cases[] = {
        {"check", 0, Look::kNormal, 0},        {"check", 0, Look::kHover, 1},
        {"check", 0, Look::kPressed, 2},       {"check", 0, Look::kDisabled, 3},
        {"check", 1, Look::kNormal, 4},        {"check", 1, Look::kHover, 5},
        {"check", 1, Look::kPressed, 6},       {"check", 1, Look::kDisabled, 7},
        {"text check", 1, Look::kHover, 5},    {"text check", 0, Look::kDisabled, 3},
        {"radio", 0, Look::kHover, 1},         {"radio", 1, Look::kNormal, 4},
        {"radio", 1, Look::kDisabled, 7},      {"select", 0, Look::kNormal, 0},
        {"select", 0, Look::kHover, 1},        {"select", 0, Look::kPressed, 2},
        {"select", 0, Look::kDisabled, 3},     {"select", 1, Look::kNormal, 2},
        {"select", 1, Look::kHover, 2},        {"select", 1, Look::kDisabled, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " check " + std::to_string(c.check) + " frame " + std::to_string(c.frame));
        Kelvo::MControl* button = Button(c.kind);
        const bool eightFrames = std::string(c.kind) != "select";
        auto* font = dynamic_cast<Kelvo::MControlFont*>(button);
        ASSERT_EQ(font->SetImage((eightFrames ? eight : four).c_str(), eightFrames ? 8 : 4), 1);
        checktest::SetCheckOf(button, c.check);
        Show(button, c.look);
        window.PaintNow();
        const std::vector<uint32_t>& colours = eightFrames ? kEight : kFour;
        EXPECT_EQ(window.Pixel(kBoxProbe.x, kBoxProbe.y), colours[c.frame] & 0xFFFFFF);
        // The box keeps its natural size: its corners, and nothing above, below or beside it.
        EXPECT_EQ(window.Pixel(20, 26), colours[c.frame] & 0xFFFFFF);
        EXPECT_EQ(window.Pixel(31, 37), colours[c.frame] & 0xFFFFFF);
        EXPECT_EQ(window.Pixel(20, 25), kBackground);
        EXPECT_EQ(window.Pixel(20, 38), kBackground);
        EXPECT_EQ(window.Pixel(kPastTheBox.x, kPastTheBox.y), kBackground);
    }
}

TEST_F(CheckPaintTest, TheColourButtonFillsWithItsColourReferenceAndOutlinesByState) {
    // Colour reference 0x0000FF is red: 0xFF0000 in the buffer.
    const DWORD red = 0xFF0000, white = 0xFFFFFF, grey = 0x808080;
    const struct {
        const char* name;
        int check;
        Look look;
        DWORD rim;  // the two outermost rows and columns
    } cases[] = {
        {"normal", 0, Look::kNormal, red},   {"hover", 0, Look::kHover, white},
        {"pressed", 0, Look::kPressed, white}, {"checked", 1, Look::kNormal, white},
        {"disabled", 0, Look::kDisabled, grey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* swatch = static_cast<Kelvo::CColorButton*>(Button("colour"));
        swatch->SetColor(0x0000FF);
        EXPECT_EQ(swatch->GetColor(), 0x0000FFu);
        checktest::SetCheckOf(swatch, c.check);
        Show(swatch, c.look);
        window.PaintNow();
        const CRect r = kRect;
        for (CPoint p : {CPoint(r.left, r.top), CPoint(r.left + 1, r.top + 1), CPoint(r.right - 1, r.bottom - 1),
                         CPoint(r.right - 2, r.bottom - 2), CPoint(r.left, r.bottom - 1), CPoint(r.right - 2, r.top)})
            EXPECT_EQ(window.Pixel(p.x, p.y), c.rim) << p.x << "," << p.y;
        for (CPoint p : {CPoint(r.left + 2, r.top + 2), CPoint(r.right - 3, r.bottom - 3), r.CenterPoint()})
            EXPECT_EQ(window.Pixel(p.x, p.y), red) << p.x << "," << p.y;
        EXPECT_EQ(window.Pixel(r.left - 1, r.top), kBackground);
    }
    // A new colour is drawn at once.
    auto* swatch = static_cast<Kelvo::CColorButton*>(Button("colour"));
    window.PaintNow();
    EXPECT_EQ(window.Pixel(kRect.CenterPoint().x, kRect.CenterPoint().y), 0xFFFFFFu) << "white until told";
    swatch->SetColor(RGB(0x12, 0x34, 0x56));
    window.PaintNow();
    EXPECT_EQ(window.Pixel(kRect.CenterPoint().x, kRect.CenterPoint().y), 0x123456u);
}

TEST_F(CheckPaintTest, TheSwitchShowsTheStripOfItsCheck) {
    const std::wstring on = Strip(L"kelvo-switch-on.png", kOn);
    const std::wstring off = Strip(L"kelvo-switch-off.png", kOff);
    const struct {
        int check;
        Look look;
        uint32_t colour;
    } cases[] = {
        {0, Look::kNormal, kOff[0]}, {0, Look::kHover, kOff[1]}, {0, Look::kPressed, kOff[1]},
        {0, Look::kDisabled, kOff[3]}, {1, Look::kNormal, kOn[0]}, {1, Look::kHover, kOn[1]},
        {1, Look::kPressed, kOn[1]}, {1, Look::kDisabled, kOn[3]},
    };
    for (const auto& c : cases) {
        auto* toggle = static_cast<Kelvo::CSwitchButton*>(Button("switch"));
        EXPECT_EQ(toggle->SetImage(on.c_str(), off.c_str(), 4), 1);
        toggle->SetCheck(c.check);
        Show(toggle, c.look);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(kBoxProbe.x, kBoxProbe.y), c.colour & 0xFFFFFF)
            << "check " << c.check << " look " << static_cast<int>(c.look);
        EXPECT_EQ(window.Pixel(kPastTheBox.x, kPastTheBox.y), kBackground);
    }
    // A click on a hovered switch draws the other strip at once.
    auto* toggle = static_cast<Kelvo::CSwitchButton*>(Button("switch"));
    toggle->SetImage(on.c_str(), off.c_str(), 4);
    Show(toggle, Look::kPressed);
    toggle->OnControlLButtonUp(0, kRect.CenterPoint());
    window.PaintNow();
    EXPECT_EQ(window.Pixel(kBoxProbe.x, kBoxProbe.y), kOn[1] & 0xFFFFFF);
}

TEST_F(CheckPaintTest, SwitchImagesThatAreMissingOrOfNoFramesStillWork) {
    const std::wstring on = Strip(L"kelvo-switch-on1.png", kOn);
    const struct {
        const char* name;
        const wchar_t* onPath;
        const wchar_t* offPath;
        int frames;
        DWORD offProbe, onProbe;  // at the box probe: unchecked, and checked with the pointer on it
    } cases[] = {
        {"frames 0 count as 1: the whole strip", on.c_str(), on.c_str(), 0, kOn[0] & 0xFFFFFF, kOn[0] & 0xFFFFFF},
        {"no file for off", on.c_str(), L"Z:\\no\\such\\switch.png", 4, kBackground, kOn[1] & 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* toggle = static_cast<Kelvo::CSwitchButton*>(Button("switch"));
        EXPECT_EQ(toggle->SetImage(c.onPath, c.offPath, c.frames), 1);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(kBoxProbe.x, kBoxProbe.y), c.offProbe);
        toggle->OnControlMouseMove(0, kRect.CenterPoint());
        toggle->OnControlLButtonDown(0, kRect.CenterPoint());
        toggle->OnControlLButtonUp(0, kRect.CenterPoint());
        EXPECT_EQ(toggle->GetCheck(), 1);
        window.PaintNow();
        EXPECT_EQ(window.Pixel(kBoxProbe.x, kBoxProbe.y), c.onProbe);
    }
    // With frames 0 the one frame is the whole 48-pixel strip, drawn at natural size.
    auto* toggle = static_cast<Kelvo::CSwitchButton*>(Button("switch"));
    toggle->SetImage(on.c_str(), on.c_str(), 0);
    window.PaintNow();
    EXPECT_EQ(window.Pixel(20 + 3 * kBox + 2, 32), kOn[3] & 0xFFFFFF);
}

}  // namespace
