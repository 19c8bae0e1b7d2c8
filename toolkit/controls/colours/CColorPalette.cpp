#include "CColorPalette.h"

#include <cwchar>
#include <cwctype>

#include "CColorButton.h"
#include "ColourNotifications.h"
#include "MEdit.h"
#include "MPalette.h"
#include "MSpinButton.h"
#include "MText.h"
#include "TextNotifications.h"

namespace Kelvo {

namespace {

constexpr COLORREF kPresetColours[CColorPalette::kPresetCount] = {0x001B55, 0x23A2F9, 0x31FEFE, 0x29FF4C,
                                                                  0xFEFF50, 0xFC1517, 0x7F007C, 0xFC00F7};
const wchar_t* const kLabels[4] = {L"R", L"G", L"B", L"#"};
constexpr COLORREF kFirstSelection = 0x00E1FF;
constexpr Gdiplus::ARGB kLabelColour = 0xFE050505;
constexpr COLORREF kEditBackground = 0xDADADA;
constexpr int kRowStep = 28;

// RRGGBB in upper case.
void FormatHex(DWORD colour, wchar_t (&hex)[8]) {
    std::swprintf(hex, 8, L"%02X%02X%02X", static_cast<unsigned>(colour & 0xFF), static_cast<unsigned>(colour >> 8 & 0xFF),
                  static_cast<unsigned>(colour >> 16 & 0xFF));
}

// One hexadecimal pair; an unreadable pair reads as 0.
DWORD HexPair(const wchar_t* text) {
    if (!std::iswxdigit(text[0]) || !std::iswxdigit(text[1])) return 0;
    const wchar_t pair[3] = {text[0], text[1], 0};
    return static_cast<DWORD>(std::wcstoul(pair, nullptr, 16));
}

}  // namespace

CColorPalette::CColorPalette(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible) {}

CColorPalette::~CColorPalette() = default;

const wchar_t* CColorPalette::GetClassNameW() { return L"CColorPalette"; }

void CColorPalette::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    const CRect r = m_rcControl;
    for (int i = 0; i < kPresetCount; ++i) {
        auto* preset = new CColorButton(this, kFirstPresetId + i, CRect(), 1, 1);
        preset->SetGroupName(L"clr_palette_group");
        preset->SetColor(kPresetColours[i]);
        AttachControl(1, preset);
    }
    auto* palette = new MPalette(this, kPaletteId, CRect(r.left, r.top + 27, r.left + 233, r.bottom - 4), 1);
    AttachControl(1, palette);
    palette->SetThumbImage(L"img_palette_thumb.png");
    palette->SetPalletHeight(palette->GetRect().Height() - 2);
    auto* selection = new CColorButton(this, kSelectionId, CRect(), 1, 1);
    selection->SetGroupName(L"clr_sel_group");
    selection->SetColor(kFirstSelection);
    AttachControl(1, selection);
    selection->SetCheck(1);
    for (int i = 0; i < 4; ++i) {
        auto* label = new MText(this, kFirstLabelId + i, CRect(), kLabels[i], 1);
        label->SetAlignment(DT_RIGHT);
        label->SetTextColor(kLabelColour);
        AttachControl(0, label);
    }
    for (int i = 0; i < 3; ++i) {
        auto* spin = new MSpinButton(this, kFirstSpinId + i, CRect(), 1, 1);
        spin->SetRange(0, 255);
        AttachControl(1, spin);
    }
    auto* edit = new MEdit(this, kHexEditId, CRect(), L"", 1, 1);
    edit->SetFontWidth(12);
    edit->SetEditBKColor(kEditBackground);
    edit->SetLimitText(6);
    AttachControl(1, edit);
    PlaceChildren(false);
    wchar_t hex[8];
    FormatHex(palette->GetSelectColor(), hex);
    edit->SetControlTitle(hex);
}

// The chosen swatch, labels, spinners and edit sit lower while the panel is as made and
// move up beside the field once it is laid out.
void CColorPalette::PlaceChildren(bool laidOut) {
    const CRect r = m_rcControl;
    for (int i = 0; i < kPresetCount; ++i)
        if (MControl* preset = GetControl(kFirstPresetId + i))
            preset->SetControlRect(CRect(r.left + 25 * i, r.top + 5, r.left + 25 * i + 20, r.top + 25));
    if (MControl* selection = GetControl(kSelectionId))
        selection->SetControlRect(laidOut ? CRect(r.left + 235, r.top + 5, r.left + 320, r.top + 57)
                                          : CRect(r.left + 235, r.top + 27, r.left + 285, r.top + 102));
    const int rowsTop = r.top + (laidOut ? 62 : 52);
    for (int i = 0; i < 4; ++i) {
        const int top = rowsTop + i * kRowStep;
        for (MControl* label : GetAreas())
            if (label->GetControlID() == kFirstLabelId + static_cast<UINT>(i))
                label->SetControlRect(CRect(r.left + 235, top, r.left + 255, top + 24));
        if (i < 3)
            if (MControl* spin = GetControl(kFirstSpinId + i))
                spin->SetControlRect(CRect(r.left + 260, top, r.left + 320, top + 24));
    }
    const int editTop = r.top + (laidOut ? 146 : 136);
    if (MControl* edit = GetControl(kHexEditId)) edit->SetControlRect(CRect(r.left + 260, editTop, r.left + 320, editTop + 24));
}

void CColorPalette::SetControlRect(CRect rect) {
    MPanel::SetControlRect(rect);
    if (!m_bInitialised) return;
    if (MControl* palette = GetControl(kPaletteId))
        palette->SetControlRect(CRect(rect.left, rect.top + 27, rect.left + 233, rect.bottom - 4));
    PlaceChildren(true);
}

MPalette* CColorPalette::Palette() { return dynamic_cast<MPalette*>(GetControl(kPaletteId)); }
MSpinButton* CColorPalette::Spin(int index) { return dynamic_cast<MSpinButton*>(GetControl(kFirstSpinId + index)); }
MEdit* CColorPalette::HexEdit() { return dynamic_cast<MEdit*>(GetControl(kHexEditId)); }
CColorButton* CColorPalette::Selection() { return dynamic_cast<CColorButton*>(GetControl(kSelectionId)); }

DWORD CColorPalette::GetSelectColor() {
    MPalette* palette = Palette();
    return palette ? palette->GetSelectColor() : 0;
}

void CColorPalette::SetSelectColor(DWORD colour) {
    if (MPalette* palette = Palette()) palette->SetSelectColor(colour);
}

void CColorPalette::SetThumbImage(const wchar_t* path) {
    if (MPalette* palette = Palette()) palette->SetThumbImage(path);
}

// --- keeping the parts in step -------------------------------------------------------------

void CColorPalette::TakeColour(DWORD colour) {
    for (int i = 0; i < 3; ++i)
        if (MSpinButton* spin = Spin(i)) spin->SetCurValue(static_cast<int>(colour >> (8 * i) & 0xFF));
    if (MPalette* palette = Palette()) palette->SetSelectColor(colour);
}

void CColorPalette::UpdateSelection(DWORD colour) {
    CColorButton* selection = Selection();
    if (selection && selection->GetCheck() && selection->GetColor() != colour) {
        selection->SetColor(colour);
        selection->UpdateControl(1, 0);
    }
}

void CColorPalette::ShowColour(DWORD colour) {
    for (int i = 0; i < 3; ++i)
        if (MSpinButton* spin = Spin(i)) spin->SetCurValue(static_cast<int>(colour >> (8 * i) & 0xFF));
    if (MEdit* edit = HexEdit()) {
        wchar_t hex[8];
        FormatHex(colour, hex);
        edit->SetControlTitle(hex);
    }
    UpdateSelection(colour);
    SendMessageW(kNotifyColourChanged, 0, static_cast<LPARAM>(colour));
}

bool CColorPalette::TakeHexText() {
    MEdit* edit = HexEdit();
    if (!edit) return false;
    // The stored text: asking for the title would close the editor the user types in.
    const CString text = edit->GetTitleEx();
    if (text.GetLength() != 6) return false;
    const wchar_t* digits = text.GetString();
    const DWORD colour = HexPair(digits) | HexPair(digits + 2) << 8 | HexPair(digits + 4) << 16;
    TakeColour(colour);
    UpdateSelection(colour);
    SendMessageW(kNotifyColourChanged, 0, static_cast<LPARAM>(colour));
    return true;
}

LRESULT CColorPalette::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kPaletteId && code == kNotifyColourChanged) {
        ShowColour(GetSelectColor());
        return 1;
    }
    if (id == kHexEditId && code == kNotifyTextChanged && !TakeHexText()) return 0;
    if (code == kNotifyValueChanged && id >= kFirstSpinId && id < kFirstSpinId + 3) {
        DWORD colour = 0;
        for (int i = 0; i < 3; ++i)
            if (MSpinButton* spin = Spin(i)) colour |= static_cast<DWORD>(spin->GetCurValue() & 0xFF) << (8 * i);
        if (MPalette* palette = Palette()) palette->SetSelectColor(colour);
        ShowColour(colour);
    } else if (code == kNotifyPressed && id == kSelectionId) {
        if (CColorButton* selection = Selection()) {
            TakeColour(selection->GetColor());
            ShowColour(selection->GetColor());
        }
    } else if (code == kNotifyPressed && id >= kFirstPresetId && id < kFirstPresetId + kPresetCount) {
        for (int i = 0; i < kPresetCount; ++i) {
            auto* preset = dynamic_cast<CColorButton*>(GetControl(kFirstPresetId + i));
            if (!preset || !preset->GetCheck()) continue;
            if (preset->GetColor() != 0) {
                TakeColour(preset->GetColor());
                ShowColour(preset->GetColor());
            }
            break;
        }
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

// --- looks and state -----------------------------------------------------------------------

void CColorPalette::SetControlEnabled(int enabled) {
    m_bEnabled = enabled ? 1 : 0;
    for (MControl* child : Children()) {
        if (child->IsEnabled() == m_bEnabled) continue;
        child->SetControlEnabled(m_bEnabled);
        child->UpdateControl(1, 0);
    }
}

int CColorPalette::OnControlMouseMove(UINT, CPoint) { return m_bEnabled; }
int CColorPalette::OnControlLButtonDown(UINT, CPoint) { return m_bEnabled; }
int CColorPalette::OnControlLButtonUp(UINT, CPoint) { return m_bEnabled; }
int CColorPalette::OnControlScroll(int, int, CPoint) { return 1; }

void CColorPalette::SetTextColor(Gdiplus::ARGB colour) {
    MPanel::SetTextColor(colour);
    for (MControl* label : GetAreas())
        if (auto* font = dynamic_cast<MControlFont*>(label)) font->SetTextColor(colour);
    for (int i = 0; i < 3; ++i)
        if (MSpinButton* spin = Spin(i)) spin->SetTextColor(colour);
    if (MEdit* edit = HexEdit()) edit->SetTextColor(colour);
}

int CColorPalette::SetImage(const wchar_t* path, int frames) {
    for (int i = 0; i < 3; ++i)
        if (MSpinButton* spin = Spin(i)) spin->SetImage(path, frames);
    if (MEdit* edit = HexEdit()) edit->SetImage(path, frames);
    return 1;
}

void CColorPalette::UpdateControlEx(int redraw) {
    UpdateControl(redraw, 0);
    for (MControl* child : Children())
        if (child->IsVisible()) child->UpdateControl(redraw, 0);
}

}  // namespace Kelvo
