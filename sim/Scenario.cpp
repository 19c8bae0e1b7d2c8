#include "Scenario.h"

#include <cstdlib>
#include <sstream>

#include "File.h"
#include "Utf.h"

namespace sim {
namespace {

bool ParseHex(const std::string& text, std::uint16_t& out) {
    if (text.empty() || text.size() > 6) return false;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0' || value > 0xFFFF) return false;
    out = static_cast<std::uint16_t>(value);
    return true;
}

bool ParseFamily(const std::string& s, Family& f) {
    if (s == "feature") f = Family::kFeature;
    else if (s == "output") f = Family::kOutput;
    else if (s == "nodic") f = Family::kNodic;
    else if (s == "foreign") f = Family::kForeign;
    else return false;
    return true;
}

bool ParseKind(const std::string& s, Kind& k) {
    if (s == "wired") k = Kind::kWired;
    else if (s == "receiver") k = Kind::kReceiver;
    else if (s == "bluetooth") k = Kind::kBluetooth;
    else return false;
    return true;
}

bool ApplyOption(DeviceSetup& setup, const std::string& key, const std::string& value) {
    if (key == "vid") return ParseHex(value, setup.vid);
    if (key == "paired") {
        auto colon = value.find(':');
        if (colon == std::string::npos) return ParseHex(value, setup.pairedPid);
        return ParseHex(value.substr(0, colon), setup.pairedVid) && ParseHex(value.substr(colon + 1), setup.pairedPid);
    }
    bool* flag = key == "awake"       ? &setup.mouseAwake
               : key == "features"    ? &setup.featureReports
               : key == "answers"     ? &setup.answersQueries
               : key == "echo"        ? &setup.echoCommand
               : key == "handshake"   ? &setup.needsHandshake
               : key == "silent"      ? &setup.silent
               : key == "mapall"      ? &setup.mapListsAll
               : key == "mapfull"     ? &setup.mapFullItems
               : key == "versionnul"  ? &setup.versionNul
                                      : nullptr;
    if (flag) {
        if (value != "0" && value != "1") return false;
        *flag = value == "1";
        return true;
    }
    if (key == "answer") {
        if (value != "b4" && value != "B4" && value != "b6" && value != "B6") return false;
        setup.answerId = value[1] == '4' ? 0xB4 : 0xB6;
        return true;
    }
    if (key == "profilenotice") {
        if (value == "state") setup.profileNotice = ProfileNotice::kState;
        else if (value == "reset") setup.profileNotice = ProfileNotice::kReset;
        else if (value == "none") setup.profileNotice = ProfileNotice::kNone;
        else return false;
        return true;
    }
    if (key == "firmware") { setup.firmware = value; return true; }
    if (key == "dongle") { setup.receiverFirmware = value; return true; }
    if (key == "dongletext") { setup.receiverSecondText = value; return true; }
    if (key == "versionfields") {
        if (value == "own") setup.versionFields = VersionFields::kOwnFirst;
        else if (value == "mouselast") setup.versionFields = VersionFields::kMouseLast;
        else return false;
        return true;
    }
    if (key == "release") return ParseHex(value, setup.release);
    if (key == "id") return ParseHex(value, setup.receiverId);
    if (key == "mouse") { setup.mouse = value; return !value.empty(); }
    if (key == "product") { setup.product = utf::Utf8ToWide(value); return true; }
    return false;
}

bool ParseLine(const std::string& line, DeviceSetup& setup, std::string& why) {
    std::istringstream in(line);
    std::string family, kind, pid, option;
    if (!(in >> setup.name >> family >> kind >> pid)) { why = "expected: name family kind pid"; return false; }
    if (!ParseFamily(family, setup.family)) { why = "unknown family '" + family + "'"; return false; }
    if (!ParseKind(kind, setup.kind)) { why = "unknown kind '" + kind + "'"; return false; }
    if (!ParseHex(pid, setup.pid)) { why = "bad product id '" + pid + "'"; return false; }
    while (in >> option) {
        auto eq = option.find('=');
        if (eq == std::string::npos || !ApplyOption(setup, option.substr(0, eq), option.substr(eq + 1))) {
            why = "bad option '" + option + "'";
            return false;
        }
    }
    if (setup.family == Family::kForeign && setup.vid == 0x248A) setup.vid = 0x1209;
    return true;
}

std::string Trim(const std::string& s) {
    auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

ScenarioSource ScenarioFromEnvironment() {
    ScenarioSource source;
    const char* scenario = std::getenv("MIREVO_SIM_SCENARIO");
    const char* memory = std::getenv("MIREVO_SIM_MEMORY");
    const char* unplugged = std::getenv("MIREVO_SIM_UNPLUGGED");
    if (unplugged) source.unpluggedFile = unplugged;
    // The flash of the demo's mice lives where the program runs unless told otherwise,
    // never beside a scenario that may sit in the source tree.
    source.memoryFile = memory ? memory : "mirevo-sim.memory";
    if (!scenario || !*scenario) return source;
    std::string value = scenario;
    if (value.rfind("inline:", 0) == 0) {
        source.text = value.substr(7);
        for (char& c : source.text)
            if (c == ';' || c == '|') c = '\n';
        return source;
    }
    file::ReadAll(CString(utf::Utf8ToWide(value)), source.text);
    return source;
}

bool LoadScenarioLocked(World& world, const std::string& text, std::string& error) {
    std::vector<DeviceSetup> setups;
    std::istringstream in(text);
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        std::string line = Trim(raw.substr(0, raw.find('#')));
        if (line.empty()) continue;
        DeviceSetup setup;
        std::string why;
        if (!ParseLine(line, setup, why)) {
            error = "scenario line " + std::to_string(number) + ": " + why;
            return false;
        }
        setups.push_back(setup);
    }
    for (std::size_t i = 0; i < setups.size(); ++i) {
        bool twice = world.Find(setups[i].name) != nullptr;
        for (std::size_t j = 0; j < i; ++j) twice = twice || setups[j].name == setups[i].name;
        if (twice) {
            error = "scenario: device '" + setups[i].name + "' is listed twice";
            return false;
        }
    }
    for (const auto& setup : setups) {
        PlugLocked(world, setup);
        world.scenario.push_back(ScenarioDevice{setup, world.Find(setup.name)->instance});
    }
    return true;
}

bool LoadScenario(const std::string& text, std::string& error) {
    World& world = World::Get();
    std::lock_guard<std::recursive_mutex> guard(world.mutex);
    world.configured = true;
    return LoadScenarioLocked(world, text, error);
}

void WatchUnpluggedFile(const std::string& path) {
    World& world = World::Get();
    std::lock_guard<std::recursive_mutex> guard(world.mutex);
    world.unpluggedFile = path;
    world.FollowUnpluggedFile();
}

std::set<std::string> UnpluggedNames(const std::string& text) {
    std::set<std::string> names;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string name;
        while (words >> name) names.insert(name);
    }
    return names;
}

}  // namespace sim
