#pragma once
// The push button: four looks (normal, hover, pressed, disabled) pre-rendered side by
// side in its cache from a skin strip of four frames stretched as nine-grids, an optional
// icon over them and the title centred on one line. A press inside sends 1, a release
// inside after that press sends 2.
#include <windows.h>

#include "GdiPlus.h"

#include "ButtonIcon.h"
#include "CString.h"
#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API MButton : public PushButtonBase {
public:
    enum State { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

    MButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);
    ~MButton() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // The icon, loaded from the skin folder; 1 on success, 0 when it cannot be loaded.
    int SetIconImage(const wchar_t* path, int frames);
    // Corner size of the nine-grid frames.
    void SetFrameSize(int corner);
    // Where the title goes, relative to the button; empty: the whole button.
    void SetTextRect(CRect rect);
    // The look shown now (State).
    int GetState() const { return VisibleCell(); }

protected:
    MButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
            ButtonPress::Options press);

    virtual int VisibleCell() const;
    // The skin frame of `cell` into `box` (the cell's place in the cache).
    virtual void DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box);
    virtual Gdiplus::ARGB TitleColour(int cell) const;

    // Frame `cell` at its natural size at the top-left of `box`.
    void DrawNaturalFrame(Gdiplus::Graphics& graphics, int cell, const CRect& box);
    // Marks the cache stale and asks for a repaint.
    void Rerender();

    ButtonIcon m_icon;
    int m_nFrameSize = 8;
    CRect m_rcText;

private:
    void RenderCells(HDC cache, int width, int height);
    void DrawCellTitle(HDC cache, int cell, const CRect& box, const CString& title);
};

}  // namespace Kelvo
