// The edit boxes', number edits', spinners' and rich edits' rows of the class-name tables.
#include "ControlFactory.h"

#include "CSpinButton.h"
#include "MEdit.h"
#include "MEditEx.h"
#include "MRichEdit.h"
#include "MSpinButton.h"
#include "NumberEdit.h"
#include "NumberEdit2.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"MSpinButton", &MakeWithoutTitle<MSpinButton>}, {L"CSpinButton", &MakeWithoutTitle<CSpinButton>},
    {L"MEdit", &MakeWithTitle<MEdit>},                {L"MRichEdit", &MakeWithTitle<MRichEdit>},
    {L"MEditEx", &MakeWithTitle<MEditEx>},
};

// Number edits live only inside panels (the program's pages).
const ControlFactoryRow kPanelRows[] = {
    {L"MSpinButton", &MakeWithoutTitle<MSpinButton>}, {L"CSpinButton", &MakeWithoutTitle<CSpinButton>},
    {L"MEdit", &MakeWithTitle<MEdit>},                {L"MRichEdit", &MakeWithTitle<MRichEdit>},
    {L"MEditEx", &MakeWithTitle<MEditEx>},
    {L"NumberEdit", &MakeVisibleOnly<NumberEdit>},
    {L"NumberEdit2", &MakeVisibleOnly<NumberEdit2>},
};

}  // namespace

ControlFactoryRows TextInputFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
