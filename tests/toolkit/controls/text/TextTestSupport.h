#pragma once
// What the text input tests share: a parent that records each notification with the
// thread it arrived on, and the shipped skin's files and pixels.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MObject.h"
#include "TestWindow.h"

namespace texttest {

struct Heard {
    UINT id;
    UINT code;
    DWORD thread;
};

// Stands between the controls and the test window: records what they notify, passes
// their repaint requests on.
class Recorder : public Kelvo::MObject {
public:
    explicit Recorder(harness::TestWindow& window) : m_window(window) {}
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnControlUpdate(const CRect& rect, int redraw, Kelvo::MControl* control) override;

    // The codes heard from control `id`, in order.
    std::vector<UINT> Codes(UINT id) const;
    // Whether every notification arrived on the calling thread.
    bool AllOnThisThread() const;

    std::vector<Heard> heard;
    std::function<void(const Heard&)> onNotify;

private:
    harness::TestWindow& m_window;
};

// The absolute path of a file of the shipped skin (assets/skins/theme1/).
std::wstring SkinFile(const wchar_t* name);
// A pixel (0xRRGGBB) of a shipped skin file, composed over black.
DWORD SkinPixel(const wchar_t* name, int x, int y);
// The native editor window showing with the keyboard focus, if any.
HWND FocusedEditor();

}  // namespace texttest
