#pragma once
// The lighting page (fifth tab, only for a model with lighting): the profile's lighting
// modes, the active one's brightness, speed and colour as far as the mode offers them,
// and the restore of the factory lighting. Every change goes to the profile's lighting
// record first and then to the mouse as a lighting task that names the mode it concerns.
#include <array>
#include <vector>

#include "LightRecord.h"
#include "PageControls.h"

namespace Kelvo {
class CArea;
class CColorButton;
class LightSlider;
class MComboBox;
class MControl;
class MControlFont;
class MEdit;
class MPicture;
class MText;
class PaletteBar;
}  // namespace Kelvo

class LightingPage : public MainWindowPage {
public:
    static constexpr int kSwatches = 8;
    static constexpr UINT kFirstSwatchId = 199;
    static constexpr UINT kFirstColourFieldId = 215;

    explicit LightingPage(PageControls& controls) : m_c(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    bool ReloadsOn(DevicePage page) const override { return page == DevicePage::kLighting; }
    void Reload() override;
    void ApplyLanguage() override;

    // The mode the page shows and the lighting tasks send.
    int LightMode() const { return m_nLightMode; }

private:
    void CreateModeArea();
    void CreateSettingsArea();
    void CreateColourSection();
    void PlaceModeArea();
    void PlaceSettingsArea();
    void PlaceColourSection();
    void PlaceSettingsBackground();

    // ---- showing the store ----
    void EnsureDefaultLights();
    void FillModeList();
    void ShowLightMode();
    void ShowColourSection(bool shown);
    void ShowColour(COLORREF colour);

    // ---- the user's changes ----
    void ChooseMode();
    void SetBrightness();
    void SetSpeed();
    void ChooseSwatch(UINT id);
    void ChooseHue();
    void TypeColour(UINT id);
    void ApplyLightColor(DWORD colour);
    void RestoreLighting();
    bool ActiveRecord(LightRecord& record);
    void StoreAndSend(const LightRecord& record);

    bool HasLighting() const { return m_c.Context().HasLight(); }
    int Profile() const { return m_c.Context().CurrentProfile(); }

    PageControls& m_c;
    int m_nLightMode = 3;  // follows the store's active mode from the first reload on
    bool m_colourShown = false;
    std::vector<int> m_modeNameIds;  // the text id of each row of the mode list

    Kelvo::MPicture* m_titleBackground = nullptr;
    Kelvo::MText* m_title = nullptr;
    Kelvo::MPicture* m_modeBackground = nullptr;
    Kelvo::MText* m_modeCaption = nullptr;
    Kelvo::MComboBox* m_modes = nullptr;
    Kelvo::MPicture* m_settingsBackground = nullptr;
    Kelvo::MText* m_settingsCaption = nullptr;
    Kelvo::MControl* m_restore = nullptr;
    Kelvo::MText* m_brightnessCaption = nullptr;
    Kelvo::LightSlider* m_brightness = nullptr;
    Kelvo::MText* m_speedCaption = nullptr;
    Kelvo::LightSlider* m_speed = nullptr;

    // The colour section, shown only for a mode with a colour.
    Kelvo::MText* m_swatchCaption = nullptr;
    std::array<Kelvo::CColorButton*, kSwatches> m_swatches{};
    Kelvo::MText* m_hueCaption = nullptr;
    Kelvo::PaletteBar* m_hue = nullptr;
    Kelvo::CArea* m_preview = nullptr;
    Kelvo::MText* m_saturationCaption = nullptr;
    Kelvo::LightSlider* m_saturation = nullptr;
    std::array<Kelvo::MText*, 3> m_fieldLabels{};
    std::array<Kelvo::MEdit*, 3> m_fields{};  // red, green, blue
};
