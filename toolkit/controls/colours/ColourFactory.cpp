// The colour pickers' rows of the class-name tables. The hue bar is made only inside
// panels (the lighting page's tab page); the other pickers in dialogs and panels alike.
#include "ControlFactory.h"

#include "CColorPalette.h"
#include "CColorSelect.h"
#include "CirclePalette.h"
#include "MPalette.h"
#include "PaletteBar.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"MPalette", &MakeVisibleOnly<MPalette>},
    {L"CColorPalette", &MakeVisibleOnly<CColorPalette>},
    {L"CColorSelect", &MakeVisibleOnly<CColorSelect>},
    {L"CirclePalette", &MakeWithoutTitle<CirclePalette>},
};

const ControlFactoryRow kPanelRows[] = {
    {L"MPalette", &MakeVisibleOnly<MPalette>},
    {L"CColorPalette", &MakeVisibleOnly<CColorPalette>},
    {L"CColorSelect", &MakeVisibleOnly<CColorSelect>},
    {L"CirclePalette", &MakeWithoutTitle<CirclePalette>},
    {L"PaletteBar", &MakeVisibleOnly<PaletteBar>},
};

}  // namespace

ControlFactoryRows ColourFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
