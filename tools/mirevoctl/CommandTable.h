#pragma once
// mirevoctl's commands, one row each: the name typed on the line, the synopsis
// shown by help, and the function that runs it. A command prints to stdout
// (errors to stderr) and returns its exit code.
#include <string>
#include <vector>

#include "CString.h"
#include "DeviceCatalogue.h"
#include "HidDeviceManager.h"
#include "Options.h"

struct CommandContext {
    HidDeviceManager& manager;
    const DeviceCatalogue& catalogue;
    const Options& options;
    CString configFolder;  // where config.xml was read
    CString dataFolder;    // where the settings stores live
};

struct CommandEntry {
    const char* name;
    const char* synopsis;  // "ARGS  what it does", may hold line breaks indented to match
    const char* example;   // a whole line as help COMMAND shows it
    int (*run)(CommandContext& context);
};

const std::vector<CommandEntry>& CommandTable();
// Null when the line names no command of the table.
const CommandEntry* FindCommand(const std::string& name);
// The whole usage text: synopsis of every command, then the options.
std::string UsageText();
std::vector<std::string> CommandNames();
