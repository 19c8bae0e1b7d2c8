#include "NumberEditBase.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "CEditWnd.h"
#include "CImageButton.h"
#include "DialogWatch.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr COLORREF kEditorDefaultColours = 0xFFFFFFFF;
constexpr int kMaxDigits = 2;
constexpr Gdiplus::ARGB kDisabledText = 0xFF5A606A;

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

int ReadNumber(const CString& text) {
    if (text.IsEmpty()) return 0;
    return static_cast<int>(std::wcstol(text.GetString(), nullptr, 10));
}

CString NumberText(int value) { return CString(std::to_wstring(value).c_str()); }

}  // namespace

NumberEditBase::NumberEditBase(MObject* parent, UINT id, CRect rect, int visible, const wchar_t* increaseImage,
                               const wchar_t* decreaseImage, int buttonSize)
    : MPanel(parent, id, rect, visible),
      m_nButtonSize(buttonSize),
      m_increaseImage(increaseImage),
      m_decreaseImage(decreaseImage) {
    m_bTabStop = 1;
    m_nAlignment = DT_CENTER;
}

NumberEditBase::~NumberEditBase() {
    m_bEditing = 0;
    DestroyEditor();
}

void NumberEditBase::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (m_pIncrease) return;
    m_pIncrease = new CImageButton(this, kIncreaseId, CRect(), L"", 1, m_bEnabled);
    m_pDecrease = new CImageButton(this, kDecreaseId, CRect(), L"", 1, m_bEnabled);
    AttachControl(1, m_pIncrease);
    AttachControl(1, m_pDecrease);
    m_pIncrease->SetImage(m_increaseImage, 4);
    m_pDecrease->SetImage(m_decreaseImage, 4);
    const CRect text = LayOut(m_rcControl);
    if (!m_bTextRectSet) m_rcText = text;
}

void NumberEditBase::SetControlRect(CRect rect) {
    const bool moved = rect != m_rcControl;
    const CRect text = LayOut(rect);
    if (!m_bTextRectSet) m_rcText = text;
    MPanel::SetControlRect(rect);
    if (!moved) return;
    CloseEditor(1);
    DestroyEditor();
}

void NumberEditBase::SetTextRect(CRect rect) {
    m_rcText = rect;
    m_bTextRectSet = 1;
}

CRect NumberEditBase::GetTextRect() { return m_rcText; }

void NumberEditBase::SetControlVisible(int visible) {
    MPanel::SetControlVisible(visible);
    if (!visible) CloseEditor(1);
}

void NumberEditBase::SetControlEnabled(int enabled) {
    if (!enabled) CloseEditor(1);
    MPanel::SetControlEnabled(enabled);
}

void NumberEditBase::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int, int height) {
        CRect text = m_rcText;
        text.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        if (m_editBackground != kEditorDefaultColours) {
            HBRUSH brush = ::CreateSolidBrush(m_editBackground);
            const RECT field{text.left, text.top - 2, text.right, text.bottom + 2};
            ::FillRect(cache, &field, brush);
            ::DeleteObject(brush);
        }
        // The digits are taller than the band; centre them on the whole height.
        const Gdiplus::ARGB colour = m_textColor;
        if (!m_bEnabled) m_textColor = kDisabledText;
        DrawTitle(cache, CRect(text.left, 0, text.right, height), GetControlTitle(), false);
        m_textColor = colour;
    });
}

// --- value -----------------------------------------------------------------------------------

CString NumberEditBase::GetEditText() {
    if (m_pEditWnd && m_pEditWnd->IsWindowVisible()) return m_pEditWnd->GetText();
    return GetControlTitle();
}

void NumberEditBase::SetEditText(const wchar_t* text) { MControlFont::SetControlTitle(text); }

COLORREF NumberEditBase::GetEditTextColor() const { return ToColorRef(m_textColor); }

void NumberEditBase::SetEditFont() {
    if (m_pEditWnd) m_pEditWnd->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(GetGDIFont()), TRUE);
}

void NumberEditBase::SetEditFont(const wchar_t* face, int size, int bold, int italic, int underline) {
    SetFont(face, size,
            (bold ? Gdiplus::FontStyleBold : 0) | (italic ? Gdiplus::FontStyleItalic : 0) |
                (underline ? Gdiplus::FontStyleUnderline : 0));
    SetEditFont();
}

void NumberEditBase::SetValueRange(int minimum, int maximum) {
    m_nMin = std::min(minimum, maximum);
    m_nMax = std::max(minimum, maximum);
    const CString text = ClampedText(GetControlTitle());
    if (text == GetControlTitle()) return;
    SetEditText(text);
    if (m_bVisible) UpdateControl(1, 0);
}

int NumberEditBase::GetValue() { return ReadNumber(GetEditText()); }

CString NumberEditBase::ClampedText(const CString& typed) const {
    return NumberText(std::clamp(ReadNumber(typed), m_nMin, m_nMax));
}

int NumberEditBase::Step(int delta) {
    const CString text = NumberText(std::clamp(GetValue() + delta, m_nMin, m_nMax));
    if (text == GetControlTitle()) return 0;
    SetEditText(text);
    if (m_bEditing && m_pEditWnd) {
        m_pEditWnd->SetWindowTextW(text);
        m_pEditWnd->SendMessageW(EM_SETSEL, 0, -1);
    }
    SendMessageW(kNotifyActivated, 0, 0);
    if (m_bVisible) UpdateControl(1, 0);
    return 1;
}

// --- input -----------------------------------------------------------------------------------

LRESULT NumberEditBase::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if ((id == kIncreaseId || id == kDecreaseId) && code == kNotifyActivated) {
        Step(id == kIncreaseId ? 1 : -1);
        return 0;
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

int NumberEditBase::OnControlLButtonDown(UINT, CPoint) {
    if (!m_bEnabled) return 0;
    ShowEdit();
    return 1;
}

int NumberEditBase::OnControlKeyDown(UINT key, UINT, UINT) {
    if (!m_bFocused || !m_bEnabled) return 0;
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        Step(key == VK_UP ? 1 : -1);
        return 1;
    case VK_SPACE:
        SendMessageW(kNotifyPressed, 0, 0);
        ShowEdit();
        SendMessageW(kNotifyActivated, 0, 0);
        return 1;
    default:
        return 0;
    }
}

int NumberEditBase::OnControlScroll(int, int direction, CPoint) {
    if (!m_bEnabled || !(m_bFocused || m_bEditing)) return 0;
    Step(direction == 0 ? 1 : -1);
    return 1;
}

int NumberEditBase::SetControlFocus(int focus) {
    MPanel::SetControlFocus(focus);
    if (!focus) CloseEditor(1);
    return 0;
}

LRESULT NumberEditBase::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (m_bEditing && DialogLeavesEditor(msg, wparam, lparam, m_dialogCorner)) CloseEditor(1);
    return MPanel::OnWindowMessage(msg, wparam, lparam);
}

// --- the editor ------------------------------------------------------------------------------

int NumberEditBase::ShowEdit() {
    if (!m_bEnabled || !m_pManager) return 0;
    HWND dialog = m_pManager->GetPaintWnd();
    if (!dialog || !::IsWindow(dialog)) return 0;
    if (!m_pEditWnd) {
        auto* editor = new CNumberEditWnd(this);
        if (!editor->Open(dialog, m_rcText, ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, m_pManager->IsLayered())) {
            editor->Release();
            return 0;
        }
        m_pEditWnd = editor;
        editor->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(GetGDIFont()), 0);
        editor->SendMessageW(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        editor->SendMessageW(EM_LIMITTEXT, kMaxDigits, 0);
    }
    if (!m_bEditing) {
        m_strBeforeEdit = GetControlTitle();
        m_dialogCorner = DialogCorner(dialog);
    }
    m_pEditWnd->SetWindowTextW(GetControlTitle());
    m_bEditing = 1;
    m_pEditWnd->ShowFocused();
    return m_pEditWnd ? 1 : 0;
}

void NumberEditBase::HideEdit() { CloseEditor(1); }

void NumberEditBase::CloseEditor(int keep) {
    if (!m_bEditing) return;
    m_bEditing = 0;
    if (m_pEditWnd && m_pEditWnd->GetSafeHwnd()) {
        const CString text = ClampedText(keep ? m_pEditWnd->GetText() : m_strBeforeEdit);
        if (text != GetControlTitle()) {
            SetEditText(text);
            if (m_bVisible) UpdateControl(1, 0);
        }
        HWND window = m_pEditWnd->GetSafeHwnd();
        if (::GetFocus() == window && m_pManager) ::SetFocus(m_pManager->GetPaintWnd());
        if (m_pEditWnd) m_pEditWnd->ShowWindow(SW_HIDE);
    }
    SendMessageW(kNotifyEditorClosed, 0, 0);
}

void NumberEditBase::DestroyEditor() {
    CNumberEditWnd* editor = m_pEditWnd;
    m_pEditWnd = nullptr;
    if (editor) editor->Release();
}

void NumberEditBase::OnEditorChanged() {
    if (!m_pEditWnd) return;
    const CString text = m_pEditWnd->GetText();
    if (text == GetControlTitle()) return;
    SetEditText(text);
    SendMessageW(kNotifyTextChanged, 0, 0);
    if (m_bVisible) UpdateControl(1, 0);
}

void NumberEditBase::OnEditorFocusLost() { CloseEditor(1); }

int NumberEditBase::OnEditorFinish(int keep) {
    CloseEditor(keep);
    return 1;
}

int NumberEditBase::OnEditorStep(int delta) {
    Step(delta);
    return 1;
}

int NumberEditBase::PassesCharacters() { return 1; }
COLORREF NumberEditBase::EditorBackground() { return m_editBackground; }
COLORREF NumberEditBase::EditorTextColour() { return GetEditTextColor(); }
int NumberEditBase::IsOverLayeredWindow() { return m_pManager && m_pManager->IsLayered() ? 1 : 0; }

void NumberEditBase::OnEditorGone(CEditWnd* editor) {
    if (editor != m_pEditWnd) return;
    m_pEditWnd = nullptr;
    if (m_bEditing) {
        m_bEditing = 0;
        SendMessageW(kNotifyEditorClosed, 0, 0);
    }
    if (m_bVisible) UpdateControl(1, 0);
}

}  // namespace Kelvo
