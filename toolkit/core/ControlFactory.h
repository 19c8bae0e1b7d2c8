#pragma once
// Controls made by class name. A dialog (and menus and popups) and a panel each know a
// table of class names; the name is compared exactly. An unknown name makes nothing.
// The rows live in ControlFactoryTables.cpp: a control joins a table with one line there.
#include <windows.h>

#include <cstddef>

#include "Geometry.h"
#include "KelvoApi.h"

namespace Kelvo {

class MControl;
class MObject;

// Makes a control of class `name` with `parent` as its parent; null for a name the table
// does not hold. The caller attaches it to its paint manager and owns it from then on.
using ControlMaker = MControl* (*)(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible,
                                   int enabled);

struct ControlFactoryRow {
    const wchar_t* name;
    ControlMaker make;
};

// One family of controls' rows for the two tables (each family keeps its own, in
// controls/<family>/<Family>Factory.cpp).
struct ControlFactoryRows {
    const ControlFactoryRow* dialog = nullptr;
    std::size_t dialogCount = 0;
    const ControlFactoryRow* panel = nullptr;
    std::size_t panelCount = 0;
};

template <std::size_t D, std::size_t P>
constexpr ControlFactoryRows FactoryRowsOf(const ControlFactoryRow (&dialog)[D], const ControlFactoryRow (&panel)[P]) {
    return ControlFactoryRows{dialog, D, panel, P};
}

ControlFactoryRows ButtonFactoryRows();       // push buttons
ControlFactoryRows CheckButtonFactoryRows();  // check, radio, select, colour and switch buttons
ControlFactoryRows PanelFactoryRows();
ControlFactoryRows PictureFactoryRows();
ControlFactoryRows IndicatorFactoryRows();    // progress bars, static texts, filled areas
ControlFactoryRows TabFactoryRows();          // tab controls and sliders
ControlFactoryRows TextInputFactoryRows();    // edit boxes, number edits, spinners, rich edits
ControlFactoryRows ListFactoryRows();         // list boxes and combo boxes
ControlFactoryRows StatusFactoryRows();       // battery, device state, light and angle sliders, level bar
ControlFactoryRows DpiFactoryRows();          // DPI sliders and their value editors
ControlFactoryRows ColourFactoryRows();       // colour palettes, bars and selections
ControlFactoryRows MouseFactoryRows();        // mouse buttons, macro and record lists

// The table of windows (MDialog, MenuWnd, MPopupWnd) and that of panels (MPanel and the
// controls built on it).
KELVO_API MControl* CreateDialogControl(const wchar_t* name, MObject* parent, UINT id, CRect rect,
                                        const wchar_t* title, int visible, int enabled);
KELVO_API MControl* CreatePanelControl(const wchar_t* name, MObject* parent, UINT id, CRect rect,
                                       const wchar_t* title, int visible, int enabled);

// The constructor shapes of the controls, so that a row names only the class:
// (parent, id, rect, title, visible, enabled), (… title, visible) created disabled,
// (… visible, enabled) and (… visible).
template <class Control>
MControl* MakeWithTitle(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled) {
    return new Control(parent, id, rect, title, visible, enabled);
}

template <class Control>
MControl* MakeWithTitleDisabled(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int) {
    return new Control(parent, id, rect, title, visible);
}

template <class Control>
MControl* MakeWithoutTitle(MObject* parent, UINT id, CRect rect, const wchar_t*, int visible, int enabled) {
    return new Control(parent, id, rect, visible, enabled);
}

template <class Control>
MControl* MakeVisibleOnly(MObject* parent, UINT id, CRect rect, const wchar_t*, int visible, int) {
    return new Control(parent, id, rect, visible);
}

}  // namespace Kelvo
