// The macro page's controls and their texts.
#include "MacroPage.h"

#include "CArea.h"
#include "CIconButton.h"
#include "CRadioButton.h"
#include "CRecordList.h"
#include "MButton.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "MacroList.h"

namespace {

constexpr int kContainer = 47;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr COLORREF kFieldBackground = 0x333333;

}  // namespace

void MacroPage::Create() {
    CreateMacroColumn();
    CreateEventColumn();
    CreateOptionColumn();
    CreateEditPanels();
    HideEditPanels();
}

namespace {

Kelvo::MPicture* Background(PageControls& c, UINT id, const wchar_t* image = L"img_area2.png") {
    auto* picture = c.Make<Kelvo::MPicture>(kContainer, L"MPicture", id);
    if (picture && image) {
        picture->SetImage(image, 1);
        picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    return picture;
}

Kelvo::CArea* Frame(PageControls& c, UINT id) {
    auto* area = c.Make<Kelvo::CArea>(kContainer, L"CArea", id);
    if (area) area->SetTransparent(0, 0, kFieldBackground);
    return area;
}

Kelvo::MButton* Button(PageControls& c, UINT id, const wchar_t* image = L"img_button.png") {
    auto* button = c.Make<Kelvo::MButton>(kContainer, L"MButton", id);
    if (button) button->SetImage(image, 4);
    return button;
}

Kelvo::CRadioButton* Radio(PageControls& c, UINT id, const wchar_t* group, int visible = 1) {
    auto* radio = c.Make<Kelvo::CRadioButton>(kContainer, L"CRadioButton", id, CString(), visible);
    if (radio) {
        radio->SetImage(L"btn_radiobox.png", 8);
        radio->SetGroupName(group);
    }
    return radio;
}

Kelvo::MEdit* NumberField(PageControls& c, UINT id, int limit, int visible = 1) {
    auto* field = c.Make<Kelvo::MEdit>(kContainer, L"MEdit", id, CString(), visible);
    if (!field) return nullptr;
    field->SetImage(L"img_edit.png", 4);
    field->SetTextColor(kWhite);
    field->SetNumberOnly(1);
    field->SetEditBKColor(kFieldBackground);
    field->SetAlignment(DT_CENTER);
    field->SetLimitText(limit);
    return field;
}

Kelvo::MComboBox* Combo(PageControls& c, UINT id) {
    auto* list = c.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", id);
    if (list) {
        list->SetImage(L"img_combobox.png", 4);
        list->SetTextColorEx(kWhite, kWhite);
        list->SetFontName(c.Context().FontName().GetString());
        list->SetAlignment(DT_CENTER);
    }
    return list;
}

}  // namespace

void MacroPage::CreateMacroColumn() {
    m_titleBackground = Background(m_c, 136);
    m_title = m_c.Make<Kelvo::MText>(kContainer, L"MText", 137);
    m_macroBackground = Background(m_c, 138);
    m_macroCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 139);
    m_macroFrame = Frame(m_c, 140);
    if ((m_macros = m_c.Make<Kelvo::MacroList>(kContainer, L"MacroList", 141))) {
        m_macros->SetImage(L"btn_more.png", 4);
        m_macros->SetEditImage(L"img_list_edit.png", 1);
        m_macros->EnableShowEdit(1);
    }
    m_new = Button(m_c, 142);
    m_import = Button(m_c, 143);
    m_export = Button(m_c, 144);
}

void MacroPage::CreateEventColumn() {
    m_eventBackground = Background(m_c, 145);
    m_eventCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 146);
    m_eventFrame = Frame(m_c, 147);
    m_eventHeader = Frame(m_c, 148);
    for (size_t i = 0; i < m_columnCaptions.size(); ++i) {
        m_columnCaptions[i] = m_c.Make<Kelvo::MText>(kContainer, L"MText", 149 + static_cast<UINT>(i));
    }
    if ((m_events = m_c.Make<Kelvo::CRecordList>(kContainer, L"CRecordList", 152))) {
        m_events->SetImageList(L"icon\\icon_record.png", 8);
        m_events->SetMoreImage(L"btn_more.png", 4);
    }
    m_insert = Button(m_c, 153);
    m_delete = Button(m_c, 154);
}

void MacroPage::CreateOptionColumn() {
    m_optionBackground = Background(m_c, 155);
    if ((m_record = m_c.Make<Kelvo::CIconButton>(kContainer, L"CIconButton", 157))) {
        m_record->SetImage(L"img_button.png", 4);
        m_record->SetIconImage(L"icon\\icon_rec.png", 4);
    }
    m_delayCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 158);
    for (size_t i = 0; i < m_delayOptions.size(); ++i) {
        m_delayOptions[i] = Radio(m_c, 159 + static_cast<UINT>(i), L"IDC_MACRO_STC_DELAYSET");
    }
    if (m_delayOptions[1]) m_delayOptions[1]->SetControlCheck(1);
    m_fixedDelayFrame = Frame(m_c, 162);
    if ((m_fixedDelay = NumberField(m_c, 163, 5))) m_fixedDelay->SetEnabled(0);
    m_fixedDelayUnit = m_c.Make<Kelvo::MText>(kContainer, L"MText", 164, CString(L"ms"));
    m_playCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 165);
    const UINT playIds[] = {166, 167, 169, 168};
    for (size_t i = 0; i < m_playOptions.size(); ++i) m_playOptions[i] = Radio(m_c, playIds[i], L"IDC_MACRO_RADIO_LOOP1");
    if (m_playOptions[2]) m_playOptions[2]->SetEnabled(0);  // the mouse is given no way to stop it
    if (m_playOptions[3]) m_playOptions[3]->SetControlCheck(1);
    m_plays = NumberField(m_c, 170, 3);
}

void MacroPage::CreateEditPanels() {
    m_panelBackground = Background(m_c, 156);
    m_kindCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 171);
    m_kind = Combo(m_c, 172);
    m_valueCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 175);
    m_buttons = Combo(m_c, 174);
    m_value = NumberField(m_c, 173, 5);
    m_up = Button(m_c, 176, L"img_recorditem_up.png");
    m_down = Button(m_c, 177, L"img_recorditem_down.png");
    m_xCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 178, CString(L"X:"));
    m_xDirection = {Radio(m_c, 179, L"IDC_MACRO_MOVE_STC_X"), Radio(m_c, 180, L"IDC_MACRO_MOVE_STC_X")};
    m_xDistance = NumberField(m_c, 181, 3);
    m_yCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 182, CString(L"Y:"));
    m_yDirection = {Radio(m_c, 183, L"IDC_MACRO_MOVE_STC_Y"), Radio(m_c, 184, L"IDC_MACRO_MOVE_STC_Y")};
    m_yDistance = NumberField(m_c, 185, 3);
}

// ---- texts --------------------------------------------------------------------------------

namespace {

// Button list 174: the language text of each button and the item data its choice reads.
struct ButtonItem {
    int textId;
    DWORD data;
};
constexpr ButtonItem kButtonItems[] = {{106, 1}, {107, 3}, {108, 2}, {109, 5}, {110, 6}, {112, 7}, {113, 8}};

}  // namespace

void MacroPage::ApplyLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_title, 350);
    title(m_macroCaption, 352);
    title(m_new, 353);
    title(m_import, 26);
    title(m_export, 27);
    title(m_eventCaption, 355);
    for (size_t i = 0; i < m_columnCaptions.size(); ++i) title(m_columnCaptions[i], 388 + static_cast<int>(i));
    title(m_insert, 39);
    title(m_delete, 357);
    title(m_record, m_bRecording ? 359 : 358);
    title(m_delayCaption, 360);
    for (size_t i = 0; i < m_delayOptions.size(); ++i) title(m_delayOptions[i], 361 + static_cast<int>(i));
    title(m_playCaption, 364);
    const int playTexts[] = {365, 366, 380, 367};
    for (size_t i = 0; i < m_playOptions.size(); ++i) title(m_playOptions[i], playTexts[i]);
    title(m_kindCaption, 391);
    title(m_valueCaption, 392);
    const int directionTexts[] = {411, 412, 413, 414};
    Kelvo::CRadioButton* directions[] = {m_xDirection[0], m_xDirection[1], m_yDirection[0], m_yDirection[1]};
    for (size_t i = 0; i < 4; ++i) {
        title(directions[i], directionTexts[i]);
        if (directions[i]) directions[i]->SetTooltip(context.Text(directionTexts[i]).GetString());
    }
    if (m_buttons) {
        const int selected = m_buttons->GetCurSel();
        if (m_buttons->IsPopupOpen()) m_buttons->ClosePopup();
        m_buttons->DelAllItems();
        for (const ButtonItem& item : kButtonItems) {
            m_buttons->AddItem(context.Text(item.textId).GetString(), item.data, nullptr, kWhite);
        }
        m_buttons->SetCurSel(selected > 0 ? selected : 0);
    }
    RelabelMacros();
}
