#include "MEdit.h"

#include "CEditWnd.h"
#include "DialogWatch.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kTipColour = 0xFF7A808A;
constexpr int kTextInset = 6;
constexpr int kIconInset = 9;

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// A vertically centred band of `height` pixels across `box`.
CRect CentredBand(const CRect& box, int height) {
    const int top = box.top + (box.Height() - height) / 2;
    return CRect(box.left, top, box.right, top + height);
}

}  // namespace

MEdit::MEdit(MObject* parent, UINT id, CRect rect, const wchar_t* tip, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), m_strTip(tip) {
    m_bTabStop = 1;
    m_textColor = 0xFE050505;
    m_nLook = enabled ? kNormal : kDisabled;
}

MEdit::~MEdit() {
    m_bEditing = 0;  // the parent hears nothing from a box that is going
    DestroyEditor();
}

const wchar_t* MEdit::GetClassNameW() { return L"MEdit"; }

// --- text ------------------------------------------------------------------------------------

CString MEdit::GetEditText() {
    if (m_pEditWnd && m_pEditWnd->IsWindowVisible()) return m_pEditWnd->GetText();
    return GetTitleEx();
}

void MEdit::SetEditText(const wchar_t* text) { MControlFont::SetControlTitle(text); }

CString MEdit::GetTitleEx() { return MControlFont::GetControlTitle(); }

void MEdit::SetControlTitle(const wchar_t* text) {
    MControlFont::SetControlTitle(text);
    // The editor's EN_CHANGE then finds the stored text equal and tells no one.
    if (m_pEditWnd) m_pEditWnd->SetWindowTextW(text ? text : L"");
}

CString MEdit::GetControlTitle() {
    CloseEditor(1);
    return MControlFont::GetControlTitle();
}

void MEdit::SetTipInfo(const wchar_t* tip) {
    m_strTip = CString(tip);
    if (m_bVisible) UpdateControl(1, 0);
}

COLORREF MEdit::GetEditTextColor() const { return ToColorRef(m_textColor); }

// --- geometry --------------------------------------------------------------------------------

void MEdit::SetTextRect(CRect rect) {
    m_rcText = rect;
    m_bTextRectSet = 1;
}

CRect MEdit::GetTextRect() { return CalcTextRect(); }

CRect MEdit::CalcTextRect() {
    if (m_bTextRectSet) return m_rcText;
    CRect box = m_rcControl;
    box.left += kTextInset;
    box.right -= kTextInset;
    if (m_bMultiLine) {
        box.top += 5;
        box.bottom -= 5;
        m_rcText = box;
    } else {
        const int height = m_nFontSize == 10 ? 14 : m_nFontSize == 12 ? 18 : m_nFontSize + 5;
        m_rcText = CentredBand(box, height);
    }
    return m_rcText;
}

CRect MEdit::EditorRect() {
    CRect rect = CalcTextRect();
    if (!rect.IsRectEmpty()) return rect;
    rect = m_rcControl;
    rect.left += kTextInset;
    rect.right -= kTextInset;
    if (!m_bMultiLine) return CentredBand(rect, m_nFontSize + 2);
    rect.top += kTextInset;
    rect.bottom -= kTextInset;
    return rect;
}

void MEdit::SetControlRect(CRect rect) {
    const bool moved = rect != m_rcControl;
    MControlFont::SetControlRect(rect);
    if (!moved) return;
    // A new place needs a new editor: the next opening makes it there.
    CloseEditor(1);
    DestroyEditor();
    PlaceIcon();
}

int MEdit::SetIconImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path || frames <= 0) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pIcon = info->image;
    m_nIconFrames = frames;
    m_nIconFrameWidth = info->frameWidth;
    m_nIconHeight = info->height;
    PlaceIcon();
    if (m_bVisible) UpdateControl(1, 0);
    return 1;
}

void MEdit::PlaceIcon() {
    if (!m_pIcon) return;
    const int right = m_rcControl.right - kIconInset;
    const int top = m_rcControl.top + (m_rcControl.Height() - m_nIconHeight) / 2;
    m_rcIcon = CRect(right - m_nIconFrameWidth, top, right, top + m_nIconHeight);
}

// --- drawing ---------------------------------------------------------------------------------

CString MEdit::ShownText() {
    const CString text = GetTitleEx();
    if (text.IsEmpty()) return m_strTip;
    if (!m_bPassword) return text;
    CString masked;
    for (int i = 0; i < text.GetLength(); ++i) masked += m_chPassword;
    return masked;
}

void MEdit::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 4, m_nLook, [this](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            for (int look = 0; look < 4; ++look)
                DrawImageFrame(graphics, CRect(look * width, 0, (look + 1) * width, height), look, m_nCorner);
        }
        const bool tip = GetTitleEx().IsEmpty();
        const Gdiplus::ARGB textColour = m_textColor;
        if (tip) SetTextColor(kTipColour);
        const CString shown = ShownText();
        CRect text = CalcTextRect();
        text.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        const bool dots = !tip && m_bPassword && m_chPassword == kDefaultPasswordChar;
        for (int look = 0; look < 4; ++look) {
            if (dots)
                DrawPasswordDots(cache, text, shown.GetLength());
            else
                DrawTitle(cache, text, shown, m_bMultiLine != 0);
            text.OffsetRect(width, 0);
        }
        if (tip) SetTextColor(textColour);
    });
    if (!m_pIcon || m_rcIcon.IsRectEmpty()) return;
    Gdiplus::Graphics graphics(dc);
    const int frame = m_nIconState < m_nIconFrames ? m_nIconState : 0;
    graphics.DrawImage(m_pIcon, Gdiplus::Rect(m_rcIcon.left, m_rcIcon.top, m_rcIcon.Width(), m_rcIcon.Height()),
                       frame * m_nIconFrameWidth, 0, m_nIconFrameWidth, m_nIconHeight, Gdiplus::UnitPixel);
}

// The default mask is drawn as dots rather than as text: not every face has the character.
void MEdit::DrawPasswordDots(HDC dc, const CRect& rect, int count) {
    Gdiplus::Graphics graphics(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::SolidBrush brush{Gdiplus::Color(m_textColor | 0xFF000000)};
    const float size = static_cast<float>(m_nFontSize) * 0.5f;
    const float step = size * 1.6f;
    const float top = static_cast<float>(rect.top) + (static_cast<float>(rect.Height()) - size) / 2;
    for (int i = 0; i < count; ++i) {
        const float left = static_cast<float>(rect.left) + 1 + step * static_cast<float>(i);
        if (left + size > static_cast<float>(rect.right)) break;
        graphics.FillEllipse(&brush, left, top, size, size);
    }
}

void MEdit::SetLook(int look) {
    if (look == m_nLook) return;
    m_nLook = look;
    if (m_bVisible) UpdateControl(0, 0);
}

// --- input -----------------------------------------------------------------------------------

int MEdit::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    const int iconState = m_rcIcon.PtInRect(point) ? (m_bPressed ? 2 : 1) : 0;
    const bool iconChanged = iconState != m_nIconState;
    m_nIconState = iconState;
    if (!m_bEditing && !m_bPressed) SetLook(inside ? kHover : kNormal);
    if (iconChanged && m_bVisible) UpdateControl(0, 0);
    return 1;
}

int MEdit::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !m_rcControl.PtInRect(point)) return 0;
    m_bPressed = 1;
    if (m_rcIcon.PtInRect(point)) {
        m_nIconState = 2;
        HideEdit();
        UpdateControl(0, 0);
        SendMessageW(kNotifyIconPressed, 0, 0);
        return 1;
    }
    SetLook(kEditing);
    SendMessageW(kNotifyPressed, 0, 0);
    ShowEdit();
    return 1;
}

int MEdit::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bPressed) return 0;
    m_bPressed = 0;
    if (!m_rcControl.PtInRect(point)) {
        if (!m_bEditing) SetLook(kNormal);
        return 1;
    }
    if (m_rcIcon.PtInRect(point)) {
        m_nIconState = 1;
        HideEdit();
        UpdateControl(0, 0);
        SendMessageW(kNotifyIconReleased, 0, 0);
        return 1;
    }
    const bool wasEditing = m_nLook == kEditing;
    if (!m_bEditing) SetLook(kHover);
    if (wasEditing) SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int MEdit::OnControlKeyDown(UINT key, UINT, UINT) {
    if (key != VK_SPACE || !m_bFocused || !m_bEnabled) return 0;
    SendMessageW(kNotifyPressed, 0, 0);
    SetLook(kEditing);
    ShowEdit();
    SendMessageW(kNotifyActivated, 0, 0);
    return 1;
}

int MEdit::SetControlFocus(int focus) {
    MControlFont::SetControlFocus(focus);
    if (!focus) {
        CloseEditor(1);
        if (m_bEnabled) SetLook(kNormal);
        return 0;
    }
    // A press on the box opens the editor itself, after telling the parent of the press.
    const bool pressing = ::GetKeyState(VK_LBUTTON) < 0;
    if (m_bEnabled && !pressing) {
        SetLook(kEditing);
        ShowEdit();
    }
    return 0;
}

void MEdit::SetControlVisible(int visible) {
    MControlFont::SetControlVisible(visible);
    if (visible) return;
    CloseEditor(1);
    m_nLook = m_bEnabled ? kNormal : kDisabled;
}

void MEdit::SetControlEnabled(int enabled) {
    if (!enabled) CloseEditor(1);
    MControlFont::SetControlEnabled(enabled);
    m_nLook = enabled ? kNormal : kDisabled;
}

LRESULT MEdit::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (m_bEditing && DialogLeavesEditor(msg, wparam, lparam, m_dialogCorner)) CloseEditor(1);
    return 0;
}

// --- the editor ------------------------------------------------------------------------------

DWORD MEdit::EditorStyle() const {
    DWORD style = m_bMultiLine ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
    if (m_nAlignment == DT_CENTER) style |= ES_CENTER;
    if (m_nAlignment == DT_RIGHT) style |= ES_RIGHT;
    if (m_bPassword) style |= ES_PASSWORD;
    if (m_bNumberOnly) style |= ES_NUMBER;
    return style;
}

int MEdit::ShowEdit() {
    if (!m_bEnabled || m_bReadOnly || !m_pManager) return 0;
    HWND dialog = m_pManager->GetPaintWnd();
    if (!dialog || !::IsWindow(dialog)) return 0;
    if (!m_pEditWnd) {
        auto* editor = new CEditWnd(this);
        if (!editor->Open(dialog, EditorRect(), EditorStyle(), m_pManager->IsLayered())) {
            editor->Release();
            return 0;
        }
        m_pEditWnd = editor;
        editor->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(GetGDIFont()), 0);
        if (m_bPassword) editor->SendMessageW(EM_SETPASSWORDCHAR, m_chPassword, 0);
        editor->SendMessageW(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        editor->SendMessageW(EM_SETREADONLY, m_bReadOnly, 0);
    } else {
        m_pEditWnd->Place(EditorRect());
    }
    const bool opening = !m_bEditing;
    if (opening) {
        m_strBeforeEdit = GetTitleEx();
        m_dialogCorner = DialogCorner(dialog);
    }
    m_pEditWnd->SendMessageW(EM_LIMITTEXT, m_nLimit, 0);
    m_pEditWnd->SetWindowTextW(GetTitleEx());
    m_pEditWnd->SendMessageW(EM_SETMODIFY, 0, 0);
    // Set before focusing: the focus leaving another editor must not close this session.
    m_bEditing = 1;
    m_pEditWnd->ShowFocused();
    if (!m_pEditWnd) return 0;  // the window went while taking the focus
    if (opening) SendMessageW(kNotifyEditorShown, 0, 0);
    return 1;
}

void MEdit::HideEdit() { CloseEditor(1); }

void MEdit::CloseEditor(int keep) {
    if (!m_bEditing) return;
    m_bEditing = 0;
    if (m_pEditWnd && m_pEditWnd->GetSafeHwnd()) {
        const CString text = keep ? m_pEditWnd->GetText() : m_strBeforeEdit;
        if (text != GetTitleEx()) {
            SetEditText(text);
            if (m_bVisible) UpdateControl(1, 0);
        }
        HWND window = m_pEditWnd->GetSafeHwnd();
        // Hand the focus back to the dialog so keys do not go to a hidden window.
        if (::GetFocus() == window && m_pManager) ::SetFocus(m_pManager->GetPaintWnd());
        if (m_pEditWnd) m_pEditWnd->ShowWindow(SW_HIDE);
    }
    if (m_nLook == kEditing) SetLook(kNormal);
    SendMessageW(kNotifyEditorClosed, 0, 0);
}

void MEdit::DestroyEditor() {
    CEditWnd* editor = m_pEditWnd;
    m_pEditWnd = nullptr;
    if (editor) editor->Release();
}

int MEdit::IsEditFocused() {
    if (!m_pEditWnd || !m_pEditWnd->GetSafeHwnd()) return 0;
    return m_pEditWnd->IsWindowVisible() && ::GetFocus() == m_pEditWnd->GetSafeHwnd() ? 1 : 0;
}

void MEdit::OnEditorChanged() {
    if (!m_pEditWnd) return;
    const CString text = m_pEditWnd->GetText();
    if (text == GetTitleEx()) return;
    SetEditText(text);
    SendMessageW(kNotifyTextChanged, 0, 0);
    if (m_bVisible) UpdateControl(1, 0);
}

void MEdit::OnEditorFocusLost() { CloseEditor(1); }

int MEdit::OnEditorFinish(int keep) {
    CloseEditor(keep);
    return 1;
}

int MEdit::OnEditorStep(int) { return 0; }
int MEdit::PassesCharacters() { return m_bCharMessage; }
COLORREF MEdit::EditorBackground() { return m_editBackground; }
COLORREF MEdit::EditorTextColour() { return GetEditTextColor(); }
int MEdit::IsOverLayeredWindow() { return m_pManager && m_pManager->IsLayered() ? 1 : 0; }

void MEdit::OnEditorGone(CEditWnd* editor) {
    if (editor != m_pEditWnd) return;
    m_pEditWnd = nullptr;
    if (m_bEditing) {
        m_bEditing = 0;
        if (m_nLook == kEditing) m_nLook = kNormal;
        SendMessageW(kNotifyEditorClosed, 0, 0);
    }
    if (m_bVisible) UpdateControl(1, 0);
}

}  // namespace Kelvo
