#include "SettingsCommands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Clock.h"
#include "DeviceCommand.h"
#include "JsonObject.h"
#include "NameMatch.h"
#include "PerformanceConfig.h"
#include "ProtocolFamily.h"
#include "Report.h"
#include "SettingRanges.h"

namespace {

// Report rates by their code; the two chip families number them differently.
constexpr int kFirstFamilyRatesHz[] = {125, 500, 1000, 2000, 4000, 8000};
constexpr int kSecondFamilyRatesHz[] = {125, 250, 500, 1000, 2000, 4000, 8000};

std::vector<int> RatesOf(int deviceType) {
    if (FamilyOf(deviceType) == ProtocolFamily::kSecondFamily)
        return {std::begin(kSecondFamilyRatesHz), std::end(kSecondFamilyRatesHz)};
    return {std::begin(kFirstFamilyRatesHz), std::end(kFirstFamilyRatesHz)};
}

// The code of a rate in Hz for the model; -1 when the model has no such rate.
int RateCode(int deviceType, int hz) {
    std::vector<int> rates = RatesOf(deviceType);
    for (std::size_t i = 0; i < rates.size(); ++i)
        if (rates[i] == hz) return static_cast<int>(i);
    return -1;
}

// One value shown: its script name, and a number or a text.
struct Field {
    std::string key;
    std::string value;
    bool number = true;
};

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

void PrintFields(const std::vector<Field>& fields, OutputFormat format) {
    if (format == OutputFormat::kJson) {
        std::string out = "{";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += ", ";
            out += Quoted(fields[i].key) + ": " + (fields[i].number ? fields[i].value : Quoted(fields[i].value));
        }
        std::printf("%s}\n", out.c_str());
        return;
    }
    for (const Field& f : fields) std::printf("%s=%s\n", f.key.c_str(), f.value.c_str());
}

std::string Hex(int colourRef) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colourRef & 0xFF, (colourRef >> 8) & 0xFF,
                  (colourRef >> 16) & 0xFF);
    return text;
}

// A value outside low..high is refused, never clamped: a script must not have
// something else done than it asked for.
bool ParseInt(const std::string& text, int low, int high, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) return false;
    out = static_cast<int>(value);
    return true;
}

// Any number; whether the model takes it is checked once the model is known.
bool ParseNumber(const std::string& text, int& out) {
    constexpr int kLimit = 1000000000;  // far past every range, and safe to step by one
    return ParseInt(text, -kLimit, kLimit, out);
}

// RRGGBB as people write colours; stored as a colour reference 0x00BBGGRR.
bool ParseColour(const std::string& text, int& colourRef) {
    std::string hex = !text.empty() && text[0] == '#' ? text.substr(1) : text;
    if (hex.size() != 6) return false;
    char* end = nullptr;
    long rgb = std::strtol(hex.c_str(), &end, 16);
    if (*end != '\0') return false;
    colourRef = static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    return true;
}

const char* ConnectionWords(int textId) {
    switch (textId) {
    case kTextWired: return "connected by cable";
    case kTextReceiverConnected: return "connected through its 2.4 GHz receiver";
    case kTextReceiverNotConnected: return "receiver plugged in, mouse asleep or out of reach";
    case kTextBluetoothConnected: return "connected over Bluetooth LE";
    case kTextBluetoothNotConnected: return "Bluetooth LE, not connected";
    default: return "unknown";
    }
}

int Stored(DeviceCommand& cmd, int profile, const CString& key, int fallback) {
    int value = fallback;
    cmd.Store().GetConfigInt(profile, key, value);
    return value;
}

CString Key(const char* prefix, int level, const char* suffix) {
    std::string text = prefix + std::to_string(level) + suffix;
    return CString(std::wstring(text.begin(), text.end()));
}

std::vector<Field> Everything(DeviceCommand& cmd, int profile) {
    DeviceSession& s = cmd.Session();
    std::vector<Field> f;
    auto add = [&f](const std::string& key, int value) { f.push_back({key, std::to_string(value), true}); };
    add("profile", profile);
    f.push_back({"connection", ConnectionWords(cmd.Events().statusText), false});
    add("battery", s.battery);
    f.push_back({"charging", s.charging ? "true" : "false", true});
    add("dpi_count", Stored(cmd, profile, codec::keys::kDpiCount, 5));
    add("dpi_index", Stored(cmd, profile, codec::keys::kDpiIndex, 0) + 1);
    for (int i = 0; i < codec::kDpiLevels; ++i) {
        std::string level = "dpi" + std::to_string(i + 1);
        add(level + "_x", Stored(cmd, profile, codec::keys::DpiX(i), 0));
        add(level + "_y", Stored(cmd, profile, codec::keys::DpiY(i), 0));
        f.push_back({level + "_colour", Hex(Stored(cmd, profile, Key("dpi_group", i, "_rgb"), 0)), false});
    }
    int rate = Stored(cmd, profile, codec::keys::kReportRate, 2);
    std::vector<int> rates = RatesOf(cmd.DeviceType());
    add("report_rate", rate >= 0 && rate < static_cast<int>(rates.size()) ? rates[static_cast<std::size_t>(rate)] : 1000);
    add("sensor_flag", Stored(cmd, profile, codec::keys::kSensorFlag, 0));
    add("liftoff_height", Stored(cmd, profile, codec::keys::kLiftoffHeight, 1));
    f.push_back({"scroll", Stored(cmd, profile, codec::keys::kScrollFlag, 1) == 2 ? "reversed" : "normal", false});
    f.push_back({"esports", Stored(cmd, profile, codec::keys::kEsportsFlag, 1) == 2 ? "on" : "off", false});
    add("response_time", Stored(cmd, profile, codec::keys::kResponseTime, 0));
    add("sleep_time", Stored(cmd, profile, codec::keys::kSleepLight, 0));
    if (s.hasLighting) {
        int mode = cmd.Store().GetActiveLightMode(profile);
        LightRecord light;
        cmd.Store().GetLight(profile, mode, light);
        add("light_mode", mode);
        add("light_brightness", light.brightness);
        add("light_speed", light.speed);
        f.push_back({"light_colour", Hex(light.color_value), false});
    }
    return f;
}

void PrintEverythingAsText(const std::vector<Field>& fields) {
    auto value = [&fields](const std::string& key) {
        for (const Field& f : fields)
            if (f.key == key) return f.value;
        return std::string();
    };
    std::printf("Profile: %s\n", value("profile").c_str());
    std::printf("Connection: %s\n", value("connection").c_str());
    std::string battery = value("battery");
    if (battery == "-1") std::printf("Battery: not reported\n");
    else std::printf("Battery: %s%%%s\n", battery.c_str(), value("charging") == "true" ? " (charging)" : "");
    std::printf("DPI: level %s of %s\n", value("dpi_index").c_str(), value("dpi_count").c_str());
    for (int i = 1; i <= codec::kDpiLevels; ++i) {
        std::string level = "dpi" + std::to_string(i);
        std::printf("  level %d: %s x %s, colour #%s\n", i, value(level + "_x").c_str(), value(level + "_y").c_str(),
                    value(level + "_colour").c_str());
    }
    std::printf("Report rate: %s Hz\n", value("report_rate").c_str());
    std::printf("Sensor: switches %s, lift-off height %s, scroll %s, e-sports %s\n", value("sensor_flag").c_str(),
                value("liftoff_height").c_str(), value("scroll").c_str(), value("esports").c_str());
    std::printf("Response time: %s\n", value("response_time").c_str());
    std::printf("Sleep time: %s\n", value("sleep_time").c_str());
    if (!value("light_mode").empty())
        std::printf("Lighting: mode %s, brightness %s, speed %s, colour #%s\n", value("light_mode").c_str(),
                    value("light_brightness").c_str(), value("light_speed").c_str(), value("light_colour").c_str());
}

// What one `set` word changes, and which device task sends it.
enum Task { kDpi = 1, kRate = 2, kSensor = 4, kResponse = 8, kSleep = 16, kLighting = 32 };

struct Change {
    CString key;   // a configuration key; empty for lighting values
    int value = 0;
    int task = 0;
    const char* light = nullptr;  // "mode", "brightness", "speed", "colour"
    std::string name{};           // as the user wrote it, for range checks and messages
    int given = 0;                // the number as typed
};

// Parses "name=value" into the changes it makes; the error text when it cannot.
// `unknownName` tells a name that is no setting from a value that does not fit.
std::string ParseSetting(const std::string& word, std::vector<Change>& out, bool& unknownName) {
    std::size_t before = out.size();
    auto eq = word.find('=');
    if (eq == std::string::npos) return "expected NAME=VALUE, not '" + word + "'";
    std::string name = LowerCase(word.substr(0, eq));
    // Words and hexadecimal colours alike are read in any case.
    std::string text = LowerCase(word.substr(eq + 1));
    int v = 0;
    auto bad = [&]() { return "bad value '" + text + "' for " + name; };
    int level = 0;
    if (name.size() == 4 && name.rfind("dpi", 0) == 0 && name[3] >= '1' && name[3] <= '5') {
        level = name[3] - '1';
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::DpiX(level), v, kDpi, nullptr, name});
        out.push_back({codec::keys::DpiY(level), v, kDpi, nullptr, name});
    } else if (name.size() == 11 && name.rfind("dpi-colour", 0) == 0 && name[10] >= '1' && name[10] <= '5') {
        if (!ParseColour(text, v)) return bad();
        out.push_back({Key("dpi_group", name[10] - '1', "_rgb"), v, kDpi});
    } else if (name == "dpi-count") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kDpiCount, v, kDpi, nullptr, name});
    } else if (name == "dpi-level") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kDpiIndex, v - 1, kDpi, nullptr, name});
    } else if (name == "rate") {
        // In Hz here; which code that is depends on the model, known once it is open.
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kReportRate, v, kRate});
    } else if (name == "sensor") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kSensorFlag, v, kSensor, nullptr, name});
    } else if (name == "liftoff") {
        if (text != "1" && text != "2") return bad() + " (1 or 2)";
        out.push_back({codec::keys::kLiftoffHeight, text == "2" ? 2 : 1, kSensor});
    } else if (name == "scroll") {
        if (text != "normal" && text != "reversed") return bad() + " (normal or reversed)";
        out.push_back({codec::keys::kScrollFlag, text == "reversed" ? 2 : 1, kSensor});
    } else if (name == "esports") {
        if (text != "on" && text != "off") return bad() + " (on or off)";
        out.push_back({codec::keys::kEsportsFlag, text == "on" ? 2 : 1, kSensor});
    } else if (name == "response") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kResponseTime, v, kResponse, nullptr, name});
    } else if (name == "sleep") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({codec::keys::kSleepLight, v, kSleep, nullptr, name});
    } else if (name == "light-mode" || name == "light-brightness" || name == "light-speed") {
        if (!ParseNumber(text, v)) return bad();
        out.push_back({CString(), v, kLighting, name == "light-mode" ? "mode" : name == "light-speed" ? "speed" : "brightness",
                       name});
    } else if (name == "light-colour") {
        if (!ParseColour(text, v)) return bad();
        out.push_back({CString(), v, kLighting, "colour"});
    } else {
        unknownName = true;
        return UnknownName("setting", word.substr(0, eq), SettingNames());
    }
    for (std::size_t i = before; i < out.size(); ++i) out[i].given = v;
    return {};
}

bool StoreChange(DeviceCommand& cmd, int profile, const Change& c) {
    SettingsDatabase& store = cmd.Store();
    if (!c.light) return store.SetConfigValue(profile, c.key, c.value);
    std::string what = c.light;
    if (what == "mode") return store.SetActiveLightMode(profile, c.value);
    int mode = store.GetActiveLightMode(profile);
    if (what == "brightness") return store.SetLightBrightness(profile, mode, c.value);
    if (what == "speed") return store.SetLightSpeed(profile, mode, c.value);
    return store.SetLightColor(profile, mode, c.value);
}

// Refuses (with the reason on stderr) a value the model does not take; DPI values
// go down to the device's step, each such rounding noted once for the user.
bool CheckRanges(std::vector<Change>& changes, int deviceType, std::vector<std::string>& rounded) {
    for (Change& c : changes) {
        if (c.name.empty()) continue;
        std::string error = RangeError(c.name, c.given, deviceType);
        if (!error.empty()) {
            ReportError("set: %s=%d is out of range: %s\n", c.name.c_str(), c.given, error.c_str());
            return false;
        }
        int onStep = OnDeviceStep(c.name, c.value);
        if (onStep == c.value) continue;
        std::string note = c.name + "=" + std::to_string(c.given) + " rounded down to " + std::to_string(onStep) +
                           " (the mouse keeps steps of 50)";
        if (rounded.empty() || rounded.back() != note) rounded.push_back(note);
        c.value = onStep;
    }
    return true;
}

// The profile a command works on: --profile, else the mouse's current one as the
// read-all found it. The read leaves the session's current profile the mouse's.
int Prepare(DeviceCommand& cmd, int& code) {
    code = cmd.Open(true);
    if (code != kExitOk) return 0;
    bool ok = cmd.Dialect().ReadEverything(cmd.Session());
    if (!ok) code = cmd.TaskResult(false, "reading the mouse");
    return cmd.Profile();
}

}  // namespace

std::vector<std::string> SettingNames() {
    std::vector<std::string> names;
    for (int level = 1; level <= codec::kDpiLevels; ++level) names.push_back("dpi" + std::to_string(level));
    for (int level = 1; level <= codec::kDpiLevels; ++level) names.push_back("dpi-colour" + std::to_string(level));
    for (const char* name : {"dpi-count", "dpi-level", "rate", "sensor", "liftoff", "scroll", "esports", "response", "sleep",
                             "light-mode", "light-brightness", "light-speed", "light-colour"})
        names.push_back(name);
    return names;
}

std::vector<std::string> ResetWords() { return {"buttons", "lighting", "all", "factory"}; }

int RunShow(CommandContext& context) {
    DeviceCommand cmd(context);
    int code = kExitOk;
    int profile = Prepare(cmd, code);
    if (code != kExitOk) return code;
    std::vector<Field> fields = Everything(cmd, profile);
    if (context.options.format == OutputFormat::kText) PrintEverythingAsText(fields);
    else PrintFields(fields, context.options.format);
    return kExitOk;
}

int RunSet(CommandContext& context) {
    std::vector<Change> changes;
    for (const std::string& word : context.options.args) {
        bool unknownName = false;
        std::string error = ParseSetting(word, changes, unknownName);
        if (!error.empty()) {
            ReportError("set: %s\n", error.c_str());
            return unknownName ? kExitUnknownName : kExitUsage;
        }
    }
    if (changes.empty()) {
        ReportError("set: nothing to set (for example: set dpi2=1600 rate=1000)\n");
        return kExitUsage;
    }
    DeviceCommand cmd(context);
    int code = kExitOk;
    int profile = Prepare(cmd, code);
    if (code != kExitOk) return code;
    // Every value is checked before the first is stored, so a refused line changes nothing.
    std::vector<std::string> rounded;
    if (!CheckRanges(changes, cmd.DeviceType(), rounded)) return kExitUsage;
    for (Change& c : changes) {
        if (c.task != kRate) continue;
        int hz = c.value;
        c.value = RateCode(cmd.DeviceType(), hz);
        if (c.value < 0) {
            ReportError("set: this model has no report rate of %d Hz\n", hz);
            return kExitUsage;
        }
    }
    for (const Change& c : changes) {
        if (!c.light) continue;
        LightRecord record;
        int mode = std::string(c.light) == "mode" ? c.value : cmd.Store().GetActiveLightMode(profile);
        if (!cmd.Session().hasLighting || !cmd.Store().GetLight(profile, mode, record)) {
            ReportError("set: this model has no lighting mode %d\n", mode);
            return kExitUsage;
        }
    }
    int tasks = 0;
    for (const Change& c : changes) {
        if (!StoreChange(cmd, profile, c)) {
            ReportError("set: the settings store refused a value\n");
            return kExitStore;
        }
        tasks |= c.task;
    }
    // Fewer levels than the current one: the current level becomes the last.
    int count = Stored(cmd, profile, codec::keys::kDpiCount, 5);
    if (Stored(cmd, profile, codec::keys::kDpiIndex, 0) >= count)
        cmd.Store().SetConfigValue(profile, codec::keys::kDpiIndex, count - 1);
    if (!cmd.ProfileIsCurrent()) return cmd.StoredOnly();
    DeviceDialect& dialect = cmd.Dialect();
    DeviceSession& session = cmd.Session();
    bool ok = true;
    if (tasks & kDpi) ok = dialect.WriteDpi(session) && ok;
    if (tasks & kRate) ok = dialect.WriteReportRate(session) && ok;
    if (tasks & kSensor) ok = dialect.WriteSensor(session) && ok;
    if (tasks & kResponse) ok = dialect.WriteResponseTime(session) && ok;
    if (tasks & kSleep) ok = dialect.WriteSleepTime(session) && ok;
    if (tasks & kLighting) ok = dialect.WriteLighting(session) && ok;
    code = cmd.TaskResult(ok, "sending the settings");
    if (code == kExitOk && context.options.format == OutputFormat::kText) {
        for (const std::string& note : rounded) std::printf("%s\n", note.c_str());
        std::printf("Profile %d: %zu setting(s) stored and sent\n", profile, context.options.args.size());
    } else if (code == kExitOk && context.options.format == OutputFormat::kJson) {
        JsonObject().Number("profile", profile).Bool("sent", true).Raw("rounded", JsonTextArray(rounded)).Print();
    } else if (code == kExitOk) {
        std::vector<Field> fields = {{"profile", std::to_string(profile), true}, {"sent", "true", true}};
        for (const std::string& note : rounded) fields.push_back({"rounded", note, false});
        PrintFields(fields, context.options.format);
    }
    return code;
}

int RunApply(CommandContext& context) {
    int profile = context.options.profile;
    if (!context.options.args.empty() && !ParseInt(context.options.args[0], 1, 5, profile)) {
        ReportError("apply: wants a profile number 1 to 5\n");
        return kExitUsage;
    }
    DeviceCommand cmd(context);
    int code = kExitOk;
    int current = Prepare(cmd, code);
    if (code != kExitOk) return code;
    if (profile == 0) profile = current;
    DeviceSession& session = cmd.Session();
    cmd.Store().SetActiveProfile(profile);
    session.currentProfile.Change(profile);
    code = cmd.TaskResult(cmd.Dialect().ApplyProfile(session), "applying the profile");
    if (code != kExitOk) return code;
    if (context.options.format == OutputFormat::kText) std::printf("Profile %d applied\n", profile);
    else PrintFields({{"profile", std::to_string(profile), true}, {"applied", "true", true}}, context.options.format);
    return kExitOk;
}

int RunReset(CommandContext& context) {
    const std::vector<std::string>& args = context.options.args;
    if (args.size() != 1) {
        ReportError("reset: wants one of %s\n", NameList(ResetWords()).c_str());
        return kExitUsage;
    }
    std::string what = LowerCase(args[0]);
    int mask = what == "buttons" ? 1 : what == "lighting" ? 4 : what == "all" ? 5 : 0;
    if (mask == 0 && what != "factory") {
        ReportError("reset: %s\n", UnknownName("part", args[0], ResetWords()).c_str());
        return kExitUnknownName;
    }
    DeviceCommand cmd(context);
    int code = kExitOk;
    int profile = Prepare(cmd, code);
    if (code != kExitOk) return code;
    if (!cmd.ProfileIsCurrent()) {
        // The mouse resets parts of its current profile only.
        ReportError("reset: profile %d is not the mouse's current profile; apply it first\n", profile);
        return kExitUsage;
    }
    DeviceSession& session = cmd.Session();
    bool ok = mask ? cmd.Dialect().ResetParts(session, mask) : cmd.Dialect().FactoryReset(session);
    code = cmd.TaskResult(ok, "resetting");
    if (code != kExitOk) return code;
    if (context.options.format == OutputFormat::kText) std::printf("Reset %s done (profile %d)\n", what.c_str(), profile);
    else PrintFields({{"reset", what, false}, {"profile", std::to_string(profile), true}}, context.options.format);
    return kExitOk;
}

namespace {

// Prints each event as it comes, in the chosen format, and counts them.
class WatchPrinter : public DeviceEventListener {
public:
    explicit WatchPrinter(OutputFormat format) : m_format(format) {}
    void OnStatusText(int textId) override {
        Print({{"event", "connection", false}, {"text", std::to_string(textId), true},
               {"state", ConnectionWords(textId), false}});
    }
    void OnBattery(int level, int state) override {
        if (state == kBatteryCleared) Print({{"event", "battery", false}, {"state", "none", false}});
        else Print({{"event", "battery", false}, {"level", std::to_string(level), true},
                    {"charging", state == 1 ? "true" : "false", true}});
    }
    void OnPagesEnabled(bool enabled) override {
        Print({{"event", "pages", false}, {"enabled", enabled ? "true" : "false", true}});
    }
    void OnReloadPage(DevicePage page) override {
        const char* names[] = {"keys", "performance", "macros", "lighting"};
        Print({{"event", "changed", false}, {"page", names[static_cast<int>(page)], false}});
    }
    void OnModelReadFinished(bool ok) override {
        Print({{"event", "read", false}, {"ok", ok ? "true" : "false", true}});
    }
    void OnCurrentProfileChanged(int profile) override {
        Print({{"event", "profile", false}, {"current", std::to_string(profile), true}});
    }
    int count = 0;

private:
    void Print(const std::vector<Field>& fields) {
        ++count;
        if (m_format == OutputFormat::kJson) {
            PrintFields(fields, m_format);
        } else if (m_format == OutputFormat::kKeyValue) {
            std::string line;
            for (const Field& f : fields) line += (line.empty() ? "" : " ") + f.key + "=" + f.value;
            std::printf("%s\n", line.c_str());
        } else {
            std::string line = fields[0].value + ":";
            for (std::size_t i = 1; i < fields.size(); ++i) line += " " + fields[i].key + " " + fields[i].value;
            std::printf("%s\n", line.c_str());
        }
        std::fflush(stdout);
    }
    OutputFormat m_format;
};

}  // namespace

// Until interrupted, or until `count=N` events or `seconds=S` seconds have passed.
int RunWatch(CommandContext& context) {
    int limitEvents = 0;
    int limitSeconds = 0;
    for (const std::string& word : context.options.args) {
        bool events = word.rfind("count=", 0) == 0;
        bool seconds = word.rfind("seconds=", 0) == 0;
        if ((!events && !seconds) ||
            !ParseInt(word.substr(word.find('=') + 1), 1, 1000000, events ? limitEvents : limitSeconds)) {
            ReportError("watch: expected count=N or seconds=S, not '%s'\n", word.c_str());
            return kExitUsage;
        }
    }
    DeviceCommand cmd(context);
    int code = cmd.Open(true);
    if (code != kExitOk) return code;
    WatchPrinter printer(context.options.format);
    DeviceSession& session = cmd.Session();
    session.listener = &printer;
    if (!cmd.Dialect().ReadEverything(session)) return cmd.TaskResult(false, "reading the mouse");
    Clock& clock = Clock::Get();
    std::uint64_t end = clock.NowMs() + static_cast<std::uint64_t>(limitSeconds) * 1000;
    while ((limitEvents == 0 || printer.count < limitEvents) && (limitSeconds == 0 || clock.NowMs() < end)) {
        cmd.Dialect().PollNotifications(session);
        clock.SleepMs(30);  // the worker's idle pace
    }
    return kExitOk;
}
