#include "PictureTestSupport.h"

#include "GdiPlus.h"

#include "RenderCanvas.h"

namespace picture_test {

std::wstring WriteGrid(const wchar_t* name, int cellWidth, int cellHeight, int columns, int rows,
                       const std::vector<uint32_t>& colours) {
    Gdiplus::Bitmap image(cellWidth * columns, cellHeight * rows, PixelFormat32bppARGB);
    for (int y = 0; y < cellHeight * rows; ++y)
        for (int x = 0; x < cellWidth * columns; ++x)
            image.SetPixel(x, y, Gdiplus::Color(colours[(y / cellHeight) * columns + x / cellWidth]));
    const std::wstring path = Kelvo::test::TempPath(name);
    Kelvo::test::SavePng(image, path.c_str());
    return path;
}

namespace {

void Put16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// LZW data in which every pixel is a literal preceded by a clear code, so the code width
// never grows and the decoder's table stays empty.
std::vector<uint8_t> LiteralLzw(int pixels, uint8_t index) {
    constexpr int kCodeBits = 4;  // minimum code size 3, plus one
    constexpr int kClear = 8;
    constexpr int kEnd = 9;
    std::vector<uint8_t> bytes;
    uint32_t buffer = 0;
    int filled = 0;
    auto emit = [&](int code) {
        buffer |= static_cast<uint32_t>(code) << filled;
        filled += kCodeBits;
        while (filled >= 8) {
            bytes.push_back(static_cast<uint8_t>(buffer & 0xFF));
            buffer >>= 8;
            filled -= 8;
        }
    };
    for (int i = 0; i < pixels; ++i) {
        emit(kClear);
        emit(index);
    }
    emit(kEnd);
    if (filled > 0) bytes.push_back(static_cast<uint8_t>(buffer & 0xFF));
    return bytes;
}

}  // namespace

std::wstring WriteGif(const wchar_t* name, int width, int height, const std::vector<uint32_t>& frames) {
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, width);
    Put16(out, height);
    out.push_back(0xF2);  // global colour table of 8 entries
    out.push_back(0);
    out.push_back(0);
    for (size_t i = 0; i < 8; ++i) {
        const uint32_t colour = i < frames.size() ? frames[i] : 0;
        out.push_back(static_cast<uint8_t>(colour >> 16));
        out.push_back(static_cast<uint8_t>(colour >> 8));
        out.push_back(static_cast<uint8_t>(colour));
    }
    const uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 0x03, 0x01, 0, 0, 0};
    out.insert(out.end(), std::begin(loop), std::end(loop));
    for (size_t frame = 0; frame < frames.size() && frame < 8; ++frame) {
        const uint8_t control[] = {0x21, 0xF9, 0x04, 0x04, 10, 0, 0, 0};  // keep the frame, 100 ms
        out.insert(out.end(), std::begin(control), std::end(control));
        out.push_back(0x2C);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, width);
        Put16(out, height);
        out.push_back(0);
        out.push_back(3);  // minimum code size
        const std::vector<uint8_t> data = LiteralLzw(width * height, static_cast<uint8_t>(frame));
        for (size_t at = 0; at < data.size(); at += 255) {
            const size_t block = std::min<size_t>(255, data.size() - at);
            out.push_back(static_cast<uint8_t>(block));
            out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                       data.begin() + static_cast<std::ptrdiff_t>(at + block));
        }
        out.push_back(0);
    }
    out.push_back(0x3B);
    const std::wstring path = Kelvo::test::TempPath(name);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
        CloseHandle(file);
    }
    return path;
}

Ticks::Ticks(harness::TestWindow& window) : m_window(window), m_id(window.Manager().SetMTimer(60000)) {}

Ticks::~Ticks() { m_window.Manager().KillMTimer(); }

void Ticks::Run(int count) {
    for (int i = 0; i < count; ++i) m_window.Manager().OnMTimer(m_id);
}

}  // namespace picture_test
