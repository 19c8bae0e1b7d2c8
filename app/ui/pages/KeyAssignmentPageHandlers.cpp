// What each action on the key page does: the assignment it stores for the current
// profile and the worker task, naming the button, that writes it to the mouse.
#include "KeyAssignmentPage.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "ButtonCode.h"
#include "KeyUsage.h"
#include "MacroBody.h"
#include "NodicMacroTable.h"
#include "TextFormat.h"
#include "DeviceTypeRanges.h"
#include "MButton2.h"
#include "MButton3.h"
#include "MComboBox.h"
#include "MComboBox2.h"
#include "MEdit.h"
#include "MText.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"
#include "PerformancePackets.h"
#include "SettingsDatabase.h"
#include "TextNotifications.h"

namespace {

constexpr UINT kActivated = 2;
constexpr UINT kAnswerNo = 2;
constexpr int kQuestion = 4;
constexpr int kLeftButton = 0;
constexpr int kKindUnit = 1024;
constexpr int kPanelA = 10;
constexpr int kPanelB = 11;

int NumberIn(Kelvo::MEdit* field) {
    return field ? static_cast<int>(std::wcstol(field->GetControlTitle().GetString(), nullptr, 10)) : 0;
}

}  // namespace

bool KeyAssignmentPage::OnNotify(UINT id, UINT code, LRESULT& result) {
    if (id < 58 || id > 107) return false;
    result = 1;
    if (Category* category = CategoryOf(id); category && category->list) {
        if (code == kActivated) AssignFromList(*category);
        return true;
    }
    switch (id) {
    case 63:
    case 107:
        if (code == kActivated) {
            auto* view = id == 63 ? static_cast<Kelvo::MouseButtonView*>(m_buttonList) : m_picture;
            if (view) SelectButton(view->GetSelectItem());
            ShowKeyFunction();
        }
        return true;
    case 62: if (code == kActivated) RestoreAllButtons(); return true;
    case 66: if (code == kActivated) RestoreButton(); return true;
    case 80: if (code == kActivated) OpenPanelAByUser(); return true;
    case 82: if (code == kActivated) OpenPanelBByUser(); return true;
    case 85: if (code == kActivated) AssignSingleFunction(); return true;
    case 93: if (code == kActivated) AssignKeyCombination(); return true;
    case 106: if (code == kActivated) AssignRepeat(); return true;
    case 96: if (code == kActivated) ShowRepeatKind(); return true;
    case 88: OnKeyField(code, kPanelA); return true;
    case 99: OnKeyField(code, kPanelB); return true;
    case 101:
        if (code == Kelvo::kNotifyEditorClosed) ClampNumber(m_count, 1, SecondFamily() ? 4000 : 9999);
        return true;
    case 105:
        if (code == Kelvo::kNotifyEditorClosed) ClampNumber(m_interval, 10, SecondFamily() ? 255 : 1000);
        return true;
    default: return true;  // the toggles, the button list of panel B and the captions keep their own state
    }
}

bool KeyAssignmentPage::SecondFamily() const { return IsSecondFamilyOnPages(m_c.Context().DeviceType()); }

// The left button can leave the user without a click: locked it is refused, unlocked
// the user confirms. A refused choice leaves the page as the store has it.
bool KeyAssignmentPage::Guard() {
    if (m_nSelKey != kLeftButton) return true;
    PageContext& context = m_c.Context();
    if (context.LeftLock() == 1) {
        context.Ask(177, 175, 0);
    } else if (context.Ask(177, 176, kQuestion) != kAnswerNo) {
        return true;
    }
    ShowKeyFunction();
    return false;
}

KeyAssignment KeyAssignmentPage::NewRecord(int type) const {
    KeyAssignment record;
    record.profile = m_c.Context().CurrentProfile();
    record.fn_layer = 0;
    record.key_code = m_nSelKey;
    record.macro_type = type;
    return record;
}

// Stores the function, shows it on the button's row, and queues its writing for this
// button, whatever is selected by the time the worker runs it.
void KeyAssignmentPage::Assign(KeyAssignment record) {
    if (m_c.Context().Store().SaveKeyAssignment(record) > 0 && m_buttonList) {
        m_buttonList->SetItemKeyDesc(record.key_code, record.macro_desc.GetString());
    }
    DeviceTask task{kTaskWriteButton};
    task.button = record.key_code;
    m_c.Context().Queue(task);
}

void KeyAssignmentPage::AssignFromList(Category& category) {
    if (!Guard()) return;
    HidePanels();
    Kelvo::MComboBox2& list = *category.list;
    if (list.GetCurSel() < 0) return;
    list.SetCheck(1);
    KeyAssignment record = NewRecord(category.type);
    record.macro_value = static_cast<int>(list.GetCurData());
    record.macro_desc = list.GetItemText(list.GetCurSel());
    Assign(record);
    if (category.type == codec::kFunctionMacro) TellWhenMacroIsCut(record.macro_value);
}

// A macro is stored whole, but the mouse holds only so many events: the user learns
// that only the first ones will play.
void KeyAssignmentPage::TellWhenMacroIsCut(int macroId) {
    SettingsDatabase& store = m_c.Context().Store();
    MacroHeader header;
    if (!store.GetMacro(macroId, header)) return;
    std::vector<MacroStep> steps;
    store.ListMacroSteps(macroId, steps);
    int kept = 0;
    bool cut = false;
    if (SecondFamily()) {
        const nodic::MacroRecord record = nodic::BuildMacroRecord(header, steps, 0);
        kept = record.events;
        cut = record.droppedSteps > 0;
    } else {
        const codec::MacroBody body = codec::BuildMacroBody(header, steps);
        kept = body.events;
        cut = body.dropped > 0;
    }
    if (cut) m_c.Context().AskText(125, FormatText(m_c.Context().Text(769), {kept}), 0);
}

void KeyAssignmentPage::OpenPanelAByUser() {
    if (!Guard()) return;
    Highlight(80);
    OpenPanelA(0, 0);
}

void KeyAssignmentPage::OpenPanelBByUser() {
    if (!Guard()) return;
    Highlight(82);
    KeyAssignment fresh;
    fresh.macro_value = kKindUnit + 1;  // the first kind with the first mouse button
    fresh.macro_value2 = 10;
    fresh.macro_value3 = 1;
    OpenPanelB(fresh);
    m_nCapturedKey = 0;
}

void KeyAssignmentPage::AssignKeyCombination() {
    constexpr int kToggleBits[] = {1, 8, 4, 2};  // Ctrl, Win, Alt, Shift
    int modifiers = 0;
    for (size_t i = 0; i < m_modifiers.size(); ++i) {
        if (m_modifiers[i] && m_modifiers[i]->GetCheck()) modifiers |= kToggleBits[i];
    }
    const int usage = codec::UsageOfVirtualKey(m_nCapturedKey);
    // Nothing the mouse could send: storing it would only erase the button's row.
    if (usage == 0 && modifiers == 0) return;
    if (!Guard()) return;
    KeyAssignment record = NewRecord(codec::kFunctionKey);
    record.macro_value = usage;
    record.macro_value2 = modifiers;
    record.macro_desc = KeyCombinationText(modifiers, m_nCapturedKey);
    EndCapture();
    Assign(record);
    ShowKeyFunction();
}

void KeyAssignmentPage::AssignRepeat() {
    const int kind = m_repeatKind ? static_cast<int>(m_repeatKind->GetCurData()) : 1;
    if (kind != 1 && m_nCapturedKey == 0) return;  // no key to repeat yet
    if (!Guard()) return;
    KeyAssignment record = NewRecord(codec::kFunctionKeyParams);
    const int what = kind == 1 ? (m_repeatButton ? static_cast<int>(m_repeatButton->GetCurData()) : 1) : m_nCapturedKey;
    record.macro_value = kind * kKindUnit + what;
    record.macro_value2 = NumberIn(m_interval);
    record.macro_value3 = NumberIn(m_count);
    record.macro_desc = m_panelBTitle ? m_panelBTitle->GetTitle() : CString();
    EndCapture();
    Assign(record);
    ShowKeyFunction();
}

void KeyAssignmentPage::AssignSingleFunction() {
    if (!Guard()) return;
    HidePanels();
    Highlight(85);
    KeyAssignment record = NewRecord(codec::kFunctionSingleByte);
    record.macro_value = 1;
    record.macro_desc = m_c.Context().Text(139);
    Assign(record);
}

void KeyAssignmentPage::ClampNumber(Kelvo::MEdit* field, int low, int high) {
    if (!field) return;
    const int typed = NumberIn(field);
    const int clamped = std::clamp(typed, low, high);
    if (clamped != typed || field->GetControlTitle().IsEmpty()) field->SetTitle(std::to_wstring(clamped).c_str());
}

void KeyAssignmentPage::RestoreButton() {
    if (m_c.Context().Ask(171, 170, kQuestion) == kAnswerNo) return;
    KeyAssignment record = NewRecord(codec::kFunctionMouse);  // no parameters: the stored row goes
    m_c.Context().Store().SaveKeyAssignment(record);
    const CString factory = FactoryDescription(m_nSelKey);
    if (m_buttonList && !factory.IsEmpty()) m_buttonList->SetItemKeyDesc(m_nSelKey, factory.GetString());
    ShowKeyFunction();
    DeviceTask task{kTaskRestoreButton};
    task.button = m_nSelKey;
    m_c.Context().Queue(task);
}

void KeyAssignmentPage::RestoreAllButtons() {
    if (m_c.Context().Ask(171, 170, kQuestion) == kAnswerNo) return;
    SelectButton(0);
    ShowFactoryDescriptions();
    m_c.Context().Store().DeleteProfileKeys(m_c.Context().CurrentProfile());
    ShowKeyFunction();
    DeviceTask task{kTaskResetParts};
    task.resetMask = codec::kResetButtons;
    m_c.Context().Queue(task);
}
