// Kelvo::Manager through the exported interface of Kelvo.dll, as the application uses it.
// How new controls take up the default font, and where application images come from,
// is tested with the controls (ControlModelTest).
#include <gtest/gtest.h>

#include <string>

#include "File.h"
#include "Manager.h"

namespace {

CString FontPath(const char* face) {
    std::wstring path;
    for (const char* c = KELVO_FONT_DIR; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    path = L"Z:" + path + L"\\OpenSans-";
    for (const char* c = face; *c; ++c) path += static_cast<wchar_t>(*c);
    return CString(path + L".ttf");
}

TEST(ManagerTest, WindowSetHoldsEachWindowOnce) {
    auto* a = reinterpret_cast<Kelvo::MWindow*>(0x1000);
    auto* b = reinterpret_cast<Kelvo::MWindow*>(0x2000);
    Kelvo::Manager::AddWnd(a);
    Kelvo::Manager::AddWnd(a);
    Kelvo::Manager::AddWnd(b);
    Kelvo::Manager::DeleteWnd(a);
    EXPECT_FALSE(Kelvo::Manager::HasWnd(a));
    EXPECT_TRUE(Kelvo::Manager::HasWnd(b));
    Kelvo::Manager::DeleteWnd(b);
    Kelvo::Manager::DeleteWnd(b);
    EXPECT_FALSE(Kelvo::Manager::HasWnd(b));
}

// The three faces ship inside Kelvo.dll, byte for byte the TTF files of the build.
TEST(ManagerTest, ToolkitModuleCarriesTheOpenSansFaces) {
    HMODULE kelvo = GetModuleHandleW(L"Kelvo.dll");
    ASSERT_NE(kelvo, nullptr);
    const struct {
        int id;
        const char* face;
    } fonts[] = {{111, "Light"}, {112, "Regular"}, {117, "Semibold"}};
    for (const auto& f : fonts) {
        HRSRC resource = FindResourceW(kelvo, MAKEINTRESOURCEW(f.id), L"TTF");
        ASSERT_NE(resource, nullptr) << f.face;
        auto* data = static_cast<const char*>(LockResource(LoadResource(kelvo, resource)));
        std::string bytes;
        ASSERT_TRUE(file::ReadAll(FontPath(f.face), bytes)) << f.face;
        ASSERT_EQ(SizeofResource(kelvo, resource), bytes.size()) << f.face;
        EXPECT_EQ(std::string(data, bytes.size()), bytes) << f.face;
        DWORD count = 0;
        HANDLE added = AddFontMemResourceEx(const_cast<char*>(data), static_cast<DWORD>(bytes.size()), nullptr, &count);
        EXPECT_NE(added, nullptr) << f.face;
        EXPECT_EQ(count, 1u) << f.face;
        if (added) RemoveFontMemResourceEx(added);
    }
}

// Each WM_APP posts the next one until the third asks the loop to end.
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message != WM_APP) return DefWindowProcW(window, message, wparam, lparam);
    int& delivered = *reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (++delivered < 3)
        PostMessageW(window, WM_APP, 0, 0);
    else
        PostQuitMessage(0);
    return 0;
}

TEST(ManagerTest, MessageLoopDispatchesUntilQuit) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KelvoManagerTestWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, wc.hInstance,
                                  nullptr);
    ASSERT_NE(window, nullptr);
    int delivered = 0;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivered));
    PostMessageW(window, WM_APP, 0, 0);
    Kelvo::Manager::MessageLoop();
    EXPECT_EQ(delivered, 3);
    DestroyWindow(window);
}

TEST(ManagerTest, GdiplusStartsAndStopsThroughTheToolkit) {
    Kelvo::Manager::InitGdiplus();
    EXPECT_NE(Kelvo::Manager::m_gdiplusToken, 0u);
    {
        Gdiplus::Bitmap bitmap(4, 4, PixelFormat32bppARGB);
        EXPECT_EQ(bitmap.GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(bitmap.SetPixel(1, 1, Gdiplus::Color(0xFF3768FA)), Gdiplus::Ok);
    }
    Kelvo::Manager::UnInitGdiplus();
    EXPECT_EQ(Kelvo::Manager::m_gdiplusToken, 0u);
    EXPECT_EQ(Kelvo::Manager::PreTranslateMessage(nullptr), 0);  // Alt+F4 is not held
}

}  // namespace
