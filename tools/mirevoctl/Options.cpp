#include "Options.h"

#include <cstdlib>

namespace {

bool ParseModel(const std::string& text, int& out) {
    if (text.empty() || text.size() > 6) return false;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value <= 0) return false;
    out = static_cast<int>(value);
    return true;
}

}  // namespace

const char* UsageText() {
    return "Usage: mirevoctl [--config FOLDER] [--model DEVICE_TYPE] COMMAND\n"
           "\n"
           "Commands:\n"
           "  list     catalogue models, the interfaces found with their modes and online\n"
           "           state, the active interface and the current model\n"
           "  status   the current model, how it is connected, and its battery\n"
           "  help     this text\n"
           "\n"
           "Options:\n"
           "  --config FOLDER       read FOLDER/config.xml instead of the one beside the program\n"
           "  --model DEVICE_TYPE   start from this model (as the DeviceType preference would)\n"
           "\n"
           "Exit codes: 0 done, 1 usage, 2 catalogue unreadable, 3 nothing plugged in,\n"
           "            4 plugged in but the mouse cannot be reached, 5 the mouse did not answer.\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--config" || a == "--model") {
            if (!hasValue) {
                o.error = "option " + a + " needs a value";
                return o;
            }
            const std::string& value = args[++i];
            if (a == "--config") o.configFolder = value;
            else if (!ParseModel(value, o.model)) {
                o.error = "--model wants a device_type number, not '" + value + "'";
                return o;
            }
        } else if (a == "-h" || a == "--help") {
            o.command = "help";
        } else if (!a.empty() && a[0] == '-') {
            o.error = "unknown option '" + a + "'";
            return o;
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.error = "one command at a time ('" + o.command + "' and '" + a + "')";
            return o;
        }
    }
    if (o.command.empty()) o.error = "no command given";
    else if (o.command != "list" && o.command != "status" && o.command != "help")
        o.error = "unknown command '" + o.command + "'";
    return o;
}
