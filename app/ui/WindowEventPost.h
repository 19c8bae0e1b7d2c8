#pragma once
// Brings the worker's device events to the main window's thread: the worker's listener
// queues them and posts one private message per batch; the window procedure hands that
// message to Deliver, which replays the batch into the window's own listener.
#include <windows.h>

#include "WindowEventQueue.h"

// Private to the main window; no toolkit or shell message uses this value.
constexpr UINT kWindowEventMessage = WM_APP + 0x24;

class WindowEventPost {
public:
    explicit WindowEventPost(HWND window);
    ~WindowEventPost() { Close(); }
    WindowEventPost(const WindowEventPost&) = delete;
    WindowEventPost& operator=(const WindowEventPost&) = delete;

    // What the device worker reports to; it must not outlive this object.
    DeviceEventListener& WorkerListener() { return m_queue; }

    // For the window procedure: true when the message was kWindowEventMessage and its
    // batch went to `window`.
    bool Deliver(UINT message, DeviceEventListener& window);

    // From WM_DESTROY: later events are dropped, nothing more is posted.
    void Close() { m_queue.Close(); }

private:
    HWND m_window;
    WindowEventQueue m_queue;
};
