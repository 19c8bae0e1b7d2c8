#pragma once
// The main window's registration for arrivals and removals of HID interfaces.
// The window passes its WM_DEVICECHANGE messages in; each arrival or removal of
// an interface reaches the handler as (path, change). The handler runs on the
// window's thread, so it must only queue the change (the device worker matches
// and reconnects).
#include <windows.h>

#include <functional>

#include "CString.h"
#include "ConnectionTracker.h"

class HidInterfaceNotifications {
public:
    using Handler = std::function<void(const CString& path, DeviceChange change)>;

    explicit HidInterfaceNotifications(Handler handler);
    ~HidInterfaceNotifications();
    HidInterfaceNotifications(const HidInterfaceNotifications&) = delete;
    HidInterfaceNotifications& operator=(const HidInterfaceNotifications&) = delete;

    // Registers `window` (replacing an earlier registration); false when the system refuses.
    bool Register(HWND window);
    void Unregister();
    bool Registered() const { return m_registration != nullptr; }

    // For the window procedure: true when the message was an interface arrival or
    // removal and went to the handler; anything else is left alone.
    bool OnDeviceChange(WPARAM event, LPARAM record) const;

private:
    Handler m_handler;
    HDEVNOTIFY m_registration = nullptr;
};
