#pragma once
// Button functions by name, as `assign` takes them after the button:
//   mouse left | key ctrl+shift+c | media volume-up | dpi cycle | light on-off |
//   shortcut calculator | disable | macro NAME | factory
// Each name stands for the function type and value that the numeric form
// (`assign BUTTON TYPE VALUE ...`) would give, so both send the same code.
#include <string>
#include <vector>

#include "ButtonCode.h"

// A function word with a fixed value: kind "mouse", name "left" -> type 1, value 1.
struct NamedFunction {
    const char* kind;
    const char* name;
    int type;
    int value;
};

const std::vector<NamedFunction>& NamedFunctions();
// The words that may follow BUTTON, in the order help lists them.
std::vector<std::string> FunctionKinds();
// The names of one kind with a fixed table ("mouse", "media", ...); empty for others.
std::vector<std::string> NamesOfKind(const std::string& kind);

struct ParsedFunction {
    enum Outcome { kFunction, kFactory, kMacro, kNotNamed, kUnknownName, kUsage } outcome = kNotNamed;
    codec::ButtonFunction function{};  // for kFunction
    std::string macroName;             // for kMacro, as typed
    std::string error;                 // for kUnknownName and kUsage
};

// Reads the words after BUTTON. kNotNamed when the first word is no function
// kind (a numeric TYPE, for the caller to read).
ParsedFunction ParseNamedFunction(const std::vector<std::string>& words);
