// The progress bar's, static text's and filled area's rows of the class-name tables.
#include "ControlFactory.h"

#include "CArea.h"
#include "MProgress.h"
#include "MText.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kRows[] = {
    {L"CArea", &MakeWithoutTitle<CArea>},
    {L"MText", &MakeWithTitleDisabled<MText>},
    {L"MProgress", &MakeWithoutTitle<MProgress>},
};

}  // namespace

ControlFactoryRows IndicatorFactoryRows() { return FactoryRowsOf(kRows, kRows); }

}  // namespace Kelvo
