#include "InputDecoder.h"

namespace {

struct ButtonTransition {
    unsigned flag;
    int code;
    const wchar_t* name;
    bool released;
};

constexpr ButtonTransition kTransitions[] = {
    {rawmouse::kLeftDown, kLeftButtonCode, L"LB", false},
    {rawmouse::kMiddleDown, kMiddleButtonCode, L"MB", false},
    {rawmouse::kRightDown, kRightButtonCode, L"RB", false},
    {rawmouse::kLeftUp, kLeftButtonCode, L"LB", true},
    {rawmouse::kMiddleUp, kMiddleButtonCode, L"MB", true},
    {rawmouse::kRightUp, kRightButtonCode, L"RB", true},
    {rawmouse::kButton4Down, kBackButtonCode, L"Backward", false},
    {rawmouse::kButton4Up, kBackButtonCode, L"Backward", true},
    {rawmouse::kButton5Down, kForwardButtonCode, L"Forward", false},
    {rawmouse::kButton5Up, kForwardButtonCode, L"Forward", true},
};

}  // namespace

InputDecoder::InputDecoder(LayoutKeyName layout) : m_layout(std::move(layout)) {}

std::vector<InputEvent> InputDecoder::MouseButtons(unsigned buttonFlags) const {
    std::vector<InputEvent> events;
    for (const ButtonTransition& t : kTransitions) {
        if (buttonFlags & t.flag) events.push_back(InputEvent{InputKind::kMouseButton, t.released, t.code, t.name});
    }
    return events;
}

InputEvent InputDecoder::Key(int virtualKey, unsigned message) {
    if (virtualKey <= 0 || virtualKey >= 255) return InputEvent{};
    InputEvent event;
    event.kind = InputKind::kKey;
    event.released = message == rawkey::kKeyUp || message == rawkey::kSysKeyUp;
    event.code = RecordedKeyCode(virtualKey);
    event.text = VirtualKeyName(virtualKey, m_layout);
    if (event.released) {
        m_held.erase(event.code);
    } else if (!m_held.insert(event.code).second) {
        event.kind = InputKind::kIgnore;
    }
    return event;
}
