#pragma once
// A combo box's drop-down: a layered popup filled with 0x333333 inside a select-colour
// border, holding the list of choices (CComboBoxList, ID 88) inset 3 pixels at the sides
// and 6 at the top and bottom. It tells its parent (the combo) of a choice (2, the row,
// 19), and, once its window is gone, that it closed (22): the parent then retires it
// (freed once no handler of it is left on the stack).
#include <windows.h>

#include "MPopupWnd.h"

namespace Kelvo {

class CComboBoxList;

class KELVO_API CComboBoxWnd : public MPopupWnd {
public:
    static constexpr UINT kListId = 88;
    static constexpr UINT kNotifyClosed = 22;

    CComboBoxWnd();
    ~CComboBoxWnd() override;

    const wchar_t* GetClassNameW() override;
    void InitUI(CRect client) override;
    void UISize(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT PostNcDestroy() override;

    CComboBoxList* GetList() const { return m_pList; }
    // Closes the window soon; safe from inside any of its own handlers.
    void CloseWindow() override;
    // The parent lets go: the window closes soon and the object then deletes itself.
    void Abandon();

private:
    bool m_bAbandoned = false;
    COLORREF m_fill = RGB(0x33, 0x33, 0x33);
    COLORREF m_border;
    CComboBoxList* m_pList = nullptr;  // a control of the paint manager, freed with it
};

}  // namespace Kelvo
