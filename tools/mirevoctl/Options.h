#pragma once
// mirevoctl's command line.
#include <string>
#include <vector>

enum ExitCode {
    kExitOk = 0,
    kExitUsage = 1,
    kExitCatalogue = 2,    // config.xml missing or unreadable
    kExitNoDevice = 3,     // nothing of the catalogue plugged in
    kExitNotConnected = 4, // present, but the mouse cannot be reached (asleep, or only over Bluetooth)
    kExitNoAnswer = 5,     // reachable, but the mouse did not answer
};

struct Options {
    std::string command;       // "list", "status" or "help"
    std::string configFolder;  // folder holding config.xml; empty = beside the program
    int model = 0;             // device_type to start from; 0 = the catalogue's first
    std::string error;         // set when the line cannot be used
};

Options ParseOptions(const std::vector<std::string>& args);
const char* UsageText();
