#pragma once
// What the two views of a mouse's buttons share: the buttons (label, function shown, key
// value and, for the picture, where the call-out goes) behind a lock of their own, one
// selected and one hovered button, and the pointer's behaviour. A press on a button
// selects it and sends 1 (wparam the button); a release inside while a button is
// selected sends 2 (wparam the hovered button). The views differ in where a button is
// and how it is drawn.
#include <windows.h>

#include <vector>

#include "MPanel.h"

namespace Kelvo {

struct MouseButtonItem {
    CString name;
    CString description;
    int keyValue = 0;
    int direction = 0;
    CPoint point1;
    CPoint point2;
    CRect rect;  // the row or label box, in window coordinates, as last laid out
};

class KELVO_API MouseButtonView : public MPanel {
public:
    MouseButtonView(MObject* parent, UINT id, CRect rect, int visible, int rowHeight);
    ~MouseButtonView() override;

    void DrawControl(HDC dc, const CRect& clip) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    void SetControlRect(CRect rect) override;

    int DeleteAllItems();
    // -1 clears; an index outside the buttons changes nothing.
    int SetSelectItem(int index);
    int GetSelectItem() const { return m_nSelected; }
    int GetHoverItem() const { return m_nHover; }
    int GetItemKeyValue(int index);
    CString GetItemKeyName(int index);
    // Renames a button (the page applies its language texts this way).
    int SetItemText(int index, const wchar_t* name);
    int GetItemCount();
    void SetScaleValue(float scale);
    float GetScaleValue() const { return m_fScale; }
    // Where button `index` is drawn, in window coordinates; empty out of range.
    CRect GetItemRect(int index);

protected:
    struct ItemLook {
        bool selected;
        bool hovered;
    };
    int Append(MouseButtonItem item);
    // Gives every button its rectangle for the current size and scale.
    virtual void LayoutItems() = 0;
    virtual void DrawItems(HDC dc, Gdiplus::Graphics& graphics, const CRect& client) = 0;
    virtual CString TooltipOf(const MouseButtonItem& item) = 0;
    int Scaled(int length) const { return static_cast<int>(length * m_fScale + 0.5f); }
    int ItemAt(CPoint point);
    // The control's title drawing in another colour, for the highlighted buttons.
    void DrawTextIn(HDC dc, const CRect& rect, const CString& text, Gdiplus::ARGB colour);
    // The largest size, from the font's own down to three quarters of it, at which
    // `text` fits the width of `rect` on one line.
    int FittingFontSize(HDC dc, const CRect& rect, const CString& text);
    void Repaint();

    Lock m_itemLock;
    std::vector<MouseButtonItem> m_items;
    int m_nRowHeight;
    float m_fScale = 1.0f;
    int m_nSelected = -1;
    int m_nHover = -1;
    Gdiplus::ARGB m_highlight;
};

}  // namespace Kelvo
