// The buttons family's rows of the dialog and panel class-name tables.
#include "CHelpButton.h"
#include "CIconButton.h"
#include "CImageButton.h"
#include "CTextButton.h"
#include "CTimerButton.h"
#include "ControlFactory.h"
#include "DownloadButton.h"
#include "LongPressButton.h"
#include "MButton.h"
#include "MButton2.h"
#include "MButton3.h"
#include "UpgradeButton.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"MButton", MakeWithTitle<MButton>},
    {L"CImageButton", MakeWithTitle<CImageButton>},
    {L"CTextButton", MakeWithTitle<CTextButton>},
    {L"CIconButton", MakeWithTitle<CIconButton>},
    {L"CTimerButton", MakeWithTitle<CTimerButton>},
    {L"CHelpButton", MakeWithTitle<CHelpButton>},
};

// Panels also make the upgrade, download, long-press and flat buttons, which only ever
// live on pages of a tab layout.
const ControlFactoryRow kPanelRows[] = {
    {L"MButton", MakeWithTitle<MButton>},
    {L"CImageButton", MakeWithTitle<CImageButton>},
    {L"CTextButton", MakeWithTitle<CTextButton>},
    {L"CIconButton", MakeWithTitle<CIconButton>},
    {L"CTimerButton", MakeWithTitle<CTimerButton>},
    {L"CHelpButton", MakeWithTitle<CHelpButton>},
    {L"UpgradeButton", MakeWithTitle<UpgradeButton>},
    {L"DownloadButton", MakeWithTitle<DownloadButton>},
    {L"LongPressButton", MakeWithTitle<LongPressButton>},
    {L"MButton2", MakeWithoutTitle<MButton2>},
    {L"MButton3", MakeWithoutTitle<MButton3>},
};

}  // namespace

ControlFactoryRows ButtonFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
