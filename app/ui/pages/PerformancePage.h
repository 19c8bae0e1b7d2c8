#pragma once
// The performance page (DPI levels and report rate, third tab) and the mouse's device
// settings on the settings page (lift-off, sensor, scroll direction, e-sports mode,
// response time, lighting sleep time, angle snapping), which edit the same values.
// Every value lives in the store for the current profile; the page keeps no copy but
// what its controls show, and each change goes to the mouse as a worker task.
#include <array>

#include "DeviceTypeRanges.h"

#include "PageControls.h"

namespace Kelvo {
class CCheckButton;
class CRadioButton;
class CSwitchButton;
class ColorButtonEx;
class DPIButtonEx;
class DPISlider;
class MAngletunability;
class MButton;
class MComboBox;
class MControl;
class MControlFont;
class MPicture;
class MText;
class NumberEdit;
}  // namespace Kelvo

class PerformancePage : public MainWindowPage {
public:
    static constexpr int kLevels = 5;
    static constexpr int kRates = 6;
    static constexpr UINT kFirstLevelId = 114;

    explicit PerformancePage(PageControls& controls) : m_c(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    bool ReloadsOn(DevicePage page) const override { return page == DevicePage::kPerformance; }
    void Reload() override;
    void ApplyLanguage() override;

    // The level button selected now (114 … 118).
    UINT SelectedLevelId() const { return m_nCurLevelId; }

private:
    // ---- the DPI page ----
    void CreateDpiSection();
    void CreateRateSection();
    void PlaceDpiSection();
    void PlaceRateButtons();
    void SelectLevel(UINT id);
    void MoveXSlider(int value);
    void MoveYSlider(int value);
    void ToggleXY();
    void ApplyLevel();
    void ChangeLevelCount();
    void EnableLevels(int count);
    void RestoreDpi();
    void RestoreRate();
    void ChooseRate(UINT id);
    void ShowLevel(int index);
    void ShowRates();
    int LevelIndex(UINT id) const { return static_cast<int>(id - kFirstLevelId); }
    Kelvo::DPIButtonEx* SelectedLevel() const;

    // ---- the device settings on the settings page ----
    void CreateDeviceSettings();
    void PlaceDeviceSettings();
    void ApplySettingsLanguage();
    bool OnSettingsNotify(UINT id, UINT code, LRESULT& result);
    void StoreSensorFlags();
    void ChangeResponseTime(UINT code);
    void ChooseSleepTime();
    void SwitchAngleSnapping();
    void ShowSleepList();
    void ShowDeviceSettings();

    // ---- the store ----
    int Stored(const wchar_t* key, int fallback = 0);
    void Store(const wchar_t* key, int value);
    void Store(const CString& key, int value);
    int SliderMaximum() const;

    PageControls& m_c;
    UINT m_nCurLevelId = kFirstLevelId;
    bool m_sleepShown = false;
    int m_sleepListFamily = -1;  // which list the sleep times show now

    Kelvo::MPicture* m_dpiHeader = nullptr;
    Kelvo::MText* m_dpiTitle = nullptr;
    Kelvo::MPicture* m_dpiBody = nullptr;
    Kelvo::MText* m_levelsCaption = nullptr;
    Kelvo::MControl* m_dpiHelp = nullptr;
    Kelvo::MControl* m_dpiRestore = nullptr;
    std::array<Kelvo::DPIButtonEx*, kLevels> m_levels{};
    Kelvo::DPISlider* m_xSlider = nullptr;
    Kelvo::DPISlider* m_ySlider = nullptr;
    Kelvo::MButton* m_apply = nullptr;
    Kelvo::MText* m_countCaption = nullptr;
    Kelvo::MComboBox* m_count = nullptr;
    Kelvo::CCheckButton* m_xy = nullptr;
    Kelvo::MPicture* m_rateBody = nullptr;
    Kelvo::MText* m_rateCaption = nullptr;
    Kelvo::MControl* m_rateHelp = nullptr;
    Kelvo::MControl* m_rateRestore = nullptr;
    std::array<Kelvo::ColorButtonEx*, kRates> m_rates{};  // 129, 131 … 135

    struct Caption {
        Kelvo::MText* text = nullptr;
        int textId = 0;
    };
    std::array<Caption, 8> m_captions{};  // the device settings' heading, then its rows' titles
    Kelvo::MPicture* m_settingsHeader = nullptr;
    Kelvo::MPicture* m_settingsBody = nullptr;
    std::array<Kelvo::CRadioButton*, 2> m_liftOff{};
    std::array<Kelvo::CCheckButton*, 3> m_sensor{};
    std::array<Kelvo::CRadioButton*, 2> m_scroll{};
    std::array<Kelvo::CRadioButton*, 2> m_esports{};
    Kelvo::NumberEdit* m_response = nullptr;
    Kelvo::MComboBox* m_sleep = nullptr;
    Kelvo::CSwitchButton* m_angleSwitch = nullptr;
    Kelvo::MPicture* m_anglePicture = nullptr;
    Kelvo::MAngletunability* m_angle = nullptr;
    std::array<Kelvo::MControl*, 4> m_settingsHelp{};
};
