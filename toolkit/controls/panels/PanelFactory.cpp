// The panels family's rows of the dialog and panel class-name tables. Only the tab page is
// made by name; plain panels and scroll bars are built by the controls that hold them.
#include "ControlFactory.h"
#include "MTabLayout.h"

namespace Kelvo {

namespace {

constexpr ControlFactoryRow kDialogRows[] = {
    {L"MTabLayout", MakeVisibleOnly<MTabLayout>},
};

constexpr ControlFactoryRow kPanelRows[] = {
    {L"MTabLayout", MakeVisibleOnly<MTabLayout>},
};

}  // namespace

ControlFactoryRows PanelFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
