// The raw-input side of the recorder, with real RAWINPUT structures and a real
// window (under Wine in the Windows build).
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "RawInputRecorder.h"

void PrintTo(const InputEvent& e, std::ostream* os);

namespace {

RAWINPUT MouseReport(USHORT buttonFlags) {
    RAWINPUT input = {};
    input.header.dwType = RIM_TYPEMOUSE;
    input.header.dwSize = sizeof(RAWINPUTHEADER) + sizeof(RAWMOUSE);
    input.data.mouse.usFlags = MOUSE_MOVE_RELATIVE;
    input.data.mouse.usButtonFlags = buttonFlags;
    return input;
}

RAWINPUT KeyReport(USHORT virtualKey, USHORT scanCode, UINT message, USHORT flags = RI_KEY_MAKE) {
    RAWINPUT input = {};
    input.header.dwType = RIM_TYPEKEYBOARD;
    input.header.dwSize = sizeof(RAWINPUTHEADER) + sizeof(RAWKEYBOARD);
    input.data.keyboard.VKey = virtualKey;
    input.data.keyboard.MakeCode = scanCode;
    input.data.keyboard.Message = message;
    input.data.keyboard.Flags = flags;
    return input;
}

InputEvent Event(InputKind kind, bool released, int code, const wchar_t* text) { return {kind, released, code, text}; }

TEST(RawInputRecorderTest, DecodesMouseReports) {
    RawInputRecorder recorder;
    const std::vector<InputEvent> both = {Event(InputKind::kMouseButton, false, 2, L"RB"),
                                          Event(InputKind::kMouseButton, true, 1, L"LB")};
    EXPECT_EQ(recorder.Decode(MouseReport(RI_MOUSE_LEFT_BUTTON_UP | RI_MOUSE_RIGHT_BUTTON_DOWN)), both);
    EXPECT_EQ(recorder.Decode(MouseReport(RI_MOUSE_BUTTON_5_DOWN)),
              std::vector<InputEvent>{Event(InputKind::kMouseButton, false, 16, L"Forward")});
    EXPECT_TRUE(recorder.Decode(MouseReport(RI_MOUSE_WHEEL)).empty());
}

TEST(RawInputRecorderTest, DecodesKeyReportsWithTheLayoutsNames) {
    RawInputRecorder recorder;
    EXPECT_EQ(recorder.Decode(KeyReport('A', 0x1E, WM_KEYDOWN)), std::vector<InputEvent>{Event(InputKind::kKey, false, 'A', L"A")});
    EXPECT_EQ(recorder.Decode(KeyReport('A', 0x1E, WM_KEYDOWN))[0].kind, InputKind::kIgnore);  // auto-repeat
    EXPECT_EQ(recorder.Decode(KeyReport('A', 0x1E, WM_KEYUP, RI_KEY_BREAK))[0], Event(InputKind::kKey, true, 'A', L"A"));
    EXPECT_EQ(recorder.Decode(KeyReport(VK_SHIFT, 0x2A, WM_KEYDOWN))[0], Event(InputKind::kKey, false, 160, L"Shift"));
    EXPECT_EQ(recorder.Decode(KeyReport(VK_MENU, 0x38, WM_SYSKEYDOWN))[0], Event(InputKind::kKey, false, 164, L"Alt"));

    // Home is named as the navigation key, not as the number-pad key that
    // shares its scan code (whatever the layout calls either).
    InputEvent home = recorder.Decode(KeyReport(VK_HOME, 0x47, WM_KEYDOWN, RI_KEY_E0))[0];
    UINT scanCode = MapVirtualKeyW(VK_HOME, MAPVK_VK_TO_VSC);
    wchar_t padName[260] = {};
    GetKeyNameTextW(static_cast<LONG>(scanCode) << 16, padName, 260);
    EXPECT_FALSE(home.text.IsEmpty());
    EXPECT_NE(home.text, CString(padName));
    EXPECT_EQ(SystemKeyName(VK_HOME), home.text);
}

TEST(RawInputRecorderTest, OtherDevicesAndUnreadableDataGoNoFurther) {
    RawInputRecorder recorder;
    RAWINPUT hid = {};
    hid.header.dwType = RIM_TYPEHID;
    EXPECT_EQ(recorder.Decode(hid), std::vector<InputEvent>{Event(InputKind::kOther, false, 0, L"")});
    EXPECT_TRUE(recorder.Read(nullptr).empty());
    EXPECT_TRUE(recorder.Read(reinterpret_cast<HRAWINPUT>(static_cast<INT_PTR>(0x1234))).empty());
}

// A window that hands every WM_INPUT to the recorder.
struct Capture {
    RawInputRecorder recorder;
    std::vector<InputEvent> events;
};

LRESULT CALLBACK CaptureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT) {
        auto* capture = reinterpret_cast<Capture*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (capture) {
            for (const InputEvent& e : capture->recorder.Read(reinterpret_cast<HRAWINPUT>(lParam))) capture->events.push_back(e);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class CaptureWindow {
public:
    explicit CaptureWindow(Capture& capture) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = CaptureProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"MirevoRawInputTest";
        RegisterClassW(&wc);
        m_window = CreateWindowExW(0, wc.lpszClassName, L"raw input", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&capture));
    }
    ~CaptureWindow() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

    // Delivers what is waiting, for up to `ms` milliseconds.
    void Pump(DWORD ms) {
        DWORD end = GetTickCount() + ms;
        while (static_cast<LONG>(end - GetTickCount()) > 0) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(10);
        }
    }

private:
    HWND m_window = nullptr;
};

std::vector<RAWINPUTDEVICE> Registered() {
    UINT count = 0;
    GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
    std::vector<RAWINPUTDEVICE> devices(count);
    if (count) GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE));
    devices.resize(count);
    return devices;
}

TEST(RawInputRecorderTest, RegistersMouseAndKeyboardInTheBackgroundUntilStopped) {
    Capture capture;
    CaptureWindow window(capture);
    ASSERT_NE(window.Handle(), nullptr);
    ASSERT_TRUE(capture.recorder.Start(window.Handle()));
    std::vector<RAWINPUTDEVICE> devices = Registered();
    ASSERT_EQ(devices.size(), 2u);
    for (const RAWINPUTDEVICE& d : devices) {
        EXPECT_EQ(d.usUsagePage, 1);
        EXPECT_TRUE(d.usUsage == 2 || d.usUsage == 6) << d.usUsage;
        EXPECT_EQ(d.dwFlags, static_cast<DWORD>(RIDEV_INPUTSINK));
        EXPECT_EQ(d.hwndTarget, window.Handle());
    }
    capture.recorder.Stop();
    EXPECT_TRUE(Registered().empty());
}

// Input sent to the system comes back as WM_INPUT, is read with
// GetRawInputData and becomes the events a recording takes.
TEST(RawInputRecorderTest, RecordsInputSentToTheSystem) {
    Capture capture;
    CaptureWindow window(capture);
    ShowWindow(window.Handle(), SW_SHOW);
    SetForegroundWindow(window.Handle());
    ASSERT_TRUE(capture.recorder.Start(window.Handle()));
    window.Pump(100);
    capture.events.clear();

    INPUT inputs[4] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = 'Q';
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    inputs[3].type = INPUT_MOUSE;
    inputs[3].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4u);
    window.Pump(500);

    const std::vector<InputEvent> expected = {
        Event(InputKind::kKey, false, 'Q', L"Q"), Event(InputKind::kKey, true, 'Q', L"Q"),
        Event(InputKind::kMouseButton, false, 2, L"RB"), Event(InputKind::kMouseButton, true, 2, L"RB"),
    };
    EXPECT_EQ(capture.events, expected);
}

}  // namespace
