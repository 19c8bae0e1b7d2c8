#pragma once
// One entry of a combo box and of its drop-down list.
#include <windows.h>

#include "CString.h"
#include "Geometry.h"
#include "GdiPlus.h"

namespace Kelvo {

struct ComboItem {
    CString text;
    DWORD data = 0;
    CString secondText;                 // carried for the program, not drawn
    Gdiplus::ARGB colour = 0xFF000000;  // carried for the program, not drawn
    CRect rect;                         // where the row was last painted (lists only)
};

}  // namespace Kelvo
