#include "FunctionNames.h"

#include "KeyChord.h"
#include "NameMatch.h"

namespace {

constexpr const char* kFixedKinds[] = {"mouse", "media", "dpi", "light", "shortcut"};

// A disabled button still needs a non-zero value: a record with zero values is
// the factory function.
constexpr int kDisableValue = 1;

ParsedFunction Fail(ParsedFunction::Outcome outcome, std::string error) {
    ParsedFunction parsed;
    parsed.outcome = outcome;
    parsed.error = std::move(error);
    return parsed;
}

ParsedFunction Function(int type, int value, int value2 = 0) {
    ParsedFunction parsed;
    parsed.outcome = ParsedFunction::kFunction;
    parsed.function = codec::ButtonFunction{type, value, value2, 0};
    return parsed;
}

bool IsFixedKind(const std::string& kind) {
    for (const char* k : kFixedKinds)
        if (kind == k) return true;
    return false;
}

ParsedFunction ParseFixed(const std::string& kind, const std::vector<std::string>& words) {
    if (words.size() != 2) return Fail(ParsedFunction::kUsage, kind + " wants one name: " + NameList(NamesOfKind(kind)));
    std::string name = LowerCase(words[1]);
    for (const NamedFunction& f : NamedFunctions())
        if (kind == f.kind && name == f.name) return Function(f.type, f.value);
    return Fail(ParsedFunction::kUnknownName, UnknownName(kind + " function", words[1], NamesOfKind(kind)));
}

ParsedFunction ParseKey(const std::vector<std::string>& words) {
    if (words.size() != 2) return Fail(ParsedFunction::kUsage, "key wants one key with its modifiers, e.g. ctrl+shift+c");
    KeyChord chord;
    std::string unknown;
    if (!ParseKeyChord(words[1], chord, unknown))
        return Fail(ParsedFunction::kUnknownName,
                    UnknownName("key", unknown, LineKeyNames()) + " (after modifiers " + NameList(ModifierWords()) + ")");
    return Function(codec::kFunctionKey, chord.usage, chord.modifiers);
}

}  // namespace

const std::vector<NamedFunction>& NamedFunctions() {
    static const std::vector<NamedFunction> table{
        {"mouse", "left", 1, 1},          {"mouse", "middle", 1, 2},
        {"mouse", "right", 1, 3},         {"mouse", "double-click", 1, 4},
        {"mouse", "back", 1, 5},          {"mouse", "forward", 1, 6},
        {"mouse", "scroll-up", 1, 7},     {"mouse", "scroll-down", 1, 8},
        {"mouse", "scroll-left", 1, 9},   {"mouse", "scroll-right", 1, 10},
        {"media", "player", 3, 1},        {"media", "play-pause", 3, 2},
        {"media", "stop", 3, 3},          {"media", "previous", 3, 4},
        {"media", "next", 3, 5},          {"media", "volume-up", 3, 6},
        {"media", "volume-down", 3, 7},   {"media", "mute", 3, 8},
        {"dpi", "up", 5, 1},              {"dpi", "down", 5, 2},
        {"dpi", "cycle", 5, 3},
        {"light", "on-off", 6, 1},        {"light", "next-effect", 6, 2},
        {"light", "brighter", 6, 3},      {"light", "dimmer", 6, 4},
        {"light", "next-colour", 6, 5},
        {"shortcut", "brightness-up", 8, 1}, {"shortcut", "brightness-down", 8, 2},
        {"shortcut", "calculator", 8, 3},    {"shortcut", "this-pc", 8, 4},
        {"shortcut", "browser-home", 8, 5},  {"shortcut", "email", 8, 6},
        {"shortcut", "refresh", 8, 7},       {"shortcut", "switch-window", 8, 8},
        {"shortcut", "copy", 8, 9},          {"shortcut", "paste", 8, 10},
        {"shortcut", "cut", 8, 11},
    };
    return table;
}

std::vector<std::string> FunctionKinds() {
    return {"mouse", "key", "media", "dpi", "light", "shortcut", "disable", "macro", "factory"};
}

std::vector<std::string> NamesOfKind(const std::string& kind) {
    std::vector<std::string> names;
    for (const NamedFunction& f : NamedFunctions())
        if (kind == f.kind) names.push_back(f.name);
    return names;
}

ParsedFunction ParseNamedFunction(const std::vector<std::string>& words) {
    if (words.empty()) return Fail(ParsedFunction::kUsage, "expected a function after the button");
    std::string kind = LowerCase(words[0]);
    if (IsFixedKind(kind)) return ParseFixed(kind, words);
    if (kind == "key") return ParseKey(words);
    bool alone = words.size() == 1;
    if (kind == "disable") return alone ? Function(codec::kFunctionSingleByte, kDisableValue)
                                        : Fail(ParsedFunction::kUsage, "disable takes no value");
    if (kind == "factory") {
        if (!alone) return Fail(ParsedFunction::kUsage, "factory takes no value");
        ParsedFunction parsed;
        parsed.outcome = ParsedFunction::kFactory;
        return parsed;
    }
    if (kind == "macro") {
        if (words.size() != 2) return Fail(ParsedFunction::kUsage, "macro wants the name of a stored macro (see 'macros')");
        ParsedFunction parsed;
        parsed.outcome = ParsedFunction::kMacro;
        parsed.macroName = words[1];
        return parsed;
    }
    bool numeric = !kind.empty() && kind[0] >= '0' && kind[0] <= '9';
    if (numeric) return ParsedFunction{};
    return Fail(ParsedFunction::kUnknownName, UnknownName("function", words[0], FunctionKinds()) + ", or TYPE VALUE..");
}
