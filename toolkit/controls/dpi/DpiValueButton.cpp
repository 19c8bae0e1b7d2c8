#include "DpiValueButton.h"

#include "Manager.h"
#include "PaintManager.h"
#include "TextNotifications.h"
#include "ValueEditWnd.h"

namespace Kelvo {

namespace {

constexpr int kLooks = 8;
constexpr int kMarkWidth = 15;
constexpr int kEditorReach = 15;  // a press further right than this opens the editor
constexpr Gdiplus::ARGB kIdleFill = 0xFF333333;
constexpr Gdiplus::ARGB kGreyFill = 0xFF808080;

Gdiplus::ARGB LookFill(int look) {
    if (look == 0) return kIdleFill;
    if (look == 3 || look == 7) return kGreyFill;
    return static_cast<Gdiplus::ARGB>(Manager::GetSelectColor());
}

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

DpiValueButton::DpiValueButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MControlFont(parent, id, rect, title, visible, enabled, 1) {
    m_nState = enabled ? kNormal : kDisabled;
}

DpiValueButton::~DpiValueButton() {
    if (m_pEdit) m_pEdit->Release();
    if (m_hDefaultFont) ::DeleteObject(m_hDefaultFont);
}

// --- drawing -------------------------------------------------------------------------------

void DpiValueButton::DrawControl(HDC dc, const CRect&) {
    const int shown = m_bEnabled ? m_nState : kDisabled;
    DrawCachedLooks(dc, kLooks, shown, [this](HDC cache, int width, int height) { RenderLooks(cache, width, height); });
}

void DpiValueButton::RenderLooks(HDC cache, int width, int height) {
    const bool hasText = !GetControlTitle().IsEmpty();
    for (int look = 0; look < kLooks; ++look) {
        const int left = look * width;
        {
            Gdiplus::Graphics graphics(cache);
            Gdiplus::SolidBrush fill{Gdiplus::Color(LookFill(look))};
            graphics.FillRectangle(&fill, left, 0, width, height);
            if (look != kDisabled && DrawsMark()) {
                Gdiplus::SolidBrush mark{Gdiplus::Color(m_color)};
                graphics.FillRectangle(&mark, left, 0, kMarkWidth, height);
            }
        }
        if (!hasText || look == kDisabled) continue;
        CRect text = GetTextRect();
        text.OffsetRect(left - m_rcControl.left, -m_rcControl.top);
        const HGDIOBJ oldFont = ::SelectObject(cache, GetDefaultFont());
        ::SetBkMode(cache, TRANSPARENT);
        ::SetTextColor(cache, GetEditTextColor());
        DrawValue(cache, text);
        ::SelectObject(cache, oldFont);
    }
}

void DpiValueButton::Repaint() {
    m_bUpdate = 0;
    UpdateControl(1, 0);
}

void DpiValueButton::SetState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    UpdateControl(0, 0);
}

int DpiValueButton::RestingState(bool inside) const {
    return (m_bCheck ? kChecked : kNormal) + (inside ? kHover : 0);
}

HFONT DpiValueButton::GetDefaultFont() {
    if (!m_hDefaultFont)
        m_hDefaultFont = ::CreateFontW(m_nFontSize, 0, 0, 0, (m_nFontStyle & 1) ? FW_BOLD : FW_NORMAL,
                                       (m_nFontStyle & 2) ? TRUE : FALSE, (m_nFontStyle & 4) ? TRUE : FALSE, FALSE,
                                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                       DEFAULT_PITCH, L"Arial");
    return m_hDefaultFont;
}

// --- geometry and state -------------------------------------------------------------------

void DpiValueButton::SetControlRect(CRect rect) {
    m_rcControl = rect;
    if (m_pEdit && m_bEditing) m_pEdit->Place(GetTextRect());
    m_bUpdate = 0;
}

void DpiValueButton::SetTextRect(CRect rect) {
    m_rcText = rect;
    m_bTextRectSet = 1;
    Repaint();
}

CRect DpiValueButton::GetTextRect() {
    if (!m_bTextRectSet) CalcTextRect();
    return m_rcText;
}

void DpiValueButton::SetGroupName(const wchar_t* name) {
    m_strGroup = CString(name);
    Repaint();
}

void DpiValueButton::CalcTextRect() {
    const int height = m_nFontSize + 6;
    const int top = m_rcControl.top + (m_rcControl.Height() - height) / 2 + 2;
    m_rcText = CRect(m_rcControl.left + TextInset(), top, m_rcControl.right - 2, top + height);
}

void DpiValueButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    if (m_pEdit) m_pEdit->EnableWindow(m_bEnabled);
    m_nState = m_bEnabled ? RestingState(false) : kDisabled;
    UpdateControl(0, 0);
}

void DpiValueButton::SetColor(Gdiplus::ARGB colour) {
    m_color = colour;
    Repaint();
}

int DpiValueButton::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    const bool changed = check != m_bCheck;
    m_bCheck = check;
    m_nState = RestingState(false);
    if (changed) ResetGroupCheck();
    UpdateControl(0, 0);
    return m_bCheck;
}

int DpiValueButton::SetControlCheck(int check) {
    if (!check) CloseEditor();
    m_bCheck = check ? 1 : 0;
    m_nState = m_bEnabled ? RestingState(false) : kDisabled;
    UpdateControl(0, 0);
    return m_bCheck;
}

void DpiValueButton::ClearGroupCheck() {
    CloseEditor();
    m_bCheck = 0;
    m_nState = m_bEnabled ? kNormal : kDisabled;
    UpdateControl(0, 0);
}

int DpiValueButton::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void DpiValueButton::Select() {
    m_bCheck = 1;
    ResetGroupCheck();
}

// --- input ---------------------------------------------------------------------------------

int DpiValueButton::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    if (!m_bPressed) SetState(RestingState(inside));
    return inside ? 1 : 0;
}

int DpiValueButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 0;
    m_bPressed = 1;
    SetState(m_bCheck ? kCheckedPressed : kPressed);
    if (point.x > m_rcControl.left + kEditorReach) OpenEditor();
    return 1;
}

int DpiValueButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    const bool clicked = m_bPressed && inside;
    m_bPressed = 0;
    if (clicked) Select();
    SetState(RestingState(inside));
    if (clicked) SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int DpiValueButton::OnControlKeyDown(UINT key, UINT, UINT modifiers) {
    if (!m_bEnabled) return 0;
    const bool hotKey = m_uHotKey != 0 && key == m_uHotKey && modifiers == m_uHotKeyModifiers;
    const bool space = m_bFocused && key == VK_SPACE && modifiers == 0;
    if (!hotKey && !space) return 0;
    if (!m_bCheck) Select();
    m_nState = RestingState(m_nState == kHover || m_nState == kCheckedHover);
    UpdateControl(0, 0);
    SendMessageW(kNotifyKeyboardCheck, 0, static_cast<LPARAM>(m_bCheck));
    return 1;
}

int DpiValueButton::SetControlFocus(int focus) {
    MControlFont::SetControlFocus(focus);
    if (focus)
        OpenEditor();
    else
        CloseEditor();
    return 0;
}

// --- editor --------------------------------------------------------------------------------

void DpiValueButton::SetShowEdit(int show) {
    m_bEditEnabled = show ? 1 : 0;
    SetFontName(L"Arial");
}

void DpiValueButton::SetEditText(const wchar_t* text) {
    SetControlTitle(text);
    Repaint();
}

CString DpiValueButton::GetEditText() {
    if (m_pEdit && m_bEditing) return m_pEdit->GetText();
    return GetControlTitle();
}

void DpiValueButton::SetEditWindow(ValueEditWnd* editor) {
    if (editor == m_pEdit) return;
    if (m_pEdit) m_pEdit->Release();
    m_pEdit = editor;
    m_bEditing = 0;
}

void DpiValueButton::OpenEditor() {
    if (!m_bEditEnabled || m_bEditing || !m_pManager) return;
    const bool first = !m_pEdit || !m_pEdit->GetSafeHwnd();
    if (first) {
        if (!m_pEdit) m_pEdit = new ValueEditWnd(this);
        if (!m_pEdit->OpenNumberEditor(m_pManager->GetPaintWnd(), GetTextRect(), GetDefaultFont(), IsOverLayeredWindow())) {
            m_pEdit->Release();
            m_pEdit = nullptr;
            return;
        }
        m_pEdit->EnableWindow(m_bEnabled);
    } else {
        m_pEdit->Place(GetTextRect());
    }
    m_bEditing = 1;
    m_pEdit->SetText(GetControlTitle());
    m_pEdit->ShowFocused();
    if (!first) m_pEdit->SelectEnd();
    SendMessageW(kNotifyEditorShown, 0, 0);
}

void DpiValueButton::CloseEditor() {
    if (!m_bEditing || !m_pEdit) return;
    m_bEditing = 0;
    const CString text = m_pEdit->GetText();
    if (text != GetControlTitle()) TakeEditedText(text);
    m_pEdit->ShowWindow(SW_HIDE);
    SendMessageW(kNotifyEditorClosed, 0, 0);
}

void DpiValueButton::TakeEditedText(const CString& text) {
    SetControlTitle(text);
    Repaint();
}

void DpiValueButton::OnEditorFocusLost() { CloseEditor(); }

int DpiValueButton::OnEditorFinish(int keep) {
    if (!keep && m_pEdit) m_pEdit->SetText(GetControlTitle());
    CloseEditor();
    return 1;
}

COLORREF DpiValueButton::EditorBackground() { return ToColorRef(static_cast<Gdiplus::ARGB>(Manager::GetSelectColor())); }

int DpiValueButton::IsOverLayeredWindow() { return m_pManager && m_pManager->IsLayered() ? 1 : 0; }

void DpiValueButton::OnEditorGone(CEditWnd* editor) {
    if (editor != m_pEdit) return;
    m_pEdit = nullptr;
    m_bEditing = 0;
}

}  // namespace Kelvo
