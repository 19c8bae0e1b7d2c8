#include "CommandHelp.h"

#include <cstdio>

#include "FunctionNames.h"
#include "JsonObject.h"
#include "KeyChord.h"
#include "ModelButtons.h"
#include "NameMatch.h"
#include "Report.h"
#include "SettingsCommands.h"
#include "TerminalText.h"

namespace {

void AddButtonGroups(std::vector<NameGroup>& groups, const DeviceCatalogue* catalogue, const CString& configFolder) {
    if (!catalogue) return;
    for (const DeviceModeEntry& model : catalogue->Models()) {
        std::string label = "buttons of " + TerminalText(model.name) + " (" + std::to_string(model.device_type) + ")";
        std::vector<std::string> names = ButtonNames(ModelButtons(*catalogue, configFolder, model.device_type));
        if (!names.empty()) groups.push_back({label, names});
    }
}

std::vector<NameGroup> FunctionGroups() {
    std::vector<NameGroup> groups{{"functions", FunctionKinds()}};
    for (const char* kind : {"mouse", "media", "dpi", "light", "shortcut"}) groups.push_back({kind, NamesOfKind(kind)});
    groups.push_back({"key modifiers", ModifierWords()});
    groups.push_back({"keys", LineKeyNames()});
    return groups;
}

// The names in lines of about 100 columns, under the group's label.
std::string Wrapped(const NameGroup& group) {
    std::string text = "  " + group.label + ":\n   ";
    std::size_t column = 3;
    for (std::size_t i = 0; i < group.names.size(); ++i) {
        std::string word = " " + group.names[i] + (i + 1 < group.names.size() ? "," : "");
        if (column + word.size() > 100) {
            text += "\n   ";
            column = 3;
        }
        text += word;
        column += word.size();
    }
    return text + "\n";
}

void PrintCommandHelp(const CommandEntry& entry, const std::vector<NameGroup>& groups, OutputFormat format) {
    std::string usage = std::string("mirevoctl [OPTIONS] ") + entry.synopsis;
    if (format == OutputFormat::kJson) {
        JsonObject names;
        for (const NameGroup& g : groups) names.Raw(g.label, JsonTextArray(g.names));
        JsonObject().Text("command", std::string(entry.name)).Text("usage", usage).Raw("names", names.Json())
            .Text("example", std::string(entry.example)).Print();
        return;
    }
    std::printf("Usage: %s\n", usage.c_str());
    if (!groups.empty()) {
        std::printf("\nAccepted names (in any case):\n");
        for (const NameGroup& g : groups) std::printf("%s", Wrapped(g).c_str());
    }
    std::printf("\nExample:\n  %s\n", entry.example);
}

}  // namespace

std::vector<NameGroup> AcceptedNames(const std::string& command, const DeviceCatalogue* catalogue, const CString& configFolder) {
    std::vector<NameGroup> groups;
    if (command == "assign" || command == "upload") AddButtonGroups(groups, catalogue, configFolder);
    if (command == "assign") {
        for (NameGroup& g : FunctionGroups()) groups.push_back(std::move(g));
    }
    if (command == "set") groups.push_back({"settings", SettingNames()});
    if (command == "reset") groups.push_back({"parts", ResetWords()});
    if (command == "profile") groups.push_back({"actions", {"switch", "export", "import"}});
    if (command == "macro") groups.push_back({"actions", {"export", "import"}});
    if (command == "buttons") groups.push_back({"actions", {"read"}});
    if (command == "watch") groups.push_back({"limits", {"count", "seconds"}});
    if (command == "help") groups.push_back({"commands", CommandNames()});
    return groups;
}

int ShowHelp(const Options& options, const DeviceCatalogue* catalogue, const CString& configFolder) {
    if (options.args.empty()) {
        if (options.format == OutputFormat::kJson) JsonObject().Text("usage", UsageText()).Print();
        else std::printf("%s", UsageText().c_str());
        return kExitOk;
    }
    std::string name = LowerCase(options.args[0]);
    const CommandEntry* entry = FindCommand(name);
    if (!entry || options.args.size() > 1) {
        if (entry) {
            ReportError("help: expected one command\n");
            return kExitUsage;
        }
        ReportError("help: %s\n", UnknownName("command", options.args[0], CommandNames()).c_str());
        return kExitUnknownName;
    }
    PrintCommandHelp(*entry, AcceptedNames(name, catalogue, configFolder), options.format);
    return kExitOk;
}

int RunHelp(CommandContext& context) { return ShowHelp(context.options, &context.catalogue, context.configFolder); }
