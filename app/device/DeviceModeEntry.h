#pragma once
// One catalogue entry per connection mode of a model, carrying its model's fields.
#include "CString.h"

enum ConnectionMode {
    kModeWired = 0,      // the mouse itself is on the cable
    kModeReceiver = 1,   // 2.4 GHz receiver
    kModeBluetooth = 2,  // Bluetooth LE (HID over GATT)
    kModeReceiver2 = 3,  // 2.4 GHz receiver, second variant
    kModeReceiver3 = 4,  // 2.4 GHz receiver, third variant
};

inline bool IsReceiverMode(int mode) { return mode == kModeReceiver || mode == kModeReceiver2 || mode == kModeReceiver3; }

struct DeviceModeEntry {
    CString name;           // model name shown in the model selector
    int device_type = 0;    // model identifier; ties interfaces, entries and the database together
    CString device_attr;    // file stem of the model's description and database
    int mode_value = 0;     // ConnectionMode of this interface
    int vid = 0;
    int pid = 0;
    CString desc;           // free label of the mode
    CString hid_interface;  // upper-case piece of the device path matched by hot-plug
};
