// A layered dialog paints with per-pixel alpha: what its background leaves transparent
// stays transparent in the picture handed to the system, and opaque parts stay opaque.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GdiPlus.h"

#include "MDialog.h"
#include "MenuItem.h"
#include "WindowTestSupport.h"

using namespace Kelvo;
using namespace wintest;

namespace {

bool PngEncoder(CLSID& clsid) {
    UINT count = 0, bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<unsigned char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (!bytes || Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

// 300 x 200: the left third transparent, the middle half-transparent red, the rest opaque green.
std::wstring WriteBackground() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"kelvo-layered-background.png";
    Gdiplus::Bitmap bitmap(300, 200, PixelFormat32bppARGB);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(x < 100 ? 0x00000000 : x < 200 ? 0x80FF0000 : 0xFF00FF00));
    CLSID png{};
    if (!PngEncoder(png) || bitmap.Save(path.c_str(), &png, nullptr) != Gdiplus::Ok) return {};
    return path;
}

class LayeredDialog : public MDialog {
public:
    void InitUI(CRect) override {
        auto* item = static_cast<MenuItem*>(CreateControl(L"MenuItem", 1, CRect(20, 150, 80, 180), L"", 1, 1));
        item->SetHighlightColor(0xFF3768FA);
        item->SetControlCheck(1);
    }
};

TEST(LayeredDialog, PaintsWithPerPixelAlpha) {
    const std::wstring background = WriteBackground();
    ASSERT_FALSE(background.empty());
    LayeredDialog dialog;
    ASSERT_EQ(dialog.LoadBKImage(background.c_str()), 1);
    dialog.SetLayeredWindow(1);
    ASSERT_NE(dialog.Create(nullptr, L"Layered", WS_POPUP, WS_EX_TOOLWINDOW, CRect(300, 200, 600, 400)), nullptr);
    dialog.ShowWindow(SW_SHOW);
    PaintNow(dialog.GetSafeHwnd());
    EXPECT_NE(dialog.GetExStyle() & WS_EX_LAYERED, 0u);

    PaintManager& manager = dialog.GetPaintManager();
    const DWORD clear = manager.GetBufferPixel(50, 50);
    const DWORD half = manager.GetBufferPixel(150, 50);
    const DWORD opaque = manager.GetBufferPixel(250, 50);
    const DWORD control = manager.GetBufferPixel(50, 165);
    EXPECT_EQ(clear >> 24, 0u) << std::hex << clear;
    EXPECT_NEAR(static_cast<int>(half >> 24), 0x80, 0x10) << std::hex << half;
    EXPECT_EQ(half & 0x00FF00, 0u) << std::hex << half;
    EXPECT_EQ(opaque, 0xFF00FF00u) << std::hex << opaque;
    EXPECT_EQ(control, 0xFF3768FAu) << "an opaque control over a transparent background";
    dialog.DestroyWindow();
    DeleteFileW(background.c_str());
}

}  // namespace
