#pragma once
// What a native editor window (CEditWnd) asks of the skinned box it edits. The box
// implements it; the editor holds a plain pointer that the box clears (Detach) before it
// goes, so an editor that outlives its box talks to no one.
#include <windows.h>

namespace Kelvo {

class CEditWnd;

class EditorOwner {
public:
    // The user changed the editor's text (EN_CHANGE).
    virtual void OnEditorChanged() = 0;
    // The editor lost the keyboard focus.
    virtual void OnEditorFocusLost() = 0;
    // Enter (keep 1) or Escape (keep 0) ends the editing; 1 when the box took the key.
    virtual int OnEditorFinish(int keep) = 0;
    // Up, Down or the wheel over the editor: +1 or -1; 1 when the box took it.
    virtual int OnEditorStep(int delta) = 0;
    // Whether typed characters reach the editor at all.
    virtual int PassesCharacters() = 0;
    // Colour references for the editor's reflected WM_CTLCOLOR*: 0xFFFFFFFF background
    // leaves the editor's own colours.
    virtual COLORREF EditorBackground() = 0;
    virtual COLORREF EditorTextColour() = 0;
    // Whether the box's window is layered (the editor is then a popup over it).
    virtual int IsOverLayeredWindow() = 0;
    // The editor window is being destroyed; the editor object deletes itself after.
    virtual void OnEditorGone(CEditWnd* editor) = 0;

protected:
    ~EditorOwner() = default;
};

}  // namespace Kelvo
