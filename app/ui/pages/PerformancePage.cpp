// The performance page's controls, where they go, and their texts.
#include "PerformancePage.h"

#include <algorithm>

#include "CCheckButton.h"
#include "CHelpButton.h"
#include "CImageButton.h"
#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "DPISlider.h"
#include "MButton.h"
#include "MComboBox.h"
#include "MPicture.h"
#include "MText.h"

namespace {

constexpr int kContainer = 46;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kLevelColours[] = {0xFFF10900, 0xFF006BEE, 0xFF00F54C, 0xFFB301FB, 0xFFFFA320};
const wchar_t* const kLevelTitles[] = {L"400", L"800", L"1200", L"3600", L"16000"};
const wchar_t* const kRateTitles[] = {L"125Hz", L"500Hz", L"1000Hz", L"2000Hz", L"4000Hz", L"8000Hz"};
constexpr UINT kRateIds[] = {129, 131, 132, 133, 134, 135};

}  // namespace

void PerformancePage::Create() {
    CreateDpiSection();
    CreateRateSection();
    CreateDeviceSettings();
}

void PerformancePage::CreateDpiSection() {
    auto section = [this](UINT id) {
        auto* picture = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", id);
        if (picture) {
            picture->SetImage(L"img_area2.png", 1);
            picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
        }
        return picture;
    };
    const CString& font = m_c.Context().FontName();
    m_dpiHeader = section(108);
    if ((m_dpiTitle = m_c.Make<Kelvo::MText>(kContainer, L"MText", 109))) m_dpiTitle->SetFontName(font.GetString());
    m_dpiBody = section(110);
    m_levelsCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 111);
    if (auto* help = m_c.Make<Kelvo::CHelpButton>(kContainer, L"CHelpButton", 112)) {
        help->SetImage(L"img_help.png", 4);
        m_dpiHelp = help;
    }
    if (auto* restore = m_c.Make<Kelvo::CImageButton>(kContainer, L"CImageButton", 113)) {
        restore->SetImage(L"btn_reset.png", 4);
        m_dpiRestore = restore;
    }
    for (int i = 0; i < kLevels; ++i) {
        auto* level = m_c.Make<Kelvo::DPIButtonEx>(kContainer, L"DPIButtonEx", kFirstLevelId + i, kLevelTitles[i]);
        m_levels[i] = level;
        if (!level) continue;
        level->SetGroupName(L"MOUSE_DPICTRL");
        level->SetColor(kLevelColours[i]);
        level->SetShowEdit(0);  // typed values would never be stored: levels change by the sliders
    }
    if (m_levels[0]) m_levels[0]->SetCheck(1);
    for (int i = 0; i < 2; ++i) {
        auto* slider = m_c.Make<Kelvo::DPISlider>(kContainer, L"DPISlider", 119 + i, CString(), i == 0 ? 1 : 0);
        (i == 0 ? m_xSlider : m_ySlider) = slider;
        if (!slider) continue;
        slider->SetImage(L"img_dpi_bar.png", 1);
        slider->SetTextColor(kWhite);
        slider->SetMinProgress(1);
        slider->SetMaxProgress(SliderMaximum());
    }
    if ((m_apply = m_c.Make<Kelvo::MButton>(kContainer, L"MButton", 121))) m_apply->SetImage(L"img_button.png", 4);
    if ((m_countCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 122))) {
        m_countCaption->SetAlignment(DT_RIGHT);
        m_countCaption->SetTextColor(kWhite);
    }
    if ((m_count = m_c.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", 123))) {
        m_count->SetImage(L"img_combobox.png", 4);
        m_count->SetTextColorEx(kWhite, kWhite);
        m_count->SetFontName(m_c.Context().FontName2().GetString());
        m_count->SetAlignment(DT_CENTER);
        for (int n = 1; n <= kLevels; ++n) m_count->AddItem(std::to_wstring(n).c_str(), n, nullptr, kWhite);
        m_count->SelectData(kLevels);
    }
    if ((m_xy = m_c.Make<Kelvo::CCheckButton>(kContainer, L"CCheckButton", 124, L"X-Y Setting")))
        m_xy->SetImage(L"btn_radiobox.png", 8);
}

void PerformancePage::CreateRateSection() {
    if ((m_rateBody = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", 125))) {
        m_rateBody->SetImage(L"img_area2.png", 1);
        m_rateBody->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    m_rateCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 126);
    if (auto* help = m_c.Make<Kelvo::CHelpButton>(kContainer, L"CHelpButton", 127)) {
        help->SetImage(L"img_help.png", 4);
        m_rateHelp = help;
    }
    if (auto* restore = m_c.Make<Kelvo::CImageButton>(kContainer, L"CImageButton", 128)) {
        restore->SetImage(L"btn_reset.png", 4);
        m_rateRestore = restore;
    }
    for (int i = 0; i < kRates; ++i) {
        auto* rate = m_c.Make<Kelvo::ColorButtonEx>(kContainer, L"ColorButtonEx", kRateIds[i], kRateTitles[i]);
        m_rates[i] = rate;
        if (rate) rate->SetGroupName(L"REPORTRATE");
    }
    if (m_rates[0]) m_rates[0]->SetCheck(1);
}

// ---- layout -------------------------------------------------------------------------------

void PerformancePage::Place() {
    PlaceDpiSection();
    PlaceRateButtons();
    PlaceDeviceSettings();
}

void PerformancePage::PlaceDpiSection() {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    auto font14 = [&](Kelvo::MControlFont* control, int size) {
        if (control) control->SetFont(font.GetString(), S(size), 0);
    };
    const int y1 = 75 + S(50);
    const int y2 = y1 + S(40);
    PageControls::Place(m_dpiHeader, CRect(100, 75, 100 + S(200), 75 + S(40)));
    PageControls::Place(m_dpiTitle, CRect(100 + S(10), 75, 100 + S(200), 75 + S(40)));
    font14(m_dpiTitle, 18);
    PageControls::Place(m_dpiBody, CRect(100, y1, 100 + S(500), y1 + S(340)));
    PageControls::Place(m_levelsCaption, CRect(100 + S(10), y1, 100 + S(165), y1 + S(36)));
    font14(m_levelsCaption, 16);
    // The help and restore icons sit centred on the caption's row.
    const int row = y1 + (S(36) - 15) / 2;
    PageControls::Place(m_dpiHelp, CRect(100 + S(170), row, 100 + S(170) + 15, row + 15));
    const int small = y1 + (S(36) - 13) / 2;
    PageControls::Place(m_dpiRestore, CRect(100 + S(477), small, 100 + S(477) + 13, small + 13));
    for (int k = 0; k < kLevels; ++k) {
        const int top = y2 + S(k * 55);
        PageControls::Place(m_levels[k], CRect(100 + S(10), top, 100 + S(90), top + S(50)));
        font14(m_levels[k], 14);
    }
    PageControls::Place(m_countCaption, CRect(100 + S(280), y2, 100 + S(400), y2 + S(28)));
    font14(m_countCaption, 16);
    PageControls::Place(m_count, CRect(100 + S(410), y2, 100 + S(490), y2 + S(28)));
    if (m_count) {
        m_count->SetFontWidth(S(16));
        // The number keeps clear of the arrow at the right end.
        m_count->SetTextRect(CRect(3, 2, std::max(3, S(80) - S(28)), std::max(2, S(28) - 2)));
    }
    const int applyTop = y2 + S(250) + 2;
    PageControls::Place(m_apply, CRect(100 + S(410), applyTop, 100 + S(490), applyTop + S(28)));
    font14(m_apply, 14);
    const CRect x(100 + S(110), 125 + S(95), 100 + S(490), 125 + S(150));
    for (Kelvo::DPISlider* slider : {m_xSlider, m_ySlider}) {
        if (slider) slider->SetScaleValue(m_c.Context().Scale());
    }
    PageControls::Place(m_xSlider, x);
    PageControls::Place(m_ySlider, CRect(x.left, x.top + S(60), x.right, x.bottom + S(60)));
    PageControls::Place(m_xy, CRect(100 + S(110), 165 + S(250), 100 + S(270), 195 + S(250)));
    font14(m_xy, 14);

    PageControls::Place(m_rateBody, CRect(100, 485, 100 + S(500), 485 + S(125)));
    PageControls::Place(m_rateCaption, CRect(100 + S(10), 485, 100 + S(165), 485 + S(36)));
    font14(m_rateCaption, 16);
    const int rateRow = 485 + (S(36) - 15) / 2;
    PageControls::Place(m_rateHelp, CRect(100 + S(170), rateRow, 100 + S(170) + 15, rateRow + 15));
    const int rateSmall = 485 + (S(36) - 13) / 2;
    PageControls::Place(m_rateRestore, CRect(100 + S(477), rateSmall, 100 + S(477) + 13, rateSmall + 13));
    for (Kelvo::ColorButtonEx* rate : m_rates) font14(rate, 14);
}

// The visible rate buttons side by side, 100·s apart; 8000 Hz starts a second row when
// the first is full.
void PerformancePage::PlaceRateButtons() {
    auto S = [this](double v) { return m_c.S(v); };
    const int left = 100 + S(10);
    const int top = 485 + S(50);
    const int secondRow = S(IsOutputDialectOnWire(m_c.Context().DeviceType()) ? 36 : 35);
    int column = 0;
    for (int i = 0; i < kRates; ++i) {
        Kelvo::ColorButtonEx* rate = m_rates[i];
        if (!rate || !rate->IsVisible()) continue;
        const bool wraps = i == kRates - 1 && column == kRates - 1;
        const int x = left + S(100 * (wraps ? 0 : column));
        const int y = top + (wraps ? secondRow : 0);
        PageControls::Place(rate, CRect(x, y, x + S(80), y + S(28)));
        ++column;
    }
}

// ---- texts --------------------------------------------------------------------------------

void PerformancePage::ApplyLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_dpiTitle, 250);
    title(m_levelsCaption, 251);
    if (auto* help = dynamic_cast<Kelvo::MControlFont*>(m_dpiHelp)) title(help, 252);
    if (m_dpiRestore) m_dpiRestore->SetTooltip(context.Text(253).GetString());
    title(m_apply, 254);
    title(m_countCaption, 260);
    title(m_rateCaption, 255);
    if (auto* help = dynamic_cast<Kelvo::MControlFont*>(m_rateHelp)) title(help, 256);
    if (m_rateRestore) m_rateRestore->SetTooltip(context.Text(257).GetString());
    for (const Caption& caption : m_captions) title(caption.text, caption.textId);
    ApplySettingsLanguage();
}
