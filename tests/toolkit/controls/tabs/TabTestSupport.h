#pragma once
// What the tab and slider tests share: a parent that records notifications (and lets a
// test look at the window the moment one arrives) and generated two-frame icons.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MObject.h"
#include "TestWindow.h"

namespace tabtest {

// Stands between controls and the test window: records what they notify, passes their
// repaint requests on.
class Recorder : public Kelvo::MObject {
public:
    explicit Recorder(harness::TestWindow& window) : m_window(window) {}
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) override;

    std::vector<harness::Notification> seen;
    // Runs as each notification arrives, before the sender goes on.
    std::function<void(const harness::Notification&)> onNotify;

private:
    harness::TestWindow& m_window;
};

constexpr uint32_t kFrame0 = 0xFF20C020;  // green: a tab's normal picture
constexpr uint32_t kFrame1 = 0xFFC02020;  // red: a tab's selected picture
constexpr int kIconSize = 20;

// A PNG of two kIconSize-square frames (kFrame0, kFrame1) in the temporary folder.
std::wstring TwoFrameIcon();
// A PNG of one square frame of `size` in `argb`.
std::wstring SquareImage(const wchar_t* name, int size, uint32_t argb);

}  // namespace tabtest
