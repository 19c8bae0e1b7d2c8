#pragma once
// What the firmware check finds out: the texts the two version labels of the program
// settings page show, and whether each upgrade button is marked. The versions the
// shipped updater carries come from the model's description file.
#include "CString.h"

// The text a version label shows while nothing was read.
inline constexpr const wchar_t* kUnreadVersion = L"0.0";

struct ShippedFirmware {
    CString mouse;
    CString receiver;
};

struct FirmwareVersions {
    CString mouse = kUnreadVersion;
    CString receiver = kUnreadVersion;
    bool mouseUpgrade = false;
    bool receiverUpgrade = false;
};

// Versions are compared as texts, exactly. A version that could not be read says
// nothing about the mouse, so it never offers an upgrade.
inline bool OffersUpgrade(const CString& read, const CString& shipped) {
    return !read.IsEmpty() && read != kUnreadVersion && read != shipped;
}
