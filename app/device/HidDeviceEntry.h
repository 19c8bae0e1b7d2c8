#pragma once
// Plain data of the HID manager: the model's vendor/product filters and the
// interfaces found by the last enumeration.
#include <string>

#include "CString.h"

struct HidDeviceFilter {
    int vid = 0;
    int pid = 0;
    CString label;
    int device_type = 0;
    int mode = 0;  // ConnectionMode
};

// What callers see of one enumerated interface; the open handle stays inside the manager.
struct HidDeviceEntry {
    int index = 0;
    unsigned short vid = 0;
    unsigned short pid = 0;
    std::string path;
    CString manufacturer;
    CString product;
    CString serial;
    bool has_handle = false;  // false for a Bluetooth record
    int release = 0;
    int device_type = 0;
    int mode = 0;    // ConnectionMode
    int online = 0;  // 1 = the mouse behind this interface is reachable
};

// device_type given to second-family receivers by their status answer, and the one a
// receiver reporting device id 0x0710 is moved to.
constexpr int kNodicReceiverType = 208;
constexpr int kNodicWiredReceiverType = 201;

// Vendor id, product id and online state a receiver reports for its paired mouse.
struct ReceiverPairInfo {
    int vid = 0x248A;
    int pid = 0xFF12;
    int status = 0;
};
