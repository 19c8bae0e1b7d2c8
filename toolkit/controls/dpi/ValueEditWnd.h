#pragma once
// The in-place number editor of the DPI level and report-rate buttons: the toolkit's
// native editor (a super-class of "Edit") under its own class name "ValueEditWnd".
// Its box places it over the value, limits it to five digits and reads it back when it
// closes; the rest (focus loss, Enter and Escape, colours) is the editor's own.
#include "CEditWnd.h"

namespace Kelvo {

class KELVO_API ValueEditWnd : public CEditWnd {
public:
    using CEditWnd::CEditWnd;
    const wchar_t* GetWindowClassName() override;

    // Makes the window over `rect` (client coordinates of `dialog`) with the digits-only,
    // centred style, `font`, at most five characters and 3-pixel margins. Hidden; null
    // when it cannot be made.
    HWND OpenNumberEditor(HWND dialog, CRect rect, HFONT font, int layered);
    void SetText(const CString& text);
    // Puts the caret after the last character.
    void SelectEnd();
};

}  // namespace Kelvo
