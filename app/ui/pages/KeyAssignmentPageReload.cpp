// The model's buttons on the key page, and how the page shows the store's assignments.
#include "KeyAssignmentPage.h"

#include <cwchar>

#include "ButtonCode.h"
#include "ButtonNames.h"
#include "buttons/ButtonWording.h"
#include "KeyUsage.h"
#include "MText.h"
#include "MacroNames.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"
#include "SettingsDatabase.h"

namespace {

int TextIdOf(const CString& decimal) { return static_cast<int>(std::wcstol(decimal.GetString(), nullptr, 10)); }

}  // namespace

// The description is read again only when the model changed.
void KeyAssignmentPage::LoadModel() {
    const int type = m_c.Context().DeviceType();
    if (type == m_modelType) return;
    m_model = m_c.Context().DeviceDescription();
    m_modelType = type;
    FillButtons();
}

void KeyAssignmentPage::FillButtons() {
    if (m_buttonList) m_buttonList->DeleteAllItems();
    if (m_picture) m_picture->DeleteAllItems();
    for (const ButtonLayoutItem& button : m_model.buttons) {
        const CString name = m_c.Context().Text(button.name_id);
        const CString function = m_c.Context().Text(button.func_desc_id);
        if (m_buttonList) m_buttonList->AddItem(name.GetString(), function.GetString(), button.key_value);
        if (m_picture) {
            m_picture->AddItem(name.GetString(), button.key_value, button.direction, button.leader_from, button.leader_to);
        }
    }
}

void KeyAssignmentPage::Reload() {
    EndCapture();
    LoadModel();
    FillMacroList();
    SelectButton(0);
    ShowFactoryDescriptions();
    std::vector<KeyAssignment> records;
    m_c.Context().Store().ListKeyAssignments(m_c.Context().CurrentProfile(), 0, records);
    for (const KeyAssignment& record : records) {
        if (m_buttonList) m_buttonList->SetItemKeyDesc(record.key_code, StoredDescription(record).GetString());
    }
    ShowKeyFunction();
}

// Selects the button at `index` in both views and names it above the functions.
void KeyAssignmentPage::SelectButton(int index) {
    if (m_buttonList) m_buttonList->SetSelectItem(index);
    if (m_picture) m_picture->SetSelectItem(index);
    m_nSelKey = m_buttonList && index < m_buttonList->GetItemCount() ? m_buttonList->GetItemKeyValue(index) : 0;
    if (m_buttonName) {
        CString name = m_buttonList ? m_buttonList->GetItemKeyName(index) : CString();
        m_buttonName->SetTitle(name.GetString());
    }
}

void KeyAssignmentPage::ShowFactoryDescriptions() {
    if (!m_buttonList) return;
    for (const KeyAssignment& factory : m_model.factory_keys) {
        m_buttonList->SetItemKeyDesc(factory.key_code, FactoryDescription(factory.key_code).GetString());
    }
}

// The factory function's label; empty when the model names none for the button.
CString KeyAssignmentPage::FactoryDescription(int keyValue) const {
    for (const KeyAssignment& factory : m_model.factory_keys) {
        if (factory.key_code == keyValue) return m_c.Context().Text(TextIdOf(factory.macro_desc));
    }
    return CString();
}

// A stored function as the mouse's own read-back would name it, so a reload shows the
// same words however the function was assigned.
CString KeyAssignmentPage::StoredDescription(const KeyAssignment& record) {
    if (record.macro_type == codec::kFunctionMacro) {
        return codec::LocaliseMacroName(record.macro_desc, CurrentButtonWording().Naming());
    }
    if (record.macro_type == codec::kFunctionKey) {
        return KeyCombinationText(record.macro_value2, codec::VirtualKeyOfUsage(record.macro_value));
    }
    PageContext& context = m_c.Context();
    CString described = codec::DescribeButtonFunction(codec::FunctionOf(record), [&context](int id) { return context.Text(id); });
    return described.IsEmpty() ? record.macro_desc : described;
}
