#pragma once
// mirevoctl's profile and macro file commands: switch profile, export and
// import profiles and macros, sending what changed to the mouse through the
// device worker's tasks, as the program does.
#include "CommandTable.h"

int RunProfile(CommandContext& context);
// "macro export ID FOLDER" and "macro import FILE"; false when `args` names
// neither, so the caller can offer its other macro commands.
bool IsMacroFileCommand(const std::vector<std::string>& args);
int RunMacroFile(CommandContext& context);
