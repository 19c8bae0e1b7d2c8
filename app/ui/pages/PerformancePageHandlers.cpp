// What each action on the performance page does: the values it stores for the current
// profile and the worker task that sends them.
#include "PerformancePage.h"

#include <algorithm>

#include "CCheckButton.h"
#include "CRadioButton.h"
#include "CUIMessageBox.h"
#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "DPISlider.h"
#include "DeviceTypeRanges.h"
#include "MComboBox.h"
#include "SettingsDatabase.h"

namespace {

constexpr UINT kActivated = 2;
constexpr UINT kMoved = 8;
constexpr UINT kAnswerNo = 2;
constexpr int kDpiStep = 50;
constexpr int kDefaultDpi[] = {400, 800, 1600, 3200, 4800};
constexpr int kDefaultLevel = 1;

CString DpiKey(const wchar_t* axis, int level) {
    return CString((std::wstring(L"dpi_") + axis + L"_group" + std::to_wstring(level) + L"_value").c_str());
}

}  // namespace

bool PerformancePage::OnNotify(UINT id, UINT code, LRESULT& result) {
    result = 1;
    if (id >= kFirstLevelId && id < kFirstLevelId + kLevels) {
        if (code == kActivated) SelectLevel(id);
        return true;
    }
    switch (id) {
    case 113: if (code == kActivated) RestoreDpi(); return true;
    case 119: if (code == kMoved) MoveXSlider(m_xSlider ? m_xSlider->GetProgress() : 0); return true;
    case 120: if (code == kMoved) MoveYSlider(m_ySlider ? m_ySlider->GetProgress() : 0); return true;
    case 121: if (code == kActivated) ApplyLevel(); return true;
    case 123: if (code == kActivated) ChangeLevelCount(); return true;
    case 124: if (code == kActivated) ToggleXY(); return true;
    case 128: if (code == kActivated) RestoreRate(); return true;
    case 129: case 131: case 132: case 133: case 134: case 135:
        if (code == kActivated) ChooseRate(id);
        return true;
    default: break;
    }
    return OnSettingsNotify(id, code, result);
}

Kelvo::DPIButtonEx* PerformancePage::SelectedLevel() const {
    const int index = LevelIndex(m_nCurLevelId);
    return index >= 0 && index < kLevels ? m_levels[index] : nullptr;
}

// Leaving a level drops what its sliders changed without Apply: both axes come back
// from the store.
void PerformancePage::SelectLevel(UINT id) {
    if (id != m_nCurLevelId) {
        const int old = LevelIndex(m_nCurLevelId);
        if (Kelvo::DPIButtonEx* left = SelectedLevel()) {
            left->SetDPIXValue(Stored(DpiKey(L"x", old).GetString()));
            left->SetDPIYValue(Stored(DpiKey(L"y", old).GetString()));
        }
    }
    m_nCurLevelId = id;
    Kelvo::DPIButtonEx* level = SelectedLevel();
    if (!level) return;
    if (m_xSlider) m_xSlider->SetProgress(level->GetDPIXValue() / 100);
    if (m_ySlider) m_ySlider->SetProgress(level->GetDPIYValue() / 100);
}

void PerformancePage::MoveXSlider(int value) {
    Kelvo::DPIButtonEx* level = SelectedLevel();
    if (!level) return;
    level->SetDPIXValue(value * 100);
    if (m_xy && m_xy->GetCheck()) return;
    level->SetDPIYValue(value * 100);
    if (m_ySlider) m_ySlider->SetProgress(value);
}

void PerformancePage::MoveYSlider(int value) {
    if (Kelvo::DPIButtonEx* level = SelectedLevel()) level->SetDPIYValue(value * 100);
}

void PerformancePage::ToggleXY() {
    const int both = m_xy && m_xy->GetCheck() ? 1 : 0;
    if (m_ySlider) m_ySlider->SetVisible(both);
    for (Kelvo::DPIButtonEx* level : m_levels) {
        if (level) level->EnableXY(both);
    }
}

void PerformancePage::ApplyLevel() {
    Kelvo::DPIButtonEx* level = SelectedLevel();
    if (!level) return;
    const int index = LevelIndex(m_nCurLevelId);
    const int x = level->GetDPIXValue();
    const int y = m_xy && m_xy->GetCheck() ? level->GetDPIYValue() : x;
    Store(DpiKey(L"x", index), x / kDpiStep * kDpiStep);
    Store(DpiKey(L"y", index), y / kDpiStep * kDpiStep);
    Store(L"dpi_index", index);
    m_c.Context().Queue(kTaskDpi);
}

void PerformancePage::ChangeLevelCount() {
    if (!m_count || m_count->GetCurSel() < 0) return;
    const int count = std::clamp(static_cast<int>(m_count->GetCurData()), 1, kLevels);
    const int index = Stored(L"dpi_index");
    if (index > count - 1) {
        Store(L"dpi_index", count - 1);
        ShowLevel(count - 1);
    }
    Store(L"dpi_count", count);
    EnableLevels(count);
    m_c.Context().Queue(kTaskDpi);
}

// Level 1 is always there; the others exactly when the count reaches them.
void PerformancePage::EnableLevels(int count) {
    for (int k = 1; k < kLevels; ++k) {
        if (m_levels[k]) m_levels[k]->SetEnabled(count >= 2 && count <= kLevels && k + 1 <= count ? 1 : 0);
    }
}

// Checks level `index` and shows its X value on the slider.
void PerformancePage::ShowLevel(int index) {
    index = std::clamp(index, 0, kLevels - 1);
    m_nCurLevelId = kFirstLevelId + index;
    for (int k = 0; k < kLevels; ++k) {
        if (m_levels[k]) m_levels[k]->SetControlCheck(k == index ? 1 : 0);
    }
    if (m_xSlider && m_levels[index]) m_xSlider->SetProgress(m_levels[index]->GetDPIXValue() / 100);
}

void PerformancePage::RestoreDpi() {
    if (m_c.Context().Ask(253, 258, CUIMessageBox::kQuestion) == kAnswerNo) return;
    Store(L"dpi_count", kLevels);
    for (int k = 0; k < kLevels; ++k) {
        Store(DpiKey(L"x", k), kDefaultDpi[k]);
        Store(DpiKey(L"y", k), kDefaultDpi[k]);
        if (!m_levels[k]) continue;
        m_levels[k]->SetDPIXValue(kDefaultDpi[k]);
        m_levels[k]->SetDPIYValue(kDefaultDpi[k]);
    }
    Store(L"dpi_index", kDefaultLevel);
    if (m_count) m_count->SelectData(kLevels);
    EnableLevels(kLevels);
    ShowLevel(kDefaultLevel);
    if (m_ySlider) m_ySlider->SetProgress(kDefaultDpi[kDefaultLevel] / 100);
    m_c.Context().Queue(kTaskDpi);
}

void PerformancePage::RestoreRate() {
    if (m_c.Context().Ask(257, 259, CUIMessageBox::kQuestion) == kAnswerNo) return;
    // 1000 Hz: code 3 in the second family's coding, 2 in the others'.
    Store(L"report_rate", IsSecondFamilyOnWire(m_c.Context().DeviceType()) ? 3 : 2);
    if (m_rates[2]) m_rates[2]->SetCheck(1);
    m_c.Context().Queue(kTaskReportRate);
}

void PerformancePage::ChooseRate(UINT id) {
    const int type = m_c.Context().DeviceType();
    const int index = id == 129 ? 0 : static_cast<int>(id) - 130;  // 0 … 5 along 129, 131 … 135
    const int code = IsSecondFamilyOnWire(type) ? static_cast<int>(id) - 129 : index;
    // Neither the second family nor the output dialect has an e-sports mode at 2000 Hz
    // and above.
    if (IsSecondFamilyOnWire(type) || IsOutputDialectOnWire(type)) {
        const bool high = id >= 133;
        for (Kelvo::CRadioButton* radio : m_esports) {
            if (radio) radio->SetEnabled(high ? 0 : 1);
        }
        if (high) {
            // Flag 1 shows as "off", so the radios say what is stored.
            if (m_esports[0]) m_esports[0]->SetControlCheck(0);
            if (m_esports[1]) m_esports[1]->SetControlCheck(1);
            Store(L"e-sports_flag", 1);
        }
    }
    Store(L"report_rate", code);
    m_c.Context().Queue(kTaskReportRate);
}

// ---- the store ----------------------------------------------------------------------------

int PerformancePage::Stored(const wchar_t* key, int fallback) {
    int value = fallback;
    SettingsDatabase& store = m_c.Context().Store();
    if (!store.IsOpen() || !store.GetConfigInt(m_c.Context().CurrentProfile(), CString(key), value)) return fallback;
    return value;
}

void PerformancePage::Store(const wchar_t* key, int value) { Store(CString(key), value); }

void PerformancePage::Store(const CString& key, int value) {
    SettingsDatabase& store = m_c.Context().Store();
    if (store.IsOpen()) store.SetConfigValue(m_c.Context().CurrentProfile(), key, value);
}

// Hundreds of DPI: 30000 for the second chip family, 26000 for the others.
int PerformancePage::SliderMaximum() const { return IsSecondFamilyOnWire(m_c.Context().DeviceType()) ? 300 : 260; }
