// The key page's two panels: a keyboard key with modifiers (A) and a repeated mouse
// button or key (B), their key fields and the key capture behind them.
#include "KeyAssignmentPage.h"

#include <initializer_list>
#include <iterator>

#include "CArea.h"
#include "KeyUsage.h"
#include "MButton.h"
#include "MButton3.h"
#include "MComboBox.h"
#include "MEdit.h"
#include "MPicture.h"
#include "MText.h"
#include "TextNotifications.h"

namespace {

constexpr int kContainer = 45;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr COLORREF kFieldText = 0x333333;
const wchar_t* const kModifierTitles[] = {L"Ctrl", L"Win", L"Alt", L"Shift"};
constexpr int kRepeatKindTexts[] = {163, 164};
constexpr int kRepeatButtonTexts[] = {106, 107, 108, 109, 110};
constexpr int kRepeatButtonValues[] = {1, 2, 4, 8, 16};
// The modifier keys a key field never takes as its key (left and right Shift, Ctrl, Alt).
constexpr int kFirstModifierKey = 160;
constexpr int kLastModifierKey = 165;
constexpr int kPanelA = 10;

Kelvo::MPicture* MakeBackground(PageControls& c, UINT id) {
    auto* picture = c.Make<Kelvo::MPicture>(kContainer, L"MPicture", id, CString(), 0);
    if (picture) {
        picture->SetImage(L"img_area2.png", 1);
        picture->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
    }
    return picture;
}

Kelvo::MEdit* MakeField(PageControls& c, UINT id, bool keyField) {
    auto* field = c.Make<Kelvo::MEdit>(kContainer, L"MEdit", id, CString(), 0);
    if (!field) return nullptr;
    field->SetImage(L"img_edit.png", 4);
    field->SetTextColor(0xFF000000 | kFieldText);
    if (keyField) field->EnableCharMessage(0);  // the capture writes the key's name, not the typed character
    else field->SetNumberOnly(1);
    return field;
}

}  // namespace

void KeyAssignmentPage::CreatePanelA() {
    m_panelA = MakeBackground(m_c, 86);
    m_panelATitle = m_c.Make<Kelvo::MText>(kContainer, L"MText", 87, CString(), 0);
    m_keyField = MakeField(m_c, 88, true);
    for (size_t i = 0; i < m_modifiers.size(); ++i) {
        m_modifiers[i] = m_c.Make<Kelvo::MButton3>(kContainer, L"MButton3", 89 + static_cast<UINT>(i), kModifierTitles[i], 0);
        if (m_modifiers[i]) m_modifiers[i]->SetImage(L"img_button2.png", 4);
    }
    if ((m_panelAOk = m_c.Make<Kelvo::MButton>(kContainer, L"MButton", 93, CString(), 0))) m_panelAOk->SetImage(L"img_button.png", 4);
}

void KeyAssignmentPage::CreatePanelB() {
    m_panelB = MakeBackground(m_c, 94);
    m_panelBTitle = m_c.Make<Kelvo::MText>(kContainer, L"MText", 95, CString(), 0);
    auto combo = [this](UINT id) {
        auto* list = m_c.Make<Kelvo::MComboBox>(kContainer, L"MComboBox", id, CString(), 0);
        if (list) {
            list->SetImage(L"img_combobox.png", 4);
            list->SetTextColorEx(kWhite, kWhite);
        }
        return list;
    };
    m_repeatKind = combo(96);
    m_repeatButtonCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 97, CString(), 0);
    m_repeatButton = combo(98);
    m_repeatKey = MakeField(m_c, 99, true);
    m_countCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 100, CString(), 0);
    m_count = MakeField(m_c, 101, false);
    m_intervalCaption = m_c.Make<Kelvo::MText>(kContainer, L"MText", 102, CString(), 0);
    m_intervalUnit = m_c.Make<Kelvo::CArea>(kContainer, L"CArea", 103, CString(L"ms"), 0);
    m_intervalNote = m_c.Make<Kelvo::MText>(kContainer, L"MText", 104, CString(), 0);
    m_interval = MakeField(m_c, 105, false);
    if ((m_panelBOk = m_c.Make<Kelvo::MButton>(kContainer, L"MButton", 106, CString(), 0))) m_panelBOk->SetImage(L"img_button.png", 4);
}

// Both panels open over the column beside the functions, the same place.
void KeyAssignmentPage::PlacePanels(int left, int top) {
    auto S = [this](double v) { return m_c.S(v); };
    auto row = [&](Kelvo::MControl* control, int from, int height, int x0 = 10, int x1 = 220) {
        PageControls::Place(control, CRect(left + S(x0), top + S(from), left + S(x1), top + S(from) + S(height)));
    };
    const CString& font = m_c.Context().FontName();
    auto font14 = [&](Kelvo::MControlFont* control, int size = 14) {
        if (control) control->SetFont(font.GetString(), S(size), 0);
    };
    PageControls::Place(m_panelA, CRect(left, top, left + S(230), top + S(200)));
    row(m_panelATitle, 0, 36);
    row(m_keyField, 40, 28);
    for (size_t i = 0; i < m_modifiers.size(); ++i) {
        const int column = static_cast<int>(i % 2) * 105;
        row(m_modifiers[i], 78 + static_cast<int>(i / 2) * 36, 28, 10 + column, 110 + column);
        font14(m_modifiers[i]);
    }
    row(m_panelAOk, 160, 28, 120, 220);
    font14(m_panelATitle, 16);
    font14(m_keyField);
    font14(m_panelAOk);

    PageControls::Place(m_panelB, CRect(left, top, left + S(230), top + S(330)));
    row(m_panelBTitle, 0, 36);
    row(m_repeatKind, 40, 28);
    row(m_repeatButtonCaption, 72, 26);
    row(m_repeatButton, 98, 28);
    row(m_repeatKey, 98, 28);
    row(m_countCaption, 132, 26);
    row(m_count, 158, 28);
    row(m_intervalCaption, 192, 26);
    row(m_intervalNote, 216, 20);
    row(m_interval, 238, 28, 10, 160);
    row(m_intervalUnit, 238, 28, 165, 220);
    row(m_panelBOk, 285, 28, 120, 220);
    font14(m_panelBTitle, 16);
    for (Kelvo::MControlFont* control : std::initializer_list<Kelvo::MControlFont*>{
             m_repeatButtonCaption, m_countCaption, m_intervalCaption, m_repeatKey, m_count, m_interval, m_panelBOk}) {
        font14(control);
    }
    font14(m_intervalNote, 12);
}

void KeyAssignmentPage::ApplyPanelLanguage() {
    PageContext& context = m_c.Context();
    auto title = [&](Kelvo::MControlFont* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_panelATitle, 160);
    title(m_panelAOk, 20);
    title(m_panelBTitle, 161);
    title(m_repeatButtonCaption, 162);
    title(m_countCaption, 165);
    title(m_intervalCaption, 167);
    title(m_intervalNote, 166);
    title(m_panelBOk, 20);
    auto fill = [&](Kelvo::MComboBox* list, const int* texts, const int* values, size_t count) {
        if (!list) return;
        const int selected = list->GetCurSel();
        if (list->IsPopupOpen()) list->ClosePopup();
        list->DelAllItems();
        for (size_t i = 0; i < count; ++i) {
            list->AddItem(context.Text(texts[i]).GetString(), static_cast<DWORD>(values[i]), nullptr, kWhite);
        }
        list->SetCurSel(selected >= 0 && selected < static_cast<int>(count) ? selected : 0);
    };
    constexpr int kKinds[] = {1, 2};
    fill(m_repeatKind, kRepeatKindTexts, kKinds, std::size(kKinds));
    fill(m_repeatButton, kRepeatButtonTexts, kRepeatButtonValues, std::size(kRepeatButtonValues));
}

// ---- key capture --------------------------------------------------------------------------

// A key field's editor opening starts a capture for that panel (replacing one that runs);
// its closing ends it.
void KeyAssignmentPage::OnKeyField(UINT code, int mode) {
    if (code == Kelvo::kNotifyEditorClosed) {
        EndCapture();
        return;
    }
    if (code != Kelvo::kNotifyEditorShown) return;
    m_nCapturedKey = 0;
    Kelvo::MEdit* field = mode == kPanelA ? m_keyField : m_repeatKey;
    if (field) field->SetTitle(L"");
    m_capture.Start([this, mode](int virtualKey) { OnCapturedKey(mode, virtualKey); });
}

void KeyAssignmentPage::OnCapturedKey(int mode, int virtualKey) {
    if (mode == kPanelA && virtualKey >= kFirstModifierKey && virtualKey <= kLastModifierKey) {
        // A modifier held for the combination turns its toggle on instead (Ctrl, Alt, Shift).
        const int toggle = virtualKey <= 161 ? 3 : virtualKey <= 163 ? 0 : 2;
        if (m_modifiers[toggle]) m_modifiers[toggle]->SetCheck(1);
        return;
    }
    if (mode == kPanelA && (virtualKey == VK_LWIN || virtualKey == VK_RWIN)) {
        if (m_modifiers[1]) m_modifiers[1]->SetCheck(1);
        return;
    }
    m_nCapturedKey = virtualKey;
    Kelvo::MEdit* field = mode == kPanelA ? m_keyField : m_repeatKey;
    if (field) field->SetTitle(KeyNameOf(virtualKey).GetString());
}

void KeyAssignmentPage::EndCapture() { m_capture.Stop(); }

CString KeyAssignmentPage::KeyNameOf(int virtualKey) { return codec::KeyName(codec::UsageOfVirtualKey(virtualKey)); }

CString KeyAssignmentPage::KeyCombinationText(int modifiers, int virtualKey) {
    struct Modifier {
        int bit;
        const wchar_t* first;
        const wchar_t* following;
    };
    static const Modifier kOrder[] = {{2, L"Shift", L"Shift"}, {1, L"Ctrl", L"+ Ctrl"}, {8, L"Win", L"+ Win"}, {4, L"Alt", L"+ Alt"}};
    CString names;
    for (const Modifier& m : kOrder) {
        if (modifiers & m.bit) names += names.IsEmpty() ? m.first : m.following;
    }
    const CString key = KeyNameOf(virtualKey);
    if (names.IsEmpty()) return key;
    if (key.IsEmpty()) return names;
    return names + L" + " + key;
}
