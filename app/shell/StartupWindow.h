#pragma once
// The program's top-level window until the main window is built: the caption, size and
// window property that make the single-instance behaviour work, and nothing more.
#include <windows.h>

class StartupWindow {
public:
    explicit StartupWindow(HINSTANCE instance) : m_instance(instance) {}
    ~StartupWindow();
    StartupWindow(const StartupWindow&) = delete;
    StartupWindow& operator=(const StartupWindow&) = delete;

    // Creates and shows the window and runs the toolkit's message loop until the
    // window is destroyed. False when the window cannot be created.
    bool Run();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void Paint(HDC dc);
    bool Register();

    HINSTANCE m_instance = nullptr;
    HWND m_window = nullptr;
    HICON m_skinIcon = nullptr;
};
