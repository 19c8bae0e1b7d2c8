#include "MacroList.h"

#include "MImageList.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kTextLeft = 15;
constexpr int kTextRight = 50;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

}  // namespace

MacroList::MacroList(MObject* parent, UINT id, CRect rect, int visible)
    : EditableRowList(parent, id, rect, visible, kItemHeight) {}

MacroList::~MacroList() {
    LockGuard guard(m_itemLock);
    m_items.clear();
}

const wchar_t* MacroList::GetClassNameW() { return L"MacroList"; }

int MacroList::AddString(const wchar_t* text, int image) { return InsertString(-1, text, image, 0); }

int MacroList::AddString(const wchar_t* text, DWORD data, int image) { return InsertString(-1, text, image, data); }

int MacroList::InsertString(int index, const wchar_t* text, int image, DWORD data) {
    int inserted;
    {
        LockGuard guard(m_itemLock);
        const int count = RowCount();
        if (index < -1 || index > count) return -1;
        inserted = index == -1 ? count : index;
        m_items.insert(m_items.begin() + inserted, MacroListItem{CString(text), image, data});
        // The indexes that name rows keep naming the same rows.
        for (int* kept : {&m_nSelected, &m_nHover, &m_nEditing})
            if (*kept >= inserted) ++*kept;
    }
    RowsChanged();
    return inserted;
}

int MacroList::SetItemData(int index, DWORD data) {
    LockGuard guard(m_itemLock);
    if (!Valid(index)) return 0;
    m_items[index].data = data;
    return 1;
}

DWORD MacroList::GetItemData(int index) {
    LockGuard guard(m_itemLock);
    return Valid(index) ? m_items[index].data : 0;
}

int MacroList::ModifyItemString(int index, const wchar_t* text) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(index)) return 0;
        m_items[index].text = CString(text);
    }
    Repaint();
    return 1;
}

CString MacroList::GetItemText(int index) {
    LockGuard guard(m_itemLock);
    return Valid(index) ? m_items[index].text : CString();
}

int MacroList::FindString(const wchar_t* text) {
    const CString wanted(text);
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].text == wanted) return static_cast<int>(i);
    return -1;
}

int MacroList::FindItemData(DWORD data) {
    LockGuard guard(m_itemLock);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].data == data) return static_cast<int>(i);
    return -1;
}

int MacroList::SetCurData(DWORD data) {
    const int index = FindItemData(data);
    if (index >= 0) SetCurSel(index);
    return index;
}

DWORD MacroList::GetCurData() { return GetItemData(m_nSelected); }

int MacroList::SwapItem(int first, int second) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(first) || !Valid(second) || first == second) return 0;
        std::swap(m_items[first], m_items[second]);
    }
    Repaint();
    return 1;
}

int MacroList::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return 0;
    CancelEdit();
    {
        LockGuard guard(m_itemLock);
        if (!Valid(index)) return 0;
        m_items.erase(m_items.begin() + index);
        m_nSelected = -1;
        m_nHover = -1;
    }
    RowsChanged();
    return 1;
}

int MacroList::DeleteAllItems() {
    CancelEdit();
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
        m_nSelected = -1;
        m_nHover = -1;
    }
    RowsChanged();
    return 1;
}

void MacroList::SetImageList(MImageList* images) {
    m_pImageList = images;
    Repaint();
}

int MacroList::SetEditImage(const wchar_t* path, int frames) {
    if (!m_pManager || !path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pEditImage = info->image;
    m_nEditFrames = info->frames;
    return 1;
}

void MacroList::DrawRow(HDC dc, Gdiplus::Graphics& graphics, int index, const CRect& row, RowLook look) {
    const MacroListItem& item = m_items[index];
    FillRow(graphics, row, look);
    CRect text(row.left + Scaled(kTextLeft), row.top, row.right - kTextRight, row.bottom);
    if (m_pImageList && item.image >= 0) {
        const CSize icon = m_pImageList->GetIconSize();
        m_pImageList->DrawItemIcon(graphics, CRect(text.left, row.top, text.left + icon.cx, row.bottom), item.image,
                                   look.selected ? 1 : 0);
        text.left += icon.cx + 5;
    }
    if (!look.edited) DrawTextIn(dc, text, item.text, look.selected ? kWhite : m_textColor);
    DrawMoreButton(graphics, row, look.selected);
}

}  // namespace Kelvo
