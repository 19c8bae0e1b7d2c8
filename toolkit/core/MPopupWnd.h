#pragma once
// A borderless popup that hosts windowless controls and closes itself when it loses
// activation or on Escape (the drop-down of a combo box is one). Unlike a menu it does
// not delete itself: its owner keeps the object and may create the window again.
//
// A descendant creates its controls in InitUI and reports the user's choice with
// SendMessageToParent: a parent that is a control hears it through its OnMessage, any
// other parent through its OnBaseMessage; both with control ID 0.
#include <windows.h>

#include "MSkinWindow.h"

namespace Kelvo {

class KELVO_API MPopupWnd : public MSkinWindow {
public:
    MPopupWnd();
    ~MPopupWnd() override;

    const wchar_t* GetClassNameW() override;
    const wchar_t* GetWindowClassName() override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    void SetParent(MObject* parent) { m_pParent = parent; }
    virtual MObject* GetParent() { return m_pParent; }
    // The parent's answer; 0 without a parent.
    LRESULT SendMessageToParent(UINT code, WPARAM wparam, LPARAM lparam);
    LRESULT OnCreate(CREATESTRUCTW* create) override;
    LRESULT OnSize(UINT type, int width, int height) override;
    LRESULT OnNcActivate(int active) override;
    // Posts WM_CLOSE.
    virtual void CloseWindow();

private:
    MObject* m_pParent = nullptr;
};

}  // namespace Kelvo
