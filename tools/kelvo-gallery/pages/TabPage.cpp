// Tabs and sliders: a vertical strip of the program's seven tabs with one selected and
// one hovered, a horizontal strip, and sliders at their ends and middle, hovered,
// dragged, disabled and with their value written below.
#include <string>

#include "MSlider.h"
#include "MTabCtrl.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kVerticalTabs = kFirstPageId,
    kHorizontalTabs,
    kSliderMin,
    kSliderMiddle,
    kSliderMax,
    kSliderHover,
    kSliderDragging,
    kSliderDisabled,
    kSliderText,
    kSliderLive,
};

const struct {
    const wchar_t* text;
    const wchar_t* icon;
} kTabs[] = {
    {L"Home", L"icon\\tab_home.png"},   {L"Buttons", L"icon\\tab_key.png"}, {L"DPI", L"icon\\tab_dpi.png"},
    {L"Macros", L"icon\\tab_macro.png"}, {L"Lighting", L"icon\\tab_light.png"},
    {L"Settings", L"icon\\tab_set.png"}, {L"Program", L"icon\\tab_sysset.png"},
};

constexpr int kTabSize = 56;
constexpr int kSliderWidth = 260;
constexpr int kSliderHeight = 34;

class TabPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"tabs"; }
    const wchar_t* Title() const override { return L"Tabs"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        auto* vertical = static_cast<Kelvo::MTabCtrl*>(dialog.CreateControl(
            L"MTabCtrl", kVerticalTabs, CRect(area.left, area.top, area.left + kTabSize, area.top + 7 * 57), L"", 1, 1));
        if (vertical) {
            vertical->SetTabType(Kelvo::TAB_VERTICAL);
            vertical->SetTabCtrlHeight(kTabSize);
            for (int i = 0; i < 7; ++i) vertical->InsertItem(i + 1, kTabs[i].text, kTabs[i].icon, nullptr, 2, kTabSize);
            vertical->RefreshItems();
            vertical->SetSelectItem(0);
        }
        const int left = area.left + 100;
        auto* horizontal = static_cast<Kelvo::MTabCtrl*>(dialog.CreateControl(
            L"MTabCtrl", kHorizontalTabs, CRect(left, area.top, left + 5 * kTabSize, area.top + kTabSize + 10), L"", 1, 1));
        if (horizontal) {
            horizontal->SetTabCtrlHeight(kTabSize + 10);
            for (int i = 0; i < 5; ++i) horizontal->InsertItem(i + 1, kTabs[i].text, kTabs[i].icon, nullptr, 2, kTabSize);
            horizontal->RefreshItems();
            horizontal->SetSelectItem(2);
        }
        const struct {
            UINT id;
            const wchar_t* title;
            int maximum, value, showText;
        } sliders[] = {
            {kSliderMin, L"", 10, 0, 0},    {kSliderMiddle, L"", 10, 5, 0},   {kSliderMax, L"", 10, 10, 0},
            {kSliderHover, L"", 10, 3, 0},  {kSliderDragging, L"", 10, 7, 0}, {kSliderDisabled, L"", 10, 4, 0},
            {kSliderText, L"", 100, 42, 1}, {kSliderLive, L"Speed ", 19, 9, 1},
        };
        int y = area.top + 100;
        for (const auto& s : sliders) {
            auto* slider = static_cast<Kelvo::MSlider*>(
                dialog.CreateControl(L"MSlider", s.id, CRect(left, y, left + kSliderWidth, y + kSliderHeight), s.title, 1, 1));
            y += kSliderHeight + 10;
            if (!slider) continue;
            slider->SetThumbImage(L"img_slider_bar.png");
            slider->SetImage(L"img_slider_bar.png", 1);  // joins the ticks that follow a drag
            slider->SetTitle(s.title);
            slider->SetFont(L"Open Sans Semibold", 12, 0);
            slider->SetTextColor(0xFFE0E0E0);
            slider->SetMaxProgress(s.maximum);
            slider->SetProgress(s.value);
            slider->SetShowText(s.showText);
            if (s.id != kSliderLive) slider->SetRresponse(0);  // samples: the pointer leaves them alone
        }
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (auto* vertical = static_cast<Kelvo::MTabCtrl*>(dialog.GetControl(kVerticalTabs)))
            if (const Kelvo::TabItemInfo* item = vertical->GetItemInfo(2))
                vertical->OnControlMouseMove(0, item->rect.CenterPoint());
        if (auto* horizontal = static_cast<Kelvo::MTabCtrl*>(dialog.GetControl(kHorizontalTabs)))
            if (const Kelvo::TabItemInfo* item = horizontal->GetItemInfo(4))
                horizontal->OnControlMouseMove(0, item->rect.CenterPoint());
        if (auto* hover = static_cast<Kelvo::MSlider*>(dialog.GetControl(kSliderHover)))
            hover->OnControlMouseMove(0, hover->GetThumbRect().CenterPoint());
        if (auto* dragging = static_cast<Kelvo::MSlider*>(dialog.GetControl(kSliderDragging)))
            dragging->OnControlLButtonDown(0, dragging->GetThumbRect().CenterPoint());
        if (Kelvo::MControl* disabled = dialog.GetControl(kSliderDisabled)) disabled->SetEnabled(0);
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM) override {
        if ((id == kVerticalTabs || id == kHorizontalTabs) && code == 1) {
            const int index = static_cast<int>(wparam);
            return std::wstring(id == kVerticalTabs ? L"Vertical" : L"Horizontal") + L" tab selected: " +
                   (index >= 0 && index < 7 ? kTabs[index].text : L"none");
        }
        if (id >= kSliderMin && id <= kSliderLive && code == Kelvo::kNotifyPositionChanged)
            return L"Slider value: " + std::to_wstring(static_cast<int>(wparam));
        return {};
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        // The minimum slider's line is grey all along: its thumb sits at the start.
        const int top = m_area.top + 100;
        return {{L"the line of the slider at its minimum", CPoint(m_area.left + 100 + kSliderWidth / 2, top + 1),
                 0x333333}};
    }

private:
    CRect m_area;
};

}  // namespace

GALLERY_PAGE(TabPage, 60);

}  // namespace gallery
