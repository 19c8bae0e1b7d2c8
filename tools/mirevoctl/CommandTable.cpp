#include "CommandTable.h"

#include <cstdio>
#include <string>

#include "ButtonCommands.h"
#include "CommandHelp.h"
#include "Commands.h"
#include "SettingsCommands.h"
#include "FileCommands.h"

const std::vector<CommandEntry>& CommandTable() {
    // One row per command; commands of a kind sit together, in the order help lists them.
    static const std::vector<CommandEntry> table{
        {"list", "list             catalogue models, the interfaces found with their modes and online\n"
                 "                   state, the active interface and the current model",
         "mirevoctl list", RunList},
        {"status", "status           the current model, how it is connected, and its battery", "mirevoctl status", RunStatus},
        {"profile", "profile switch N       make profile N current and send it to the mouse\n"
                    "  profile export FOLDER  write the profile (--profile, else the current one) to a file in FOLDER\n"
                    "  profile import FILE    read FILE into the profile and send it to the mouse",
         "mirevoctl profile switch 2", RunProfile},
        {"macro", "macro export ID FOLDER write stored macro ID to a file in FOLDER\n"
                  "  macro import FILE      add the macro of FILE to the stored macros",
         "mirevoctl macro import my-macro.xml", RunMacroFile},
        {"show", "show             read the mouse and show the profile's settings, lighting and battery", "mirevoctl --json show", RunShow},
        {"set", "set NAME=VALUE.. store and send settings: dpiN=DPI, dpi-colourN=RRGGBB, dpi-count=N,\n"
                "                   dpi-level=N, rate=HZ, sensor=FLAGS, liftoff=1|2, scroll=normal|reversed,\n"
                "                   esports=on|off, response=0-20, sleep=CODE, light-mode=N,\n"
                "                   light-brightness=N, light-speed=N, light-colour=RRGGBB",
         "mirevoctl set dpi1=1600 rate=1000 scroll=reversed", RunSet},
        {"apply", "apply [N]        make profile N (or --profile) the mouse's current profile", "mirevoctl apply 2", RunApply},
        {"reset", "reset WHAT       reset buttons, lighting, all (both) or factory", "mirevoctl reset buttons", RunReset},
        {"watch", "watch [count=N] [seconds=S]\n"
                  "                 print status and notifications until interrupted, N events or S seconds",
         "mirevoctl watch seconds=10", RunWatch},
        {"buttons", "buttons [read]   the profile's assigned buttons; with 'read', read the mouse's button map\n"
                    "                   into the profile first",
         "mirevoctl buttons read", RunButtons},
        {"assign", "assign BUTTON FUNCTION\n"
                   "                 store a function for BUTTON (its index or its name, see 'help assign') and\n"
                   "                   write it: mouse NAME, key [MODIFIER+..]KEY, media NAME, dpi up|down|cycle,\n"
                   "                   light NAME, shortcut NAME, disable, macro NAME, or factory (restore the\n"
                   "                   factory function)\n"
                   "  assign BUTTON TYPE VALUE [VALUE2 [VALUE3]]\n"
                   "                 the same by number: TYPE 1 mouse, 2 key (VALUE usage, VALUE2 modifiers,\n"
                   "                   VALUE3 second key), 3 media, 5 DPI, 6 numbered, 7 key with parameters,\n"
                   "                   8 shortcut, 9 single-byte",
         "mirevoctl assign middle-button key ctrl+shift+c", RunAssign},
        {"macros", "macros           the stored macros: id, name, steps, play type and times", "mirevoctl macros", RunMacros},
        {"upload", "upload MACRO BUTTON\n"
                   "                 assign stored macro MACRO (an id or a name of 'macros') to BUTTON and upload it",
         "mirevoctl upload my-macro back-button", RunUpload},
        {"help", "help [COMMAND]   this text, or one command's usage, accepted names and an example", "mirevoctl help assign", RunHelp},
    };
    return table;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const CommandEntry& entry : CommandTable()) names.push_back(entry.name);
    return names;
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
