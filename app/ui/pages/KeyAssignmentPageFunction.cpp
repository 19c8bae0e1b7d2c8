// How the key page shows the selected button's function: which category is highlighted,
// the item its list shows, and the panel that holds a key combination or a repeat.
#include "KeyAssignmentPage.h"

#include <initializer_list>
#include <string>

#include "ButtonCode.h"
#include "CArea.h"
#include "KeyUsage.h"
#include "MButton.h"
#include "MButton2.h"
#include "MButton3.h"
#include "MComboBox2.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "SettingsDatabase.h"

namespace {

// The panel B kinds: a mouse button, or any other kind for a keyboard key.
constexpr int kRepeatMouseButton = 1;
constexpr int kKindUnit = 1024;

}  // namespace

KeyAssignmentPage::Category* KeyAssignmentPage::CategoryOf(UINT controlId) {
    for (Category& category : m_categories) {
        if (category.controlId == controlId) return &category;
    }
    return nullptr;
}

KeyAssignmentPage::Category* KeyAssignmentPage::CategoryOfType(int type) {
    for (Category& category : m_categories) {
        if (category.type == type) return &category;
    }
    return nullptr;
}

void KeyAssignmentPage::Highlight(UINT controlId) {
    Category* category = CategoryOf(controlId);
    if (!category) return;
    if (category->list) category->list->SetCheck(1);
    if (category->button) category->button->SetCheck(1);
}

void KeyAssignmentPage::ResetCategoryLists() {
    auto select = [this](int type, int index) {
        Category* category = CategoryOfType(type);
        if (category && category->list && index < category->list->GetItemCount()) category->list->SetCurSel(index);
    };
    Highlight(68);
    select(1, 0);
    select(3, 3);
    select(4, 0);
    select(8, 2);
}

void KeyAssignmentPage::ShowKeyFunction() {
    HidePanels();
    ResetCategoryLists();
    KeyAssignment record;
    if (!m_c.Context().Store().GetKeyAssignment(m_c.Context().CurrentProfile(), 0, m_nSelKey, record)) return;
    switch (record.macro_type) {
    case codec::kFunctionMouse:
    case codec::kFunctionMedia:
    case codec::kFunctionMacro:
    case codec::kFunctionShortcut:
    case codec::kFunctionDpi:
    case codec::kFunctionNumbered: {
        Category* category = CategoryOfType(record.macro_type);
        if (!category || !category->list) return;
        category->list->SelectData(static_cast<DWORD>(record.macro_value));
        Highlight(category->controlId);
        return;
    }
    case codec::kFunctionKey:
        Highlight(80);
        OpenPanelA(record.macro_value2, codec::VirtualKeyOfUsage(record.macro_value));
        return;
    case codec::kFunctionKeyParams:
        Highlight(82);
        OpenPanelB(record);
        return;
    case codec::kFunctionSingleByte:
        Highlight(85);
        return;
    default:
        return;
    }
}

void KeyAssignmentPage::HidePanels() {
    EndCapture();
    for (Kelvo::MControl* control :
         std::initializer_list<Kelvo::MControl*>{m_panelA, m_panelATitle, m_keyField, m_modifiers[0], m_modifiers[1], m_modifiers[2],
                                                 m_modifiers[3], m_panelAOk, m_panelB, m_panelBTitle, m_repeatKind,
                                                 m_repeatButtonCaption, m_repeatButton, m_repeatKey, m_countCaption, m_count,
                                                 m_intervalCaption, m_intervalUnit, m_intervalNote, m_interval, m_panelBOk}) {
        if (control) control->SetVisible(0);
    }
}

// Panel A with the toggles of `modifiers` (Ctrl 1, Shift 2, Alt 4, Win 8) and the key.
void KeyAssignmentPage::OpenPanelA(int modifiers, int virtualKey) {
    HidePanels();
    m_nCapturedKey = virtualKey;
    constexpr int kToggleBits[] = {1, 8, 4, 2};  // 89 Ctrl, 90 Win, 91 Alt, 92 Shift
    for (size_t i = 0; i < m_modifiers.size(); ++i) {
        if (m_modifiers[i]) m_modifiers[i]->SetCheck((modifiers & kToggleBits[i]) ? 1 : 0);
    }
    if (m_keyField) m_keyField->SetTitle(KeyNameOf(virtualKey).GetString());
    for (Kelvo::MControl* control : std::initializer_list<Kelvo::MControl*>{m_panelA, m_panelATitle, m_keyField, m_modifiers[0],
                                                                            m_modifiers[1], m_modifiers[2], m_modifiers[3], m_panelAOk}) {
        if (control) control->SetVisible(1);
    }
}

// Panel B showing a stored repeat: kind, button or key, and the two numbers.
void KeyAssignmentPage::OpenPanelB(const KeyAssignment& record) {
    HidePanels();
    const int kind = record.macro_value / kKindUnit;
    const int low = record.macro_value & 0xFF;
    m_nCapturedKey = kind == kRepeatMouseButton ? 0 : low;
    if (m_repeatKind) m_repeatKind->SelectData(static_cast<DWORD>(kind == kRepeatMouseButton ? 1 : 2));
    if (m_repeatButton) {
        if (kind != kRepeatMouseButton || m_repeatButton->SelectData(static_cast<DWORD>(low)) < 0) m_repeatButton->SetCurSel(0);
    }
    if (m_repeatKey) m_repeatKey->SetTitle(kind == kRepeatMouseButton ? L"" : KeyNameOf(low).GetString());
    if (m_count) m_count->SetTitle(std::to_wstring(record.macro_value3).c_str());
    if (m_interval) m_interval->SetTitle(std::to_wstring(record.macro_value2).c_str());
    for (Kelvo::MControl* control : std::initializer_list<Kelvo::MControl*>{m_panelB, m_panelBTitle, m_repeatKind, m_repeatButtonCaption,
                                                                            m_countCaption, m_count, m_intervalCaption, m_intervalUnit,
                                                                            m_intervalNote, m_interval, m_panelBOk}) {
        if (control) control->SetVisible(1);
    }
    ShowRepeatKind();
}

void KeyAssignmentPage::ShowRepeatKind() {
    const bool mouseButton = m_repeatKind && static_cast<int>(m_repeatKind->GetCurData()) == kRepeatMouseButton;
    if (m_repeatButton) m_repeatButton->SetVisible(mouseButton ? 1 : 0);
    if (m_repeatKey) m_repeatKey->SetVisible(mouseButton ? 0 : 1);
}
