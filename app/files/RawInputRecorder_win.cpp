#include "RawInputRecorder.h"

#include <algorithm>
#include <cstring>

#include "KeyNames.h"

// The portable decoder names the raw mouse flags itself.
static_assert(rawmouse::kLeftDown == RI_MOUSE_LEFT_BUTTON_DOWN && rawmouse::kLeftUp == RI_MOUSE_LEFT_BUTTON_UP);
static_assert(rawmouse::kRightDown == RI_MOUSE_RIGHT_BUTTON_DOWN && rawmouse::kRightUp == RI_MOUSE_RIGHT_BUTTON_UP);
static_assert(rawmouse::kMiddleDown == RI_MOUSE_MIDDLE_BUTTON_DOWN && rawmouse::kMiddleUp == RI_MOUSE_MIDDLE_BUTTON_UP);
static_assert(rawmouse::kButton4Down == RI_MOUSE_BUTTON_4_DOWN && rawmouse::kButton4Up == RI_MOUSE_BUTTON_4_UP);
static_assert(rawmouse::kButton5Down == RI_MOUSE_BUTTON_5_DOWN && rawmouse::kButton5Up == RI_MOUSE_BUTTON_5_UP);
static_assert(rawkey::kKeyDown == WM_KEYDOWN && rawkey::kKeyUp == WM_KEYUP);
static_assert(rawkey::kSysKeyDown == WM_SYSKEYDOWN && rawkey::kSysKeyUp == WM_SYSKEYUP);

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;
constexpr USHORT kKeyboardUsage = 0x06;

bool Register(HWND window, DWORD flags) {
    RAWINPUTDEVICE devices[2] = {};
    devices[0].usUsagePage = kGenericDesktopPage;
    devices[0].usUsage = kMouseUsage;
    devices[0].dwFlags = flags;
    devices[0].hwndTarget = window;
    devices[1] = devices[0];
    devices[1].usUsage = kKeyboardUsage;
    return RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)) != FALSE;
}

}  // namespace

RawInputRecorder::RawInputRecorder() : m_decoder(SystemKeyName) {}

RawInputRecorder::~RawInputRecorder() { Stop(); }

bool RawInputRecorder::Start(HWND window) {
    Stop();
    m_started = Register(window, RIDEV_INPUTSINK) || Register(window, RIDEV_INPUTSINK);
    return m_started;
}

void RawInputRecorder::Stop() {
    if (!m_started) return;
    // A removal names no window.
    Register(nullptr, RIDEV_REMOVE);
    m_started = false;
}

std::vector<InputEvent> RawInputRecorder::Read(HRAWINPUT input) {
    UINT size = 0;
    if (GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0 || size < sizeof(RAWINPUTHEADER)) {
        return {};
    }
    std::vector<unsigned char> buffer(size);
    UINT read = size;
    if (GetRawInputData(input, RID_INPUT, buffer.data(), &read, sizeof(RAWINPUTHEADER)) != size) return {};
    // A HID report may be longer than RAWINPUT and a keyboard report shorter;
    // only the header and the mouse and keyboard fields are read.
    RAWINPUT full = {};
    std::memcpy(&full, buffer.data(), std::min<std::size_t>(size, sizeof full));
    return Decode(full);
}

std::vector<InputEvent> RawInputRecorder::Decode(const RAWINPUT& input) {
    switch (input.header.dwType) {
    case RIM_TYPEMOUSE:
        return m_decoder.MouseButtons(input.data.mouse.usButtonFlags);
    case RIM_TYPEKEYBOARD:
        return {m_decoder.Key(input.data.keyboard.VKey, input.data.keyboard.Message)};
    default:
        return {InputEvent{InputKind::kOther, false, 0, CString()}};
    }
}
