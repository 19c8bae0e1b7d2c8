// The selected macro's event list: storing it, inserting events by hand, reordering them
// and deleting a group. A group is the press and release of one key or button, which
// share a time stamp; every other event has a stamp of its own.
#include "MacroPage.h"

#include <set>

#include "CRecordList.h"
#include "MacroList.h"
#include "SettingsDatabase.h"
#include "TextFormat.h"

namespace {

constexpr int kInsertKey = 101;
constexpr int kInsertButton = 102;
constexpr int kInsertDelay = 103;
constexpr int kInsertMoveBy = 110;

constexpr int kToTop = 100;
constexpr int kUp = 101;
constexpr int kDown = 102;
constexpr int kToBottom = 103;

struct Row {
    CString text;
    int type;
    int value;
};

// The rows one insert command adds: a press and release pair, or a single event.
std::vector<Row> RowsOf(UINT command) {
    switch (command) {
    case kInsertKey: return {{L"\u2193  A", 2, 65}, {L"\u2191  A", 3, 65}};
    case kInsertButton: return {{L"\u2193  LB", 4, 1}, {L"\u2191  LB", 5, 1}};
    case kInsertDelay: return {{FormatText(L" -   %d ms", {10}), 1, 10}};
    case 106: return {{FormatText(L"\u2190  %d", {1}), 10, 1}};
    case 107: return {{FormatText(L"\u2192  %d", {1}), 11, 1}};
    case 108: return {{FormatText(L"\u2191  %d", {1}), 8, 1}};
    case 109: return {{FormatText(L"\u2193  %d", {1}), 9, 1}};
    case kInsertMoveBy: return {{FormatText(L"\u2192  %d, \u2193  %d", {1, 1}), 12, 0x101}};
    default: return {};
    }
}

}  // namespace

int MacroPage::RecordCount() { return m_events ? m_events->GetItemCount() : 0; }

void MacroPage::SaveMacroEvents() {
    const int macroId = SelectedMacro();
    if (macroId <= 0 || !m_events) return;
    std::vector<MacroStep> steps;
    for (const Kelvo::RecordItem& item : m_events->GetRecordItems()) {
        MacroStep step;
        step.macro_id = macroId;
        step.record_index = static_cast<int>(steps.size());
        step.desc = item.text;
        step.type = item.type;
        step.value = item.value;
        step.delay_time = item.timeStamp;
        steps.push_back(step);
    }
    // One change: a failure leaves the steps the macro had.
    m_c.Context().Store().ReplaceMacroSteps(macroId, steps);
}

// The wanted stamp, or the next number after it that no row uses, so a new event never
// joins another event's group.
int MacroPage::UnusedStamp(std::uint32_t wanted) {
    std::set<int> used;
    if (m_events) {
        for (const Kelvo::RecordItem& item : m_events->GetRecordItems()) used.insert(item.timeStamp);
    }
    int stamp = static_cast<int>(wanted);
    while (used.count(stamp)) ++stamp;
    return stamp;
}

void MacroPage::Insert(UINT command) {
    const std::vector<Row> rows = RowsOf(command);
    if (rows.empty() || !m_events || SelectedMacro() <= 0) return;
    const int stamp = UnusedStamp(static_cast<std::uint32_t>(GetTickCount64()));
    const int selected = m_events->GetCurSel();
    // A pair goes after the selected row, a single event before it.
    int at = selected < 0 ? -1 : (rows.size() > 1 ? selected + 1 : selected);
    for (const Row& row : rows) {
        m_events->InsertString(at, row.text.GetString(), row.type, row.value, stamp);
        if (at >= 0) ++at;
    }
    SaveMacroEvents();
}

void MacroPage::Reorder(UINT command) {
    if (!m_events) return;
    const int s = m_events->GetCurSel();
    const int last = m_events->GetItemCount() - 1;
    switch (command) {
    case kToTop:
        if (s < 1) return;
        m_events->MoveTop(s);
        break;
    case kUp:
        if (s < 1) return;
        m_events->SwapItem(s, s - 1);
        m_events->SetCurSel(s - 1);
        break;
    case kDown:
        if (s < 0 || s >= last) return;
        m_events->SwapItem(s, s + 1);
        m_events->SetCurSel(s + 1);
        break;
    case kToBottom:
        if (s < 0) return;
        m_events->MoveBottom(s);
        break;
    default: return;
    }
    m_events->InvalidateRect(nullptr, 0);
    SaveMacroEvents();
}

void MacroPage::DeleteEventGroup() {
    if (!m_events || m_events->GetCurSel() < 0) return;
    m_events->DeleteTimeStamp(m_events->GetRecrodTimeStamp(m_events->GetCurSel()));
    HideEditPanels();
    SaveMacroEvents();
}
