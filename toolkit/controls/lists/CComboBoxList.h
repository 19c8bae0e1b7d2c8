#pragma once
// The list inside a combo box's drop-down: rows of text, the hovered and the pressed row
// filled with the select colour. A release on the pressed row reports it to the
// drop-down as notification 2 (wparam the row, lparam 19); so does Enter on the hovered
// row, which Up and Down move.
#include <windows.h>

#include <memory>
#include <vector>

#include "ComboItem.h"
#include "MPanel.h"

namespace Kelvo {

struct ListViewport;

class KELVO_API CComboBoxList : public MPanel {
public:
    static constexpr UINT kChosenLparam = 19;

    CComboBoxList(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~CComboBoxList() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    int OnMousePointChange(CPoint& point) override;
    void SetControlRect(CRect rect) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    int OnControlKeyDown(UINT key, UINT repeat, UINT modifiers) override;

    int AddItem(const wchar_t* text, DWORD data, const wchar_t* secondText, Gdiplus::ARGB colour);
    void DelAllItems();
    int GetItemCount();
    int GetListHeight();
    void SetTextColor(Gdiplus::ARGB colour) override;
    int GetHoverIndex() const { return m_nHover; }
    // Moves the hovered row by `delta` rows and scrolls it into sight.
    void MoveHover(int delta);
    // Reports the hovered row as chosen; 0 when no row is hovered.
    int ChooseHover();

private:
    ListViewport Viewport();
    int HitRow(CPoint point);
    int ContentWidth() const;
    void Choose(int row);

    Lock m_itemLock;
    std::vector<std::unique_ptr<ComboItem>> m_items;
    int m_nHover = -1;
    int m_nPressed = -1;
    int m_nRowHeight = 30;
    Gdiplus::ARGB m_hoverFill;
    Gdiplus::ARGB m_pressedFill;
    int m_nFirstVisible = 0;
    int m_nLastVisible = -1;
};

}  // namespace Kelvo
