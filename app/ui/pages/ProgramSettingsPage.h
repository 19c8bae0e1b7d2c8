#pragma once
// The program settings page: whether the program starts with Windows, the interface
// language, the factory reset and the left-button lock. The top of the page is kept for
// the firmware versions and their upgrade buttons.
#include <functional>

#include "PageControls.h"

namespace Kelvo {
class CRadioButton;
class MButton;
class MComboBox;
class MPicture;
class MText;
}  // namespace Kelvo

class ProgramSettingsPage : public MainWindowPage {
public:
    explicit ProgramSettingsPage(PageControls& controls) : m_controls(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    // The lock is read with the device settings of the current profile.
    bool ReloadsOn(DevicePage page) const override { return page == DevicePage::kPerformance; }
    void Reload() override;
    void ApplyLanguage() override;

private:
    Kelvo::CRadioButton* MakeRadio(UINT id, const wchar_t* group);
    void FillLanguages();
    void StyleTexts();

    LRESULT OnAutorun();
    LRESULT OnLanguage();
    LRESULT OnFactoryReset();
    LRESULT OnLeftLock(UINT id);

    // What the language, reset and lock actions share: only a mouse online over cable
    // or receiver lets them run. Otherwise `putBack` restores the control and the user
    // is told why; false then.
    bool DeviceAllows(const std::function<void()>& putBack);
    void ShowLock(bool locked);
    // The lock the store holds for the current profile; `fallback` when it cannot be read.
    bool StoredLock(bool fallback);

    PageControls& m_controls;
    Kelvo::MPicture* m_background = nullptr;
    Kelvo::MText* m_autorunTitle = nullptr;
    Kelvo::CRadioButton* m_autorunOn = nullptr;
    Kelvo::CRadioButton* m_autorunOff = nullptr;
    Kelvo::MText* m_languageTitle = nullptr;
    Kelvo::MComboBox* m_language = nullptr;
    Kelvo::MText* m_resetTitle = nullptr;
    Kelvo::MButton* m_reset = nullptr;
    Kelvo::MText* m_lockTitle = nullptr;
    Kelvo::CRadioButton* m_lockOn = nullptr;
    Kelvo::CRadioButton* m_lockOff = nullptr;
};
