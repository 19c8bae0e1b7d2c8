#pragma once
// Making and placing a page's controls. Pages keep the pointers they make (several
// controls share an ID: three sensor boxes are all 228), and place them in the main
// window's client coordinates, where the page container starts at (100, 75) and every
// offset is scaled by the window's height scale and truncated.
#include "MDialog.h"
#include "MPanel.h"
#include "PageContext.h"

class PageControls {
public:
    PageControls(Kelvo::MDialog& window, PageContext& context) : m_window(window), m_context(context) {}

    // A control of `className` made into the page container `containerId`; null when the
    // container or the class is unknown.
    template <class T>
    T* Make(int containerId, const wchar_t* className, UINT id, const CString& title = CString(), int visible = 1) {
        auto* panel = dynamic_cast<Kelvo::MPanel*>(m_window.GetControl(containerId));
        if (!panel) return nullptr;
        return dynamic_cast<T*>(panel->CreateControl(className, id, CRect(), title.GetString(), visible, 1));
    }

    // v times the scale, truncated as the layout tables do.
    int S(double v) const { return static_cast<int>(v * m_context.Scale()); }
    static void Place(Kelvo::MControl* control, CRect rect) {
        if (control) control->SetControlRect(rect);
    }

    PageContext& Context() { return m_context; }
    Kelvo::MDialog& Window() { return m_window; }

private:
    Kelvo::MDialog& m_window;
    PageContext& m_context;
};
