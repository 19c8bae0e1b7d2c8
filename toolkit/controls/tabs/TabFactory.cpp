// The tabs family's rows of the dialog and panel class-name tables.
#include "ControlFactory.h"
#include "MSlider.h"
#include "MTabCtrl.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"MSlider", MakeWithoutTitle<MSlider>},
    {L"MTabCtrl", MakeWithoutTitle<MTabCtrl>},
};

const ControlFactoryRow kPanelRows[] = {
    {L"MSlider", MakeWithoutTitle<MSlider>},
    {L"MTabCtrl", MakeWithoutTitle<MTabCtrl>},
};

}  // namespace

ControlFactoryRows TabFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
