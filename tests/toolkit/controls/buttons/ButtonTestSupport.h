#pragma once
// What the button tests share: a window that also records on which thread each
// notification arrived, and skin strips written to the temporary folder.
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "TestWindow.h"

// Readable failure messages for texts and points.
inline void PrintTo(const CString& text, std::ostream* out) {
    for (wchar_t c : text.str()) *out << (c < 128 ? static_cast<char>(c) : '?');
}
inline void PrintTo(const CPoint& point, std::ostream* out) { *out << point.x << "," << point.y; }

namespace buttons_test {

class RecordingWindow : public harness::TestWindow {
public:
    RecordingWindow() = default;
    LRESULT OnBaseMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;

    std::vector<UINT> Codes() const;
    int Count(UINT code) const;

    std::vector<DWORD> threads;  // one per notification
};

// A strip of four `width` x `height` frames, frame i filled with colours[i] (ARGB), as a
// PNG in the temporary folder; returns its absolute path.
std::wstring WriteStrip(const wchar_t* name, int width, int height, const uint32_t (&colours)[4]);
// One frame of one colour.
std::wstring WriteSolid(const wchar_t* name, int width, int height, uint32_t colour);

// Frame colours the pixel tests look for (opaque, distinct in every channel).
constexpr uint32_t kFrameColours[4] = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0};

}  // namespace buttons_test
