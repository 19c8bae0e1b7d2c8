#include "MComboBox.h"

#include <algorithm>

#include "CComboBoxList.h"
#include "CComboBoxWnd.h"
#include "ControlRetirement.h"
#include "MRender.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kSkinLeft = 6, kSkinTop = 6, kSkinRight = 32, kSkinBottom = 6;
constexpr UINT kToolkitScrollH = 101, kToolkitScrollV = 102;
constexpr int kPopupGap = 2;
constexpr int kPopupPadding = 12;

CRect Inset(const CRect& rect) { return CRect(3, 3, rect.Width() - 3, rect.Height() - 3); }

}  // namespace

MComboBox::MComboBox(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1), m_rcText(Inset(rect)) {
    m_nState = enabled ? kNormal : kDisabled;
}

MComboBox::~MComboBox() {
    if (CComboBoxWnd* popup = m_pPopup) {
        m_pPopup = nullptr;
        popup->Abandon();
    }
    LockGuard guard(m_itemLock);
    m_items.clear();
}

const wchar_t* MComboBox::GetClassNameW() { return L"MComboBox"; }

// --- entries ----------------------------------------------------------------------------------

int MComboBox::AddItem(const wchar_t* text, DWORD data, const wchar_t* secondText, Gdiplus::ARGB colour) {
    return InsertItem(-1, text, data, secondText, colour);
}

int MComboBox::InsertItem(int index, const wchar_t* text, DWORD data, const wchar_t* secondText,
                          Gdiplus::ARGB colour) {
    LockGuard guard(m_itemLock);
    const int count = static_cast<int>(m_items.size());
    if (index < -1 || index > count) return -1;
    const int inserted = index == -1 ? count : index;
    auto item = std::make_unique<ComboItem>();
    item->text = CString(text);
    item->data = data;
    item->secondText = CString(secondText);
    item->colour = colour;
    m_items.insert(m_items.begin() + inserted, std::move(item));
    if (m_nSelected >= inserted) ++m_nSelected;
    return inserted;
}

int MComboBox::GetItemCount() {
    LockGuard guard(m_itemLock);
    return static_cast<int>(m_items.size());
}

int MComboBox::SetItemData(int index, DWORD data) {
    LockGuard guard(m_itemLock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
    m_items[index]->data = data;
    return 1;
}

DWORD MComboBox::GetItemData(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index]->data : 0;
}

CString MComboBox::GetItemText(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index]->text : CString();
}

int MComboBox::SetItemText(int index, const wchar_t* text) {
    const CString wanted(text);
    {
        LockGuard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
        if (m_items[index]->text == wanted) return 1;
        m_items[index]->text = wanted;
    }
    if (index == m_nSelected) SetControlTitle(wanted);
    UpdateControl(1, 0);
    return 1;
}

void MComboBox::SetCurSel(int index) {
    if (index < -1 || index >= GetItemCount()) return;
    m_nSelected = index;
    SetControlTitle(GetItemText(index));
    UpdateControl(1, 0);
}

DWORD MComboBox::GetCurData() { return GetItemData(m_nSelected); }

int MComboBox::FindData(DWORD data) {
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->data == data) return static_cast<int>(i);
    return -1;
}

int MComboBox::SelectData(DWORD data) {
    const int index = FindData(data);
    if (index < 0) return 0;
    SetCurSel(index);
    return 1;
}

int MComboBox::DeleteItem(int index) {
    {
        LockGuard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
        m_items.erase(m_items.begin() + index);
    }
    // The drop-down lists the entries as they were: a choice there would name another one.
    ClosePopup();
    if (index < m_nSelected) {
        --m_nSelected;
    } else if (index == m_nSelected) {
        m_nSelected = -1;
        SetControlTitle(L"");
        UpdateControl(1, 0);
    }
    return 1;
}

void MComboBox::DelAllItems() {
    ClosePopup();
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
    }
    m_nSelected = -1;
    SetControlTitle(L"");
    UpdateControl(1, 0);
}

void MComboBox::SetTextColorEx(Gdiplus::ARGB normal, Gdiplus::ARGB highlight) {
    // -1 reads as 0xFFFFFFFF: opaque white.
    SetTextColor(normal);
    m_hoverText = highlight;
    m_pressedText = highlight;
}

void MComboBox::SetBackImage(const wchar_t* path) { m_strBackImage = CString(path); }

void MComboBox::SetBackImage(UINT resourceId, const wchar_t* resourceType) {
    m_uBackResource = resourceId;
    m_strBackType = CString(resourceType);
}

void MComboBox::SetScrollResID(UINT vertical, UINT horizontal) {
    m_uScrollV = vertical;
    m_uScrollH = horizontal;
}

void MComboBox::SetShowModeMID(int a, int b, int c, int d) {
    m_showMode[0] = a;
    m_showMode[1] = b;
    m_showMode[2] = c;
    m_showMode[3] = d;
}

// --- painting ---------------------------------------------------------------------------------

int MComboBox::ShownCell() const {
    if (m_pPopup && m_bOpen) return kPressed;
    return m_bEnabled ? m_nState : kDisabled;
}

Gdiplus::ARGB MComboBox::CellTextColour(int cell) const {
    switch (cell) {
    case kHover: return m_hoverText;
    case kPressed: return m_pressedText;
    case kDisabled: return m_disabledText;
    default: return m_textColor;
    }
}

void MComboBox::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 4, ShownCell(), [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        for (int cell = 0; cell < 4; ++cell) DrawCell(cache, graphics, cell, CRect(cell * width, 0, (cell + 1) * width, height));
    });
}

void MComboBox::DrawCell(HDC dc, Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    if (m_pImage && m_nFrameWidth > 0) {
        const int frame = std::min(cell, m_nFrameCount - 1);
        MRender::DrawImageFrameMID(graphics, m_pImage, box, frame * m_nFrameWidth, 0, m_nFrameWidth, m_nFrameHeight,
                                   kSkinLeft, kSkinTop, kSkinRight, kSkinBottom);
    }
    DrawCellText(dc, cell, box);
}

void MComboBox::DrawCellText(HDC dc, int cell, const CRect& box) {
    CRect text = m_rcText;
    text.OffsetRect(box.left, box.top);
    const Gdiplus::ARGB normal = m_textColor;
    SetTextColor(CellTextColour(cell));
    DrawTitle(dc, text, GetControlTitle(), false);
    SetTextColor(normal);
}

void MComboBox::ShowState(int state) {
    if (state == m_nState) return;
    m_nState = state;
    UpdateControl(0, 0);
}

// --- mouse ------------------------------------------------------------------------------------

int MComboBox::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 1;
    const bool inside = m_rcControl.PtInRect(point) != 0;
    if (m_nState == kPressed) {
        if (!(flags & MK_LBUTTON)) ShowState(inside ? kHover : kNormal);  // its release went elsewhere
        return 1;
    }
    ShowState(inside ? kHover : kNormal);
    return 1;
}

int MComboBox::OnControlLButtonDown(UINT, CPoint point) {
    if (m_bEnabled && m_rcControl.PtInRect(point)) ShowState(kPressed);
    return 1;
}

int MComboBox::OnControlLButtonDblClk(UINT flags, CPoint point) { return OnControlLButtonDown(flags, point); }

int MComboBox::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    if (!m_rcControl.PtInRect(point)) {
        ShowState(kNormal);
        return 1;
    }
    ShowState(kHover);
    ReleasedInside();
    return 1;
}

void MComboBox::ReleasedInside() {
    if (m_bOpen) {
        // The press that closed the drop-down ends here: it does not open it again.
        if (!m_pPopup) m_bOpen = 0;
        return;
    }
    OpenPopup();
}

// --- the drop-down ----------------------------------------------------------------------------

int MComboBox::OpenPopup() {
    if (m_bOpen || m_pPopup || !m_pManager || !m_pManager->GetPaintWnd()) return 0;
    HWND owner = m_pManager->GetPaintWnd();
    POINT topLeft{m_rcControl.left, m_rcControl.bottom + kPopupGap};
    ::ClientToScreen(owner, &topLeft);
    const int rows = std::min(GetItemCount(), kMaxRowsShown);
    const CRect rect(topLeft.x, topLeft.y, topLeft.x + m_rcControl.Width(), topLeft.y + kRowHeight * rows + kPopupPadding);

    auto* popup = new CComboBoxWnd();
    popup->SetParent(this);
    if (!m_strBackImage.IsEmpty())
        popup->LoadBKImage(m_strBackImage);
    else if (m_uBackResource)
        popup->LoadBKImage(m_uBackResource, m_strBackType);
    popup->SetScrollResID(m_uScrollV ? m_uScrollV : kToolkitScrollV, m_uScrollH ? m_uScrollH : kToolkitScrollH);
    RECT placed{};
    ::GetWindowRect(owner, &placed);
    m_ownerPosition = CPoint(placed.left, placed.top);
    const DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!popup->Create(owner, L"ComboWnd", style, WS_EX_TOOLWINDOW, rect)) {
        popup->SetParent(nullptr);
        delete popup;
        return 0;
    }
    m_pPopup = popup;
    m_bOpen = 1;
    FillPopup();
    UpdateControl(0, 0);
    return 1;
}

void MComboBox::FillPopup() {
    CComboBoxList* list = m_pPopup->GetList();
    if (!list) return;
    list->SetFont(m_strFontFace, m_nFontSize, m_nFontStyle);
    list->SetAlignment(m_nAlignment, m_nVAlignment);
    list->SetTextColor(m_textColor);
    LockGuard guard(m_itemLock);
    for (const auto& item : m_items) list->AddItem(item->text, item->data, item->secondText, item->colour);
}

void MComboBox::ClosePopup() {
    m_bOpen = 0;
    if (m_pPopup) m_pPopup->CloseWindow();
    UpdateControl(0, 0);
}

void MComboBox::ForgetPopup() {
    CComboBoxWnd* popup = m_pPopup;
    m_pPopup = nullptr;
    // The drop-down's own handlers may still be on the stack (a choice that opened a
    // message box closed it): it is freed once they have returned.
    ControlRetirement::RetireWindow(popup);
    // The press that made the drop-down lose the activation is still under way on the
    // combo: its release must not open it again.
    POINT pointer{};
    bool over = false;
    if (m_pManager && m_pManager->GetPaintWnd() && ::GetCursorPos(&pointer)) {
        ::ScreenToClient(m_pManager->GetPaintWnd(), &pointer);
        over = m_rcControl.PtInRect(CPoint(pointer.x, pointer.y)) != 0 && m_bVisible;
    }
    const bool pressing = m_nState == kPressed || (::GetAsyncKeyState(VK_LBUTTON) & 0x8000);
    m_bOpen = m_bOpen && over && pressing ? 1 : 0;
    UpdateControl(0, 0);
}

LRESULT MComboBox::OnMessage(UINT, UINT code, WPARAM wparam, LPARAM) {
    if (code == CComboBoxWnd::kNotifyClosed) {
        ForgetPopup();
        return 1;
    }
    if (code != kNotifyActivated || !m_pPopup || !m_bOpen) return 0;
    const int index = static_cast<int>(wparam);
    SetCurSel(index);
    m_bOpen = 0;
    CComboBoxWnd* popup = m_pPopup;
    SendMessageW(kNotifyActivated, static_cast<WPARAM>(index), 0);
    // The parent may have removed the combo (it is freed once the routing ends) or closed
    // the drop-down itself meanwhile.
    if (m_pPopup == popup) popup->CloseWindow();
    if (!IsDetached()) UpdateControl(0, 0);
    return 1;
}

LRESULT MComboBox::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!m_pPopup) return 0;
    bool close = false;
    if (msg == WM_ENABLE || msg == WM_SHOWWINDOW) close = wparam == FALSE;
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
        close = (pos->flags & SWP_HIDEWINDOW) ||
                (!(pos->flags & SWP_NOMOVE) && (pos->x != m_ownerPosition.x || pos->y != m_ownerPosition.y));
    }
    if (close) ClosePopup();
    return 0;
}

void MComboBox::SetControlRect(CRect rect) {
    if (m_pPopup) ClosePopup();
    MControlFont::SetControlRect(rect);
    if (!m_bTextRectSet) m_rcText = Inset(rect);
}

void MComboBox::SetControlVisible(int visible) {
    if (!visible && m_pPopup) ClosePopup();
    MControlFont::SetControlVisible(visible);
}

void MComboBox::SetControlEnabled(int enabled) {
    if (!enabled && m_pPopup) ClosePopup();
    MControlFont::SetControlEnabled(enabled);
    m_nState = enabled ? kNormal : kDisabled;
    UpdateControl(0, 0);
}

}  // namespace Kelvo
