#pragma once
// A column of seven colour swatches (red, green, blue, yellow, magenta, cyan, white),
// one of which may be checked. Pressing a swatch tells the parent 27 under the panel's own
// ID with the swatch's index and colour reference, then passes the swatch's own
// notification on.
#include <windows.h>

#include "MPanel.h"

namespace Kelvo {

class CColorButton;

class KELVO_API CColorSelect : public MPanel {
public:
    static constexpr UINT kFirstSwatchId = 631;
    static constexpr int kSwatchCount = 7;

    CColorSelect(MObject* parent, UINT id, CRect rect, int visible);
    ~CColorSelect() override;

    const wchar_t* GetClassNameW() override;
    // Makes the swatches.
    void InitControl(PaintManager* manager) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    // The column does not scroll; the wheel stops here.
    int OnControlScroll(int bar, int direction, CPoint point) override;

    // Checks swatch 0 … 6 (unchecking the others), or with −1 unchecks all; other values
    // do nothing.
    void SetColorIndex(int index);
    // The column has no single colour of its own: 0, and setting one does nothing.
    DWORD GetSelectColor() const { return 0; }
    void SetSelectColor(DWORD) {}

private:
    CColorButton* Swatch(int index);
};

}  // namespace Kelvo
