// Showing what the store holds for the current profile: the mode list, the active mode
// and what that mode offers. Nothing here stores a change or queues a task, except that
// a profile seen for the first time gets its default lighting modes.
#include "LightingPage.h"

#include <string>
#include <vector>

#include "CArea.h"
#include "CColorButton.h"
#include "LightSlider.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "PaletteBar.h"
#include "SettingsDatabase.h"

namespace {

constexpr int kBrightnessBit = 0x01;
constexpr int kSpeedBit = 0x02;
constexpr int kColourBit = 0x10;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

// The models whose mice count the lighting speed in five steps.
bool UsesSlowSpeedScale(int deviceType) { return deviceType >= 201 && deviceType <= 300; }

}  // namespace

void LightingPage::Reload() {
    if (!HasLighting() || !m_c.Context().Store().IsOpen()) return;
    EnsureDefaultLights();
    FillModeList();
    m_nLightMode = m_c.Context().Store().GetActiveLightMode(Profile());
    if (m_modes) m_modes->SelectData(static_cast<DWORD>(m_nLightMode));
    ShowLightMode();
}

void LightingPage::EnsureDefaultLights() {
    const bool slow = UsesSlowSpeedScale(m_c.Context().DeviceType());
    if (m_speed) {
        m_speed->SetMaxProgress(slow ? 4 : 255);
        m_speed->SetProgress(slow ? 1 : 200);
    }
    SettingsDatabase& store = m_c.Context().Store();
    if (store.CountLights(Profile()) < 1) store.EnsureDefaultLights(Profile());
}

void LightingPage::FillModeList() {
    if (!m_modes) return;
    // A refill under an open drop-down would let it choose from the old list.
    if (m_modes->IsPopupOpen()) m_modes->ClosePopup();
    m_modes->DelAllItems();
    m_modeNameIds.clear();
    std::vector<LightRecord> lights;
    m_c.Context().Store().ListLights(Profile(), lights);
    for (const LightRecord& light : lights) {
        m_modes->AddItem(m_c.Context().Text(light.reserved).GetString(), static_cast<DWORD>(light.mode), nullptr, kWhite);
        m_modeNameIds.push_back(light.reserved);
    }
}

void LightingPage::ShowLightMode() {
    if (!HasLighting() || !m_modes || m_modes->GetCurSel() < 0) return;
    m_nLightMode = static_cast<int>(m_modes->GetCurData());
    LightRecord light;
    SettingsDatabase& store = m_c.Context().Store();
    if (!store.GetLight(Profile(), m_nLightMode, light)) return;
    store.SetActiveLightMode(Profile(), m_nLightMode);
    const bool brightness = (light.config_func & kBrightnessBit) != 0;
    for (Kelvo::MControl* control : std::initializer_list<Kelvo::MControl*>{
             m_settingsBackground, m_settingsCaption, m_brightnessCaption, m_brightness}) {
        if (control) control->SetVisible(brightness ? 1 : 0);
    }
    if (m_brightness) m_brightness->SetProgress(light.brightness);
    const bool speed = (light.config_func & kSpeedBit) != 0;
    if (m_speedCaption) m_speedCaption->SetVisible(speed ? 1 : 0);
    if (m_speed) {
        m_speed->SetVisible(speed ? 1 : 0);
        m_speed->SetProgress(light.speed);
    }
    const bool colour = (light.config_func & kColourBit) != 0;
    ShowColourSection(colour);
    PlaceSettingsBackground();
    // The section shows the mode's own colour, so that what it shows is what the mouse has.
    if (colour) ShowColour(static_cast<COLORREF>(light.color_value) & 0xFFFFFF);
}

void LightingPage::ShowColourSection(bool shown) {
    m_colourShown = shown;
    const int visible = shown ? 1 : 0;
    for (Kelvo::MControl* control : std::initializer_list<Kelvo::MControl*>{
             m_swatchCaption, m_hueCaption, m_hue, m_preview, m_saturationCaption, m_saturation}) {
        if (control) control->SetVisible(visible);
    }
    for (Kelvo::CColorButton* swatch : m_swatches) {
        if (swatch) swatch->SetVisible(visible);
    }
    for (int i = 0; i < 3; ++i) {
        if (m_fieldLabels[i]) m_fieldLabels[i]->SetVisible(visible);
        if (m_fields[i]) m_fields[i]->SetVisible(visible);
    }
    if (shown) {
        if (m_hue) m_hue->UpdateControl(1, 0);
        if (m_saturation) m_saturation->UpdateControl(1, 0);
    }
}

// The preview and the number fields show `colour`; a swatch of that colour is checked.
void LightingPage::ShowColour(COLORREF colour) {
    if (m_preview) m_preview->SetTransparent(0, 0, colour);
    const int bytes[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    for (int i = 0; i < 3; ++i) {
        if (m_fields[i]) m_fields[i]->SetTitle(std::to_wstring(bytes[i]).c_str());
    }
    for (Kelvo::CColorButton* swatch : m_swatches) {
        if (swatch) swatch->SetControlCheck(swatch->GetColor() == colour ? 1 : 0);
    }
}
