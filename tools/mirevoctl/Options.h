#pragma once
// mirevoctl's command line: options anywhere, then a command and its arguments.
#include <string>
#include <vector>

enum ExitCode {
    kExitOk = 0,
    kExitUsage = 1,
    kExitCatalogue = 2,    // config.xml missing or unreadable
    kExitUnknownName = 2,  // a button, function, key, macro or setting name the command does not know
    kExitNoDevice = 3,     // nothing of the catalogue plugged in
    kExitNotConnected = 4, // present, but the mouse cannot be reached (asleep, or only over Bluetooth)
    kExitNoAnswer = 5,     // reachable, but the mouse did not answer
    kExitStore = 6,        // the settings store cannot be opened or refused a value
    kExitFile = 7,         // a profile or macro file cannot be read, is not one of ours, or cannot be written
};

enum class OutputFormat { kText, kJson, kKeyValue };

struct Options {
    std::string command;            // the first word that is not an option; "help" for -h/--help
    std::vector<std::string> args;  // the words after the command
    std::string configFolder;       // folder holding config.xml; empty = beside the program
    std::string dataFolder;         // folder holding the settings stores; empty = the config folder
    int model = 0;                  // device_type to start from; 0 = the catalogue's first
    int profile = 0;                // 1..5; 0 = the mouse's current profile
    OutputFormat format = OutputFormat::kText;
    std::string error;              // set when the line cannot be used
};

// Parses the line; whether the command exists is the command table's to say.
Options ParseOptions(const std::vector<std::string>& args);
// The options part of the usage text.
const char* OptionsUsageText();
