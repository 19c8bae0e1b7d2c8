// The DPI widgets' rows of the class-name tables. The DPI slider lives in both tables;
// the composite level editor only in the panel table, so a program places it inside a
// panel page.
#include "ControlFactory.h"

#include "ColorButtonEx.h"
#include "DPIButtonEx.h"
#include "DPIControl.h"
#include "DPISlider.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"DPISlider", &MakeWithoutTitle<DPISlider>},
    {L"ColorButtonEx", &MakeWithTitle<ColorButtonEx>},
    {L"DPIButtonEx", &MakeWithTitle<DPIButtonEx>},
};

const ControlFactoryRow kPanelRows[] = {
    {L"DPISlider", &MakeWithoutTitle<DPISlider>},
    {L"DPIControl", &MakeVisibleOnly<DPIControl>},
    {L"ColorButtonEx", &MakeWithTitle<ColorButtonEx>},
    {L"DPIButtonEx", &MakeWithTitle<DPIButtonEx>},
};

}  // namespace

ControlFactoryRows DpiFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
