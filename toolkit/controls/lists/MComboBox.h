#pragma once
// A skinned drop-down: shows the chosen entry's text on a four-frame skin (normal, hover,
// pressed, disabled; the right 32 pixels of each frame hold the arrow) and, on a click,
// opens a CComboBoxWnd below itself listing every entry. Choosing one selects it and
// notifies the parent (2, the index); closing the drop-down otherwise says nothing.
//
// The drop-down closes when the combo is hidden, disabled or destroyed, or its window is
// hidden, moved or disabled. Entries may be added from another thread: every entry
// operation holds the combo's lock.
#include <windows.h>

#include <memory>
#include <vector>

#include "ComboItem.h"
#include "MControlFont.h"

namespace Kelvo {

class CComboBoxWnd;

class KELVO_API MComboBox : public MControlFont {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };
    static constexpr int kRowHeight = 30;
    static constexpr int kMaxRowsShown = 20;

    MComboBox(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~MComboBox() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    void SetControlRect(CRect rect) override;
    void SetControlVisible(int visible) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlLButtonDblClk(UINT flags, CPoint point) override;

    int AddItem(const wchar_t* text, DWORD data, const wchar_t* secondText, Gdiplus::ARGB colour);
    // Inserts before `index` (-1 appends); the new entry's index, -1 for a bad index.
    int InsertItem(int index, const wchar_t* text, DWORD data, const wchar_t* secondText, Gdiplus::ARGB colour);
    int SetItemData(int index, DWORD data);
    DWORD GetItemData(int index);
    CString GetItemText(int index);
    int SetItemText(int index, const wchar_t* text);
    int GetItemCount();
    // -1 clears the text; an index outside -1 ... count - 1 is ignored. No notification.
    void SetCurSel(int index);
    int GetCurSel() const { return m_nSelected; }
    DWORD GetCurData();
    int FindData(DWORD data);
    // 1 when an entry carries `data` (the first is selected); 0 changes nothing.
    int SelectData(DWORD data);
    // Removing the selected entry clears the selection; one before it moves it up.
    int DeleteItem(int index);
    void DelAllItems();
    // The text colour at rest, and the hover and pressed colours; -1 for either is white.
    void SetTextColorEx(Gdiplus::ARGB normal, Gdiplus::ARGB highlight);

    void SetBackImage(const wchar_t* path);
    void SetBackImage(UINT resourceId, const wchar_t* resourceType);
    void SetScrollResID(UINT vertical, UINT horizontal);
    void SetShowModeMID(int a, int b, int c, int d);
    // Where the text goes inside the box; until one is set, the box less 3 pixels all round,
    // following the box wherever it is placed.
    void SetTextRect(CRect rect) {
        m_rcText = rect;
        m_bTextRectSet = 1;
    }

    CString GetCurText() { return GetControlTitle(); }
    int GetState() const { return m_nState; }
    int IsPopupOpen() const { return m_bOpen; }
    CComboBoxWnd* GetPopup() const { return m_pPopup; }
    // Opens the drop-down unless it is open; 1 when it opened.
    int OpenPopup();
    // Closes the drop-down, choosing nothing.
    void ClosePopup();

protected:
    // The look painted in each of the four cells, and which cell shows.
    virtual void DrawCell(HDC dc, Gdiplus::Graphics& graphics, int cell, const CRect& box);
    virtual int ShownCell() const;
    virtual Gdiplus::ARGB CellTextColour(int cell) const;
    // A release inside: the combo opens its drop-down.
    virtual void ReleasedInside();
    void ShowState(int state);
    void DrawCellText(HDC dc, int cell, const CRect& box);

    Lock m_itemLock;
    std::vector<std::unique_ptr<ComboItem>> m_items;
    int m_nSelected = -1;
    int m_nState = kNormal;
    int m_bOpen = 0;
    CComboBoxWnd* m_pPopup = nullptr;
    Gdiplus::ARGB m_hoverText = 0xFFFFFFFF;
    Gdiplus::ARGB m_pressedText = 0xFFFFFFFF;
    Gdiplus::ARGB m_disabledText = 0xFF808080;
    CString m_strBackImage;
    UINT m_uBackResource = 0;
    CString m_strBackType = L"PNG";
    UINT m_uScrollV = 0;
    UINT m_uScrollH = 0;
    CRect m_rcText;
    int m_bTextRectSet = 0;
    int m_showMode[4] = {4, 4, 35, 4};

private:
    void FillPopup();
    void ForgetPopup();
    CPoint m_ownerPosition;
};

}  // namespace Kelvo
