#include "Options.h"

#include <cstdlib>

namespace {

bool ParseNumber(const std::string& text, long low, long high, int& out) {
    if (text.empty() || text.size() > 6) return false;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

bool TakesValue(const std::string& option) {
    return option == "--config" || option == "--model" || option == "--profile" || option == "--data" ||
           option == "--format";
}

// Returns an error text, empty when the value fits the option.
std::string ApplyValue(Options& o, const std::string& option, const std::string& value) {
    if (option == "--config") o.configFolder = value;
    else if (option == "--data") o.dataFolder = value;
    else if (option == "--model") {
        if (!ParseNumber(value, 1, 999999, o.model)) return "--model wants a device_type number, not '" + value + "'";
    } else if (option == "--profile") {
        if (!ParseNumber(value, 1, 5, o.profile)) return "--profile wants a profile number 1 to 5, not '" + value + "'";
    } else if (option == "--format") {
        if (value == "text") o.format = OutputFormat::kText;
        else if (value == "json") o.format = OutputFormat::kJson;
        else if (value == "kv") o.format = OutputFormat::kKeyValue;
        else return "--format wants text, json or kv, not '" + value + "'";
    }
    return {};
}

}  // namespace

const char* OptionsUsageText() {
    return "Options:\n"
           "  --config FOLDER       read FOLDER/config.xml instead of the one beside the program\n"
           "  --data FOLDER         keep the settings stores in FOLDER (default: the config folder)\n"
           "  --model DEVICE_TYPE   start from this model (as the DeviceType preference would)\n"
           "  --profile N           work on profile N (1 to 5) instead of the mouse's current one;\n"
           "                        values for another profile are stored, and sent when it is applied\n"
           "  --format FORMAT       text (default), json, or kv (one key=value per line)\n"
           "  --json, --kv          short for --format json, --format kv\n"
           "\n"
           "Exit codes: 0 done, 1 usage, 2 catalogue unreadable or an unknown name (the accepted ones\n"
           "            are listed), 3 nothing plugged in,\n"
           "            4 plugged in but the mouse cannot be reached, 5 the mouse did not answer,\n"
           "            6 the settings store cannot be opened or refused a value,\n"
           "            7 a profile or macro file cannot be read, is not one of ours, or cannot be written.\n";
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options o;
    bool optionsEnded = false;  // after "--" every word is an argument, even one starting with '-'
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool isOption = !optionsEnded && a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
        if (!isOption) {
            if (o.command.empty()) o.command = a;
            else o.args.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
        } else if (TakesValue(a)) {
            if (i + 1 >= args.size()) {
                o.error = "option " + a + " needs a value";
                return o;
            }
            o.error = ApplyValue(o, a, args[++i]);
            if (!o.error.empty()) return o;
        } else if (a == "--json") {
            o.format = OutputFormat::kJson;
        } else if (a == "--kv") {
            o.format = OutputFormat::kKeyValue;
        } else if (a == "-h" || a == "--help") {
            o.command = "help";
            o.args.clear();
        } else {
            o.error = "unknown option '" + a + "'";
            return o;
        }
    }
    if (o.command.empty()) o.error = "no command given";
    return o;
}
