#include "MListBox.h"

#include <algorithm>

#include "CScrollVertical.h"
#include "ListEditWnd.h"
#include "ListViewport.h"
#include "MImageList.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kWheelSteps = 10;
constexpr int kEditCorner = 6;

COLORREF ToColorRef(Gdiplus::ARGB colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

class MListBox::EditHost : public ListEditHost {
public:
    explicit EditHost(MListBox& list) : m_list(list) {}
    void OnEditorDone(bool commit) override { m_list.EndEdit(commit); }

private:
    MListBox& m_list;
};

MListBox::MListBox(MObject* parent, UINT id, CRect rect, int visible)
    : MPanel(parent, id, rect, visible),
      m_hoverFill(Manager::GetSelectColor()),
      m_selectFill(Manager::GetSelectColor()),
      m_editHost(std::make_unique<EditHost>(*this)) {
    m_textColor = 0xFEFFFFFF;
    m_editText = ToColorRef(m_textColor);
    m_bTextByGdi = 0;
    m_nAlignment = DT_LEFT;
    m_nVAlignment = DT_VCENTER;
}

MListBox::~MListBox() {
    m_pEditor.reset();
    LockGuard guard(m_itemLock);
    m_items.clear();
}

const wchar_t* MListBox::GetClassNameW() { return L"MListBox"; }

// --- rows -------------------------------------------------------------------------------------

int MListBox::AddString(const wchar_t* text, int image) { return InsertString(-1, text, image, 0); }

int MListBox::AddString(const wchar_t* text, DWORD data, int image) { return InsertString(-1, text, image, data); }

int MListBox::InsertString(int index, const wchar_t* text, int image, DWORD data) {
    int inserted;
    {
        LockGuard guard(m_itemLock);
        const int count = static_cast<int>(m_items.size());
        if (index < -1 || index > count) return -1;
        inserted = index == -1 ? count : index;
        auto item = std::make_unique<ListBoxItem>();
        item->text = CString(text);
        item->image = image;
        item->data = data;
        m_items.insert(m_items.begin() + inserted, std::move(item));
    }
    // The indexes that name rows keep naming the same rows.
    for (int* kept : {&m_nSelected, &m_nHover, &m_nEditing})
        if (*kept >= inserted) ++*kept;
    UpdateContentHeight();
    UpdateControl(1, 0);
    return inserted;
}

int MListBox::GetItemCount() {
    LockGuard guard(m_itemLock);
    return static_cast<int>(m_items.size());
}

int MListBox::SetItemData(int index, DWORD data) {
    LockGuard guard(m_itemLock);
    if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
    m_items[index]->data = data;
    return 1;
}

DWORD MListBox::GetItemData(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index]->data : 0;
}

int MListBox::ModifyItemString(int index, const wchar_t* text) {
    {
        LockGuard guard(m_itemLock);
        if (index < 0 || index >= static_cast<int>(m_items.size())) return 0;
        m_items[index]->text = CString(text);
    }
    UpdateControl(1, 0);
    return 1;
}

CString MListBox::GetItemText(int index) {
    LockGuard guard(m_itemLock);
    return index >= 0 && index < static_cast<int>(m_items.size()) ? m_items[index]->text : CString();
}

int MListBox::FindString(const wchar_t* text) {
    const CString wanted(text);
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->text == wanted) return static_cast<int>(i);
    return -1;
}

int MListBox::FindItemData(DWORD data) {
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->data == data) return static_cast<int>(i);
    return -1;
}

int MListBox::SetCurData(DWORD data) {
    const int index = FindItemData(data);
    if (index >= 0) SetCurSel(index);
    return index;
}

int MListBox::SetCurSel(int index) {
    if (index < -1 || index >= GetItemCount()) return 0;
    if (index != m_nSelected) {
        m_nSelected = index;
        UpdateControl(1, 0);
    }
    return 1;
}

void MListBox::SetItemHeight(int height) {
    m_nItemHeight = std::max(height, 1);
    UpdateContentHeight();
    UpdateControl(1, 0);
}

void MListBox::SetImageList(MImageList* images) {
    m_pImageList = images;
    UpdateControl(1, 0);
}

CRect MListBox::GetItemRect(int) { return CRect(); }

int MListBox::SwapItem(int first, int second) {
    LockGuard guard(m_itemLock);
    const int count = static_cast<int>(m_items.size());
    if (first < 0 || second < 0 || first >= count || second >= count) return 0;
    std::swap(m_items[first], m_items[second]);
    return 1;
}

int MListBox::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return 0;
    EndEdit(false);
    {
        LockGuard guard(m_itemLock);
        m_items.erase(m_items.begin() + index);
    }
    m_nHover = -1;
    m_nSelected = -1;
    UpdateContentHeight();
    UpdateControl(1, 0);
    return 1;
}

int MListBox::DeleteAllItems() {
    EndEdit(false);
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
    }
    m_nHover = -1;
    m_nSelected = -1;
    UpdateContentHeight();
    UpdateControl(1, 0);
    return 1;
}

// --- geometry ---------------------------------------------------------------------------------

void MListBox::UpdateContentHeight() {
    const long long content = static_cast<long long>(GetItemCount()) * m_nItemHeight;
    SetVirtualHeight(static_cast<int>(std::min<long long>(content, 0x3FFFFFFF)));
}

void MListBox::SetControlRect(CRect rect) {
    EndEdit(true);
    MPanel::SetControlRect(rect);
    UpdateContentHeight();
}

int MListBox::ContentWidth() const {
    const int bar = m_pScrollV && m_pScrollV->IsVisible() ? m_nScrollThickness : 0;
    return std::max(m_rcControl.Width() - bar, 0);
}

ListViewport MListBox::Viewport() {
    return VisibleRows(GetItemCount(), m_nItemHeight, m_rcControl.Height(), m_pScrollV->GetScrollCurrentPos(),
                       m_pScrollV->GetScrollMaxRange());
}

int MListBox::OnMousePointChange(CPoint&) { return 0; }  // rows are hit in window coordinates

int MListBox::HitRow(CPoint point) {
    if (point.x < m_rcControl.left || point.x >= m_rcControl.left + ContentWidth()) return -1;
    if (point.y < m_rcControl.top || point.y >= m_rcControl.bottom) return -1;
    return RowAt(point.y - m_rcControl.top + Viewport().offset, GetItemCount(), m_nItemHeight);
}

int MListBox::TextLeft() const { return m_pImageList ? m_nIconColumn + 5 : 5; }

// --- painting ---------------------------------------------------------------------------------

void MListBox::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int, int height) {
        const ListViewport view = Viewport();
        const int width = ContentWidth();
        Gdiplus::Graphics graphics(cache);
        LockGuard guard(m_itemLock);
        for (int i = view.first; i <= view.last && i < static_cast<int>(m_items.size()); ++i) {
            ListBoxItem& item = *m_items[i];
            item.rect = CRect(0, i * m_nItemHeight, width, (i + 1) * m_nItemHeight);
            CRect row = item.rect;
            row.OffsetRect(0, -view.offset);
            if (row.top >= height) break;
            DrawRow(cache, graphics, item, row, RowLook{i == m_nHover, i == m_nSelected, i == m_nEditing});
        }
    });
}

void MListBox::DrawEditImage(Gdiplus::Graphics& graphics, const CRect& row) {
    Gdiplus::Image* image = m_pEditImage ? m_pEditImage : m_pImage;
    const int frames = m_pEditImage ? m_nEditFrames : m_nFrameCount;
    if (!image || frames <= 0) return;
    const int frameWidth = static_cast<int>(image->GetWidth()) / frames;
    MRender::DrawImageFrame(graphics, image, row, 0, 0, frameWidth, static_cast<int>(image->GetHeight()), kEditCorner);
}

void MListBox::DrawRow(HDC dc, Gdiplus::Graphics& graphics, const ListBoxItem& item, const CRect& row, RowLook look) {
    if (look.edited && (m_pEditImage || m_pImage)) {
        DrawEditImage(graphics, row);
    } else if (look.selected || look.hovered) {
        Gdiplus::SolidBrush fill(Gdiplus::Color(look.selected ? m_selectFill : m_hoverFill));
        graphics.FillRectangle(&fill, row.left, row.top, row.Width(), row.Height());
    }
    if (m_pImageList && item.image >= 0) {
        const CSize icon = m_pImageList->GetIconSize();
        const int left = row.left + (m_nIconColumn - icon.cx) / 2 + 5;
        m_pImageList->DrawItemIcon(graphics, CRect(left, row.top, left + icon.cx, row.bottom), item.image, 0);
    }
    CRect text = row;
    text.left += TextLeft();
    DrawTitle(dc, text, item.text, false);
}

LRESULT MListBox::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kVerticalBarId && code == kNotifyPositionChanged) {
        EndEdit(true);
        UpdateControl(1, 0);
        return 1;
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

// --- mouse and keys ---------------------------------------------------------------------------

int MListBox::OnControlMouseMove(UINT, CPoint point) {
    const int hover = HitRow(point);
    if (hover != m_nHover) {
        m_nHover = hover;
        UpdateControl(1, 0);
    }
    return 1;
}

int MListBox::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (m_nEditing >= 0 && row != m_nEditing) EndEdit(true);
    if (IsDetached()) return 1;
    PressRow(row);
    return 1;
}

void MListBox::PressRow(int row) {
    if (row >= 0 && row != m_nSelected) {
        m_nSelected = row;
        UpdateControl(1, 0);
    }
    SendMessageW(kNotifyPressed, static_cast<WPARAM>(row), 0);
}

int MListBox::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    ReleaseRow(HitRow(point));
    return 1;
}

void MListBox::ReleaseRow(int) {}

int MListBox::OnControlLButtonDblClk(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    DoubleClickRow(HitRow(point));
    return 1;
}

void MListBox::DoubleClickRow(int row) {
    if (row < 0) return;
    if (row != m_nSelected) PressRow(row);
    if (!IsDetached() && m_bShowEdit) StartEdit(row);
}

int MListBox::OnControlRButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (m_nEditing >= 0 && row != m_nEditing) EndEdit(true);
    if (!IsDetached()) RightPressRow(row);
    return 1;
}

void MListBox::RightPressRow(int) {}

int MListBox::OnControlRButtonDblClk(UINT flags, CPoint point) { return OnControlRButtonDown(flags, point); }

int MListBox::OnControlRButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (row >= 0) SendMessageW(kNotifyRightReleased, static_cast<WPARAM>(row), 0);
    return 1;
}

int MListBox::OnControlScroll(int, int direction, CPoint) {
    MScroll* bar = m_pScrollV;
    const int range = std::max(bar->GetScrollMaxRange(), 0);
    if (range == 0 || GetItemCount() * static_cast<long long>(m_nItemHeight) <= m_rcControl.Height()) return 0;
    const int before = bar->GetScrollCurrentPos();
    const long long step = static_cast<long long>(kWheelSteps) * bar->GetScrollStep();
    const long long wanted = before + (direction == 1 ? step : -step);
    bar->SetScrollCurrentPos(static_cast<int>(std::clamp(wanted, 0LL, static_cast<long long>(range))));
    if (bar->GetScrollCurrentPos() == before) return 1;
    EndEdit(true);
    UpdateControl(1, 0);
    return 1;
}

int MListBox::OnControlKeyDown(UINT key, UINT, UINT) {
    if (!m_bFocused || !m_bEnabled || (key != VK_UP && key != VK_DOWN)) return 0;
    const int count = GetItemCount();
    if (count == 0) return 1;
    int row = m_nSelected < 0 ? 0 : m_nSelected + (key == VK_DOWN ? 1 : -1);
    row = std::clamp(row, 0, count - 1);
    if (row == m_nSelected) return 1;
    EndEdit(true);
    if (IsDetached()) return 1;
    MScroll* bar = m_pScrollV;
    bar->SetScrollCurrentPos(BarPositionShowing(row, count, m_nItemHeight, m_rcControl.Height(),
                                                bar->GetScrollCurrentPos(), bar->GetScrollMaxRange()));
    m_nSelected = row;
    UpdateControl(1, 0);
    KeySelected(row);
    return 1;
}

void MListBox::KeySelected(int row) { SendMessageW(kNotifyPressed, static_cast<WPARAM>(row), 0); }

// --- renaming in place ------------------------------------------------------------------------

HWND MListBox::GetEditWindow() const { return m_nEditing >= 0 && m_pEditor ? m_pEditor->GetSafeHwnd() : nullptr; }

int MListBox::ShowEdit() { return m_nSelected >= 0 ? StartEdit(m_nSelected) : 0; }

CRect MListBox::EditorRect(const CRect& row) {
    CRect box = row;
    box.left += 3 + (m_pImageList ? m_nIconColumn : 0);
    box.right -= 1;
    const int height = m_nFontSize + 6;
    box.top = row.top + (row.Height() - height) / 2;
    box.bottom = box.top + height;
    return box;
}

int MListBox::StartEdit(int row) {
    if (!m_pManager || !m_pManager->GetPaintWnd() || row < 0 || row >= GetItemCount()) return 0;
    if (m_nEditing >= 0) EndEdit(true);
    if (IsDetached()) return 0;
    const ListViewport view = Viewport();
    CRect rowRect(m_rcControl.left, m_rcControl.top + row * m_nItemHeight - view.offset,
                  m_rcControl.left + ContentWidth(), m_rcControl.top + (row + 1) * m_nItemHeight - view.offset);
    if (!m_pEditor) m_pEditor = std::make_unique<ListEditWnd>(*m_editHost);
    m_pEditor->SetColours(m_editBackground, m_editText);
    HWND owner = m_pManager->GetPaintWnd();
    RECT placed{};
    ::GetWindowRect(owner, &placed);
    m_ownerPosition = CPoint(placed.left, placed.top);
    m_nEditing = row;
    if (!m_pEditor->Open(owner, m_pManager->IsLayered() != 0, EditorRect(rowRect), GetGDIFont(), GetItemText(row))) {
        m_nEditing = -1;
        return 0;
    }
    UpdateControl(1, 0);
    return 1;
}

void MListBox::EndEdit(bool commit) {
    const int row = m_nEditing;
    if (row < 0) return;
    m_nEditing = -1;  // first: hiding the editor takes its focus, which ends the edit again
    const CString text = commit && m_pEditor ? m_pEditor->Text() : CString();
    if (m_pEditor) m_pEditor->Hide();
    UpdateControl(1, 0);
    if (!commit || row >= GetItemCount() || text == GetItemText(row)) return;
    ModifyItemString(row, text);
    SendMessageW(29, 0, static_cast<LPARAM>(row));
}

LRESULT MListBox::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (m_nEditing < 0) return 0;
    // The editor is a window of its own: it goes when its owner goes out of sight or moves.
    bool close = false;
    if (msg == WM_ENABLE) close = wparam == FALSE;
    if (msg == WM_SHOWWINDOW) close = wparam == FALSE;
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
        close = (pos->flags & SWP_HIDEWINDOW) ||
                (!(pos->flags & SWP_NOMOVE) && (pos->x != m_ownerPosition.x || pos->y != m_ownerPosition.y));
    }
    if (close) EndEdit(true);
    return 0;
}

void MListBox::SetControlVisible(int visible) {
    if (!visible) EndEdit(true);
    MPanel::SetControlVisible(visible);
}

void MListBox::SetControlEnabled(int enabled) {
    if (!enabled) EndEdit(true);
    MPanel::SetControlEnabled(enabled);
}

int MListBox::SetControlFocus(int focus) {
    const int result = MPanel::SetControlFocus(focus);
    if (!focus) EndEdit(true);
    return result;
}

}  // namespace Kelvo
