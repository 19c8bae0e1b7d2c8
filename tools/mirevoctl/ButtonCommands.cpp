#include "ButtonCommands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ButtonCode.h"
#include "DeviceCommand.h"
#include "FeatureDialect.h"
#include "OutputDialect.h"
#include "TerminalText.h"
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
    std::fprintf(stderr, "mirevoctl: %s: %s\n", command, why);
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
    std::fprintf(stderr, "mirevoctl: %s: the settings store refused the assignment\n", command);
    return kExitStore;
}

int Written(const DeviceCommand& cmd, int code, int button, const char* what) {
    if (code == kExitOk && cmd.Context().options.format == OutputFormat::kText)
        std::printf("Button %d of profile %d: %s\n", button, cmd.Profile(), what);
    return code;
}

}  // namespace

int RunButtons(CommandContext& context) {
    const auto& args = context.options.args;
    bool read = args.size() == 1 && args[0] == "read";
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
    if (args.size() < 2 || !ParseInt(args[0], 0, 255, button))
        return Usage("assign", "expected BUTTON (0-255) and a function: TYPE VALUE [VALUE2 [VALUE3]], or 'factory'");
    bool factory = args.size() == 2 && args[1] == "factory";
    KeyAssignment record;
    record.key_code = button;
    record.layout_value = button;
    if (!factory) {
        int* fields[] = {&record.macro_type, &record.macro_value, &record.macro_value2, &record.macro_value3};
        if (args.size() < 3 || args.size() > 5) return Usage("assign", "expected TYPE VALUE [VALUE2 [VALUE3]]");
        if (!ParseInt(args[1], 1, 9, record.macro_type)) return Usage("assign", "TYPE is a function type, 1 to 9");
        for (std::size_t i = 2; i < args.size(); ++i) {
            if (!ParseInt(args[i], 0, 0xFFFF, *fields[i - 1])) return Usage("assign", "values are numbers 0 to 65535");
        }
        if (record.macro_value == 0 && record.macro_value2 == 0)
            return Usage("assign", "VALUE and VALUE2 both 0 is the factory function: use 'assign BUTTON factory'");
        if (record.macro_type == codec::kFunctionMacro) return Usage("assign", "a macro goes on a button with 'upload'");
    }
    DeviceCommand cmd(context);
    int code = cmd.Open(true);
    if (code != kExitOk) return code;
    record.profile = cmd.Profile();
    if (factory) {
        // A record with zero parameters removes the stored row: the factory function applies again.
        cmd.Store().SaveKeyAssignment(record);
        if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
        int restored = cmd.TaskResult(cmd.Dialect().RestoreButton(cmd.Session(), button), "restoring the button");
        return Written(cmd, restored, button, "factory function restored");
    }
    record.macro_desc = codec::DescribeButtonFunction(codec::FunctionOf(record), CurrentButtonWording().texts);
    if (cmd.Store().SaveKeyAssignment(record) <= 0) return StoreFailure("assign");
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    return Written(cmd, cmd.TaskResult(cmd.Dialect().WriteButton(cmd.Session(), button), "writing the button"), button,
                   "function written to the mouse");
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
    if (context.options.format == OutputFormat::kJson) std::printf("[%s]\n", json.c_str());
    else if (context.options.format == OutputFormat::kText && macros.empty()) std::printf("No stored macros\n");
    return kExitOk;
}

int RunUpload(CommandContext& context) {
    const auto& args = context.options.args;
    int id = 0, button = 0;
    if (args.size() != 2 || !ParseInt(args[0], 1, 0x7FFFFFFF, id) || !ParseInt(args[1], 0, 255, button))
        return Usage("upload", "expected MACRO (a stored macro's id, see 'macros') and BUTTON (0-255)");
    DeviceCommand cmd(context);
    int code = cmd.Open(true);
    if (code != kExitOk) return code;
    MacroHeader macro;
    if (!cmd.Store().GetMacro(id, macro)) {
        std::fprintf(stderr, "mirevoctl: upload: there is no stored macro %d\n", id);
        return kExitUsage;
    }
    KeyAssignment record;
    record.profile = cmd.Profile();
    record.key_code = button;
    record.layout_value = button;
    record.macro_type = codec::kFunctionMacro;
    record.macro_value = id;
    record.macro_desc = macro.name;
    if (cmd.Store().SaveKeyAssignment(record) <= 0) return StoreFailure("upload");
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    return Written(cmd, cmd.TaskResult(cmd.Dialect().WriteButton(cmd.Session(), button), "uploading the macro"),
                   button, "macro uploaded to the mouse");
}
