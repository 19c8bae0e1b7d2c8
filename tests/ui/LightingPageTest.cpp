// The lighting page as a user meets it: the real window with the virtual mouse behind
// the real worker, real clicks at the places the page puts its controls, then the
// lighting the mouse holds, the record the store holds, and what the page shows after
// the next read.
#include <cstdlib>

#include "CArea.h"
#include "CColorButton.h"
#include "CComboBoxWnd.h"
#include "CEditWnd.h"
#include "LightDefaults.h"
#include "LightSlider.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MainWindowFixture.h"
#include "PaletteBar.h"
#include "SettingsDatabase.h"

namespace {

using namespace mainwindow;

constexpr int kLightingTab = 4;
const CPoint kYes{145, 198};
const CPoint kNo{285, 198};
constexpr UINT kModeList = 190;
constexpr UINT kSettingsArea = 191;
constexpr UINT kBrightness = 195;
constexpr UINT kSpeed = 197;
constexpr UINT kHueBar = 208;
constexpr UINT kSaturation = 211;
constexpr UINT kRedField = 215;

class LightingPageTest : public MainWindowTest {
protected:
    void OpenOn(const sim::DeviceSetup& device) {
        ASSERT_NO_FATAL_FAILURE(Open({device}));
        ASSERT_TRUE(WaitForLabel(51));
        ASSERT_TRUE(wintest::PumpUntil([&] { return m_window->Devices().Worker().FirstReadDone(); }, kPatienceMs));
        m_mouse = device.name;
    }
    void OpenLightingPage() {
        ASSERT_NO_FATAL_FAILURE(OpenOn(kF1));
        Click(TabCentre(kLightingTab));
        ASSERT_EQ(m_window->CurrentPage(), 5);
    }
    template <class T>
    T* Get(UINT id) {
        return dynamic_cast<T*>(m_window->GetControl(id));
    }
    void ClickAt(UINT id, CPoint offset) {
        Kelvo::MControl* control = Get<Kelvo::MControl>(id);
        ASSERT_NE(control, nullptr);
        Click(CPoint(control->GetRect().left + offset.x, control->GetRect().top + offset.y));
    }
    void ClickControl(UINT id) {
        Kelvo::MControl* control = Get<Kelvo::MControl>(id);
        ASSERT_NE(control, nullptr);
        Click(control->GetRect().CenterPoint());
    }
    // Opens the mode list and chooses its row `row`.
    void ChooseMode(int row) {
        auto* modes = Get<Kelvo::MComboBox>(kModeList);
        ASSERT_NO_FATAL_FAILURE(ClickControl(kModeList));
        ASSERT_TRUE(modes->IsPopupOpen());
        RECT popup{};
        GetWindowRect(modes->GetPopup()->GetSafeHwnd(), &popup);
        wintest::Click(POINT{(popup.left + popup.right) / 2,
                             popup.top + 6 + Kelvo::MComboBox::kRowHeight * row + Kelvo::MComboBox::kRowHeight / 2});
        wintest::Pump(200);
    }
    // Types `text` into a colour field as the user does: the field's editor opens first.
    void Type(UINT field, const wchar_t* text) {
        auto* edit = Get<Kelvo::MEdit>(field);
        ASSERT_NO_FATAL_FAILURE(ClickControl(field));
        ASSERT_NE(edit->GetEditWnd(), nullptr);
        SetWindowTextW(edit->GetEditWnd()->GetSafeHwnd(), text);
        wintest::Pump(100);
        wintest::Key(VK_RETURN);
        wintest::Pump(200);
    }
    LightRecord Stored(int mode) {
        LightRecord record;
        EXPECT_TRUE(m_window->Devices().Store().GetLight(m_window->CurrentProfile(), mode, record)) << "mode " << mode;
        return record;
    }
    int ActiveMode() { return m_window->Devices().Store().GetActiveLightMode(m_window->CurrentProfile()); }
    sim::LightingMemory& Mouse() { return sim::Memory(m_mouse)->Current().light; }
    bool MouseHas(const std::function<bool(const sim::LightingMemory&)>& check) {
        return wintest::PumpUntil([&] { return check(Mouse()); }, kPatienceMs);
    }
    void AnswerNextBox(CPoint button) {
        uitest::RunSoon([button] {
            if (HWND box = uitest::FindDialog(L"MessageBox")) uitest::ClickWithoutPumping(box, button);
        }, 400);
    }
    // The worker's next full read, which reloads the page from the store.
    void ReadAgain() {
        m_window->Devices().Worker().Queue(DeviceTask{kTaskApplyProfile, m_window->CurrentProfile()});
        wintest::Pump(1500);
    }
    CString FieldText(int i) { return Get<Kelvo::MEdit>(kRedField + i)->GetEditText(); }
    float Scale() { return m_window->Scale(); }
    // The screen shows a frame edge just left of column `x` at row `y`: a pixel up to
    // three columns left of it stands out from the background six columns right.
    bool EdgeLeftOf(int x, int y) {
        const DWORD outside = uitest::ScreenRgb(m_hwnd, CPoint(x + 6, y));
        for (int dx = 1; dx <= 3; ++dx) {
            const DWORD inside = uitest::ScreenRgb(m_hwnd, CPoint(x - dx, y));
            int difference = 0;
            for (int shift : {0, 8, 16}) difference += std::abs(int((inside >> shift) & 0xFF) - int((outside >> shift) & 0xFF));
            if (difference > 24) return true;
        }
        return false;
    }

    std::string m_mouse;
};

// A new profile shows four modes with "off" chosen and no settings; each mode shows what
// it offers, becomes the active mode in the store and on the mouse, and stays chosen
// after a read.
TEST_F(LightingPageTest, ChoosingAModeShowsWhatItOffersStoresAndSendsIt) {
    ASSERT_NO_FATAL_FAILURE(OpenLightingPage());
    auto* modes = Get<Kelvo::MComboBox>(kModeList);
    ASSERT_EQ(modes->GetItemCount(), 4);
    EXPECT_EQ(modes->GetItemText(1), TextOf(281));
    EXPECT_EQ(modes->GetCurData(), 0u);
    EXPECT_FALSE(Visible(kSettingsArea));
    EXPECT_FALSE(Visible(199));

    struct Case {
        int mode;
        bool brightness, speed, colour;
        int areaWidth;  // at the scale 1
    };
    const Case cases[] = {
        {3, true, true, false, 255},
        {1, true, false, true, 585},
        {3, true, true, false, 255},
        {2, true, true, true, 585},
        {0, false, false, false, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_NO_FATAL_FAILURE(ChooseMode(c.mode));
        EXPECT_EQ(ActiveMode(), c.mode);
        EXPECT_TRUE(MouseHas([&](const sim::LightingMemory& m) { return m.mode == c.mode; }));
        EXPECT_EQ(Visible(kSettingsArea), c.brightness);
        EXPECT_EQ(Visible(kBrightness), c.brightness);
        EXPECT_EQ(Visible(kSpeed), c.speed);
        for (UINT id = 198; id <= 217; ++id) EXPECT_EQ(Visible(id), c.colour) << "control " << id;
        if (c.brightness) {
            const CRect area = Get<Kelvo::MControl>(kSettingsArea)->GetRect();
            EXPECT_EQ(area.Width(), static_cast<int>(c.areaWidth * Scale()));
            // What the screen shows: the wide frame's right edge exactly while it is wide.
            wintest::Pump(200);
            EXPECT_EQ(EdgeLeftOf(100 + static_cast<int>(585 * Scale()), area.CenterPoint().y), c.colour);
        }
        if (c.mode == 2) {
            EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"lighting-page.png"), L"");
        }
    }
    ASSERT_NO_FATAL_FAILURE(ChooseMode(2));
    ReadAgain();
    EXPECT_EQ(modes->GetCurData(), 2u);
    EXPECT_TRUE(Visible(199));
}

// Brightness and speed: the page shows the stored value after a read; a press at the
// slider's right end sets the highest value, which the record and the mouse's active
// mode take.
TEST_F(LightingPageTest, BrightnessAndSpeedAreStoredSentAndShownAfterARead) {
    ASSERT_NO_FATAL_FAILURE(OpenLightingPage());
    ASSERT_NO_FATAL_FAILURE(ChooseMode(2));
    struct Case {
        UINT slider;
        int LightRecord::*stored;
        std::array<std::uint8_t, 11> sim::LightingMemory::*sent;
    };
    const Case cases[] = {
        {kBrightness, &LightRecord::brightness, &sim::LightingMemory::brightness},
        {kSpeed, &LightRecord::speed, &sim::LightingMemory::speed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slider);
        auto* slider = Get<Kelvo::LightSlider>(c.slider);
        ASSERT_EQ(slider->GetMaxProgress(), 255);
        // What the page shows after a read is what the store holds.
        LightRecord record = Stored(2);
        record.*c.stored = 17;
        m_window->Devices().Store().UpdateLight(m_window->CurrentProfile(), 2, record);
        ReadAgain();
        EXPECT_TRUE(wintest::PumpUntil([&] { return slider->GetProgress() == 17; }, kPatienceMs));

        const CRect rect = slider->GetRect();
        ASSERT_NO_FATAL_FAILURE(ClickAt(c.slider, CPoint(rect.Width() - 1, rect.Height() / 2)));
        EXPECT_EQ(slider->GetProgress(), 255);
        EXPECT_EQ(Stored(2).*c.stored, 255);
        EXPECT_TRUE(MouseHas([&](const sim::LightingMemory& m) { return (m.*c.sent)[2] == 255; }));
    }
}

// Every way to choose a colour: what the number fields show, the colour stored for the
// active mode (a colour reference, red in the low byte; the hue bar's with 0xFF on top)
// and the colour the mouse holds for it.
TEST_F(LightingPageTest, ColoursAreStoredAndSentInTheirByteOrder) {
    ASSERT_NO_FATAL_FAILURE(OpenLightingPage());
    ASSERT_NO_FATAL_FAILURE(ChooseMode(1));
    struct Case {
        const char* name;
        std::function<void()> choose;
        const wchar_t* fields[3];
        DWORD stored;
        bool swatchChecked;  // swatch 204
    };
    const Case cases[] = {
        {"swatch 204", [&] { ClickControl(204); }, {L"255", L"222", L"0"}, 0x0000DEFF, true},
        // The hue bar's left end is red, at the full saturation the slider starts with.
        {"hue bar", [&] { ClickAt(kHueBar, CPoint(5, Get<Kelvo::MControl>(kHueBar)->GetRect().Height() / 2)); },
         {L"255", L"0", L"0"}, 0xFF0000FF, false},
        // No saturation is grey at half lightness.
        {"saturation", [&] { ClickAt(kSaturation, CPoint(0, Get<Kelvo::MControl>(kSaturation)->GetRect().Height() / 2)); },
         {L"127", L"127", L"127"}, 0xFF7F7F7F, false},
        {"red typed beyond its range", [&] { Type(kRedField, L"300"); }, {L"255", L"127", L"127"}, 0x007F7FFF, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.choose();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(FieldText(i), CString(c.fields[i])) << "field " << i;
        EXPECT_EQ(static_cast<DWORD>(Stored(1).color_value), c.stored);
        EXPECT_EQ(Get<Kelvo::CArea>(209)->GetFillColor() & 0xFFFFFF, c.stored & 0xFFFFFF);
        EXPECT_EQ(Get<Kelvo::CColorButton>(204)->GetCheck(), c.swatchChecked ? 1 : 0);
        EXPECT_TRUE(MouseHas([&](const sim::LightingMemory& m) { return m.colour[1] == (c.stored & 0xFFFFFF); }))
            << std::hex << Mouse().colour[1];
    }
    // A read shows the active mode's stored colour, not what the fields showed before.
    LightRecord record = Stored(1);
    record.color_value = 0x00336699;
    m_window->Devices().Store().UpdateLight(m_window->CurrentProfile(), 1, record);
    ReadAgain();
    EXPECT_TRUE(wintest::PumpUntil([&] { return FieldText(0) == CString(L"153"); }, kPatienceMs));
    EXPECT_EQ(FieldText(1), CString(L"102"));
    EXPECT_EQ(FieldText(2), CString(L"51"));
    EXPECT_EQ(Get<Kelvo::CArea>(209)->GetFillColor(), 0x00336699u);
}

// Restore asks first: "no" changes nothing, "yes" returns the mouse and the store to
// the default lighting.
TEST_F(LightingPageTest, RestoringTheLightingAsksFirst) {
    ASSERT_NO_FATAL_FAILURE(OpenLightingPage());
    ASSERT_NO_FATAL_FAILURE(ChooseMode(2));
    ASSERT_NO_FATAL_FAILURE(ClickControl(204));
    ASSERT_TRUE(MouseHas([](const sim::LightingMemory& m) { return m.colour[2] == 0x00DEFF; }));

    AnswerNextBox(kNo);
    ASSERT_NO_FATAL_FAILURE(ClickControl(193));
    wintest::Pump(1000);
    EXPECT_EQ(Mouse().colour[2], 0x00DEFFu) << "nothing sent";
    EXPECT_EQ(Stored(2).color_value, 0x00DEFF);
    EXPECT_EQ(ActiveMode(), 2);

    AnswerNextBox(kYes);
    ASSERT_NO_FATAL_FAILURE(ClickControl(193));
    const sim::LightingMemory factory;
    EXPECT_TRUE(MouseHas([&](const sim::LightingMemory& m) {
        return m.mode == factory.mode && m.colour == factory.colour && m.brightness == factory.brightness;
    }));
    EXPECT_TRUE(wintest::PumpUntil([&] { return Get<Kelvo::MComboBox>(kModeList)->GetCurData() == 0; }, kPatienceMs));
    EXPECT_EQ(ActiveMode(), 0);
    const std::vector<LightRecord> defaults = DefaultLights(m_window->CurrentProfile(), m_window->DeviceType());
    for (const LightRecord& d : defaults) {
        const LightRecord s = Stored(d.mode);
        EXPECT_EQ(s.color_value, d.color_value) << "mode " << d.mode;
        EXPECT_EQ(s.brightness, d.brightness) << "mode " << d.mode;
        EXPECT_EQ(s.speed, d.speed) << "mode " << d.mode;
    }
    EXPECT_FALSE(Visible(kSettingsArea));
}

TEST_F(LightingPageTest, AModelWithoutLightingHasNoLightingTab) {
    ASSERT_NO_FATAL_FAILURE(OpenOn(kN2));
    EXPECT_FALSE(m_window->HasLight());
    EXPECT_EQ(Tabs().GetItemInfo(kLightingTab)->visible, 0);
    EXPECT_EQ(m_window->Devices().Store().CountLights(m_window->CurrentProfile()), 0);
}

}  // namespace
