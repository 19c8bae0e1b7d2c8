#include "WindowEventPost.h"

WindowEventPost::WindowEventPost(HWND window)
    : m_window(window),
      // PostMessage fails harmlessly once the window is gone; the queue tries again
      // with the next event if a full message queue refused it.
      m_queue([this] { return PostMessageW(m_window, kWindowEventMessage, 0, 0) != 0; }) {}

bool WindowEventPost::Deliver(UINT message, DeviceEventListener& window) {
    if (message != kWindowEventMessage) return false;
    m_queue.Drain(window);
    return true;
}
