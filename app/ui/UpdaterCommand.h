#pragma once
// Where the firmware updater and its images live (firmwareupgrade\ in the program
// folder, one image folder per model) and the command line that runs it.
#include <string>
#include <string_view>

enum UpgradeTarget { kUpgradeMouse = 2, kUpgradeReceiver = 3 };

// `programFolder` is taken as ending in a backslash (one is added when it does not).
std::wstring UpdaterExecutable(std::wstring_view programFolder);
// Empty for a target that is neither the mouse nor the receiver.
std::wstring FirmwareImage(std::wstring_view programFolder, std::wstring_view modelStem, int target);
// The updater's command line for the target; empty for any other target. The folder is
// written with its backslash and then "\firmwareupgrade", as the updater has always
// been called (Windows reads the doubled separator as one).
std::wstring UpdaterCommandLine(int target, std::wstring_view programFolder, std::wstring_view modelStem);
