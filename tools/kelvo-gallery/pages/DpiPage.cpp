// DPI widgets: five level buttons in the colours of the performance page (normal, hover,
// pressed, checked, disabled, both axes, no title) and a live row to click and type in;
// report-rate buttons without marks; DPI sliders at the start, in the middle, at 30000 DPI,
// disabled and at half scale, and a live one; DPI level editors, one live.
#include <string>

#include "ColorButtonEx.h"
#include "ControlFactory.h"
#include "DPIButtonEx.h"
#include "DPIControl.h"
#include "DPISlider.h"
#include "MText.h"

#include "GalleryPage.h"

namespace gallery {

namespace {

enum ControlId : UINT {
    kLevelFirst = kFirstPageId,          // the looks
    kLiveLevelFirst = kFirstPageId + 10,  // five live levels
    kRateFirst = kFirstPageId + 20,
    kSliderFirst = kFirstPageId + 30,
    kLiveSlider = kFirstPageId + 39,
    kEditorFirst = kFirstPageId + 40,
    kLiveEditor = kFirstPageId + 42,
    kFirstCaption = kFirstPageId + 100,
};

constexpr int kLevelRow = 0;
constexpr int kLiveRow = 76;
constexpr int kRateRow = 146;
constexpr int kSliderRow = 196;
constexpr int kEditorRow = 440;
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 48;
constexpr int kSliderWidth = 380;
constexpr int kSliderHeight = 46;
constexpr Gdiplus::ARGB kLevelColours[] = {0xFFF10900, 0xFF006BEE, 0xFF00F54C, 0xFFB301FB, 0xFFFFA320};
constexpr int kLevelValues[] = {400, 800, 1600, 3200, 4800};

class DpiPage : public GalleryPage {
public:
    const wchar_t* Name() const override { return L"dpi"; }
    const wchar_t* Title() const override { return L"DPI"; }

    void Build(Kelvo::MDialog& dialog, CRect area) override {
        m_area = area;
        m_nextCaption = kFirstCaption;
        BuildLooks(dialog, area.left, area.top + kLevelRow);
        BuildLiveLevels(dialog, area.left, area.top + kLiveRow);
        BuildRates(dialog, area.left, area.top + kRateRow);
        BuildSliders(dialog, area.left, area.top + kSliderRow);
        BuildEditors(dialog, area.left, area.top + kEditorRow);
        // The slider follows a drag that left it on the window's tick.
        m_timer = dialog.SetMTimer(10);
    }

    void ShowStates(Kelvo::MDialog& dialog) override {
        if (auto* disabled = dialog.GetControl(kLevelFirst + 4)) disabled->SetEnabled(0);
        if (auto* disabled = dialog.GetControl(kSliderFirst + 3)) disabled->SetEnabled(0);
        // Hover and pressed are shown by the pointer; here they are set as the look they pick.
        if (auto* hover = dynamic_cast<Kelvo::DPIButtonEx*>(dialog.GetControl(kLevelFirst + 1)))
            hover->OnControlMouseMove(0, hover->GetRect().CenterPoint());
        if (auto* pressed = dynamic_cast<Kelvo::DPIButtonEx*>(dialog.GetControl(kLevelFirst + 2))) {
            const CPoint onMark(pressed->GetRect().left + 4, pressed->GetRect().top + 4);
            pressed->OnControlLButtonDown(MK_LBUTTON, onMark);
        }
    }

    void Leave(Kelvo::MDialog& dialog) override {
        if (m_timer) dialog.KillMTimer(m_timer);
        m_timer = 0;
    }

    std::wstring Describe(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override {
        if (id >= kLiveLevelFirst && id < kLiveLevelFirst + 5) {
            if (code == Kelvo::kNotifyActivated) return L"Level " + std::to_wstring(id - kLiveLevelFirst + 1) + L" selected";
            if (code == 29) return L"Level " + std::to_wstring(id - kLiveLevelFirst + 1) + L" typed";
        }
        if (id == kLiveSlider && code == Kelvo::kNotifyPositionChanged)
            return L"DPI: " + std::to_wstring(static_cast<int>(wparam) * 100);
        if (id == kLiveEditor && code == Kelvo::kNotifyActivated && lparam == 3 && m_liveEditor)
            return L"Level editor: " + std::to_wstring(m_liveEditor->GetDPIValue());
        if (id >= kRateFirst && id < kRateFirst + 6 && code == Kelvo::kNotifyActivated)
            return L"Report rate chosen";
        return {};
    }

    std::vector<PixelCheck> Checks(Kelvo::MDialog&) override {
        // The checked look of the fourth sample, right of its mark: the selection colour.
        const int x = m_area.left + 3 * (kButtonWidth + 8) + 18;
        return {{L"the checked DPI level's fill", CPoint(x, m_area.top + kLevelRow + 3), 0x3768FA},
                {L"the first DPI level's mark", CPoint(m_area.left + 4, m_area.top + kLevelRow + 3), 0xF10900}};
    }

private:
    void Caption(Kelvo::MDialog& dialog, CRect rect, const wchar_t* text) {
        auto* caption = static_cast<Kelvo::MText*>(dialog.CreateControl(L"MText", m_nextCaption++, rect, text, 1, 0));
        if (!caption) return;
        caption->SetTextColor(kCaptionColour);
        caption->SetFontWidth(13);
    }

    Kelvo::DPIButtonEx* Level(Kelvo::MDialog& dialog, UINT id, int x, int top, int index, const wchar_t* group) {
        const std::wstring title = std::to_wstring(kLevelValues[index]);
        auto* level = static_cast<Kelvo::DPIButtonEx*>(dialog.CreateControl(
            L"DPIButtonEx", id, CRect(x, top, x + kButtonWidth, top + kButtonHeight), title.c_str(), 1, 1));
        if (!level) return nullptr;
        level->SetFont(L"Arial", 14, 1);
        level->SetGroupName(group);
        level->SetColor(kLevelColours[index]);
        level->SetDPIXValue(kLevelValues[index]);
        level->SetDPIYValue(kLevelValues[index] * 2);
        return level;
    }

    void BuildLooks(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* captions[] = {L"normal", L"hover", L"pressed", L"checked", L"disabled", L"X and Y", L"no title"};
        for (int i = 0; i < 7; ++i) {
            const int x = left + i * (kButtonWidth + 8);
            // Each sample is a group of its own, so that checking one leaves the others alone.
            auto* level = Level(dialog, kLevelFirst + i, x, top, i % 5, std::to_wstring(i).c_str());
            if (!level) continue;
            if (i == 3) level->SetCheck(1);
            if (i == 5) level->EnableXY(1);
            if (i == 6) level->SetEditText(L"");
            Caption(dialog, CRect(x, top + kButtonHeight + 4, x + kButtonWidth, top + kButtonHeight + 20), captions[i]);
        }
    }

    void BuildLiveLevels(Kelvo::MDialog& dialog, int left, int top) {
        for (int i = 0; i < 5; ++i) {
            auto* level = Level(dialog, kLiveLevelFirst + i, left + i * (kButtonWidth + 8), top, i, L"MOUSE_DPICTRL");
            if (!level) continue;
            level->SetShowEdit(1);
            if (i == 1) level->SetCheck(1);
        }
        Caption(dialog, CRect(left + 5 * (kButtonWidth + 8), top + 14, left + 900, top + 32),
                L"live: click to select, click the value to type");
    }

    void BuildRates(Kelvo::MDialog& dialog, int left, int top) {
        const wchar_t* rates[] = {L"125Hz", L"500Hz", L"1000Hz", L"2000Hz", L"4000Hz", L"8000Hz"};
        for (int i = 0; i < 6; ++i) {
            const int x = left + i * 90;
            auto* rate = static_cast<Kelvo::ColorButtonEx*>(
                dialog.CreateControl(L"ColorButtonEx", kRateFirst + i, CRect(x, top, x + 82, top + 32), rates[i], 1, 1));
            if (!rate) continue;
            rate->SetFont(L"Arial", 13, 0);
            rate->SetGroupName(L"REPORTRATE");
            if (i == 2) rate->SetCheck(1);
        }
        Caption(dialog, CRect(left + 550, top + 8, left + 900, top + 26), L"report rates: no mark");
    }

    void BuildSliders(Kelvo::MDialog& dialog, int left, int top) {
        const struct {
            int maximum, value;
            float scale;
            const wchar_t* caption;
        } sliders[] = {{260, 1, 1.0f, L"100 DPI"},    {260, 130, 1.0f, L"13000 DPI"}, {300, 300, 1.0f, L"30000 DPI"},
                       {260, 64, 1.0f, L"disabled"},  {260, 200, 0.5f, L"half scale"}, {260, 16, 1.0f, L"live"}};
        for (int i = 0; i < 6; ++i) {
            const int x = left + (i % 2) * (kSliderWidth + 60);
            const int y = top + (i / 2) * (kSliderHeight + 34);
            const UINT id = i == 5 ? kLiveSlider : kSliderFirst + i;
            auto* slider = static_cast<Kelvo::DPISlider*>(
                dialog.CreateControl(L"DPISlider", id, CRect(x, y, x + kSliderWidth, y + kSliderHeight), L"", 1, 1));
            if (!slider) continue;
            slider->SetFont(L"Arial", 12, 0);
            slider->SetTextColor(0xFFFFFFFF);
            slider->SetImage(L"img_dpi_bar.png", 1);
            slider->SetScaleValue(sliders[i].scale);
            slider->SetMaxProgress(sliders[i].maximum);
            slider->SetProgress(sliders[i].value);
            Caption(dialog, CRect(x, y + kSliderHeight + 2, x + kSliderWidth, y + kSliderHeight + 20), sliders[i].caption);
        }
    }

    void BuildEditors(Kelvo::MDialog& dialog, int left, int top) {
        const int values[] = {800, 25990, 1600};
        for (int i = 0; i < 3; ++i) {
            const int x = left + i * 230;
            Kelvo::MControl* made = Kelvo::CreatePanelControl(L"DPIControl", &dialog, kEditorFirst + i,
                                                              CRect(x, top, x + 200, top + 40), L"", 1, 1);
            if (!made) continue;
            dialog.GetPaintManager().AttachControl(1, made);
            auto* editor = static_cast<Kelvo::DPIControl*>(made);
            editor->SetGroupName(L"EDITORS");
            editor->SetColor(RGB(0x00, 0x6B, 0xEE));
            editor->SetDPIValue(values[i]);
            if (i == 0) editor->SetCheckStateEx(1);
            if (i == 1) editor->SetCheck(0);
            if (i == 2) m_liveEditor = editor;
        }
        Caption(dialog, CRect(left + 690, top + 16, left + 900, top + 34), L"level editors, last live");
    }

    CRect m_area;
    UINT m_nextCaption = kFirstCaption;
    UINT m_timer = 0;
    Kelvo::DPIControl* m_liveEditor = nullptr;
};

}  // namespace

GALLERY_PAGE(DpiPage, 100);

}  // namespace gallery
