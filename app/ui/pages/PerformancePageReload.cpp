// Showing what the store holds: run on the UI thread when the worker has read the mouse,
// switched the profile or reset it.
#include "PerformancePage.h"

#include <algorithm>

#include "CCheckButton.h"
#include "CRadioButton.h"
#include "CSwitchButton.h"
#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "DPISlider.h"
#include "DeviceTypeRanges.h"
#include "MAngletunability.h"
#include "MComboBox.h"
#include "NumberEdit.h"
#include "SettingsDatabase.h"

namespace {

// The rate buttons' report-rate codes in the second family's coding (129, 131 … 135);
// 250 Hz (code 1) has no button.
constexpr int kSecondFamilyCodes[] = {0, 2, 3, 4, 5, 6};

CString DpiKey(const wchar_t* axis, int level) {
    return CString((std::wstring(L"dpi_") + axis + L"_group" + std::to_wstring(level) + L"_value").c_str());
}

}  // namespace

void PerformancePage::Reload() {
    if (!m_c.Context().Store().IsOpen()) return;
    for (Kelvo::DPISlider* slider : {m_xSlider, m_ySlider}) {
        if (slider) slider->SetMaxProgress(SliderMaximum());
    }
    ShowRates();
    for (int k = 0; k < kLevels; ++k) {
        if (!m_levels[k]) continue;
        m_levels[k]->SetDPIXValue(Stored(DpiKey(L"x", k).GetString()));
        m_levels[k]->SetDPIYValue(Stored(DpiKey(L"y", k).GetString()));
    }
    const int index = std::clamp(Stored(L"dpi_index"), 0, kLevels - 1);
    ShowLevel(index);
    if (m_ySlider && m_levels[index]) m_ySlider->SetProgress(m_levels[index]->GetDPIYValue() / 100);
    const int count = Stored(L"dpi_count", kLevels);
    if (m_count) {
        if (!m_count->SelectData(static_cast<DWORD>(count))) m_count->SetCurSel(-1);
    }
    EnableLevels(count);
    ShowDeviceSettings();
}

// Which rate buttons show, and which is checked, by the model and (for the second
// family) the highest rate the mouse offers.
void PerformancePage::ShowRates() {
    PageContext& context = m_c.Context();
    const int type = context.DeviceType();
    const int rate = Stored(L"report_rate");
    int shown = 3;  // 125, 500 and 1000 Hz
    int checked = -1;
    bool esports = true;
    if (IsSecondFamilyOnWire(type)) {
        const int highest = context.HighestRateCode();
        shown = highest >= 6 ? 6 : highest >= 4 ? 5 : 3;
        const int code = std::min(highest, rate);
        for (int i = 0; i < kRates; ++i) {
            if (kSecondFamilyCodes[i] == code) checked = i;
        }
        esports = code < 4;
    } else if (IsOutputDialectOnWire(type)) {
        shown = kRates;
        checked = rate;
    } else {
        if (context.ConnectionMode() == 4) shown = 4;
        checked = rate;
    }
    for (int i = 0; i < kRates; ++i) {
        if (m_rates[i]) m_rates[i]->SetVisible(i < shown ? 1 : 0);
    }
    // A stored rate without a button (250 Hz, or one the mouse does not offer) checks none.
    for (int i = 0; i < kRates; ++i) {
        if (m_rates[i]) m_rates[i]->SetControlCheck(i == checked && i < shown ? 1 : 0);
    }
    for (Kelvo::CRadioButton* radio : m_esports) {
        if (radio) radio->SetEnabled(esports ? 1 : 0);
    }
    PlaceRateButtons();
}
