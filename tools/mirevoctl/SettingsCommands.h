#pragma once
// mirevoctl's settings commands: show, set, apply, reset and watch. Each reaches
// the mouse through a DeviceCommand and prints for people, or with --format json
// or kv for scripts.
#include <string>
#include <vector>

#include "CommandTable.h"

int RunShow(CommandContext& context);
int RunSet(CommandContext& context);
int RunApply(CommandContext& context);
int RunReset(CommandContext& context);
int RunWatch(CommandContext& context);

// The names `set` takes before '=', and the parts `reset` resets.
std::vector<std::string> SettingNames();
std::vector<std::string> ResetWords();
