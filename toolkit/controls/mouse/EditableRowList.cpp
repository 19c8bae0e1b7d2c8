#include "EditableRowList.h"

#include <algorithm>

#include "ArrowText.h"
#include "CScrollVertical.h"
#include "ListEditWnd.h"
#include "ListViewport.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kWheelPixels = 10;
constexpr int kMoreMargin = 15;
constexpr int kEditorLeft = 15;
constexpr int kEditorRight = 50;
constexpr int kEditCorner = 6;
constexpr COLORREF kEditorText = 0xFA6837;
constexpr COLORREF kEditorBackground = 0xFFFFFF;
constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;

// Asks a list's window thread to finish what another thread began. It carries nothing:
// each list keeps its own pending work, so a list destroyed meanwhile is never named.
UINT PendingWorkMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"KelvoRowListPendingWork");
    return message;
}

}  // namespace

class EditableRowList::EditHost : public ListEditHost {
public:
    explicit EditHost(EditableRowList& list) : m_list(list) {}
    void OnEditorDone(bool commit) override { m_list.EndEdit(commit); }

private:
    EditableRowList& m_list;
};

EditableRowList::EditableRowList(MObject* parent, UINT id, CRect rect, int visible, int itemHeight)
    : MPanel(parent, id, rect, visible),
      m_nItemHeight(itemHeight),
      m_highlight(Manager::GetSelectColor()),
      m_editHost(std::make_unique<EditHost>(*this)) {
    m_bTextByGdi = 0;
    m_nAlignment = DT_LEFT;
    m_nVAlignment = DT_VCENTER;
}

EditableRowList::~EditableRowList() { m_pEditor.reset(); }

void EditableRowList::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    ApplyLayout();
}

// --- rows and threads ----------------------------------------------------------------------------

int EditableRowList::GetItemCount() {
    LockGuard guard(m_itemLock);
    return RowCount();
}

int EditableRowList::RowHeight() const { return std::max(Scaled(m_nItemHeight), 1); }

bool EditableRowList::OnWindowThread() const {
    HWND window = m_pManager ? m_pManager->GetPaintWnd() : nullptr;
    return !window || ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId();
}

void EditableRowList::Post(int work) {
    m_pending.fetch_or(work);
    ::PostMessageW(m_pManager->GetPaintWnd(), PendingWorkMessage(), 0, 0);
}

void EditableRowList::RowsChanged() {
    if (OnWindowThread())
        ApplyLayout();
    else
        Post(kLayout);
    Repaint();
}

int EditableRowList::ContentHeight() {
    LockGuard guard(m_itemLock);
    const long long content = static_cast<long long>(RowCount()) * RowHeight();
    return static_cast<int>(std::min<long long>(content, 0x3FFFFFFF));
}

void EditableRowList::ApplyLayout() {
    SetVirtualHeight(ContentHeight());
    if (m_pScrollV->IsVisible()) m_pScrollV->UpdateControl(1, 0);
}

void EditableRowList::CancelEdit() {
    {
        LockGuard guard(m_itemLock);
        if (m_nEditing < 0) return;
        // First: the editor's loss of focus ends the edit once more, and must find none.
        m_nEditing = -1;
    }
    if (!OnWindowThread()) {
        Post(kHideEditor);
        return;
    }
    if (m_pEditor) m_pEditor->Hide();
    Repaint();
}

void EditableRowList::Repaint() {
    if (m_bVisible) UpdateControl(1, 0);
}

int EditableRowList::SetCurSel(int index) {
    {
        LockGuard guard(m_itemLock);
        if (index < -1 || index >= RowCount() || index == m_nSelected) return index == m_nSelected ? 1 : 0;
        m_nSelected = index;
    }
    Repaint();
    return 1;
}

void EditableRowList::SetItemHeight(int height) {
    m_nItemHeight = std::max(height, 1);
    RowsChanged();
}

void EditableRowList::SetScaleValue(float scale) {
    if (!(scale > 0.0f)) return;
    m_fScale = scale;
    RowsChanged();
}

// --- geometry ----------------------------------------------------------------------------------

int EditableRowList::ScrollOffset() {
    return VisibleRows(GetItemCount(), RowHeight(), m_rcControl.Height(), m_pScrollV->GetScrollCurrentPos(),
                       m_pScrollV->GetScrollMaxRange())
        .offset;
}

CRect EditableRowList::GetItemRect(int index) {
    if (index < 0 || index >= GetItemCount()) return CRect();
    const int top = m_rcControl.top + index * RowHeight() - ScrollOffset();
    return CRect(m_rcControl.left, top, m_rcControl.right, top + RowHeight());
}

CRect EditableRowList::MoreRectIn(const CRect& row) const {
    if (!m_pImage || m_nFrameWidth <= 0) return CRect();
    const int left = row.left + row.Width() - m_nFrameWidth - kMoreMargin;
    const int top = row.top + (row.Height() - m_nFrameHeight) / 2;
    return CRect(left, top, left + m_nFrameWidth, top + m_nFrameHeight);
}

CRect EditableRowList::GetMoreRect(int index) { return MoreRectIn(GetItemRect(index)); }

int EditableRowList::OnMousePointChange(CPoint&) { return 0; }  // rows are hit in window coordinates

int EditableRowList::HitRow(CPoint point) {
    if (!m_rcControl.PtInRect(point)) return -1;
    if (m_pScrollV->IsVisible() && m_pScrollV->GetRect().PtInRect(point)) return -1;
    return RowAt(point.y - m_rcControl.top + ScrollOffset(), GetItemCount(), RowHeight());
}

void EditableRowList::SetControlRect(CRect rect) {
    EndEdit(true);
    MPanel::SetControlRect(rect);
    ApplyLayout();
}

// --- painting ----------------------------------------------------------------------------------

void EditableRowList::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        LockGuard guard(m_itemLock);
        const int rowHeight = RowHeight();
        const ListViewport view = VisibleRows(RowCount(), rowHeight, height, m_pScrollV->GetScrollCurrentPos(),
                                              m_pScrollV->GetScrollMaxRange());
        for (int i = view.first; i <= view.last; ++i) {
            const CRect row(0, i * rowHeight - view.offset, width, (i + 1) * rowHeight - view.offset);
            DrawRow(cache, graphics, i, row, RowLook{i == m_nSelected, i == m_nHover, i == m_nEditing});
        }
    });
}

void EditableRowList::FillRow(Gdiplus::Graphics& graphics, const CRect& row, RowLook look) {
    if (look.edited && m_pEditImage) {
        const int frameWidth = static_cast<int>(m_pEditImage->GetWidth()) / std::max(m_nEditFrames, 1);
        MRender::DrawImageFrame(graphics, m_pEditImage, row, 0, 0, frameWidth,
                                static_cast<int>(m_pEditImage->GetHeight()), kEditCorner);
    } else if (look.selected || look.edited) {
        Gdiplus::SolidBrush fill{Gdiplus::Color(m_highlight)};
        graphics.FillRectangle(&fill, row.left, row.top, row.Width(), row.Height());
    }
    if (look.hovered && !look.edited) {
        Gdiplus::Pen outline(Gdiplus::Color(m_highlight), 2.0f);
        graphics.DrawRectangle(&outline, row.left + 1, row.top + 1, row.Width() - 2, row.Height() - 2);
    }
}

void EditableRowList::DrawMoreButton(Gdiplus::Graphics& graphics, const CRect& row, bool selected) {
    const CRect more = MoreRectIn(row);
    if (more.IsRectEmpty()) return;
    // Frame 1 (hover) is never shown: the row's outline already marks the pointer.
    DrawImageFrame(graphics, more, selected ? 2 : 0, 0);
}

void EditableRowList::DrawTextIn(HDC dc, const CRect& rect, const CString& text, Gdiplus::ARGB colour) {
    const Gdiplus::ARGB own = m_textColor;
    if (colour != own) {
        m_textColor = colour;
        delete m_pTextBrush;
        m_pTextBrush = nullptr;
    }
    Gdiplus::FontFamily* family = m_bTextByGdi ? nullptr : GetFontFamily(m_strFontFace);
    if (family && HasArrow(text)) {
        const Gdiplus::Font font(family, static_cast<Gdiplus::REAL>(m_nFontSize), m_nFontStyle, Gdiplus::UnitPixel);
        const int alignment = m_nAlignment;
        m_nAlignment = DT_LEFT;  // the runs follow one another from the left
        DrawArrowText(dc, rect, text, font, colour,
                      [&](const CString& run, const CRect& box) { DrawTitle(dc, box, run, false); });
        m_nAlignment = alignment;
    } else {
        DrawTitle(dc, rect, text, false);
    }
    if (colour != own) {
        m_textColor = own;
        delete m_pTextBrush;
        m_pTextBrush = nullptr;
    }
}

LRESULT EditableRowList::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (id == kVerticalBarId && code == kNotifyPositionChanged) {
        EndEdit(true);
        Repaint();
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

// --- pointer -----------------------------------------------------------------------------------

int EditableRowList::OnControlMouseMove(UINT, CPoint point) {
    const int hover = HitRow(point);
    if (hover != m_nHover) {
        m_nHover = hover;
        Repaint();
    }
    return 1;
}

int EditableRowList::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (m_nEditing >= 0 && row != m_nEditing) EndEdit(true);
    if (IsDetached() || row < 0) return 1;
    RowPressed(row);
    return 1;
}

void EditableRowList::RowPressed(int row) {
    if (row == m_nSelected) return;
    m_nSelected = row;
    Repaint();
}

int EditableRowList::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (row < 0) return 1;
    const bool onMore = GetMoreRect(row).PtInRect(point);
    SendMessageW(onMore ? 9 : kNotifyActivated, 0, 0);
    return 1;
}

int EditableRowList::OnControlLButtonDblClk(UINT, CPoint point) {
    if (!m_bEnabled) return 1;
    const int row = HitRow(point);
    if (row < 0 || GetMoreRect(row).PtInRect(point)) return 1;
    if (row != m_nSelected) RowPressed(row);
    if (IsDetached() || !m_bShowEdit || !StartEdit(row)) return 1;
    SendMessageW(30, 0, 0);
    return 1;
}

int EditableRowList::OnControlRButtonUp(UINT, CPoint point) {
    if (!m_bEnabled || HitRow(point) < 0) return 1;
    SendMessageW(kNotifyRightReleased, static_cast<WPARAM>(m_nSelected), 0);
    return 1;
}

int EditableRowList::OnControlScroll(int, int direction, CPoint) {
    const int overflow = ContentHeight() - m_rcControl.Height();
    const int range = m_pScrollV->GetScrollMaxRange();
    if (overflow <= 0 || range <= 0) return 0;
    const int before = m_pScrollV->GetScrollCurrentPos();
    // Positions spread the range over the overflow: ten pixels are this many positions.
    const long long step = std::max<long long>(1, (static_cast<long long>(kWheelPixels) * range + overflow - 1) / overflow);
    const long long wanted = before + (direction == 1 ? step : -step);
    m_pScrollV->SetScrollCurrentPos(static_cast<int>(std::clamp(wanted, 0LL, static_cast<long long>(range))));
    if (m_pScrollV->GetScrollCurrentPos() == before) return 1;
    EndEdit(true);
    Repaint();
    m_pScrollV->UpdateControl(1, 0);
    return 1;
}

// --- editing in place --------------------------------------------------------------------------

HWND EditableRowList::GetEditWindow() const { return m_nEditing >= 0 && m_pEditor ? m_pEditor->GetSafeHwnd() : nullptr; }

int EditableRowList::ShowEdit() { return m_nSelected >= 0 ? StartEdit(m_nSelected) : 0; }

void EditableRowList::HideEdit() { EndEdit(true); }

int EditableRowList::StartEdit(int row) {
    if (!m_pManager || !m_pManager->GetPaintWnd() || row < 0 || row >= GetItemCount()) return 0;
    if (m_nEditing >= 0) EndEdit(true);
    if (IsDetached()) return 0;
    const CRect rowRect = GetItemRect(row);
    const int height = m_nFontSize + 5;
    CRect box(rowRect.left + kEditorLeft, 0, rowRect.right - kEditorRight, 0);
    box.top = rowRect.top + (rowRect.Height() - height) / 2;
    box.bottom = box.top + height;
    if (!m_pEditor) m_pEditor = std::make_unique<ListEditWnd>(*m_editHost);
    m_pEditor->SetColours(kEditorBackground, kEditorText);
    HWND owner = m_pManager->GetPaintWnd();
    RECT placed{};
    ::GetWindowRect(owner, &placed);
    m_ownerPosition = CPoint(placed.left, placed.top);
    CString text;
    {
        LockGuard guard(m_itemLock);
        text = RowText(row);
        m_nEditing = row;
    }
    if (!m_pEditor->Open(owner, m_pManager->IsLayered() != 0, box, GetGDIFont(), text)) {
        m_nEditing = -1;
        return 0;
    }
    ::SendMessageW(m_pEditor->GetSafeHwnd(), EM_SETSEL, 0, -1);
    Repaint();
    return 1;
}

void EditableRowList::EndEdit(bool commit) {
    int row;
    CString text;
    bool changed = false;
    {
        LockGuard guard(m_itemLock);
        row = m_nEditing;
        if (row < 0) return;
        m_nEditing = -1;  // first: hiding the editor takes its focus, which ends the edit again
        if (m_pEditor) m_lastEditText = m_pEditor->Text();
        text = m_lastEditText;
        // The row may have gone meanwhile; then there is nothing to apply.
        changed = commit && row < RowCount() && text != RowText(row);
        if (changed) TakeEditedText(row, text);
    }
    if (m_pEditor) m_pEditor->Hide();
    Repaint();
    if (changed) SendMessageW(29, 0, static_cast<LPARAM>(row));
}

CString EditableRowList::EditorText() const {
    if (m_nEditing >= 0 && m_pEditor) return m_pEditor->Text();
    LockGuard guard(m_itemLock);
    return m_lastEditText;
}

void EditableRowList::SetEditorText(const CString& text) {
    {
        LockGuard guard(m_itemLock);
        m_lastEditText = text;
    }
    if (m_nEditing >= 0 && m_pEditor) ::SetWindowTextW(m_pEditor->GetSafeHwnd(), text);
}

LRESULT EditableRowList::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == PendingWorkMessage()) {
        const int work = m_pending.exchange(0);
        if (work & kLayout) ApplyLayout();
        if ((work & kHideEditor) && m_nEditing < 0 && m_pEditor) m_pEditor->Hide();
        if (work) Repaint();
        return 0;  // every list of the window has its own work to pick up
    }
    if (m_nEditing < 0) return 0;
    // The editor is a window of its own: it goes when its owner goes out of sight or moves.
    bool close = false;
    if (msg == WM_ENABLE || msg == WM_SHOWWINDOW) close = wparam == FALSE;
    if (msg == WM_WINDOWPOSCHANGED) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
        close = (pos->flags & SWP_HIDEWINDOW) ||
                (!(pos->flags & SWP_NOMOVE) && (pos->x != m_ownerPosition.x || pos->y != m_ownerPosition.y));
    }
    if (close) EndEdit(true);
    return 0;
}

void EditableRowList::SetControlVisible(int visible) {
    if (!visible) EndEdit(true);
    MPanel::SetControlVisible(visible);
}

void EditableRowList::SetControlEnabled(int enabled) {
    if (!enabled) EndEdit(true);
    MPanel::SetControlEnabled(enabled);
}

int EditableRowList::SetControlFocus(int focus) {
    const int result = MPanel::SetControlFocus(focus);
    if (!focus) EndEdit(true);
    return result;
}

}  // namespace Kelvo
