#include "CommandTable.h"

#include <cstdio>
#include <string>

#include "ButtonCommands.h"
#include "Commands.h"
#include "SettingsCommands.h"
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
        {"show", "show             read the mouse and show the profile's settings, lighting and battery", RunShow},
        {"set", "set NAME=VALUE.. store and send settings: dpiN=DPI, dpi-colourN=RRGGBB, dpi-count=N,\n"
                "                   dpi-level=N, rate=HZ, sensor=FLAGS, liftoff=1|2, scroll=normal|reversed,\n"
                "                   esports=on|off, response=0-20, sleep=CODE, light-mode=N,\n"
                "                   light-brightness=N, light-speed=N, light-colour=RRGGBB",
         RunSet},
        {"apply", "apply [N]        make profile N (or --profile) the mouse's current profile", RunApply},
        {"reset", "reset WHAT       reset buttons, lighting, all (both) or factory", RunReset},
        {"watch", "watch [count=N] [seconds=S]\n"
                  "                 print status and notifications until interrupted, N events or S seconds",
         RunWatch},
        {"buttons", "buttons [read]   the profile's assigned buttons; with 'read', read the mouse's button map\n"
                    "                   into the profile first",
         RunButtons},
        {"assign", "assign BUTTON TYPE VALUE [VALUE2 [VALUE3]]\n"
                   "                 store a function for BUTTON and write it: TYPE 1 mouse, 2 key (VALUE usage,\n"
                   "                   VALUE2 modifiers, VALUE3 second key), 3 media, 5 DPI, 6 numbered, 7 key with\n"
                   "                   parameters, 8 shortcut, 9 single-byte\n"
                   "  assign BUTTON factory  remove the stored function and restore the factory one",
         RunAssign},
        {"macros", "macros           the stored macros: id, name, steps, play type and times", RunMacros},
        {"upload", "upload MACRO BUTTON\n"
                   "                 assign stored macro MACRO (an id of 'macros') to BUTTON and upload it",
         RunUpload},
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
