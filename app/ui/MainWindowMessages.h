#pragma once
// The main window's own window messages. 1691 and 2022 come from other processes, which
// find the window by its property; the rest come from the program's own windows.
#include <windows.h>

constexpr UINT UM_TRAY_NOTIFY = 1690;
constexpr UINT UM_EXIT_APP = 1691;
constexpr LPARAM kExitAppToken = 610;  // UM_EXIT_APP with any other lparam is ignored
constexpr UINT UM_PROFILE_COMMAND = 1705;
constexpr UINT UM_MACRO_LIST_MENU = 1709;
constexpr UINT UM_MACRO_INSERT_MENU = 1710;
constexpr UINT UM_MACRO_EVENT_MENU = 1711;
constexpr UINT UM_LANGUAGE_CHANGED = 2022;

// UM_PROFILE_COMMAND's wparam.
enum ProfileCommandNumber : WPARAM { kSwitchProfile = 0, kImportProfile = 1, kExportProfile = 2 };
