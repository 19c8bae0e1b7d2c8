#pragma once
// Test images with distinct colour regions, written to the temporary folder so that the
// controls load them by absolute path and every pixel they draw is known; a multi-frame
// GIF written byte by byte; and the window's periodic tick driven one step at a time.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TestWindow.h"

namespace picture_test {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kYellow = 0xFFFFFF00;
constexpr uint32_t kCyan = 0xFF00FFFF;
constexpr uint32_t kMagenta = 0xFFFF00FF;
constexpr uint32_t kOrange = 0xFFFF8000;
constexpr uint32_t kPurple = 0xFF8000FF;
constexpr uint32_t kGrey = 0xFF808080;
constexpr uint32_t kClear = 0x00000000;

// `columns` × `rows` cells of `cellWidth` × `cellHeight`, cell (c, r) in
// colours[r × columns + c], saved as PNG under `name` in the temporary folder.
std::wstring WriteGrid(const wchar_t* name, int cellWidth, int cellHeight, int columns, int rows,
                       const std::vector<uint32_t>& colours);

// A GIF of one opaque `width` × `height` frame per colour (at most 8 colours).
std::wstring WriteGif(const wchar_t* name, int width, int height, const std::vector<uint32_t>& frames);

// The window's periodic tick, one at a time: the timer is started with a period long
// enough never to fire by itself.
class Ticks {
public:
    explicit Ticks(harness::TestWindow& window);
    ~Ticks();
    bool Started() const { return m_id != 0; }
    void Run(int count);

private:
    harness::TestWindow& m_window;
    UINT m_id;
};

}  // namespace picture_test
