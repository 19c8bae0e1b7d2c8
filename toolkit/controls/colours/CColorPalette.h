#pragma once
// A colour chooser panel: a row of eight preset swatches, a colour field (MPalette) under
// them, and beside it the chosen colour's swatch, red, green and blue spinners and a hex
// edit (RRGGBB). Whichever part the user works, the others follow, and the panel tells
// its parent 27 under its own ID with the colour reference in lparam. The children's own
// notifications go on to the parent as well, except the field's and an edit text that is
// not six characters long.
#include <windows.h>

#include "MPanel.h"

namespace Kelvo {

class CColorButton;
class MEdit;
class MPalette;
class MSpinButton;

class KELVO_API CColorPalette : public MPanel {
public:
    static constexpr UINT kFirstPresetId = 631;
    static constexpr int kPresetCount = 8;
    static constexpr UINT kPaletteId = 620;
    static constexpr UINT kSelectionId = 622;
    static constexpr UINT kFirstLabelId = 650;  // "R", "G", "B", "#"
    static constexpr UINT kFirstSpinId = 654;   // red, green, blue
    static constexpr UINT kHexEditId = 657;

    CColorPalette(MObject* parent, UINT id, CRect rect, int visible);
    ~CColorPalette() override;

    const wchar_t* GetClassNameW() override;
    // Makes the children and shows the field's colour in the hex edit.
    void InitControl(PaintManager* manager) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    // Moves the chosen swatch, labels, spinners and edit to their laid-out places.
    void SetControlRect(CRect rect) override;
    // Every child but the labels follows, each repainted when its flag changed.
    void SetControlEnabled(int enabled) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    int OnControlScroll(int bar, int direction, CPoint point) override;
    // To the labels, the spinners and the edit.
    void SetTextColor(Gdiplus::ARGB colour) override;
    // The skin of the spinners and the edit; returns 1.
    int SetImage(const wchar_t* path, int frames) override;
    using MPanel::SetImage;

    // The field's colour reference; 0 before the panel is attached to a window.
    DWORD GetSelectColor();
    // Given to the field.
    void SetSelectColor(DWORD colour);
    void SetThumbImage(const wchar_t* path);
    // A repaint request for the panel, then for each of its visible children.
    void UpdateControlEx(int redraw);

private:
    void PlaceChildren(bool laidOut);
    MPalette* Palette();
    MSpinButton* Spin(int index);
    MEdit* HexEdit();
    CColorButton* Selection();
    // The spinners and the edit show `colour`, the checked selection swatch takes it, and
    // the parent hears 27.
    void ShowColour(DWORD colour);
    void UpdateSelection(DWORD colour);
    // The spinners and the field take `colour`.
    void TakeColour(DWORD colour);
    // Code 26 of the hex edit; false when the text is not six characters.
    bool TakeHexText();
};

}  // namespace Kelvo
