#pragma once
// The gallery's popup window: three choices; the one clicked is reported to the parent
// (wparam = its ID) and the popup closes.
#include <windows.h>

#include "MPopupWnd.h"

namespace gallery {

constexpr UINT kPopupRed = 301;
constexpr UINT kPopupGreen = 302;
constexpr UINT kPopupBlue = 303;

class GalleryPopup : public Kelvo::MPopupWnd {
public:
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 104;

    void InitUI(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
};

}  // namespace gallery
