// The battery gauge's, device state's, light and angle sliders' and level bar's rows of
// the class-name tables. The gauge and the device state live in the main window's frame,
// so only the dialog table knows them.
#include "ControlFactory.h"

#include "BatteryCtrl.h"
#include "CDeviceState.h"
#include "LightSlider.h"
#include "MAngletunability.h"
#include "MLevelCtrl.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"LightSlider", &MakeWithoutTitle<LightSlider>},
    {L"MLevelCtrl", &MakeWithoutTitle<MLevelCtrl>},
    {L"CDeviceState", &MakeWithTitle<CDeviceState>},
    {L"BatteryCtrl", &MakeWithoutTitle<BatteryCtrl>},
    {L"MAngletunability", &MakeWithoutTitle<MAngletunability>},
};

const ControlFactoryRow kPanelRows[] = {
    {L"LightSlider", &MakeWithoutTitle<LightSlider>},
    {L"MLevelCtrl", &MakeWithoutTitle<MLevelCtrl>},
    {L"MAngletunability", &MakeWithoutTitle<MAngletunability>},
};

}  // namespace

ControlFactoryRows StatusFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
