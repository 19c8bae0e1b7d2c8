#pragma once
// The native editor that a skinned edit box places over its text while the user types:
// a super-class of the system "Edit" (window class "EditWindow"). It reports changes,
// focus loss and finishing keys to its box (EditorOwner), paints in the box's colours
// and, on a layered dialog, lives as a popup at screen coordinates, because a layered
// window cannot show a child.
//
// The object deletes itself when its window is destroyed; a box that goes first calls
// Detach and destroys the window. An object whose window was never made is deleted by
// its owner.
#include <windows.h>

#include "CString.h"
#include "MWindow.h"

namespace Kelvo {

class EditorOwner;

// The caret blink timer of an editor window.
constexpr UINT_PTR kEditorBlinkTimer = 6553;

class KELVO_API CEditWnd : public MWindow {
public:
    explicit CEditWnd(EditorOwner* owner);
    ~CEditWnd() override;

    const wchar_t* GetWindowClassName() override;
    const wchar_t* GetSuperClassName() override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    void OnDestroyMessage(HWND window) override;

    // Makes the window over `rect` (client coordinates of `dialog`): a child, or over a
    // layered dialog a popup owned by it. It starts hidden. Null when it cannot be made.
    HWND Open(HWND dialog, CRect rect, DWORD editStyle, int layered);
    // Moves the window onto `rect` (client coordinates of the dialog).
    void Place(CRect rect);
    // Shows it without activation, focuses it and selects all its text.
    void ShowFocused();
    CString GetText() const;
    void Detach() { m_pOwner = nullptr; }
    // Destroys the window (the object goes with it) or, with no window, the object.
    void Release();

protected:
    // A key that ends or steps the editing; 1 when taken.
    virtual int OnEditorKey(UINT key);

    EditorOwner* m_pOwner;

private:
    LRESULT OnReflectedColour(HDC dc);

    HBRUSH m_hBackBrush = nullptr;
    int m_bBlinkPhase = 0;
    int m_bPopup = 0;
};

// The number edits' editor: Up and Down (and the wheel) step the value as the buttons do.
class KELVO_API CNumberEditWnd : public CEditWnd {
public:
    using CEditWnd::CEditWnd;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

protected:
    int OnEditorKey(UINT key) override;
};

// NumberEdit2's editor behaves exactly as NumberEdit's.
using CNumberEditWnd2 = CNumberEditWnd;

}  // namespace Kelvo
