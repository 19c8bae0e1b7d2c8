#pragma once
// What the macro list and the event list share: rows of one height (times the scale)
// behind a lock of their own, one selected, one hovered and one edited row, a "more"
// button at each row's right end (the control's image: frame 2 on the selected row,
// frame 0 on the others), a vertical scroll bar when the rows do not fit, the wheel
// (10 pixels a notch) and renaming in place.
//
// Notifications: 2 when the left button comes up on a row outside its "more" button,
// 9 on it; 5 when the right button comes up on a row (wparam the selection); 30 when a
// double click on a row opened the editor; 29 when the editor closed with changed text
// (lparam the row). The scroll bar's notifications travel on to the parent.
//
// The device worker fills these lists. Every row operation holds the lock; what only
// the window's thread may do (showing the scroll bar, hiding the editor) is posted to it
// when another thread asks. Emptying or deleting rows ends an open edit without applying
// it, so a refill never writes a rename into a row that has gone.
#include <windows.h>

#include <atomic>
#include <memory>

#include "MPanel.h"

namespace Kelvo {

class ListEditWnd;

class KELVO_API EditableRowList : public MPanel {
public:
    EditableRowList(MObject* parent, UINT id, CRect rect, int visible, int itemHeight);
    ~EditableRowList() override;

    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    int OnMousePointChange(CPoint& point) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    int SetControlFocus(int focus) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlLButtonDblClk(UINT flags, CPoint point) override;
    int OnControlRButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;

    int GetItemCount();
    // -1 clears; an index outside the rows is ignored (0).
    int SetCurSel(int index);
    int GetCurSel() const { return m_nSelected; }
    int GetHoverIndex() const { return m_nHover; }
    int GetEditIndex() const { return m_nEditing; }
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_nItemHeight; }
    void SetScaleValue(float scale);
    // Where row `index` is on screen now, in window coordinates; empty out of range.
    CRect GetItemRect(int index);
    // The row's "more" button, in window coordinates; empty without an image.
    CRect GetMoreRect(int index);

    void EnableShowEdit(int enable) { m_bShowEdit = enable ? 1 : 0; }
    // Opens the editor over the selected row; 1 when it opened.
    int ShowEdit();
    // Closes the editor, applying a changed text.
    void HideEdit();
    // The native editor while an edit is open, else null.
    HWND GetEditWindow() const;

protected:
    struct RowLook {
        bool selected;  // selected, or sharing the selected row's group
        bool hovered;
        bool edited;
    };
    // Called with the lock held.
    virtual int RowCount() const = 0;
    virtual CString RowText(int index) const = 0;
    virtual void DrawRow(HDC dc, Gdiplus::Graphics& graphics, int index, const CRect& row, RowLook look) = 0;
    // A press selected `row` (the lock is not held; notifications go last).
    virtual void RowPressed(int row);
    // The editor closed on `row` with a different text; the row may take it.
    virtual void TakeEditedText(int row, const CString& text) = 0;

    int RowHeight() const;
    int Scaled(int length) const { return static_cast<int>(length * m_fScale + 0.5f); }
    // The row under a window point; -1 off the rows.
    int HitRow(CPoint point);
    // After rows were added or removed: the scroll bar follows, the list repaints.
    void RowsChanged();
    // Ends an open edit without applying it; safe from any thread.
    void CancelEdit();
    void Repaint();
    // The "more" button of a row drawn at `row` (cache coordinates).
    void DrawMoreButton(Gdiplus::Graphics& graphics, const CRect& row, bool selected);
    CRect MoreRectIn(const CRect& row) const;
    void FillRow(Gdiplus::Graphics& graphics, const CRect& row, RowLook look);
    void DrawTextIn(HDC dc, const CRect& rect, const CString& text, Gdiplus::ARGB colour);
    // The editor's text, or the text it had when it last closed.
    CString EditorText() const;
    void SetEditorText(const CString& text);

    mutable Lock m_itemLock;
    int m_nItemHeight;
    float m_fScale = 1.0f;
    int m_nSelected = -1;
    int m_nHover = -1;
    int m_nEditing = -1;
    int m_bShowEdit = 0;
    Gdiplus::ARGB m_highlight;
    Gdiplus::Image* m_pEditImage = nullptr;  // belongs to the paint manager's image cache
    int m_nEditFrames = 1;
    CString m_lastEditText;

private:
    class EditHost;
    enum Pending { kLayout = 1, kHideEditor = 2 };
    bool OnWindowThread() const;
    void Post(int work);
    void ApplyLayout();
    int StartEdit(int row);
    void EndEdit(bool commit);
    int ContentHeight();
    int ScrollOffset();

    std::atomic<int> m_pending{0};
    std::unique_ptr<EditHost> m_editHost;
    std::unique_ptr<ListEditWnd> m_pEditor;
    CPoint m_ownerPosition;
};

}  // namespace Kelvo
