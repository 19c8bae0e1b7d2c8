// The check, radio, select, colour and switch buttons' rows of the class-name tables.
#include "ControlFactory.h"

#include "CCheckButton.h"
#include "CColorButton.h"
#include "CRadioButton.h"
#include "CSelectButton.h"
#include "CSwitchButton.h"
#include "TextCheckButton.h"

namespace Kelvo {

namespace {

const ControlFactoryRow kDialogRows[] = {
    {L"CCheckButton", &MakeWithTitle<CCheckButton>},
    {L"CRadioButton", &MakeWithTitle<CRadioButton>},
    {L"CSelectButton", &MakeWithTitle<CSelectButton>},
    {L"CColorButton", &MakeWithoutTitle<CColorButton>},
    {L"CSwitchButton", &MakeWithoutTitle<CSwitchButton>},
    {L"TextCheckButton", &MakeWithTitle<TextCheckButton>},
};

// Panels know the same names except the text check box.
const ControlFactoryRow kPanelRows[] = {
    {L"CCheckButton", &MakeWithTitle<CCheckButton>},
    {L"CRadioButton", &MakeWithTitle<CRadioButton>},
    {L"CSelectButton", &MakeWithTitle<CSelectButton>},
    {L"CColorButton", &MakeWithoutTitle<CColorButton>},
    {L"CSwitchButton", &MakeWithoutTitle<CSwitchButton>},
};

}  // namespace

ControlFactoryRows CheckButtonFactoryRows() { return FactoryRowsOf(kDialogRows, kPanelRows); }

}  // namespace Kelvo
