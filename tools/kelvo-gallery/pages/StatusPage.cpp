// Status widgets: battery gauges from empty to full (and a device value past full),
// charging frozen halfway and charging live; device-state plates that fit their titles
// (GDI text) or keep their size (GDI+ text); light and saturation sliders; angle sliders
// at both ends, disabled and live; level bars.
#include <string>

#include "BatteryCtrl.h"
#include "CDeviceState.h"
#include "LightSlider.h"
#include "MAngletunability.h"
#include "MLevelCtrl.h"
#include "MText.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kBatteryFirst = kFirstPageId,  // empty, half, full, past full, charging frozen
    kBatteryLive = kFirstPageId + 9,
    kStateFirst = kFirstPageId + 10,
    kLightFirst = kFirstPageId + 20,
    kLightLive = kFirstPageId + 29,
    kAngleFirst = kFirstPageId + 30,
    kAngleLive = kFirstPageId + 39,
    kLevelFirst = kFirstPageId + 40,
    kLevelLive = kFirstPageId + 49,
    kFirstCaption = kFirstPageId + 100,
};

constexpr int kBatteryRow = 0;
constexpr int kStateRow = 62;
constexpr int kLightRow = 124;
constexpr int kAngleRow = 316;
constexpr int kLevelRow = 414;
constexpr int kAngleWidth = 200;
// The thumb sits 2 pixels above the bottom and the bar at the top: at this height the
// thumb rides on the bar.
constexpr int kLightHeight = 12;
constexpr const wchar_t* kLightBar = L"img_lightslider_bkg.png";
constexpr const wchar_t* kSaturationBar = L"img_saturation_bkg.png";

class StatusPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"status"; }
    const wchar_t* Title() const override { return L"Status"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_nextCaption = kFirstCaption;
        BuildBatteries(dialog, area.left, area.top + kBatteryRow);
        BuildStates(dialog, area.left, area.top + kStateRow);
        BuildLightSliders(dialog, area.left, area.top + kLightRow);
        BuildAngles(dialog, area.left, area.top + kAngleRow);
        BuildLevels(dialog, area.left, area.top + kLevelRow);
        // The program runs a 10 ms animation tick; the page runs its own while it shows.
        m_timer = dialog.SetMTimer(10);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        // Frozen a third of the way up: it takes no ticks of its own.
        if (auto* frozen = static_cast<Kelvo::BatteryCtrl*>(dialog.GetControl(kBatteryFirst + 4))) {
            frozen->SetRunTimer(0);
            for (int tick = 0; tick < 8 * 12; ++tick) frozen->OnControlTimer();
        }
        if (Kelvo::MControl* disabled = dialog.GetControl(kAngleFirst + 2)) disabled->SetEnabled(0);
        if (Kelvo::MControl* disabled = dialog.GetControl(kLightFirst + 4)) disabled->SetEnabled(0);
    }

    void Leave(Kelvo::MDialog& dialog) override {
        if (m_timer) dialog.KillMTimer(m_timer);
        m_timer = 0;
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        if (id == kLightLive && code == Kelvo::kNotifyPositionChanged)
            return L"Brightness: " + std::to_wstring(static_cast<int>(wparam));
        if (id == kAngleLive && code == Kelvo::kNotifyActivated && m_liveAngle)
            return L"Angle snapping: " + std::to_wstring(m_liveAngle->GetAngleValue());
        if (id == kLevelLive && code == Kelvo::kNotifyActivated)
            return L"Level: " + std::to_wstring(static_cast<int>(wparam));
        return {};
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        // The first angle slider's bar, right of its thumb at −30.
        return {{L"the bar of the angle slider at -30", CPoint(m_area.left + 60, m_area.top + kAngleRow + 36),
                 0x384452}};
    }

private:
    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (!caption) return;
        caption->SetTextColor(kCaptionColour);
        caption->SetFontWidth(13);
    }

    void BuildBatteries(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            int level, charging;
            const wchar_t* caption;
        } gauges[] = {{0, 0, L"0 %"},      {50, 0, L"50 %"},          {100, 0, L"100 %"},
                      {150, 0, L"150 % (kept full)"}, {70, 1, L"charging"}, {80, 1, L"charging, live"}};
        for (int i = 0; i < 6; ++i) {
            const int x = left + i * 130;
            const UINT id = i == 5 ? kBatteryLive : kBatteryFirst + i;
            auto* gauge = static_cast<Kelvo::BatteryCtrl*>(
                dialog.CreateControl(L"BatteryCtrl", id, CRect(x, top, x + 70, top + 24), L"", 1, 1));
            if (gauge) {
                gauge->SetImage(L"icon\\icon_battery_bkg.png", 1);
                gauge->SetBatteryIcon(L"icon\\icon_batteryvalue.png", L"icon\\icon_charge.png");
                gauge->SetFontWidth(11);
                gauge->SetBatteryInfo(gauges[i].level, gauges[i].charging);
            }
            Caption(dialog, CRect(x, top + 28, x + 125, top + 46), gauges[i].caption);
        }
    }

    void BuildStates(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            const wchar_t* title;
            int byGdi;
            const wchar_t* caption;
            int x;
        } plates[] = {{L"Connected", 1, L"fits its title", 0},
                      {L"", 1, L"no title", 170},
                      {L"GDI+ text", 0, L"GDI+ text: keeps its size", 340},
                      {L"Wireless receiver connected", 1, L"fits a longer title", 580}};
        for (int i = 0; i < 4; ++i) {
            const int x = left + plates[i].x;
            auto* plate = static_cast<Kelvo::CDeviceState*>(dialog.CreateControl(
                L"CDeviceState", kStateFirst + i, CRect(x, top, x + 120, top + 24), plates[i].title, 1, 1));
            if (plate) {
                plate->SetImage(L"img_area.png", 4);
                plate->SetTextColor(0xFFE0E0E0);
                plate->SetTextByGdi(plates[i].byGdi);
            }
            Caption(dialog, CRect(x, top + 28, x + 230, top + 46), plates[i].caption);
        }
    }

    void BuildLightSliders(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            const wchar_t* bar;
            int maximum, value;
            const wchar_t* caption;
        } sliders[] = {
            {kLightBar, 10, 0, L"brightness 0"},         {kLightBar, 10, 5, L"brightness 5"},
            {kLightBar, 10, 10, L"brightness 10"},       {kSaturationBar, 100, 60, L"saturation 60"},
            {kLightBar, 10, 7, L"disabled"},             {kSaturationBar, 100, 30, L"saturation 30"},
            {kLightBar, 4, 1, L"speed 1 of 0 ... 4"},    {kLightBar, 255, 128, L"live: drag it"},
        };
        for (int i = 0; i < 8; ++i) {
            const int x = left + (i % 2) * 470;
            const int y = top + (i / 2) * 46;
            const UINT id = i == 7 ? kLightLive : kLightFirst + i;
            auto* slider = static_cast<Kelvo::LightSlider*>(
                dialog.CreateControl(L"LightSlider", id, CRect(x, y, x + 210, y + kLightHeight), L"", 1, 1));
            if (slider) {
                slider->SetImage(sliders[i].bar, 1);
                slider->SetThumbImage(L"img_lightslider_bar.png");
                slider->SetMaxProgress(sliders[i].maximum);
                slider->SetProgress(sliders[i].value);
                if (id != kLightLive) slider->SetRresponse(0);  // samples: the pointer leaves them alone
            }
            Caption(dialog, CRect(x + 220, y - 3, x + 440, y + 15), sliders[i].caption);
        }
    }

    void BuildAngles(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            int angle;
            const wchar_t* caption;
        } angles[] = {{-30, L"-30"}, {30, L"30"}, {0, L"disabled"}, {10, L"live: drag it"}};
        for (int i = 0; i < 4; ++i) {
            const int x = left + i * (kAngleWidth + 30);
            const UINT id = i == 3 ? kAngleLive : kAngleFirst + i;
            auto* slider = static_cast<Kelvo::MAngletunability*>(
                dialog.CreateControl(L"MAngletunability", id, CRect(x, top, x + kAngleWidth, top + 65), L"", 1, 1));
            if (slider) {
                slider->SetFontWidth(12);
                slider->SetTextColor(0xFFE0E0E0);
                slider->SetAngleValue(angles[i].angle);
                if (id == kAngleLive)
                    m_liveAngle = slider;
                else
                    slider->SetRresponse(0);
            }
            Caption(dialog, CRect(x, top + 68, x + kAngleWidth, top + 86), angles[i].caption);
        }
    }

    void BuildLevels(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            const wchar_t* title;
            int minimum, maximum, level;
            const wchar_t* caption;
        } levels[] = {{L"Level ", 0, 4, 2, L"0 ... 4 at 2"},
                      {L"", 0, 15, 9, L"0 ... 15 at 9"},
                      {L"Level ", 3, 7, 5, L"3 ... 7 at 5: the level as it is"},
                      {L"Level ", 0, 7, 4, L"live: click a segment"}};
        for (int i = 0; i < 4; ++i) {
            const int x = left + i * 230;
            const UINT id = i == 3 ? kLevelLive : kLevelFirst + i;
            auto* bar = static_cast<Kelvo::MLevelCtrl*>(
                dialog.CreateControl(L"MLevelCtrl", id, CRect(x, top, x + 200, top + 32), L"", 1, 1));
            if (bar) {
                bar->SetTitle(levels[i].title);
                bar->SetTextColor(0xFFE0E0E0);
                bar->SetFontWidth(12);
                bar->SetRangeValue(levels[i].minimum, levels[i].maximum);
                bar->SetLevelValue(levels[i].level);
                if (id != kLevelLive) bar->SetRresponse(0);
            }
            Caption(dialog, CRect(x, top + 36, x + 225, top + 54), levels[i].caption);
        }
    }

    CRect m_area;
    UINT m_nextCaption = kFirstCaption;
    UINT m_timer = 0;
    Kelvo::MAngletunability* m_liveAngle = nullptr;
};

}  // namespace

GALLERY_PAGE(StatusPage, 90);

}  // namespace gallery
