// The list boxes' and combo boxes' rows of the class-name tables. The drop-down's own
// list is made by name only in windows (it lives in a popup window); the grouped combo
// only in panels (the key page's function panel).
#include "ControlFactory.h"

#include "CComboBoxList.h"
#include "DListBox.h"
#include "MComboBox.h"
#include "MComboBox2.h"
#include "MListBox.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"MComboBox", &MakeWithoutTitle<MComboBox>},
    {L"MListBox", &MakeVisibleOnly<MListBox>},
    {L"DListBox", &MakeVisibleOnly<DListBox>},
    {L"CComboBoxList", &MakeWithoutTitle<CComboBoxList>},
};

const ControlFactoryRow kPanelRows[] = {
    {L"MComboBox", &MakeWithoutTitle<MComboBox>},
    {L"MListBox", &MakeVisibleOnly<MListBox>},
    {L"DListBox", &MakeVisibleOnly<DListBox>},
    {L"MComboBox2", &MakeWithoutTitle<MComboBox2>},
};

}  // namespace

ControlFactoryRows ListFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
