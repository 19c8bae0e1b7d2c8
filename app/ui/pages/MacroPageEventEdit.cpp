// Editing the selected event: the edit panel (kind, value or button) and the move panel
// (the two directions and distances of a combined move). A change is written into the
// row, or into every row of its group, and the macro's steps are stored again.
#include "MacroPage.h"

#include "CRadioButton.h"
#include "CRecordList.h"
#include "MButton.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "MacroPageFields.h"
#include "TextFormat.h"

namespace {

constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

// The kinds list 172 offers (its item data).
constexpr int kKindButton = 1;
constexpr int kKindKey = 2;
constexpr int kKindDelay = 3;

const wchar_t kDown[] = L"\u2193  ";
const wchar_t kUp[] = L"\u2191  ";

struct MoveKind {
    int type;
    int textId;
    const wchar_t* pattern;
};
constexpr MoveKind kMoves[] = {{10, 406, L"\u2190  %d"}, {11, 407, L"\u2192  %d"}, {8, 408, L"\u2191  %d"},
                               {9, 409, L"\u2193  %d"}};

const MoveKind* MoveOf(int type) {
    for (const MoveKind& move : kMoves) {
        if (move.type == type) return &move;
    }
    return nullptr;
}

// The button each item of list 174 stands for, by the item's data.
struct ButtonChoice {
    DWORD data;
    const wchar_t* name;
    int code;
};
constexpr ButtonChoice kButtonChoices[] = {{1, L"LB", 1},       {3, L"RB", 2},        {2, L"MB", 4},
                                           {5, L"Backward", 8}, {6, L"Forward", 16},  {7, L"Scroll Up", 3},
                                           {8, L"Scroll Down", 3}};

void SetVisible(std::initializer_list<Kelvo::MControl*> controls, int visible) {
    for (Kelvo::MControl* control : controls) {
        if (control) control->SetVisible(visible);
    }
}

}  // namespace

void MacroPage::HideEditPanels() {
    SetVisible({m_panelBackground, m_kindCaption, m_kind, m_value, m_buttons, m_valueCaption, m_up, m_down}, 0);
    SetVisible({m_xCaption, m_xDirection[0], m_xDirection[1], m_xDistance, m_yCaption, m_yDirection[0],
                m_yDirection[1], m_yDistance},
               0);
}

void MacroPage::ShowEvent() {
    CString text;
    int type = 0, value = 0, stamp = 0;
    if (!m_events || !m_events->GetRecordInfo(m_events->GetCurSel(), text, type, value, stamp)) return;
    HideEditPanels();
    if (type == 12) {
        SetVisible({m_panelBackground, m_xCaption, m_xDirection[0], m_xDirection[1], m_xDistance, m_yCaption,
                    m_yDirection[0], m_yDirection[1], m_yDistance},
                   1);
        if (m_xDirection[0]) m_xDirection[0]->SetControlCheck((value & 0x80) ? 1 : 0);
        if (m_xDirection[1]) m_xDirection[1]->SetControlCheck((value & 0x80) ? 0 : 1);
        if (m_yDirection[0]) m_yDirection[0]->SetControlCheck((value & 0x8000) ? 1 : 0);
        if (m_yDirection[1]) m_yDirection[1]->SetControlCheck((value & 0x8000) ? 0 : 1);
        macro_fields::Show(m_xDistance, value & 0x7F);
        macro_fields::Show(m_yDistance, (value >> 8) & 0x7F);
        return;
    }
    int textId = 0, kind = 0;
    if (type == 1) textId = 395, kind = kKindDelay;
    else if (type == 2 || type == 3) textId = 394, kind = kKindKey;
    else if (type == 4 || type == 5) textId = 393, kind = kKindButton;
    else if (const MoveKind* move = MoveOf(type)) textId = move->textId, kind = type;
    if (kind == 0) return;  // a wheel event has nothing to edit
    SetVisible({m_panelBackground, m_kindCaption, m_kind, m_valueCaption, m_value, m_up, m_down}, 1);
    if (m_kind) {
        if (m_kind->IsPopupOpen()) m_kind->ClosePopup();
        m_kind->DelAllItems();
        m_kind->AddItem(m_c.Context().Text(textId).GetString(), static_cast<DWORD>(kind), nullptr, kWhite);
        m_kind->SetCurSel(0);
    }
    PrepareValueField(kind);
    if (kind == kKindKey && m_value) m_value->SetTitle(text.Mid(2).GetString());
    else if (kind != kKindButton) macro_fields::Show(m_value, value);
}

// The value field as kind `kind` needs it: a number, a key taken from the keyboard, or
// the button list in its place.
void MacroPage::PrepareValueField(int kind) {
    if (!m_value) return;
    m_value->SetVisible(1);
    if (m_buttons) m_buttons->SetVisible(0);
    m_value->EnableCharMessage(1);
    m_value->SetTitle(L"");
    if (kind == kKindButton) {
        m_value->SetVisible(0);
        if (m_buttons) m_buttons->SetVisible(1);
    } else if (kind == kKindKey) {
        m_value->EnableCharMessage(0);  // the capture writes the key's name
        m_value->SetNumberOnly(0);
        m_value->SetLimitText(10);
        m_value->SetTipInfo(m_c.Context().Text(385).GetString());
    } else {
        m_value->SetNumberOnly(1);
        m_value->SetLimitText(kind == kKindDelay ? 5 : 3);
        m_value->SetTipInfo(L"");
    }
}

int MacroPage::ChosenKind() const {
    return m_kind && m_kind->GetCurSel() >= 0 ? static_cast<int>(m_kind->GetCurData()) : 0;
}

// The row changes only when the value is committed.
void MacroPage::OnKindChosen() {
    const int kind = ChosenKind();
    PrepareValueField(kind);
    if (kind == kKindDelay) macro_fields::Show(m_value, 10);
    else if (MoveOf(kind)) macro_fields::Show(m_value, 1);
}

void MacroPage::OnValueField(UINT code) {
    const int kind = ChosenKind();
    if (code == Kelvo::kNotifyEditorShown && kind == kKindKey) {
        m_nCapturedKey = 0;
        m_strCapturedKeyName.Empty();
        m_nCaptureMode = kCaptureStepKey;
        if (m_value) m_value->SetTitle(L"");
        m_capture.Start([this](const InputEvent& event) { OnCapturedKey(event); });
        return;
    }
    if (code != Kelvo::kNotifyEditorClosed) return;
    if (kind == kKindKey) CommitCapturedKey();
    else if (kind == kKindDelay || MoveOf(kind)) CommitNumber(kind);
}

void MacroPage::OnCapturedKey(const InputEvent& event) {
    if (!CapturesKey(kCaptureStepKey, event)) return;
    m_nCapturedKey = event.code;
    m_strCapturedKeyName = event.text;
    if (m_value) m_value->SetTitle(event.text.GetString());
}

// Both rows of the key's group take the key; a field closed before any key was pressed
// leaves them as they were.
void MacroPage::CommitCapturedKey() {
    m_capture.Stop();
    m_nCaptureMode = kCaptureNone;
    const int row = m_events ? m_events->GetCurSel() : -1;
    if (row < 0 || m_nCapturedKey == 0) return;
    const int stamp = m_events->GetRecrodTimeStamp(row);
    m_events->SetRecordInfo(stamp, 2, (kDown + m_strCapturedKeyName).GetString(), m_nCapturedKey);
    m_events->SetRecordInfo(stamp, 3, (kUp + m_strCapturedKeyName).GetString(), m_nCapturedKey);
    SaveMacroEvents();
}

void MacroPage::CommitNumber(int kind) {
    const int number = kind == kKindDelay ? macro_fields::Clamp(m_value, 1, 10000) : macro_fields::Clamp(m_value, 1, 127);
    CString text;
    int type = 0, value = 0, stamp = 0;
    const int row = m_events ? m_events->GetCurSel() : -1;
    if (!m_events || !m_events->GetRecordInfo(row, text, type, value, stamp)) return;
    if (kind == kKindDelay) {
        text = FormatText(L" -   %d ms", {number});
    } else if (const MoveKind* move = MoveOf(type)) {
        text = FormatText(move->pattern, {number});
    }
    m_events->SetRecordInfo(row, text.GetString(), type, number, stamp);
    SaveMacroEvents();
}

void MacroPage::OnButtonChosen() {
    if (!m_buttons || !m_events || m_events->GetCurSel() < 0) return;
    const DWORD data = m_buttons->GetCurData();
    for (const ButtonChoice& choice : kButtonChoices) {
        if (choice.data != data) continue;
        const int stamp = m_events->GetRecrodTimeStamp(m_events->GetCurSel());
        m_events->SetRecordInfo(stamp, 4, (CString(kDown) + choice.name).GetString(), choice.code);
        m_events->SetRecordInfo(stamp, 5, (CString(kUp) + choice.name).GetString(), choice.code);
        SaveMacroEvents();
        return;
    }
}

// Left and up are the negative directions: bit 7 of each byte.
void MacroPage::OnMoveChanged() {
    const int x = macro_fields::Clamp(m_xDistance, 0, 127);
    const int y = macro_fields::Clamp(m_yDistance, 0, 127);
    CString text;
    int type = 0, value = 0, stamp = 0;
    const int row = m_events ? m_events->GetCurSel() : -1;
    if (!m_events || !m_events->GetRecordInfo(row, text, type, value, stamp)) return;
    const bool left = m_xDirection[0] && m_xDirection[0]->GetCheck();
    const bool up = m_yDirection[0] && m_yDirection[0]->GetCheck();
    const CString xText = m_xDistance ? m_xDistance->GetControlTitle() : CString();
    const CString yText = m_yDistance ? m_yDistance->GetControlTitle() : CString();
    text = FormatText(left ? L"\u2190  %s" : L"\u2192  %s", {xText}) +
           FormatText(up ? L",\u2191  %s" : L",\u2193  %s", {yText});
    value = y * 256 + x + (left ? 0x80 : 0) + (up ? 0x8000 : 0);
    m_events->SetRecordInfo(row, text.GetString(), type, value, stamp);
    SaveMacroEvents();
}
