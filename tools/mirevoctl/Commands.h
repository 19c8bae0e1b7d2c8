#pragma once
// The connection commands of mirevoctl: list and status.
#include "CommandTable.h"

int RunList(CommandContext& context);
int RunStatus(CommandContext& context);
