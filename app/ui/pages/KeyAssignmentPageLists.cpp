// The items of the key page's category lists: language texts (or fixed texts) with the
// function value each one assigns.
#include "KeyAssignmentPage.h"

#include <vector>

#include "MComboBox2.h"
#include "CurrentLanguage.h"
#include "MacroPageNames.h"
#include "MouseKeyCtrl.h"
#include "SettingsDatabase.h"

namespace {

struct ListItem {
    int textId;           // 0: the fixed text
    const wchar_t* text;  // used when textId is 0
    int value;
};

struct ListItems {
    int type;
    std::vector<ListItem> items;
};

const std::vector<ListItems>& CategoryItems() {
    static const std::vector<ListItems> items = {
        {1, {{106, nullptr, 1}, {107, nullptr, 3}, {108, nullptr, 2}, {109, nullptr, 5}, {110, nullptr, 6},
             {111, nullptr, 4}, {112, nullptr, 7}, {113, nullptr, 8}, {114, nullptr, 9}, {115, nullptr, 10}}},
        {3, {{117, nullptr, 6}, {118, nullptr, 7}, {119, nullptr, 8}, {120, nullptr, 1}, {121, nullptr, 2},
             {122, nullptr, 4}, {123, nullptr, 5}, {124, nullptr, 3}}},
        {8, {{127, nullptr, 1}, {128, nullptr, 2}, {129, nullptr, 3}, {130, nullptr, 4}, {131, nullptr, 5},
             {132, nullptr, 6}, {133, nullptr, 7}, {134, nullptr, 8}, {31, nullptr, 9}, {36, nullptr, 11},
             {32, nullptr, 10}}},
        {5, {{143, nullptr, 3}, {0, L"DPI +", 1}, {0, L"DPI -", 2}}},
        {6, {{151, nullptr, 1}, {152, nullptr, 2}, {153, nullptr, 3}, {154, nullptr, 4}, {155, nullptr, 5}}},
    };
    return items;
}

constexpr Gdiplus::ARGB kItemColour = 0xFFFFFFFF;

}  // namespace

void KeyAssignmentPage::FillCategoryLists() {
    for (const ListItems& entry : CategoryItems()) {
        Category* category = CategoryOfType(entry.type);
        if (!category || !category->list) continue;
        Kelvo::MComboBox2& list = *category->list;
        const int selected = list.GetCurSel();
        if (list.IsPopupOpen()) list.ClosePopup();
        list.DelAllItems();
        for (const ListItem& item : entry.items) {
            const CString text = item.textId ? m_c.Context().Text(item.textId) : CString(item.text);
            list.AddItem(text.GetString(), static_cast<DWORD>(item.value), nullptr, kItemColour);
        }
        list.SetCurSel(selected >= 0 && selected < list.GetItemCount() ? selected : 0);
    }
    FillMacroList();
}

// The stored macros as the macro page lists them: same order, same shown names.
void KeyAssignmentPage::FillMacroList() {
    Category* macros = CategoryOfType(4);
    if (!macros || !macros->list) return;
    std::vector<MacroHeader> headers;
    m_c.Context().Store().ListMacros(headers);
    const CString defaultWord = m_c.Context().Text(351);
    Kelvo::MComboBox2& list = *macros->list;
    if (list.IsPopupOpen()) list.ClosePopup();
    list.DelAllItems();
    for (const MacroHeader& header : headers) {
        const CString name = LocalizeMacroName(header.name, CurrentLanguage.load(), defaultWord);
        list.AddItem(name.GetString(), static_cast<DWORD>(header.macro_id), nullptr, kItemColour);
    }
    list.SetCurSel(0);
}

// The macro page added, renamed or removed a macro: the list follows, and so do the
// descriptions of the buttons that play a renamed macro.
void KeyAssignmentPage::OnMacrosChanged() {
    FillMacroList();
    std::vector<KeyAssignment> records;
    m_c.Context().Store().ListKeyAssignments(m_c.Context().CurrentProfile(), 0, records);
    for (const KeyAssignment& record : records) {
        if (record.macro_type == 4 && m_buttonList) {
            m_buttonList->SetItemKeyDesc(record.key_code, StoredDescription(record).GetString());
        }
    }
    ShowKeyFunction();
}
