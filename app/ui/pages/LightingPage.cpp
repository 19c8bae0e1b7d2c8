// The lighting page's controls, where they go, and their texts.
#include "LightingPage.h"

#include "CArea.h"
#include "CColorButton.h"
#include "CImageButton.h"
#include "LightSlider.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "PaletteBar.h"

namespace {

constexpr int kContainer = 48;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kFieldLabelColour = 0xFF6D6D6D;
constexpr COLORREF kFieldBackground = 0x6D6D6D;
constexpr COLORREF kFirstPreview = 0xD027FB;
// Colour references, red in the low byte.
constexpr COLORREF kSwatchColours[LightingPage::kSwatches] = {0x0000FF, 0xFF00F0, 0xFF0C00, 0xFCFF00,
                                                              0x06FF00, 0x00DEFF, 0x0048FF, 0xFFFFFF};
const wchar_t* const kFieldLabels[] = {L"R", L"G", L"B"};

// Rows of the settings area and the colour section, from the area's top edge.
constexpr int kFirstRow = 40;
constexpr int kRowStep = 60;
constexpr int kSliderBelowCaption = 25;

}  // namespace

void LightingPage::Create() {
    CreateModeArea();
    CreateSettingsArea();
    CreateColourSection();
}

void LightingPage::CreateModeArea() {
    auto background = [this](UINT id) {
        auto* picture = m_c.Make<Kelvo::MPicture>(kContainer, L"MPicture", id);
        if (picture) {
            picture->SetImage(L"img_area2.png", 1);
            picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
        }
        return picture;
    };
    m_titleBackground = background(186);
    m_title = m_c.Make<Kelvo::MText>(kContainer, L"MText", 187);
    m_modeBackground = background(188);
    m_modeCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 189);
    if ((m_modes = m_c.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", 190))) {
        m_modes->SetImage(L"img_combobox.png", 4);
        m_modes->SetTextColorEx(kWhite, kWhite);
        m_modes->SetFontName(m_c.Context().FontName().GetString());
        m_modes->SetAlignment(DT_CENTER);
    }
    m_settingsBackground = background(191);
    m_settingsCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 192);
    if (auto* restore = m_c.Make<Kelvo::CImageButton>(kContainer, L"CImageButton", 193)) {
        restore->SetImage(L"btn_reset.png", 4);
        m_restore = restore;
    }
}

void LightingPage::CreateSettingsArea() {
    auto slider = [this](UINT id, const wchar_t* bar, int maximum, int value) {
        auto* s = m_c.Make<Kelvo::LightSlider>(kContainer, L"LightSlider", id);
        if (s) {
            s->SetImage(bar, 1);
            s->SetThumbImage(L"img_lightslider_bar.png");
            s->SetMinProgress(0);
            s->SetMaxProgress(maximum);
            s->SetProgress(value);
        }
        return s;
    };
    m_brightnessCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 194);
    m_brightness = slider(195, L"img_lightslider_bkg.png", 255, 200);
    m_speedCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 196);
    m_speed = slider(197, L"img_lightslider_bkg.png", 255, 200);
    m_saturationCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 210);
    m_saturation = slider(211, L"img_saturation_bkg.png", 200, 200);
}

void LightingPage::CreateColourSection() {
    m_swatchCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 198);
    for (int i = 0; i < kSwatches; ++i) {
        auto* swatch = m_c.Make<Kelvo::CColorButton>(kContainer, L"CColorButton", kFirstSwatchId + i);
        m_swatches[i] = swatch;
        if (!swatch) continue;
        swatch->SetGroupName(L"DEFAULTCOLOR");
        swatch->SetColor(kSwatchColours[i]);
    }
    m_hueCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 207);
    if ((m_hue = m_c.Make<Kelvo::PaletteBar>(kContainer, L"PaletteBar", 208))) m_hue->SetImage(L"img_lightslider_bar.png", 1);
    if ((m_preview = m_c.Make<Kelvo::CArea>(kContainer, L"CArea", 209))) m_preview->SetTransparent(0, 0, kFirstPreview);
    for (int i = 0; i < 3; ++i) {
        if ((m_fieldLabels[i] = m_c.Make<Kelvo::MText>(kContainer, L"MText", 212 + i, kFieldLabels[i])))
            m_fieldLabels[i]->SetTextColor(kFieldLabelColour);
        auto* field = m_c.Make<Kelvo::MEdit>(kContainer, L"MEdit", kFirstColourFieldId + i);
        m_fields[i] = field;
        if (!field) continue;
        field->SetImage(L"img_edit.png", 4);
        field->SetTextColor(kWhite);
        field->SetEditText(L"255");
        field->SetNumberOnly(1);
        field->SetEditBKColor(kFieldBackground);
        field->SetAlignment(DT_CENTER);
        field->SetLimitText(3);
    }
    // The section shows only once a mode with a colour is shown.
    ShowColourSection(false);
}

// ---- layout -------------------------------------------------------------------------------

void LightingPage::Place() {
    PlaceModeArea();
    PlaceSettingsArea();
    PlaceColourSection();
    PlaceSettingsBackground();
}

void LightingPage::PlaceModeArea() {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    PageControls::Place(m_titleBackground, CRect(100, 75, 100 + S(255), 75 + S(40)));
    PageControls::Place(m_title, CRect(100 + S(10), 75, 100 + S(255), 75 + S(40)));
    if (m_title) m_title->SetFont(font.GetString(), S(18), 0);
    const int top = 75 + S(50);
    PageControls::Place(m_modeBackground, CRect(100, top, 100 + S(255), top + S(80)));
    PageControls::Place(m_modeCaption, CRect(100 + S(10), top, 100 + S(220), top + S(36)));
    if (m_modeCaption) m_modeCaption->SetFont(font.GetString(), S(16), 0);
    // The restore icon sits centred on the caption's row.
    const int icon = top + (S(36) - 13) / 2;
    PageControls::Place(m_restore, CRect(100 + S(227), icon, 100 + S(227) + 13, icon + 13));
    PageControls::Place(m_modes, CRect(100 + S(10), top + S(36), 100 + S(210), top + S(64)));
    if (m_modes) m_modes->SetFont(font.GetString(), S(14), 0);
}

void LightingPage::PlaceSettingsArea() {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    const int top = 75 + S(140);
    PageControls::Place(m_settingsCaption, CRect(100 + S(10), top, 100 + S(250), top + S(36)));
    if (m_settingsCaption) m_settingsCaption->SetFont(font.GetString(), S(16), 0);
    Kelvo::MText* captions[] = {m_brightnessCaption, m_speedCaption};
    Kelvo::LightSlider* sliders[] = {m_brightness, m_speed};
    for (int row = 0; row < 2; ++row) {
        const int y = top + S(kFirstRow + kRowStep * row);
        PageControls::Place(captions[row], CRect(100 + S(10), y, 100 + S(210), y + S(20)));
        if (captions[row]) captions[row]->SetFont(font.GetString(), S(14), 0);
        const int bar = y + S(kSliderBelowCaption);
        PageControls::Place(sliders[row], CRect(100 + S(10), bar, 100 + S(210), bar + S(17)));
    }
}

void LightingPage::PlaceColourSection() {
    auto S = [this](double v) { return m_c.S(v); };
    const CString& font = m_c.Context().FontName();
    auto caption = [&](Kelvo::MText* text, int y) {
        PageControls::Place(text, CRect(100 + S(300), y, 100 + S(500), y + S(20)));
        if (text) text->SetFont(font.GetString(), S(14), 0);
    };
    const int left = 100 + S(300);
    const int top = 75 + S(140);
    const int swatchRow = top + S(kFirstRow);
    caption(m_swatchCaption, swatchRow);
    for (int i = 0; i < kSwatches; ++i) {
        const int x = left + S(35 * i);
        const int y = swatchRow + S(kSliderBelowCaption);
        PageControls::Place(m_swatches[i], CRect(x, y, x + S(24), y + S(24)));
    }
    const int hueRow = top + S(kFirstRow + kRowStep);
    caption(m_hueCaption, hueRow);
    PageControls::Place(m_hue, CRect(left, hueRow + S(kSliderBelowCaption), left + S(200), hueRow + S(kSliderBelowCaption + 17)));
    const int saturationRow = top + S(kFirstRow + 2 * kRowStep);
    caption(m_saturationCaption, saturationRow);
    const int bar = saturationRow + S(kSliderBelowCaption);
    PageControls::Place(m_saturation, CRect(left, bar, left + S(200), bar + S(17)));
    const int fieldRow = top + S(kFirstRow + 3 * kRowStep);
    for (int i = 0; i < 3; ++i) {
        const int x = left + S(65 * i);
        PageControls::Place(m_fieldLabels[i], CRect(x, fieldRow, x + S(15), fieldRow + S(28)));
        if (m_fieldLabels[i]) m_fieldLabels[i]->SetFont(font.GetString(), S(14), 0);
        PageControls::Place(m_fields[i], CRect(x + S(15), fieldRow, x + S(60), fieldRow + S(28)));
        if (m_fields[i]) m_fields[i]->SetFont(font.GetString(), S(14), 0);
    }
    PageControls::Place(m_preview, CRect(100 + S(511), 75 + S(305), 100 + S(569), 75 + S(363)));
}

// The settings background spans the colour section while that shows. Placing alone
// repaints nothing, and a width changed by a mode would otherwise show only at the
// window's next full paint.
void LightingPage::PlaceSettingsBackground() {
    if (!m_settingsBackground) return;
    auto S = [this](double v) { return m_c.S(v); };
    const int top = 75 + S(140);
    const CRect before = m_settingsBackground->GetRect();
    const CRect after(100, top, 100 + S(m_colourShown ? 585 : 255), top + S(300));
    if (before == after) return;
    PageControls::Place(m_settingsBackground, after);
    CRect both;
    both.UnionRect(before, after);
    m_settingsBackground->UpdateControl(both, 1, 1);
}

// ---- texts --------------------------------------------------------------------------------

void LightingPage::ApplyLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MText* text, int textId) {
        if (text) text->SetTitle(context.Text(textId).GetString());
    };
    title(m_title, 265);
    title(m_modeCaption, 266);
    title(m_settingsCaption, 267);
    title(m_brightnessCaption, 268);
    title(m_speedCaption, 269);
    title(m_swatchCaption, 270);
    title(m_hueCaption, 271);
    title(m_saturationCaption, 272);
    if (m_restore) m_restore->SetTooltip(context.Text(276).GetString());
    // The mode names come from the language file too; the rows keep their modes.
    for (std::size_t row = 0; m_modes && row < m_modeNameIds.size(); ++row)
        m_modes->SetItemText(static_cast<int>(row), context.Text(m_modeNameIds[row]).GetString());
}
