#include "CommandTable.h"

#include <cstdio>
#include <string>

#include "Commands.h"

namespace {

int RunHelp(CommandContext&);

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
    // One row per command; commands of a kind sit together, in the order help lists them.
    static const std::vector<CommandEntry> table{
        {"list", "list             catalogue models, the interfaces found with their modes and online\n"
                 "                   state, the active interface and the current model",
         RunList},
        {"status", "status           the current model, how it is connected, and its battery", RunStatus},
        {"help", "help             this text", RunHelp},
    };
    return table;
}

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry& entry : CommandTable())
        if (name == entry.name) return &entry;
    return nullptr;
}

std::string UsageText() {
    std::string text = "Usage: mirevoctl [OPTIONS] COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const CommandEntry& entry : CommandTable()) {
        text += "  ";
        text += entry.synopsis;
        text += '\n';
    }
    text += '\n';
    text += OptionsUsageText();
    return text;
}

namespace {

int RunHelp(CommandContext&) {
    std::printf("%s", UsageText().c_str());
    return kExitOk;
}

}  // namespace
