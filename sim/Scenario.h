#pragma once
// Which devices are plugged in, as a few lines of text:
//
//   # name  family   kind      pid   [key=value ...]
//   cable   feature  wired     FA01
//   dongle  feature  receiver  FA02  paired=FA01 awake=0 mouse=cable
//   phone   output   bluetooth FB05
//
// family: feature | output | nodic | foreign; kind: wired | receiver | bluetooth.
// Keys: vid, paired (pid or vid:pid), awake, features, answers, release, id, mouse, product,
// and the mouse's answer forms: echo=0|1 (byte 1 repeats the command), answer=b4|b6
// (output dialect), handshake=0|1 (feature receivers answer reads only after the
// handshake), silent=0|1 (the mouse answers nothing), mapall=0|1 and mapfull=0|1 (output
// dialect: the button map lists factory buttons too; assigned items carry six data bytes).
// profilenotice=state|reset|none says how the mouse reports a profile chosen with its button.
// Firmware versions: firmware=TEXT (the mouse), dongle=TEXT and dongletext=TEXT (a receiver's
// version and second text); versionfields=own|mouselast (output dialect, the cable's answer:
// the mouse's version first only, or also last) and versionnul=0|1 (the length counts a NUL).
// The drop-in library reads it from MIREVO_SIM_SCENARIO: a file path, or the text
// itself after "inline:" with ';' or '|' between lines. The mice's memory persists in
// MIREVO_SIM_MEMORY, or else in "mirevo-sim.memory" in the current folder (an empty
// MIREVO_SIM_MEMORY turns persistence off).
//
// Hot-plug: MIREVO_SIM_UNPLUGGED names a file listing the scenario devices that
// are pulled out, by name, separated by spaces or lines ('#' starts a comment).
// The library reads it at every hidapi call: a listed device drops out of
// enumeration and every call on its open handles fails (-1), as on an unplugged
// device; a device no longer listed is plugged back with the same paths and the
// same memory. A missing or empty file means everything is plugged in. Replace the
// file whole (write a temporary file and rename it) so no call sees half of it:
//   echo f1 > pulled.tmp && mv pulled.tmp pulled     # pull out f1
//   : > pulled.tmp && mv pulled.tmp pulled           # plug it back
// A running program learns of it from its window's WM_DEVICECHANGE, which
// tools/devicechange sends: devicechange removal|arrival <window class> <path>.
#include <set>
#include <string>

#include "SimWorld.h"

namespace sim {

struct ScenarioSource {
    std::string text;
    std::string memoryFile;
    std::string unpluggedFile;
};

ScenarioSource ScenarioFromEnvironment();
// Plugs every device of the text; false (with the line and reason) at the first bad line,
// in which case nothing of the text is plugged.
bool LoadScenarioLocked(World& world, const std::string& text, std::string& error);
bool LoadScenario(const std::string& text, std::string& error);

// Follows `path` as the drop-in follows MIREVO_SIM_UNPLUGGED (empty: stop following).
void WatchUnpluggedFile(const std::string& path);
// The device names of an unplugged file's text.
std::set<std::string> UnpluggedNames(const std::string& text);

}  // namespace sim
