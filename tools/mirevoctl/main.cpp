// mirevoctl: the command-line companion of Mirevo.
#include <cstdio>
#include <string>
#include <vector>

#include "CommandHelp.h"
#include "CommandTable.h"
#include "File.h"
#include "ProgramFolder.h"
#include "Report.h"
#include "Utf.h"

namespace {

CString ConfigFolder(const Options& options) {
    if (!options.configFolder.empty()) return CString(utf::Utf8ToWide(options.configFolder));
    return ProgramFolder();
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    SetReportFormat(options.format);
    const CommandEntry* command = options.error.empty() ? FindCommand(options.command) : nullptr;
    if (options.error.empty() && !command) options.error = "unknown command '" + options.command + "'";
    if (!options.error.empty()) {
        ReportError("%s", options.error.c_str());
        if (options.format != OutputFormat::kJson) std::fprintf(stderr, "\n%s", UsageText().c_str());
        return kExitUsage;
    }
    CString folder = ConfigFolder(options);
    DeviceCatalogue catalogue;
    bool catalogueRead = catalogue.LoadConfig(folder) && !catalogue.Models().empty();
    // Help lists the catalogue's button names when it can, and works without it.
    if (options.command == "help") return ShowHelp(options, catalogueRead ? &catalogue : nullptr, folder);
    if (!catalogueRead) {
        ReportError("cannot read a catalogue of models from %s\n",
                    utf::WideToUtf8(file::Join(folder, L"config.xml").str()).c_str());
        return kExitCatalogue;
    }
    if (options.model && catalogue.DeviceAttrOf(options.model).IsEmpty()) {
        ReportError("the catalogue has no model %d\n", options.model);
        return kExitUsage;
    }
    HidDeviceManager manager;
#ifdef _WIN32
    // Our hidapi.dll (and the virtual mouse) offer the report descriptor; Debian's hidapi 0.13 does not.
    manager.SetDescriptorReader(&hid_get_report_descriptor);
#endif
    CString data = options.dataFolder.empty() ? folder : CString(utf::Utf8ToWide(options.dataFolder));
    CommandContext context{manager, catalogue, options, folder, data};
    int code = command->run(context);
    std::fflush(stdout);
    return code;
}
