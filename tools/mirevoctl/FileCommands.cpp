#include "FileCommands.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Clock.h"
#include "DeviceCommand.h"
#include "JsonObject.h"
#include "MacroTransfer.h"
#include "NameMatch.h"
#include "ProfileSwitch.h"
#include "ProfileTransfer.h"
#include "Report.h"
#include "TerminalText.h"
#include "Utf.h"

namespace {

// Names and paths that come from files and the store.
std::string Narrow(const CString& text) { return TerminalText(text); }
CString Wide(const std::string& text) { return CString(utf::Utf8ToWide(text)); }

// Export file names carry a tick so repeated exports never overwrite each other.
std::uint32_t Tick() { return static_cast<std::uint32_t>(Clock::Get().NowMs()); }

int Usage(const char* text) {
    ReportError("%s\n", text);
    return kExitUsage;
}

// Describe's lines with the texts from the file escaped, but not its line breaks.
std::string Described(FileOutcome outcome) {
    outcome.path = EscapeControls(outcome.path);
    outcome.detail = EscapeControls(outcome.detail);
    for (SkippedValue& s : outcome.skipped) {
        s.where = EscapeControls(s.where);
        s.attribute = EscapeControls(s.attribute);
        s.text = EscapeControls(s.text);
    }
    return utf::WideToUtf8(Describe(outcome).str());
}

int FileFailure(const FileOutcome& outcome) {
    ReportError("%s\n", Described(outcome).c_str());
    return outcome.problem == FileProblem::kStoreRefused || outcome.problem == FileProblem::kUndoFailed ? kExitStore
                                                                                                        : kExitFile;
}

void PrintSkipped(const FileOutcome& outcome) {
    if (outcome.skipped.empty()) return;
    // Describe's first line is the success text; the rest lists what was left out.
    std::string text = Described(outcome);
    std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string::npos) std::printf("Left out:%s\n", text.substr(firstBreak).c_str());
}

bool Json(const CommandContext& context) { return context.options.format == OutputFormat::kJson; }

// What an import read: the profile or macro number, the file, and the values left out.
JsonObject ImportReply(const char* what, int number, const FileOutcome& outcome) {
    std::vector<std::string> skipped;
    std::string text = Described(outcome);
    for (std::size_t from = text.find('\n'); from != std::string::npos && !outcome.skipped.empty();) {
        std::size_t to = text.find('\n', from + 1);
        skipped.push_back(text.substr(from + 1, to == std::string::npos ? std::string::npos : to - from - 1));
        from = to;
    }
    JsonObject reply;
    reply.Number(what, number).Text("file", outcome.path);
    return reply.Raw("left_out", JsonTextArray(skipped));
}

bool ParseProfile(const std::string& text, int& profile) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 5) return false;
    profile = static_cast<int>(value);
    return true;
}

int SwitchTo(CommandContext& context, const std::string& number) {
    int profile = 0;
    if (!ParseProfile(number, profile)) return Usage("profile switch wants a profile number 1 to 5");
    DeviceCommand device(context);
    if (int code = device.Open(); code != kExitOk) return code;
    CString name;
    if (!SwitchProfile(device.Store(), profile, name)) {
        ReportError("the settings store has no profile %d\n", profile);
        return kExitStore;
    }
    device.Session().currentProfile.Change(profile);
    bool sent = device.RunTasks({DeviceTask{kTaskApplyProfile, profile}});
    if (Json(context) && sent) JsonObject().Number("profile", profile).Text("name", name).Bool("sent", true).Print();
    else if (Json(context)) ReportError("profile %d chosen in the settings store; the mouse did not take it", profile);
    else if (sent) std::printf("Profile %d \"%s\" is current\n", profile, Narrow(name).c_str());
    else std::printf("Profile %d \"%s\" chosen in the settings store; the mouse did not take it\n", profile,
                     Narrow(name).c_str());
    return device.TaskResult(sent, "sending the profile");
}

int ExportTo(CommandContext& context, const std::string& folder) {
    DeviceCommand device(context);
    if (int code = device.OpenStoreOnly(); code != kExitOk) return code;
    FileOutcome outcome = ExportProfile(device.Store(), device.Profile(), Wide(folder), Tick());
    if (!outcome.Ok()) return FileFailure(outcome);
    if (Json(context)) JsonObject().Number("profile", device.Profile()).Text("file", outcome.path).Print();
    else std::printf("Profile %d written to %s\n", device.Profile(), Narrow(outcome.path).c_str());
    return kExitOk;
}

int ImportFrom(CommandContext& context, const std::string& file) {
    DeviceCommand device(context);
    if (int code = device.Open(); code != kExitOk) return code;
    int profile = device.Profile();
    FileOutcome outcome = ImportProfile(device.Store(), profile, Wide(file));
    if (!outcome.Ok()) return FileFailure(outcome);
    if (!Json(context)) {
        std::printf("Profile %d read from %s\n", profile, Narrow(outcome.path).c_str());
        PrintSkipped(outcome);
        if (!device.ProfileIsCurrent()) return device.StoredOnly();
    }
    bool sent = device.ProfileIsCurrent() &&
                device.RunTasks({DeviceTask{DeviceTaskAfterProfileImport(device.DeviceType()), profile}});
    if (device.ProfileIsCurrent() && !sent) return device.TaskResult(false, "sending the imported profile");
    if (Json(context)) ImportReply("profile", profile, outcome).Bool("sent", sent).Print();
    return kExitOk;
}

}  // namespace

int RunProfile(CommandContext& context) {
    const std::vector<std::string>& args = context.options.args;
    std::string action = args.size() == 2 ? LowerCase(args[0]) : "";
    if (action == "switch") return SwitchTo(context, args[1]);
    if (action == "export") return ExportTo(context, args[1]);
    if (action == "import") return ImportFrom(context, args[1]);
    return Usage("profile wants: switch N | export FOLDER | import FILE");
}

bool IsMacroFileCommand(const std::vector<std::string>& args) {
    return !args.empty() && (args[0] == "export" || args[0] == "import");
}

int RunMacroFile(CommandContext& context) {
    const std::vector<std::string>& args = context.options.args;
    std::string action = args.empty() ? "" : LowerCase(args[0]);
    DeviceCommand device(context);
    if (args.size() == 3 && action == "export") {
        char* end = nullptr;
        long id = std::strtol(args[1].c_str(), &end, 10);
        if (args[1].empty() || *end != '\0' || id <= 0 || id > 0x7FFFFFFF) return Usage("macro export wants a macro id");
        if (int code = device.OpenStoreOnly(); code != kExitOk) return code;
        FileOutcome outcome = ExportMacro(device.Store(), static_cast<int>(id), CString(), Wide(args[2]), Tick());
        if (!outcome.Ok()) return FileFailure(outcome);
        if (Json(context)) JsonObject().Number("macro", id).Text("file", outcome.path).Print();
        else std::printf("Macro %ld written to %s\n", id, Narrow(outcome.path).c_str());
        return kExitOk;
    }
    if (args.size() == 2 && action == "import") {
        if (int code = device.OpenStoreOnly(); code != kExitOk) return code;
        MacroHeader added;
        FileOutcome outcome = ImportMacro(device.Store(), Wide(args[1]), added);
        if (!outcome.Ok()) return FileFailure(outcome);
        if (Json(context)) {
            ImportReply("macro", added.macro_id, outcome).Text("name", added.name).Print();
            return kExitOk;
        }
        std::printf("Macro %d \"%s\" added from %s\n", added.macro_id, Narrow(added.name).c_str(),
                    Narrow(outcome.path).c_str());
        PrintSkipped(outcome);
        return kExitOk;
    }
    return Usage("macro wants: export ID FOLDER | import FILE");
}
