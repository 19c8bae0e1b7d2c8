#pragma once
// mirevoctl's button and macro commands: the button map of a profile, assigning a
// function or a stored macro to a button and writing it, and the stored macros.
// Buttons, functions and macros are taken by name or by number.
#include "CommandTable.h"

int RunButtons(CommandContext& context);  // buttons [read]
int RunAssign(CommandContext& context);   // assign BUTTON FUNCTION | assign BUTTON TYPE VALUE [VALUE2 [VALUE3]]
int RunMacros(CommandContext& context);   // macros
int RunUpload(CommandContext& context);   // upload MACRO BUTTON
