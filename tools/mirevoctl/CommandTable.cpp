#include "CommandTable.h"

#include <cstdio>
#include <string>

#include "Commands.h"
#include "FileCommands.h"

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
        {"profile", "profile switch N       make profile N current and send it to the mouse\n"
                    "  profile export FOLDER  write the profile (--profile, else the current one) to a file in FOLDER\n"
                    "  profile import FILE    read FILE into the profile and send it to the mouse",
         RunProfile},
        {"macro", "macro export ID FOLDER write stored macro ID to a file in FOLDER\n"
                  "  macro import FILE      add the macro of FILE to the stored macros",
         RunMacroFile},
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
