#pragma once
// How the device side tells the rest of the program what happened. The device
// worker and the connection tracker never touch a window: the main window
// implements this by posting to its UI thread; mirevoctl and the tests implement
// it directly.

// Connection texts (language ids) shown in the main window's status label.
enum ConnectionText {
    kTextNoDevice = 50,               // no interface of the model is present
    kTextWired = 51,
    kTextReceiverConnected = 52,
    kTextReceiverNotConnected = 53,
    kTextBluetoothConnected = 54,
    kTextBluetoothNotConnected = 55,
};

// The text for a connection reported by the mouse (work mode 0..4); 0 for an
// invalid work mode, which leaves the label as it is.
inline int ConnectionTextFor(int workMode, bool connected) {
    switch (workMode) {
    case 0: return kTextWired;
    case 1:
    case 3:
    case 4: return connected ? kTextReceiverConnected : kTextReceiverNotConnected;
    case 2: return connected ? kTextBluetoothConnected : kTextBluetoothNotConnected;
    default: return 0;
    }
}

struct FirmwareVersions;  // FirmwareVersion.h

enum class DevicePage { kKeys, kPerformance, kMacros, kLighting };

// Battery state for OnBattery: 0 discharging, 1 charging, 2 no information (clears the display).
constexpr int kBatteryCleared = 2;

class DeviceEventListener {
public:
    virtual ~DeviceEventListener() = default;
    virtual void OnStatusText(int textId) = 0;
    // Any message the main window shows about the device goes away.
    virtual void OnClearMessage() {}
    virtual void OnBattery(int level, int state) = 0;
    virtual void OnPagesEnabled(bool enabled) = 0;
    virtual void OnReloadPage(DevicePage page) = 0;
    virtual void OnModelReadFinished(bool ok) = 0;
    // A model change or factory reset the window asked for (its generation) has ended,
    // whatever came of it.
    virtual void OnModelChangeFinished(unsigned /*generation*/, bool /*ok*/) {}
    // The current model changed without the user choosing it (start-up choice).
    virtual void OnModelSelected(int /*deviceType*/) {}
    // A Bluetooth connection: its battery comes from the GATT battery service.
    virtual void OnBluetoothBatteryWanted() {}
    // The mouse's current profile changed without the window switching it: the
    // mouse reported another one, or a read found another one active.
    virtual void OnCurrentProfileChanged(int /*profile*/) {}
    // The firmware check ran: the version labels' texts and the upgrade marks.
    virtual void OnFirmwareVersions(const FirmwareVersions& /*versions*/) {}
};
