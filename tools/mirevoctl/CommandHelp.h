#pragma once
// `help COMMAND`: one command's usage, the names it accepts and an example.
// Button names depend on the model, so they are listed for every model of the
// catalogue when it can be read.
#include <string>
#include <vector>

#include "CommandTable.h"

struct NameGroup {
    std::string label;
    std::vector<std::string> names;
};

// Empty for a command that takes no names.
std::vector<NameGroup> AcceptedNames(const std::string& command, const DeviceCatalogue* catalogue, const CString& configFolder);

// Prints the whole usage (no argument) or one command's help; an unknown
// command is an unknown name. `catalogue` may be null.
int ShowHelp(const Options& options, const DeviceCatalogue* catalogue, const CString& configFolder);

int RunHelp(CommandContext& context);
