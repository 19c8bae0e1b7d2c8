// The page's notifications and its three menus (macro, event, insert), whose choices
// come back to the main window as messages.
#include "MacroPage.h"

#include "CRecordList.h"
#include "DeviceTypeRanges.h"
#include "MainWindowMessages.h"
#include "MButton.h"
#include "MenuWnd.h"
#include "MacroList.h"
#include "TextNotifications.h"

namespace {

constexpr UINT kActivated = Kelvo::kNotifyActivated;
constexpr UINT kMore = 9;
constexpr UINT kCopyMacro = 101;
constexpr UINT kDeleteMacro = 102;

}  // namespace

bool MacroPage::OnNotify(UINT id, UINT code, LRESULT& result) {
    if (id < 136 || id > 185) return false;
    result = 1;
    switch (id) {
    case 141:
        if (code == kActivated && SelectedMacro() > 0) ShowMacro(SelectedMacro());
        else if (code == kMore) OpenMacroMenu();
        else if (code == Kelvo::kNotifyEditorClosed) RenameMacro();
        return true;
    case 142: if (code == kActivated) NewMacro(); return true;
    case 143: if (code == kActivated) ImportMacro(); return true;
    case 144: if (code == kActivated) ExportMacro(); return true;
    case 152:
        if (code == kActivated) ShowEvent();
        else if (code == kMore) OpenEventMenu();
        return true;
    case 153: if (code == kActivated) OpenInsertMenu(); return true;
    case 154: if (code == kActivated) DeleteEventGroup(); return true;
    case 157: if (code == kActivated) ToggleRecording(); return true;
    case 159: case 160: case 161: if (code == kActivated) OnDelayOption(id); return true;
    case 166: case 167: case 168: case 169: if (code == kActivated) OnPlaybackOption(id); return true;
    case 163: if (code == Kelvo::kNotifyEditorClosed) OnFixedDelayTyped(); return true;
    case 170: if (code == Kelvo::kNotifyEditorClosed) OnPlaysTyped(); return true;
    case 172: if (code == kActivated) OnKindChosen(); return true;
    case 173: OnValueField(code); return true;
    case 174: if (code == kActivated) OnButtonChosen(); return true;
    case 176: if (code == kActivated) Reorder(101); return true;
    case 177: if (code == kActivated) Reorder(102); return true;
    case 179: case 180: case 183: case 184: if (code == kActivated) OnMoveChanged(); return true;
    case 181: case 185: if (code == Kelvo::kNotifyEditorClosed) OnMoveChanged(); return true;
    default: return true;  // captions, frames and backgrounds
    }
}

bool MacroPage::OnWindowMessage(UINT msg, WPARAM, LPARAM lparam) {
    const UINT command = static_cast<UINT>(lparam);
    switch (msg) {
    case UM_MACRO_LIST_MENU:
        if (command == kCopyMacro) CopyMacro();
        else if (command == kDeleteMacro) DeleteMacro();
        return true;
    case UM_MACRO_INSERT_MENU: Insert(command); return true;
    case UM_MACRO_EVENT_MENU: Reorder(command); return true;
    default: return false;
    }
}

// A menu owned by the main window: its choice comes back as `message` with the item's ID.
void MacroPage::OpenMenu(CPoint at, UINT message, int width, const std::vector<std::pair<int, UINT>>& items) {
    auto* menu = new Kelvo::MenuWnd(nullptr);
    if (!menu->Create(m_c.Window().GetSafeHwnd(), at, message, width)) {
        delete menu;
        return;
    }
    menu->SetMenuFont(m_c.Context().FontName().GetString(), 14, 0);
    for (const auto& [textId, command] : items) menu->AddMenu(m_c.Context().Text(textId).GetString(), command);
    menu->ShowWindow(SW_SHOWNORMAL);  // the menu deletes itself when it closes
}

void MacroPage::OpenMacroMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    OpenMenu(CPoint(cursor.x + 2, cursor.y + 2), UM_MACRO_LIST_MENU, 80, {{405, kCopyMacro}, {30, kDeleteMacro}});
}

void MacroPage::OpenEventMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    OpenMenu(CPoint(cursor.x - 125, cursor.y + 2), UM_MACRO_EVENT_MENU, 120,
             {{400, 100}, {401, 101}, {402, 102}, {403, 103}});
}

// Over the insert button; the output-dialect models also offer the single moves.
void MacroPage::OpenInsertMenu() {
    if (!m_insert) return;
    if (RecordCount() >= m_nRecordLimit) {
        m_c.Context().Ask(368, 386, 0);
        return;
    }
    const bool moves = IsOutputDialectOnPages(m_c.Context().DeviceType()) && m_c.Context().DeviceType() != 400;
    const CRect button = m_insert->GetRect();
    POINT corner{button.left, button.top};
    ClientToScreen(m_c.Window().GetSafeHwnd(), &corner);
    std::vector<std::pair<int, UINT>> items = {{396, 102}, {397, 101}, {398, 103}, {410, 110}};
    if (moves) items.insert(items.end(), {{406, 106}, {407, 107}, {408, 108}, {409, 109}});
    OpenMenu(CPoint(corner.x, corner.y - (moves ? 215 : 115)), UM_MACRO_INSERT_MENU, 200, items);
}
