#include "ButtonCommands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ButtonCode.h"
#include "DeviceCommand.h"
#include "FeatureDialect.h"
#include "FunctionNames.h"
#include "JsonObject.h"
#include "ModelButtons.h"
#include "NameMatch.h"
#include "OutputDialect.h"
#include "Report.h"
#include "TerminalText.h"
#include "Utf.h"
#include "buttons/ButtonWording.h"

namespace {

constexpr int kLayer = 0;

// Descriptions and macro names come from imported files and the store.
std::string Utf8(const CString& text) { return TerminalText(text); }

// A whole decimal number within [low, high]; false for anything else.
bool ParseInt(const std::string& word, int low, int high, int& out) {
    if (word.empty() || word.size() > 9) return false;
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

int Usage(const char* command, const char* why) {
    ReportError("%s: %s\n", command, why);
    return kExitUsage;
}

// The first family's dialects read the map; the second family reads its buttons
// as part of reading everything.
bool ReadButtons(DeviceCommand& cmd) {
    if (auto* feature = dynamic_cast<FeatureDialect*>(&cmd.Dialect())) return feature->ReadButtonMap(cmd.Session());
    if (auto* output = dynamic_cast<OutputDialect*>(&cmd.Dialect())) return output->ReadButtonMap(cmd.Session());
    return cmd.Dialect().ReadEverything(cmd.Session());
}

void PrintButtons(int profile, const std::vector<KeyAssignment>& rows, OutputFormat format) {
    if (format == OutputFormat::kJson) {
        std::string out = "{\"profile\": " + std::to_string(profile) + ", \"buttons\": [";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const KeyAssignment& a = rows[i];
            if (i) out += ", ";
            out += "{\"button\": " + std::to_string(a.key_code) + ", \"type\": " + std::to_string(a.macro_type) +
                   ", \"value\": " + std::to_string(a.macro_value) + ", \"value2\": " + std::to_string(a.macro_value2) +
                   ", \"value3\": " + std::to_string(a.macro_value3) + ", \"desc\": " + JsonText(a.macro_desc) + "}";
        }
        std::printf("%s]}\n", out.c_str());
        return;
    }
    if (format == OutputFormat::kKeyValue) {
        for (const KeyAssignment& a : rows)
            std::printf("button%d=%d,%d,%d,%d\n", a.key_code, a.macro_type, a.macro_value, a.macro_value2, a.macro_value3);
        return;
    }
    std::printf("Profile %d: %d button%s assigned (others keep their factory function)\n", profile,
                static_cast<int>(rows.size()),
                rows.size() == 1 ? "" : "s");
    for (const KeyAssignment& a : rows) {
        std::printf("  button %-3d type %d  values %d %d %d", a.key_code, a.macro_type, a.macro_value, a.macro_value2,
                    a.macro_value3);
        if (!a.macro_desc.IsEmpty()) std::printf("  %s", Utf8(a.macro_desc).c_str());
        std::printf("\n");
    }
}

int StoreFailure(const char* command) {
    ReportError("%s: the settings store refused the assignment\n", command);
    return kExitStore;
}

int UnknownNameFailure(const char* command, const std::string& error) {
    ReportError("%s: %s\n", command, error.c_str());
    return kExitUnknownName;
}

int Written(const DeviceCommand& cmd, int code, const KeyAssignment& record, const char* what) {
    if (code != kExitOk) return code;
    if (cmd.Context().options.format == OutputFormat::kText) {
        std::printf("Button %d of profile %d: %s\n", record.key_code, cmd.Profile(), what);
    } else {
        JsonObject reply;
        reply.Number("button", record.key_code).Number("profile", cmd.Profile()).Number("type", record.macro_type);
        reply.Number("value", record.macro_value).Number("value2", record.macro_value2).Number("value3", record.macro_value3);
        reply.Bool("sent", true).Print();
    }
    return code;
}

// TYPE VALUE [VALUE2 [VALUE3]] after the button, as numbers.
int ParseNumericFunction(const std::vector<std::string>& args, KeyAssignment& record) {
    int* fields[] = {&record.macro_type, &record.macro_value, &record.macro_value2, &record.macro_value3};
    if (args.size() < 3 || args.size() > 5) return Usage("assign", "expected TYPE VALUE [VALUE2 [VALUE3]]");
    if (!ParseInt(args[1], 1, 9, record.macro_type)) return Usage("assign", "TYPE is a function type, 1 to 9");
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (!ParseInt(args[i], 0, 0xFFFF, *fields[i - 1])) return Usage("assign", "values are numbers 0 to 65535");
    }
    if (record.macro_value == 0 && record.macro_value2 == 0)
        return Usage("assign", "VALUE and VALUE2 both 0 is the factory function: use 'assign BUTTON factory'");
    if (record.macro_type == codec::kFunctionMacro) return Usage("assign", "a macro goes on a button with 'upload'");
    return kExitOk;
}

// The button of the line. A number is checked before the mouse is opened (no
// `cmd` yet); a name needs the model, known once it is.
int ButtonOf(const char* command, const std::string& word, const DeviceCommand* cmd, int& button) {
    bool named = word.empty() || word.find_first_not_of("0123456789") != std::string::npos;
    if (named && !cmd) return kExitOk;
    std::vector<ModelButton> buttons;
    if (cmd) {
        const CommandContext& context = cmd->Context();
        buttons = ModelButtons(context.catalogue, context.configFolder, cmd->DeviceType());
    }
    std::string error;
    switch (ResolveButton(buttons, word, button, error)) {
    case ButtonWord::kFound: return kExitOk;
    case ButtonWord::kBadNumber: return Usage(command, error.c_str());
    case ButtonWord::kUnknownName: return UnknownNameFailure(command, error);
    }
    return kExitUsage;
}

// A stored macro by its id, or by its name in any case (blanks may be typed as '-').
int MacroOf(const char* command, DeviceCommand& cmd, const std::string& word, MacroHeader& macro) {
    int id = 0;
    if (ParseInt(word, 1, 0x7FFFFFFF, id)) {
        if (cmd.Store().GetMacro(id, macro)) return kExitOk;
        ReportError("%s: there is no stored macro %d\n", command, id);
        return kExitUsage;
    }
    std::vector<MacroHeader> macros;
    cmd.Store().ListMacros(macros);
    std::vector<std::string> names;
    std::string wanted = LowerCase(word);
    for (const MacroHeader& m : macros) {
        std::string name = LowerCase(utf::WideToUtf8(m.name.str()));
        if (name == wanted || LineName(m.name) == wanted) {
            macro = m;
            return kExitOk;
        }
        names.push_back(Utf8(m.name));
    }
    if (names.empty()) names.push_back("(no stored macros: add one with 'macro import FILE')");
    return UnknownNameFailure(command, UnknownName("macro", word, names));
}

int UploadMacro(DeviceCommand& cmd, const MacroHeader& macro, int button) {
    KeyAssignment record;
    record.profile = cmd.Profile();
    record.key_code = button;
    record.layout_value = button;
    record.macro_type = codec::kFunctionMacro;
    record.macro_value = macro.macro_id;
    record.macro_desc = macro.name;
    if (cmd.Store().SaveKeyAssignment(record) <= 0) return StoreFailure("upload");
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    return Written(cmd, cmd.TaskResult(cmd.Dialect().WriteButton(cmd.Session(), button), "uploading the macro"), record,
                   "macro uploaded to the mouse");
}

int RestoreFactory(DeviceCommand& cmd, KeyAssignment record) {
    // A record with zero parameters removes the stored row: the factory function applies again.
    cmd.Store().SaveKeyAssignment(record);
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    int restored = cmd.TaskResult(cmd.Dialect().RestoreButton(cmd.Session(), record.key_code), "restoring the button");
    return Written(cmd, restored, record, "factory function restored");
}

int WriteFunction(DeviceCommand& cmd, KeyAssignment record) {
    record.macro_desc = codec::DescribeButtonFunction(codec::FunctionOf(record), CurrentButtonWording().texts);
    if (cmd.Store().SaveKeyAssignment(record) <= 0) return StoreFailure("assign");
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    return Written(cmd, cmd.TaskResult(cmd.Dialect().WriteButton(cmd.Session(), record.key_code), "writing the button"),
                   record, "function written to the mouse");
}

}  // namespace

int RunButtons(CommandContext& context) {
    const auto& args = context.options.args;
    bool read = args.size() == 1 && LowerCase(args[0]) == "read";
    if (!args.empty() && !read) return Usage("buttons", "expected nothing or 'read'");
    DeviceCommand cmd(context);
    int code = read ? cmd.Open(true) : cmd.OpenStoreOnly();
    if (code != kExitOk) return code;
    if (read) {
        code = cmd.TaskResult(ReadButtons(cmd), "reading the buttons");
        if (code != kExitOk) return code;
    }
    std::vector<KeyAssignment> rows;
    cmd.Store().ListKeyAssignments(cmd.Profile(), kLayer, rows);
    PrintButtons(cmd.Profile(), rows, context.options.format);
    return kExitOk;
}

int RunAssign(CommandContext& context) {
    const auto& args = context.options.args;
    int button = 0;
    if (args.size() < 2)
        return Usage("assign", "expected BUTTON (0-255 or its name) and a function: a name, TYPE VALUE.., or 'factory'");
    if (int code = ButtonOf("assign", args[0], nullptr, button); code != kExitOk) return code;
    ParsedFunction named = ParseNamedFunction(std::vector<std::string>(args.begin() + 1, args.end()));
    KeyAssignment record;
    switch (named.outcome) {
    case ParsedFunction::kUnknownName: return UnknownNameFailure("assign", named.error);
    case ParsedFunction::kUsage: return Usage("assign", named.error.c_str());
    case ParsedFunction::kNotNamed:
        if (int code = ParseNumericFunction(args, record); code != kExitOk) return code;
        break;
    case ParsedFunction::kFunction:
        record.macro_type = named.function.type;
        record.macro_value = named.function.value;
        record.macro_value2 = named.function.value2;
        record.macro_value3 = named.function.value3;
        break;
    case ParsedFunction::kFactory:
    case ParsedFunction::kMacro: break;
    }
    DeviceCommand cmd(context);
    if (int code = cmd.Open(true); code != kExitOk) return code;
    if (int code = ButtonOf("assign", args[0], &cmd, button); code != kExitOk) return code;
    record.profile = cmd.Profile();
    record.key_code = button;
    record.layout_value = button;
    if (named.outcome == ParsedFunction::kFactory) return RestoreFactory(cmd, record);
    if (named.outcome == ParsedFunction::kMacro) {
        MacroHeader macro;
        if (int code = MacroOf("assign", cmd, named.macroName, macro); code != kExitOk) return code;
        return UploadMacro(cmd, macro, button);
    }
    return WriteFunction(cmd, record);
}

int RunMacros(CommandContext& context) {
    if (!context.options.args.empty()) return Usage("macros", "expected no arguments");
    DeviceCommand cmd(context);
    int code = cmd.OpenStoreOnly();
    if (code != kExitOk) return code;
    std::vector<MacroHeader> macros;
    cmd.Store().ListMacros(macros);
    std::string json;
    for (const MacroHeader& m : macros) {
        std::vector<MacroStep> steps;
        int count = cmd.Store().ListMacroSteps(m.macro_id, steps);
        switch (context.options.format) {
        case OutputFormat::kJson:
            json += std::string(json.empty() ? "" : ", ") + "{\"id\": " + std::to_string(m.macro_id) +
                    ", \"name\": " + JsonText(m.name) + ", \"play_type\": " + std::to_string(m.play_type) +
                    ", \"play_times\": " + std::to_string(m.play_times) + ", \"steps\": " + std::to_string(count) + "}";
            break;
        case OutputFormat::kKeyValue:
            std::printf("macro%d=%s\n", m.macro_id, Utf8(m.name).c_str());
            break;
        case OutputFormat::kText:
            std::printf("  %-4d %-24s %3d step%s, play type %d, %d time%s\n", m.macro_id, Utf8(m.name).c_str(), count,
                        count == 1 ? " " : "s", m.play_type, m.play_times, m.play_times == 1 ? "" : "s");
            break;
        }
    }
    if (context.options.format == OutputFormat::kJson) std::printf("{\"macros\": [%s]}\n", json.c_str());
    else if (context.options.format == OutputFormat::kText && macros.empty()) std::printf("No stored macros\n");
    return kExitOk;
}

int RunUpload(CommandContext& context) {
    const auto& args = context.options.args;
    int button = 0;
    if (args.size() != 2)
        return Usage("upload", "expected MACRO (a stored macro's id or name, see 'macros') and BUTTON (0-255 or its name)");
    if (int code = ButtonOf("upload", args[1], nullptr, button); code != kExitOk) return code;
    DeviceCommand cmd(context);
    if (int code = cmd.Open(true); code != kExitOk) return code;
    if (int code = ButtonOf("upload", args[1], &cmd, button); code != kExitOk) return code;
    MacroHeader macro;
    if (int code = MacroOf("upload", cmd, args[0], macro); code != kExitOk) return code;
    return UploadMacro(cmd, macro, button);
}
