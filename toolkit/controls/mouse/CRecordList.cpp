#include "CRecordList.h"

#include <algorithm>

#include "MRender.h"
#include "PaintManager.h"
#include "TextFormat.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kSeparator = 0xFF6D6D6D;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

// The first of the normal and highlighted frames of a type's icon.
int IconFrame(int type) {
    if (type >= kRecordFirstMove && type <= kRecordLastMove) return 0;
    if (type == kRecordButtonDown || type == kRecordButtonUp) return 4;
    if (type == kRecordDelay) return 6;
    return 2;  // keys, and the wheel, which has no icon of its own
}

int PressOf(int release) { return release == kRecordKeyUp ? kRecordKeyDown : kRecordButtonDown; }

}  // namespace

CRecordList::CRecordList(MObject* parent, UINT id, CRect rect, int visible)
    : EditableRowList(parent, id, rect, visible, kItemHeight) {}

CRecordList::~CRecordList() {
    LockGuard guard(m_itemLock);
    m_items.clear();
}

const wchar_t* CRecordList::GetClassNameW() { return L"CRecordList"; }

// --- rows --------------------------------------------------------------------------------------

int CRecordList::AddString(const wchar_t* text, int type, int value, int timeStamp) {
    return InsertString(-1, text, type, value, timeStamp);
}

int CRecordList::InsertString(int index, const wchar_t* text, int type, int value, int timeStamp) {
    int inserted;
    {
        LockGuard guard(m_itemLock);
        const int count = RowCount();
        if (count == 0) index = -1;  // the first row goes first, whatever was asked
        if (index < -1 || index > count) return -1;
        inserted = index == -1 ? count : index;
        m_items.insert(m_items.begin() + inserted, RecordItem{CString(text), type, value, timeStamp, CRect()});
        for (int* kept : {&m_nSelected, &m_nHover, &m_nEditing})
            if (*kept >= inserted) ++*kept;
    }
    RowsChanged();
    return inserted;
}

int CRecordList::GetEventCount() {
    LockGuard guard(m_itemLock);
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [](const RecordItem& item) { return item.type != kRecordDelay; }));
}

int CRecordList::DeleteItem(int index) {
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

int CRecordList::DeleteAllItems() {
    CancelEdit();
    {
        LockGuard guard(m_itemLock);
        m_items.clear();
        m_nSelected = -1;
        m_nHover = -1;
        m_bStampSelected = false;
    }
    RowsChanged();
    return 1;
}

int CRecordList::SetImageList(const wchar_t* path, int frames) {
    if (!m_pManager || !path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, frames);
    if (!info || !info->image) return 0;
    m_pIcons = info->image;
    m_nIconWidth = info->frameWidth;
    m_nIconHeight = info->height;
    Repaint();
    return 1;
}

int CRecordList::SetMoreImage(const wchar_t* path, int frames) { return SetImage(path, frames); }

bool CRecordList::GetRecordInfo(int index, CString& text, int& type, int& value, int& timeStamp) {
    LockGuard guard(m_itemLock);
    if (!Valid(index)) return false;
    const RecordItem& item = m_items[index];
    text = item.text;
    type = item.type;
    value = item.value;
    timeStamp = item.timeStamp;
    return true;
}

bool CRecordList::SetRecordInfo(int index, const wchar_t* text, int type, int value, int timeStamp) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(index)) return false;
        m_items[index] = RecordItem{CString(text), type, value, timeStamp, m_items[index].rect};
    }
    Repaint();
    return true;
}

void CRecordList::SetRecordInfo(int timeStamp, int type, const wchar_t* text, int value) {
    {
        LockGuard guard(m_itemLock);
        for (RecordItem& item : m_items) {
            if (item.timeStamp != timeStamp || item.type != type) continue;
            item.text = CString(text);
            item.value = value;
        }
    }
    Repaint();
}

int CRecordList::GetRecrodTimeStamp(int index) {
    LockGuard guard(m_itemLock);
    return Valid(index) ? m_items[index].timeStamp : 0;
}

void CRecordList::SetTimeStampSelect(int timeStamp) {
    {
        LockGuard guard(m_itemLock);
        m_nSelectedStamp = timeStamp;
        m_bStampSelected = true;
    }
    Repaint();
}

void CRecordList::DeleteTimeStamp(int timeStamp) {
    CancelEdit();
    {
        LockGuard guard(m_itemLock);
        std::erase_if(m_items, [timeStamp](const RecordItem& item) { return item.timeStamp == timeStamp; });
        m_nSelected = -1;
        m_nHover = -1;
        m_bStampSelected = false;
    }
    RowsChanged();
}

void CRecordList::UpdateTimeStamp(int type, int key, int value) {
    {
        LockGuard guard(m_itemLock);
        const bool release = type == kRecordKeyUp || type == kRecordButtonUp;
        bool releaseStamped = false;
        for (int i = RowCount() - 1; i >= 0; --i) {
            RecordItem& item = m_items[i];
            if (item.value != key) continue;
            if (!release) {
                if (item.type == type) item.timeStamp = value;
                continue;
            }
            if (item.type == type) {
                // A second release before any press: the first one had no press of its own.
                if (releaseStamped) break;
                item.timeStamp = value;
                releaseStamped = true;
            } else if (item.type == PressOf(type) && releaseStamped) {
                item.timeStamp = value;
                break;
            }
        }
    }
    Repaint();
}

bool CRecordList::UpdateDelayTime(int value) {
    {
        LockGuard guard(m_itemLock);
        if (m_items.empty()) return false;
        m_items.back().timeStamp = value;
    }
    Repaint();
    return true;
}

void CRecordList::MoveRow(int from, int to) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(from)) return;
        RecordItem moved = m_items[from];
        m_items.erase(m_items.begin() + from);
        m_items.insert(m_items.begin() + to, std::move(moved));
        m_nSelected = to;
    }
    Repaint();
}

void CRecordList::MoveTop(int index) { MoveRow(index, 0); }

void CRecordList::MoveBottom(int index) { MoveRow(index, std::max(GetItemCount() - 1, 0)); }

int CRecordList::SwapItem(int first, int second) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(first) || !Valid(second) || first == second) return 0;
        std::swap(m_items[first], m_items[second]);
    }
    Repaint();
    return 1;
}

std::vector<RecordItem> CRecordList::GetRecordItems() {
    LockGuard guard(m_itemLock);
    return m_items;
}

void CRecordList::SetEditText(const wchar_t* text) { SetEditorText(CString(text)); }

CString CRecordList::GetEditText() { return EditorText(); }

// --- pointer and painting ----------------------------------------------------------------------

void CRecordList::RowPressed(int row) {
    {
        LockGuard guard(m_itemLock);
        if (!Valid(row)) return;
        m_nSelected = row;
        m_nSelectedStamp = m_items[row].timeStamp;
        m_bStampSelected = true;
    }
    Repaint();
    SendMessageW(kNotifyPressed, static_cast<WPARAM>(row), 0);
}

void CRecordList::DrawTypeIcon(Gdiplus::Graphics& graphics, int type, const CRect& row, bool highlighted) {
    if (!m_pIcons || m_nIconWidth <= 0) return;
    const int frame = IconFrame(type) + (highlighted ? 1 : 0);
    const int left = row.left + Scaled(90);
    const int top = row.top + (row.Height() - m_nIconHeight) / 2;
    MRender::DrawImageFrame(graphics, m_pIcons, CRect(left, top, left + m_nIconWidth, top + m_nIconHeight),
                            frame * m_nIconWidth, 0, m_nIconWidth, m_nIconHeight, 0);
}

void CRecordList::DrawRow(HDC dc, Gdiplus::Graphics& graphics, int index, const CRect& row, RowLook look) {
    RecordItem& item = m_items[index];
    item.rect = row;
    const bool highlighted = look.selected || (m_bStampSelected && item.timeStamp == m_nSelectedStamp);
    FillRow(graphics, row, RowLook{highlighted, look.hovered, look.edited});
    const Gdiplus::ARGB colour = highlighted ? kWhite : m_textColor;
    DrawTextIn(dc, CRect(row.left + Scaled(15), row.top, row.left + Scaled(55), row.bottom),
               FormatText(L"%d", {index + 1}), colour);
    DrawTypeIcon(graphics, item.type, row, highlighted);
    if (!look.edited)
        DrawTextIn(dc, CRect(row.left + Scaled(190), row.top, row.left + Scaled(340), row.bottom), item.text, colour);
    Gdiplus::Pen separator{Gdiplus::Color(kSeparator), 1.0f};
    graphics.DrawLine(&separator, row.left, row.bottom - 1, row.right, row.bottom - 1);
    DrawMoreButton(graphics, row, look.selected);
}

}  // namespace Kelvo
