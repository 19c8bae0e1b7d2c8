#pragma once
// The gallery's window: every toolkit control built so far in its states, and entries
// that open a menu and a popup window. What the user chooses shows in the message box at
// the top.
#include <windows.h>

#include <memory>

#include "MDialog.h"
#include "MenuWnd.h"

#include "GalleryPopup.h"

namespace gallery {

// The message the gallery's menus post to it.
constexpr UINT kMenuMessage = WM_APP + 1;

class GalleryDialog : public Kelvo::MDialog {
public:
    GalleryDialog();
    ~GalleryDialog() override;

    void InitUI(CRect client) override;
    void UISize(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

    // Opens the menu with its top-left corner at `screen`; `activate` 0 shows it without
    // taking the activation (so that the popup may show beside it for a picture).
    Kelvo::MenuWnd* OpenMenu(CPoint screen, bool activate);
    // Opens the popup window below the entry that opens it.
    GalleryPopup* OpenPopup(bool activate);

private:
    void ShowChoice(const wchar_t* text);

    std::unique_ptr<GalleryPopup> m_popup;
};

}  // namespace gallery
