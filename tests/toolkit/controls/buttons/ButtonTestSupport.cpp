#include "ButtonTestSupport.h"

#include <algorithm>

#include "RenderCanvas.h"

namespace buttons_test {

LRESULT RecordingWindow::OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    threads.push_back(GetCurrentThreadId());
    return TestWindow::OnBaseMessage(id, code, wparam, lparam);
}

std::vector<UINT> RecordingWindow::Codes() const {
    std::vector<UINT> codes;
    for (const harness::Notification& n : notifications) codes.push_back(n.code);
    return codes;
}

int RecordingWindow::Count(UINT code) const {
    return static_cast<int>(std::count_if(notifications.begin(), notifications.end(),
                                          [code](const harness::Notification& n) { return n.code == code; }));
}

std::wstring WriteStrip(const wchar_t* name, int width, int height, const uint32_t (&colours)[4]) {
    const std::wstring path = Kelvo::test::TempPath(name);
    Kelvo::test::WriteFrameStrip(path.c_str(), width, height, colours, 4);
    return path;
}

std::wstring WriteSolid(const wchar_t* name, int width, int height, uint32_t colour) {
    const std::wstring path = Kelvo::test::TempPath(name);
    Kelvo::test::WriteFrameStrip(path.c_str(), width, height, &colour, 1);
    return path;
}

}  // namespace buttons_test
