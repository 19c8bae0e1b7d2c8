#pragma once
// A scrolling list of text rows, each with an optional icon from an image list and a
// 32-bit value, with one selected and one hovered row, and renaming in place: the row's
// text is edited in a native edit window over the row (when EnableShowEdit(1)).
//
// Notifications: 1 when the left button goes down on the list (wparam the row, -1 off
// the rows), 5 when the right button comes up on a row (wparam the row), 29 when a rename
// changed a row's text (lparam the row). Up and Down move the selection while the list
// has the focus and notify like a press.
//
// Rows may be added from another thread while the window paints: every row operation
// holds the list's lock. Everything else belongs to the window's thread.
#include <windows.h>

#include <memory>
#include <vector>

#include "MPanel.h"

namespace Kelvo {

class MImageList;
class ListEditWnd;
struct ListViewport;

struct ListBoxItem {
    CString text;
    int image = -1;
    DWORD data = 0;
    CRect rect;  // where the row was last painted, in content coordinates
};

class KELVO_API MListBox : public MPanel {
public:
    MListBox(MObject* parent, UINT id, CRect rect, int visible);
    ~MListBox() override;

    const wchar_t* GetClassNameW() override;
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
    int OnControlRButtonDown(UINT flags, CPoint point) override;
    // A quick second right press is a press too: double clicks are wanted for the left button only.
    int OnControlRButtonDblClk(UINT flags, CPoint point) override;
    int OnControlRButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;
    // The hovered row's text in the list font 2 points larger, at most 300 pixels wide;
    // null when no row is hovered. The caller owns it.
    HBITMAP GetControlDropBitmap() override;

    int AddString(const wchar_t* text, int image);
    int AddString(const wchar_t* text, DWORD data, int image);
    // Inserts before `index` (-1 appends); returns the new row's index, -1 for an index
    // outside -1 ... count.
    int InsertString(int index, const wchar_t* text, int image, DWORD data);
    int SetItemData(int index, DWORD data);
    DWORD GetItemData(int index);
    int ModifyItemString(int index, const wchar_t* text);
    CString GetItemText(int index);
    int FindString(const wchar_t* text);
    int FindItemData(DWORD data);
    int SetCurData(DWORD data);
    // -1 clears; an index outside the rows leaves the selection and returns 0.
    int SetCurSel(int index);
    int GetCurSel() const { return m_nSelected; }
    int GetHoverIndex() const { return m_nHover; }
    int GetEditIndex() const { return m_nEditing; }
    int GetItemCount();
    void SetItemHeight(int height);
    int GetItemHeight() const { return m_nItemHeight; }
    void SetImageList(MImageList* images);
    CRect GetItemRect(int index);
    int SwapItem(int first, int second);
    // Both clear the hover and the selection and end a rename without committing it.
    int DeleteItem(int index);
    int DeleteAllItems();

    void EnableShowEdit(int enable) { m_bShowEdit = enable ? 1 : 0; }
    // Starts renaming the selected row; 1 when the editor opened.
    int ShowEdit();
    // The native editor while a rename is open, else null.
    HWND GetEditWindow() const;

protected:
    struct RowLook {
        bool hovered;
        bool selected;
        bool edited;
    };
    // What the variants change: the row painting, the editor's place, and the buttons.
    virtual void DrawRow(HDC dc, Gdiplus::Graphics& graphics, const ListBoxItem& item, const CRect& row, RowLook look);
    virtual CRect EditorRect(const CRect& row);
    virtual void PressRow(int row);
    virtual void ReleaseRow(int row);
    virtual void RightPressRow(int row);
    virtual void DoubleClickRow(int row);
    virtual void KeySelected(int row);

    // Opens the editor over `row`; 1 when it opened.
    int StartEdit(int row);
    // Reads the editor back when `commit` (29 when the text changed) and hides it.
    void EndEdit(bool commit);
    int TextLeft() const;
    // The row under a point of the window; -1 off the rows.
    int HitRow(CPoint point);
    int ContentWidth() const;
    ListViewport Viewport();
    void UpdateContentHeight();
    void DrawEditImage(Gdiplus::Graphics& graphics, const CRect& row);

    Lock m_itemLock;
    std::vector<std::unique_ptr<ListBoxItem>> m_items;
    int m_nItemHeight = 30;
    int m_nHover = -1;
    int m_nSelected = -1;
    int m_nEditing = -1;
    int m_nIconColumn = 30;
    Gdiplus::ARGB m_hoverFill;
    Gdiplus::ARGB m_selectFill;
    int m_bShowEdit = 0;
    MImageList* m_pImageList = nullptr;
    COLORREF m_editBackground = 0xF8F8F7;
    COLORREF m_editText;
    Gdiplus::Image* m_pEditImage = nullptr;  // belongs to the paint manager's image cache
    int m_nEditFrames = 1;

private:
    class EditHost;
    std::unique_ptr<EditHost> m_editHost;
    std::unique_ptr<ListEditWnd> m_pEditor;
    CPoint m_ownerPosition;
};

}  // namespace Kelvo
