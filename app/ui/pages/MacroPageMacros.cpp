// The macro list: filling it from the store, showing the selected macro, and making,
// copying, deleting and renaming macros. The key page lists the same macros; it is told
// after every change.
#include "MacroPage.h"

#include "CRecordList.h"
#include "CurrentLanguage.h"
#include "MComboBox.h"
#include "MacroList.h"
#include "MacroPageNames.h"
#include "SettingsDatabase.h"
#include "TextFormat.h"

namespace {

constexpr int kMacroFunction = 4;  // macro_type of a button that plays a macro
constexpr int kDefaultWordText = 351;
constexpr int kCopyWordText = 31;

}  // namespace

CString MacroPage::LocalizeMacroName(const CString& stored) {
    return ::LocalizeMacroName(stored, CurrentLanguage.load(), m_c.Context().Text(kDefaultWordText));
}

int MacroPage::SelectedMacro() const {
    return m_macros && m_macros->GetCurSel() >= 0 ? static_cast<int>(m_macros->GetCurData()) : 0;
}

void MacroPage::Reload() {
    // The rows being recorded would be lost under a refill: it waits for the stop.
    if (m_bRecording) {
        m_reloadWaiting = true;
        return;
    }
    ReloadMacroPage();
}

void MacroPage::ReloadMacroPage() {
    m_reloadWaiting = false;
    if (!m_macros || !m_events) return;
    m_macros->DeleteAllItems();
    m_events->DeleteAllItems();
    HideEditPanels();
    std::vector<MacroHeader> headers;
    m_c.Context().Store().ListMacros(headers);
    for (const MacroHeader& header : headers) {
        m_macros->AddString(LocalizeMacroName(header.name).GetString(), static_cast<DWORD>(header.macro_id), -1);
    }
    if (headers.empty()) return;
    m_macros->SetCurSel(0);
    ShowMacro(headers.front().macro_id);
}

// The shown names again, in the interface's language, at the same rows.
void MacroPage::RelabelMacros() {
    if (!m_macros) return;
    for (int row = 0; row < m_macros->GetItemCount(); ++row) {
        MacroHeader header;
        if (!m_c.Context().Store().GetMacro(static_cast<int>(m_macros->GetItemData(row)), header)) continue;
        m_macros->ModifyItemString(row, LocalizeMacroName(header.name).GetString());
    }
}

void MacroPage::ShowMacro(int macroId) {
    HideEditPanels();
    MacroHeader header;
    if (m_c.Context().Store().GetMacro(macroId, header)) ShowOptions(header);
    if (!m_events) return;
    m_events->DeleteAllItems();
    std::vector<MacroStep> steps;
    m_c.Context().Store().ListMacroSteps(macroId, steps);
    for (const MacroStep& step : steps) m_events->AddString(step.desc.GetString(), step.type, step.value, step.delay_time);
}

// Named after the number of macros listed; an existing name may come again.
void MacroPage::NewMacro() {
    if (!m_macros) return;
    const CString name = FormatText(L"%s %d", {m_c.Context().Text(kDefaultWordText), m_macros->GetItemCount() + 1});
    const int macroId = m_c.Context().Store().AddMacro(name);
    if (macroId <= 0) return;
    const int row = m_macros->AddString(LocalizeMacroName(name).GetString(), static_cast<DWORD>(macroId), -1);
    m_macros->SetCurSel(row >= 0 ? row : m_macros->GetItemCount() - 1);
    ShowMacro(macroId);
    m_c.Context().MacrosChanged();
}

// The copy takes the settings and the steps; the selection stays on the original.
void MacroPage::CopyMacro() {
    const int sourceId = SelectedMacro();
    SettingsDatabase& store = m_c.Context().Store();
    MacroHeader header;
    if (sourceId <= 0 || !store.GetMacro(sourceId, header)) return;
    header.name = FormatText(L"%s %s", {header.name, m_c.Context().Text(kCopyWordText)});
    const int copyId = store.CopyMacro(sourceId, header.name);
    if (copyId <= 0) return;
    m_macros->AddString(LocalizeMacroName(header.name).GetString(), static_cast<DWORD>(copyId), -1);
    m_c.Context().MacrosChanged();
}

// No question first; the buttons that play the macro keep their assignments (a button
// whose macro has gone is not written to the mouse).
void MacroPage::DeleteMacro() {
    if (!m_macros) return;
    const int row = m_macros->GetCurSel();
    const int macroId = SelectedMacro();
    if (macroId <= 0 || !m_c.Context().Store().DeleteMacro(macroId)) return;
    m_macros->DeleteItem(row);
    m_macros->SetCurSel(row - 1);
    if (m_events) m_events->DeleteAllItems();
    HideEditPanels();
    if (row - 1 >= 0) ShowMacro(static_cast<int>(m_macros->GetItemData(row - 1)));
    m_c.Context().MacrosChanged();
}

void MacroPage::RenameMacro() {
    if (!m_macros) return;
    const int row = m_macros->GetCurSel();
    const int macroId = SelectedMacro();
    if (row < 0 || macroId <= 0) return;
    const CString typed = m_macros->GetItemText(row);
    MacroHeader header;
    if (typed.IsEmpty()) {
        if (m_c.Context().Store().GetMacro(macroId, header)) {
            m_macros->ModifyItemString(row, LocalizeMacroName(header.name).GetString());
        }
        return;
    }
    RenameInAssignments(macroId, typed);
    m_c.Context().Store().RenameMacro(macroId, typed);
    m_c.Context().MacrosChanged();
}

// Every button of every profile that plays the macro describes it by its new name.
void MacroPage::RenameInAssignments(int macroId, const CString& name) {
    SettingsDatabase& store = m_c.Context().Store();
    std::vector<ProfileRecord> profiles;
    store.ListProfiles(profiles);
    for (const ProfileRecord& profile : profiles) {
        std::vector<KeyAssignment> records;
        store.ListKeyAssignments(profile.profile, 0, records);
        for (const KeyAssignment& record : records) {
            if (record.macro_type != kMacroFunction || record.macro_value != macroId) continue;
            store.SetKeyDescription(profile.profile, record.fn_layer, record.key_code, name);
        }
    }
}
