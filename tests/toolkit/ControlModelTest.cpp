// The control model apart from routing: repaint requests to the parent, class queries,
// parent visibility, cursors, fonts, titles, skin images through the window's cache,
// and the process-wide defaults of Kelvo::Manager as new controls take them up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MControlFont.h"
#include "Manager.h"
#include "RenderCanvas.h"
#include "TestWindow.h"

namespace {

using harness::TestWindow;

// Records the repaint requests of its child controls.
struct RequestLog : Kelvo::MObject {
    struct Request {
        CRect rect;
        int redraw;
    };
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl*) override {
        requests.push_back({rect, redraw});
        return 0;
    }
    std::vector<Request> requests;
};

struct Probe : Kelvo::MControlFont {
    Probe(Kelvo::MObject* parent, CRect rect, int visible = 1)
        : MControlFont(parent, 5, rect, L"probe", visible, 1, 1) {}
    using MControlFont::PositionItem2Value;
};

TEST(ControlModelTest, LookChangesAskTheParentForARepaint) {
    RequestLog parent;
    Probe control(&parent, CRect(10, 10, 50, 30));
    const struct {
        const char* change;
        void (*apply)(Probe&);
        std::vector<RequestLog::Request> requests;
    } cases[] = {
        {"same visibility", [](Probe& c) { c.SetVisible(1); }, {}},
        {"hidden", [](Probe& c) { c.SetVisible(0); }, {{CRect(10, 10, 50, 30), 1}}},
        {"moved while hidden", [](Probe& c) { c.SetRect(0, 0, 5, 5); }, {}},
        {"shown without repaint", [](Probe& c) { c.SetVisible(1, 0); }, {}},
        {"moved", [](Probe& c) { c.SetRect(CRect(20, 5, 40, 40)); }, {{CRect(0, 0, 40, 40), 1}}},
        {"same enabled", [](Probe& c) { c.SetEnabled(1); }, {}},
        {"disabled", [](Probe& c) { c.SetEnabled(0); }, {{CRect(20, 5, 40, 40), 1}}},
        {"update", [](Probe& c) { c.UpdateControl(0, 0); }, {{CRect(20, 5, 40, 40), 0}}},
        {"update an area", [](Probe& c) { c.UpdateControl(CRect(1, 2, 3, 4), 0, 1); }, {{CRect(1, 2, 3, 4), 1}}},
        {"animation frame", [](Probe& c) { c.UpdateAControl(0, 0); }, {{CRect(20, 5, 40, 40), 0}}},
        {"title", [](Probe& c) { c.SetTitle(L"x"); }, {{CRect(20, 5, 40, 40), 1}}},
        {"font: no repaint", [](Probe& c) { c.SetFont(L"Tahoma", 12, 1); }, {}},
        {"hidden, forced", [](Probe& c) { c.SetVisible(0, 0); c.UpdateControl(1, 1); }, {{CRect(20, 5, 40, 40), 1}}},
        {"hidden, not forced", [](Probe& c) { c.UpdateControl(1, 0); c.SetTitle(L"y"); }, {}},
    };
    for (const auto& c : cases) {
        parent.requests.clear();
        c.apply(control);
        ASSERT_EQ(parent.requests.size(), c.requests.size()) << c.change;
        for (size_t i = 0; i < c.requests.size(); ++i) {
            EXPECT_EQ(parent.requests[i].rect, c.requests[i].rect) << c.change;
            EXPECT_EQ(parent.requests[i].redraw, c.requests[i].redraw) << c.change;
        }
    }
}

TEST(ControlModelTest, ClassNamesCompareExactly) {
    Kelvo::MObject bare;
    Probe control(&bare, CRect());
    Kelvo::MControl plain(&bare, 1, CRect(), 1, 1, 1);
    const struct {
        Kelvo::MObject* object;
        const wchar_t* name;
        int result;
    } cases[] = {
        {&control, L"MControlFont", 1}, {&control, L"MControl", 0},  {&control, L"MControlFon", 0},
        {&control, L"MControlFont2", 0}, {&control, nullptr, 0},     {&plain, L"MControl", 1},
        {&bare, L"", 0},                {&bare, nullptr, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.object->IsClass(c.name), c.result) << (c.name ? c.name : L"(null)");
    EXPECT_EQ(bare.GetClassNameW(), nullptr);
}

TEST(ControlModelTest, ParentVisibilityStopsAtTheFirstParentThatIsNoControl) {
    Kelvo::MObject window;  // any non-control owner: a dialog, a menu, a popup
    Kelvo::MControl shown(&window, 1, CRect(), 1, 1, 1);
    Kelvo::MControl hidden(&window, 2, CRect(), 0, 1, 1);
    Kelvo::MControl inShown(&shown, 3, CRect(), 1, 1, 1);
    Kelvo::MControl inHidden(&hidden, 4, CRect(), 1, 1, 1);
    Kelvo::MControl deep(&inHidden, 5, CRect(), 1, 1, 1);
    Kelvo::MControl orphan(nullptr, 6, CRect(), 1, 1, 1);
    EXPECT_EQ(shown.IsParentVisible(), 1);
    EXPECT_EQ(hidden.IsParentVisible(), 1);  // its own flag is not its parents'
    EXPECT_EQ(inShown.IsParentVisible(), 1);
    EXPECT_EQ(inHidden.IsParentVisible(), 0);
    EXPECT_EQ(deep.IsParentVisible(), 0);
    EXPECT_EQ(orphan.IsParentVisible(), 0);
}

TEST(ControlModelTest, OnlyKnownCursorNamesChangeTheCursor) {
    Kelvo::MControl control(nullptr, 1, CRect(), 1, 1, 1);
    EXPECT_EQ(control.GetCursor(), nullptr);
    const struct {
        const wchar_t* name;
        LPCWSTR expected;
    } cases[] = {
        {L"hand", IDC_HAND}, {L"bogus", IDC_HAND}, {nullptr, IDC_HAND}, {L"Hand", IDC_HAND},
        {L"sizewe", IDC_SIZEWE}, {L"arrow", IDC_ARROW}, {L"help", IDC_HELP},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(control.SetCursorEx(c.name), 0);
        EXPECT_EQ(control.GetCursor(), LoadCursorW(nullptr, c.expected)) << (c.name ? c.name : L"(null)");
    }
}

TEST(ControlModelTest, NewControlsTakeTheManagersDefaultFontAtConstruction) {
    Probe before(nullptr, CRect());
    Kelvo::Manager::SetFont(L"Open Sans Light", 12);
    Probe after(nullptr, CRect());
    Kelvo::Manager::SetFont(L"Open Sans Semibold", 16);
    const struct {
        Probe* control;
        const wchar_t* face;
        int height;
    } cases[] = {{&before, L"Open Sans Semibold", -16}, {&after, L"Open Sans Light", -12}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.control->GetTextFont(), c.face);
        LOGFONTW font{};
        ASSERT_NE(c.control->GetGDIFont(), nullptr);
        GetObjectW(c.control->GetGDIFont(), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, c.face);
        EXPECT_EQ(font.lfHeight, c.height);
        EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    }
}

TEST(ControlModelTest, TheGdiFontFollowsFaceSizeAndStyle) {
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    Probe control(nullptr, CRect());
    const std::wstring longFace(40, L'F');
    const std::wstring cutFace(31, L'F');
    const struct {
        const wchar_t* face;
        int size, style;
        const wchar_t* expectedFace;
        LONG weight;
        BYTE italic, underline, strikeOut;
    } cases[] = {
        {L"Tahoma", 20, 0, L"Tahoma", gui.lfWeight, 0, 0, 0},
        {L"Tahoma", 20, 1, L"Tahoma", gui.lfWeight + 700, 0, 0, 0},
        {L"Tahoma", 9, 2 | 4 | 8, L"Tahoma", gui.lfWeight, 1, 1, 1},
        {longFace.c_str(), 10, 0, cutFace.c_str(), gui.lfWeight, 0, 0, 0},  // cut, terminated
        {nullptr, 10, 0, L"", gui.lfWeight, 0, 0, 0},
    };
    for (const auto& c : cases) {
        control.SetFont(c.face, c.size, c.style);
        LOGFONTW font{};
        GetObjectW(control.GetGDIFont(), sizeof font, &font);
        EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(c.expectedFace));
        EXPECT_EQ(font.lfHeight, -c.size);
        EXPECT_EQ(font.lfWeight, c.weight);
        EXPECT_EQ(font.lfItalic, c.italic);
        EXPECT_EQ(font.lfUnderline, c.underline);
        EXPECT_EQ(font.lfStrikeOut, c.strikeOut);
    }
    // The font is cached until a font property changes.
    HFONT cached = control.GetGDIFont();
    EXPECT_EQ(control.GetGDIFont(), cached);
    control.SetFontWidth(30);
    LOGFONTW font{};
    GetObjectW(control.GetGDIFont(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -30);
}

TEST(ControlModelTest, ANullTextIsAnEmptyOne) {
    Kelvo::MControlFont control(nullptr, 1, CRect(), nullptr, 1, 1, 1);
    EXPECT_EQ(control.GetTitle(), L"");
    control.SetTitle(L"set");
    EXPECT_EQ(control.GetTitle(), L"set");
    control.SetTitle(nullptr);
    EXPECT_EQ(control.GetTitle(), L"");
    control.SetTooltip(static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(control.GetTooltip(), L"");
    control.SetFontName(nullptr);
    EXPECT_EQ(control.GetTextFont(), L"");
}

TEST(ControlModelTest, PositionsInsideARange) {
    const struct {
        Kelvo::POSITION_ITEM item;
        int low, high, result;
    } cases[] = {
        {{0, 0, 10.f}, 100, 200, 110}, {{0, 1, 10.f}, 100, 200, 190}, {{1, 0, 5.f}, 100, 200, 155},
        {{1, 1, 5.f}, 100, 200, 145},  {{2, 0, 25.f}, 100, 200, 125}, {{2, 0, 150.f}, 100, 200, 200},
        {{3, 0, 25.f}, 100, 200, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Probe::PositionItem2Value(c.item, c.low, c.high), c.result) << c.item.mode << "/" << c.item.fromEnd;
}

class ControlImageTest : public ::testing::Test {
protected:
    // A strip of `frames` 10 x 8 frames as a PNG file in the temporary folder.
    static std::wstring WriteStrip(const wchar_t* name, int frames) {
        const std::wstring path = Kelvo::test::TempPath(name);
        const std::vector<uint32_t> colours(static_cast<size_t>(frames), 0xFF808080u);
        Kelvo::test::WriteFrameStrip(path.c_str(), 10, 8, colours.data(), frames);
        return path;
    }

    TestWindow window;
};

TEST_F(ControlImageTest, SkinImagesAreLoadedOncePerWindowWithEachCallersFrameWidth) {
    const std::wstring strip = WriteStrip(L"kelvo-strip.png", 4);
    Probe detached(nullptr, CRect());
    EXPECT_EQ(detached.SetImage(strip.c_str(), 4), 0);  // no paint manager yet

    auto* four = window.Add(new Probe(&window, CRect()));
    auto* two = window.Add(new Probe(&window, CRect()));
    ASSERT_EQ(four->SetImage(strip.c_str(), 4), 1);
    ASSERT_EQ(two->SetImage(strip.c_str(), 2), 1);
    EXPECT_EQ(four->GetImage(), two->GetImage());  // one image for the window
    EXPECT_EQ(four->GetImageSize(), CSize(10, 8));
    EXPECT_EQ(two->GetImageSize(), CSize(20, 8));
    EXPECT_EQ(four->GetImagePath(), CString(strip.c_str()));

    Gdiplus::Image* kept = four->GetImage();
    EXPECT_EQ(four->SetImage(L"no-such-skin.png", 4), 0);  // the old image stays
    EXPECT_EQ(four->GetImage(), kept);
    EXPECT_EQ(window.Manager().AddImgResInfo(L"no-such-skin.png", 4), nullptr);
    DeleteFileW(strip.c_str());
}

TEST_F(ControlImageTest, ResourceImagesComeFromTheToolkitOrTheManagersInstance) {
    Kelvo::PaintManager& manager = window.Manager();
    const Kelvo::ImgResInfo* toolkit = manager.AddImgResInfo(101, L"PNG", 3, 0);
    ASSERT_NE(toolkit, nullptr);  // the horizontal scroll-bar skin inside Kelvo.dll
    EXPECT_EQ(toolkit->frameWidth, static_cast<int>(toolkit->image->GetWidth()) / 3);
    // The test program has no such resource: asked of the application, it is not found.
    Kelvo::Manager::SetInstance(GetModuleHandleW(nullptr));
    EXPECT_EQ(manager.AddImgResInfo(101, L"PNG", 3, 1), nullptr);
    Kelvo::Manager::SetInstance(GetModuleHandleW(L"Kelvo.dll"));
    EXPECT_NE(manager.AddImgResInfo(101, L"PNG", 3, 1), nullptr);
    Kelvo::Manager::SetInstance(GetModuleHandleW(nullptr));
}

TEST_F(ControlImageTest, FontFamiliesAreKeptPerFaceNotMadeAnewForEachCall) {
    Kelvo::PaintManager& manager = window.Manager();
    ASSERT_NE(manager.AddTempFont(L"Test Light", Kelvo::test::FontFile("Light").c_str()), nullptr);
    EXPECT_EQ(manager.AddTempFont(L"Test Missing", Kelvo::test::TempPath(L"no-such-font.ttf").c_str()), nullptr);
    EXPECT_EQ(manager.FindTempFont(L"No Such Face At All"), nullptr);
    auto* control = window.Add(new Probe(&window, CRect()));
    Gdiplus::FontFamily* family = control->GetFontFamily(L"Test Light");
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(control->GetFontFamily(L"Test Light"), family);
    wchar_t name[LF_FACESIZE] = {};
    family->GetFamilyName(name);
    EXPECT_STREQ(name, L"Open Sans Light");
    EXPECT_EQ(control->GetFontFamily(L"No Such Face At All"), nullptr);
}

}  // namespace
