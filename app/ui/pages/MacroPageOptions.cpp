// How the selected macro is timed and repeated: the delay and playback options, stored
// in its header after every change.
#include "MacroPage.h"

#include <algorithm>

#include "CRadioButton.h"
#include "DeviceTypeRanges.h"
#include "MEdit.h"
#include "MacroPageFields.h"
#include "MacroList.h"
#include "SettingsDatabase.h"

namespace {

using macro_fields::NumberIn;
using macro_fields::Show;

// The options in the order they are shown and the codes they store.
constexpr int kDelayTypes[] = {0, 1, 2};       // 159, 160, 161
constexpr int kPlayTypes[] = {1, 2, 3, 0};     // 166, 167, 169, 168
constexpr size_t kFixedDelayOption = 2;
constexpr size_t kTimesOption = 3;

template <size_t N>
void CheckOnly(std::array<Kelvo::CRadioButton*, N>& radios, int index) {
    for (size_t i = 0; i < N; ++i) {
        if (radios[i]) radios[i]->SetControlCheck(static_cast<int>(i) == index ? 1 : 0);
    }
}

template <size_t N>
int CheckedIndex(const std::array<Kelvo::CRadioButton*, N>& radios) {
    for (size_t i = 0; i < N; ++i) {
        if (radios[i] && radios[i]->GetCheck()) return static_cast<int>(i);
    }
    return -1;
}

template <size_t N>
int IndexOf(const int (&codes)[N], int code) {
    const auto* found = std::find(std::begin(codes), std::end(codes), code);
    return found == std::end(codes) ? -1 : static_cast<int>(found - std::begin(codes));
}

// An empty field first gets its default, so that what is stored is what is shown.
int NumberOrDefault(Kelvo::MEdit* field, int fallback) {
    if (field && field->GetControlTitle().IsEmpty()) Show(field, fallback);
    return NumberIn(field);
}

}  // namespace

void MacroPage::ShowOptions(const MacroHeader& header) {
    if (m_fixedDelay) m_fixedDelay->SetEnabled(0);
    if (m_plays) m_plays->SetEnabled(0);
    const int delay = IndexOf(kDelayTypes, header.delay_type);
    CheckOnly(m_delayOptions, delay);
    if (delay == static_cast<int>(kFixedDelayOption) && m_fixedDelay) {
        m_fixedDelay->SetEnabled(1);
        Show(m_fixedDelay, header.delay_time);
    }
    const int play = IndexOf(kPlayTypes, header.play_type);
    CheckOnly(m_playOptions, play);
    if (play == static_cast<int>(kTimesOption) && m_plays) {
        m_plays->SetEnabled(1);
        Show(m_plays, header.play_times);
    }
}

void MacroPage::SaveMacroSettings() {
    const int macroId = SelectedMacro();
    SettingsDatabase& store = m_c.Context().Store();
    MacroHeader header;
    if (macroId <= 0 || !store.GetMacro(macroId, header)) return;
    const int delay = CheckedIndex(m_delayOptions);
    if (delay >= 0) header.delay_type = kDelayTypes[delay];
    header.delay_time = delay == static_cast<int>(kFixedDelayOption) ? NumberOrDefault(m_fixedDelay, 10) : 0;
    const int play = CheckedIndex(m_playOptions);
    if (play >= 0) header.play_type = kPlayTypes[play];
    header.play_times = play == static_cast<int>(kTimesOption) ? NumberOrDefault(m_plays, 1) : 1;
    store.UpdateMacro(header);
}

void MacroPage::OnDelayOption(UINT id) {
    if (!m_fixedDelay) return;
    const bool fixed = id == 161;
    if (fixed) Show(m_fixedDelay, 10);
    m_fixedDelay->SetEnabled(fixed ? 1 : 0);
    SaveMacroSettings();
}

void MacroPage::OnPlaybackOption(UINT id) {
    if (!m_plays) return;
    const bool times = id == 168;
    if (times) Show(m_plays, 1);
    m_plays->SetEnabled(times ? 1 : 0);
    SaveMacroSettings();
}

void MacroPage::OnFixedDelayTyped() {
    macro_fields::Clamp(m_fixedDelay, 1, 10000);
    SaveMacroSettings();
}

// The second chip family counts plays in one byte.
void MacroPage::OnPlaysTyped() {
    macro_fields::Clamp(m_plays, 1, IsSecondFamilyOnPages(m_c.Context().DeviceType()) ? 255 : 999);
    SaveMacroSettings();
}

void MacroPage::ApplyOptionRules() {
    if (m_fixedDelay) m_fixedDelay->SetEnabled(CheckedIndex(m_delayOptions) == static_cast<int>(kFixedDelayOption));
    if (m_plays) m_plays->SetEnabled(CheckedIndex(m_playOptions) == static_cast<int>(kTimesOption));
    if (m_playOptions[2]) m_playOptions[2]->SetEnabled(0);
}
