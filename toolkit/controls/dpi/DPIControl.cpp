#include "DPIControl.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "CCheckButton.h"
#include "CColorButton.h"
#include "CDPIEditWnd.h"
#include "LongPressButton.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"
#include "TextNotifications.h"

namespace Kelvo {

namespace {

constexpr UINT kNotifyRepeat = 32;
constexpr LPARAM kFromCheckBox = 1;
constexpr LPARAM kFromStep = 3;
constexpr int kEditFrames = 4;

}  // namespace

DPIControl::DPIControl(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible) {}

DPIControl::~DPIControl() {
    if (m_pEdit) m_pEdit->Release();
}

const wchar_t* DPIControl::GetClassNameW() { return L"DPIControl"; }

void DPIControl::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    if (m_pCheckBox) return;
    CreateParts();
    if (const ImgResInfo* info = manager->AddImgResInfo(L"img_edit.png", kEditFrames)) m_pEditImage = info->image;
}

void DPIControl::CreateParts() {
    m_pCheckBox = new CCheckButton(this, kCheckBoxId, CRect(), L"", 1, 1);
    m_pColour = new CColorButton(this, kColourId, CRect(), 1, 1);
    m_pPlus = new LongPressButton(this, kPlusId, CRect(), L"", 1, 1);
    m_pMinus = new LongPressButton(this, kMinusId, CRect(), L"", 1, 1);
    for (MControl* part : {static_cast<MControl*>(m_pCheckBox), static_cast<MControl*>(m_pColour), m_pPlus, m_pMinus})
        AttachControl(1, part);
    m_pCheckBox->SetImage(L"btn_checkbox.png", 8);
    m_pCheckBox->SetCheck(1);
    m_pColour->SetImage(L"btn_checkbox.png", 4);
    m_pColour->SetColor(m_color);
    m_pColour->SetCheck(1);
    m_pColour->SetEnabled(0);
    static_cast<LongPressButton*>(m_pPlus)->SetImage(L"img_btn_dpi_add.png", 4);
    static_cast<LongPressButton*>(m_pMinus)->SetImage(L"img_btn_dpi_subtract.png", 4);
    LayOutParts();
}

void DPIControl::SetControlRect(CRect rect) {
    MPanel::SetControlRect(rect);
    LayOutParts();
}

void DPIControl::LayOutParts() {
    if (!m_pCheckBox) return;
    const CRect& r = m_rcControl;
    m_pCheckBox->SetControlRect(CRect(r.left, r.bottom - 30, r.left + 25, r.bottom - 5));
    m_pMinus->SetControlRect(CRect(r.left + 30, r.bottom - 28, r.left + 50, r.bottom - 8));
    m_pColour->SetControlRect(CRect(r.right - 25, r.bottom - 30, r.right, r.bottom - 5));
    m_pPlus->SetControlRect(CRect(r.right - 50, r.bottom - 28, r.right - 30, r.bottom - 8));
    if (m_pEdit && m_bEditing) m_pEdit->Place(GetTextRect());
    m_bUpdate = 0;
}

CRect DPIControl::GetTextRect() const {
    const CRect& r = m_rcControl;
    CRect area(55, r.Height() - 30, r.Width() - 60, r.Height() - 5);
    area.OffsetRect(r.left, r.top);
    return area;
}

void DPIControl::Repaint() {
    m_bUpdate = 0;
    UpdateControl(1, 0);
}

// --- values --------------------------------------------------------------------------------

void DPIControl::SetDPIValue(int value) {
    m_nValue = value;
    Repaint();
}

int DPIControl::GetDPIValue() {
    if (m_pEdit && m_bEditing) return static_cast<int>(std::wcstol(m_pEdit->GetText().GetString(), nullptr, 10));
    return m_nValue;
}

void DPIControl::SetEditText(const wchar_t* text) {
    m_nValue = text ? static_cast<int>(std::wcstol(text, nullptr, 10)) : 0;
    if (m_pEdit && m_bEditing) m_pEdit->SetText(CString(std::to_wstring(m_nValue)));
    Repaint();
}

void DPIControl::SetColor(COLORREF colour) {
    m_color = colour;
    if (m_pColour) m_pColour->SetColor(colour);
}

void DPIControl::SetCheck(int check) {
    if (m_pCheckBox) m_pCheckBox->SetCheck(check);
}

int DPIControl::GetCheck() const { return m_pCheckBox ? m_pCheckBox->GetCheck() : 0; }

void DPIControl::SetCheckState(int selected) {
    if (selected) ResetGroupCheck();
    SetCheckStateEx(selected);
}

void DPIControl::SetCheckStateEx(int selected) {
    m_bSelected = selected ? 1 : 0;
    Repaint();
}

int DPIControl::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup); }

void DPIControl::ClearGroupCheck() {
    CloseEditor();
    m_bSelected = 0;
    Repaint();
}

void DPIControl::Step(int delta) {
    m_nValue = std::clamp(GetDPIValue() + delta, kLowest, kHighest);
    if (m_pEdit && m_bEditing) m_pEdit->SetText(CString(std::to_wstring(m_nValue)));
    Repaint();
}

// --- parts and input -----------------------------------------------------------------------

LRESULT DPIControl::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kCheckBoxId) SendMessageW(code, wparam, kFromCheckBox);
    const bool stepper = id == kPlusId || id == kMinusId;
    if (!stepper || (code != kNotifyActivated && code != kNotifyRepeat)) return MPanel::OnBaseMessage(id, code, wparam, lparam);
    Step(id == kPlusId ? kStep : -kStep);
    const bool selects = code == kNotifyActivated && GetCheck();
    if (selects) SetCheckState(1);
    const LRESULT passed = MPanel::OnBaseMessage(id, code, wparam, lparam);
    if (selects) SendMessageW(kNotifyActivated, 0, kFromStep);
    return passed;
}

int DPIControl::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled || !GetTextRect().PtInRect(point)) return 0;
    if (GetCheck()) SetCheckState(1);
    OpenEditor();
    return 1;
}

int DPIControl::SetControlFocus(int focus) {
    MPanel::SetControlFocus(focus);
    if (!focus) CloseEditor();
    return 0;
}

// --- editor --------------------------------------------------------------------------------

void DPIControl::SetEditWindow(CDPIEditWnd* editor) {
    if (editor == m_pEdit) return;
    if (m_pEdit) m_pEdit->Release();
    m_pEdit = editor;
    m_bEditing = 0;
}

void DPIControl::OpenEditor() {
    if (m_bEditing || !m_pManager) return;
    const bool first = !m_pEdit || !m_pEdit->GetSafeHwnd();
    if (first) {
        if (!m_pEdit) m_pEdit = new CDPIEditWnd(this);
        if (!m_pEdit->OpenNumberEditor(m_pManager->GetPaintWnd(), GetTextRect(), GetGDIFont(), IsOverLayeredWindow())) {
            m_pEdit->Release();
            m_pEdit = nullptr;
            return;
        }
    } else {
        m_pEdit->Place(GetTextRect());
    }
    m_bEditing = 1;
    m_pEdit->SetText(CString(std::to_wstring(m_nValue)));
    m_pEdit->ShowFocused();
    if (!first) m_pEdit->SelectEnd();
    Repaint();
}

void DPIControl::CloseEditor() {
    if (!m_bEditing || !m_pEdit) return;
    m_bEditing = 0;
    const int typed = static_cast<int>(std::wcstol(m_pEdit->GetText().GetString(), nullptr, 10));
    if (typed != m_nValue) m_nValue = typed;
    m_pEdit->ShowWindow(SW_HIDE);
    Repaint();
    if (m_bSelected) SendMessageW(kNotifyEditorClosed, 0, 0);
}

int DPIControl::OnEditorFinish(int keep) {
    if (!keep && m_pEdit) m_pEdit->SetText(CString(std::to_wstring(m_nValue)));
    CloseEditor();
    return 1;
}

COLORREF DPIControl::EditorBackground() {
    const DWORD select = Manager::GetSelectColor();
    return RGB((select >> 16) & 0xFF, (select >> 8) & 0xFF, select & 0xFF);
}

int DPIControl::IsOverLayeredWindow() { return m_pManager && m_pManager->IsLayered() ? 1 : 0; }

void DPIControl::OnEditorGone(CEditWnd* editor) {
    if (editor != m_pEdit) return;
    m_pEdit = nullptr;
    m_bEditing = 0;
}

// --- drawing -------------------------------------------------------------------------------

// The value sits on the edit field's picture: frame 0, or frame 1 while the level is the
// group's selection.
void DPIControl::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int, int) {
        CRect area = GetTextRect();
        area.OffsetRect(-m_rcControl.left, -m_rcControl.top);
        if (m_pEditImage) {
            Gdiplus::Graphics graphics(cache);
            const int frameWidth = static_cast<int>(m_pEditImage->GetWidth()) / kEditFrames;
            const int frameHeight = static_cast<int>(m_pEditImage->GetHeight());
            MRender::DrawImageFrame(graphics, m_pEditImage, area, (m_bSelected ? 1 : 0) * frameWidth, 0, frameWidth,
                                    frameHeight, 4);
        }
        if (m_bEditing) return;
        const std::wstring text = std::to_wstring(m_nValue);
        const HGDIOBJ oldFont = ::SelectObject(cache, GetGDIFont());
        ::SetBkMode(cache, TRANSPARENT);
        ::SetTextColor(cache, RGB(0xFF, 0xFF, 0xFF));
        RECT box{area.left, area.top, area.right, area.bottom};
        ::DrawTextW(cache, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(cache, oldFont);
    });
}

}  // namespace Kelvo
