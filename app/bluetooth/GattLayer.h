#pragma once
// The few operations of the system's Bluetooth LE stack that the battery display needs:
// find the Battery Service interfaces, open one, list its characteristics, read a value
// and be called back when one changes. The program loads the stack at run time
// (WinGattLayer); tests put a fake in its place.
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "CString.h"

using GattServiceHandle = std::uintptr_t;  // 0: none
using GattRegistration = std::uintptr_t;   // 0: none

struct GattCharacteristicInfo {
    int index = 0;  // position in the service's list, what the other calls take
    bool readable = false;
    bool notifiable = false;
};

// Runs on a thread of the stack with the changed value's bytes.
using GattValueCallback = std::function<void(std::span<const std::uint8_t> value)>;

class GattLayer {
public:
    virtual ~GattLayer() = default;
    // Device-interface paths of the present Battery Service interfaces, as the system
    // lists them; empty when the stack or the list is not there.
    virtual std::vector<CString> BatteryServicePaths() = 0;
    // 0 when the interface cannot be opened.
    virtual GattServiceHandle Open(const CString& path) = 0;
    virtual void Close(GattServiceHandle service) = 0;
    // The characteristics of the first service behind `service`; false when there is no
    // service or it has none.
    virtual bool Characteristics(GattServiceHandle service, std::vector<GattCharacteristicInfo>& found) = 0;
    // False when the value cannot be read; an empty value is a successful read.
    virtual bool ReadValue(GattServiceHandle service, int characteristic, std::vector<std::uint8_t>& value) = 0;
    // 0 when the stack refused the registration.
    virtual GattRegistration Subscribe(GattServiceHandle service, int characteristic, GattValueCallback callback) = 0;
    // Once this returns the registration's callback is not called again.
    virtual void Unsubscribe(GattRegistration registration) = 0;
};
