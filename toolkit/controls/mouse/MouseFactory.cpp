// The mouse-button and macro widgets' rows of the class-name tables. They are made only
// inside panels (a program places them on an MTabLayout page), never on a dialog.
#include "ControlFactory.h"
#include "CRecordList.h"
#include "MacroList.h"
#include "MouseCtrl.h"
#include "MouseKeyCtrl.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kPanelRows[] = {
    {L"MacroList", &MakeVisibleOnly<MacroList>},
    {L"CRecordList", &MakeVisibleOnly<CRecordList>},
    {L"MouseKeyCtrl", &MakeVisibleOnly<MouseKeyCtrl>},
    {L"MouseCtrl", &MakeVisibleOnly<MouseCtrl>},
};

}  // namespace

ControlFactoryRows MouseFactoryRows() { return ControlFactoryRows{nullptr, 0, kPanelRows, std::size(kPanelRows)}; }

}  // namespace Kelvo
