#pragma once
// mirevoctl's button and macro commands: the button map of a profile, assigning a
// function or a stored macro to a button and writing it, and the stored macros.
#include "CommandTable.h"

int RunButtons(CommandContext& context);  // buttons [read]
int RunAssign(CommandContext& context);   // assign BUTTON TYPE VALUE [VALUE2 [VALUE3]] | assign BUTTON factory
int RunMacros(CommandContext& context);   // macros
int RunUpload(CommandContext& context);   // upload MACRO BUTTON
