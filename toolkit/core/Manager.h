#pragma once
// Process-wide state shared by every Kelvo window: the application's module instance,
// GDI+ start-up, the skin theme, the default font and the selection colour.
#include <windows.h>

#include "GdiPlus.h"

#include "CString.h"
#include "KelvoApi.h"

namespace Kelvo {

class MWindow;

class KELVO_API Manager {
public:
    static void SetInstance(HINSTANCE instance);
    static HINSTANCE GetInstance();

    // GDI+, COM and OLE for a program that leaves the start-up to the toolkit.
    static void InitGdiplus();
    // Undoes InitGdiplus in reverse order: OLE, COM, then GDI+.
    static void UnInitGdiplus();

    // The skin theme folder below <program folder>skins\, with its trailing backslash.
    static CString GetTheme();
    // <program folder>skins\<theme>\<path>, or `path` itself when it is absolute. Every
    // skin file is found through here.
    static CString GetSkinFile(const CString& path);

    static void SetFont(const CString& face, int size);
    static void SetFontName(const CString& face);
    static CString GetFontName();
    static int GetFontWidth();
    static DWORD GetSelectColor();

    static void AddWnd(MWindow* window);
    static void DeleteWnd(MWindow* window);
    static bool HasWnd(MWindow* window);

    // 1 while Alt and F4 are both held down: such messages are dropped.
    static int PreTranslateMessage(MSG* msg);
    // Runs until WM_QUIT (or a failing GetMessageW).
    static void MessageLoop();

    static HINSTANCE m_hInstance;
    static Gdiplus::GdiplusStartupInput m_gdiplusStartupInput;
    static ULONG_PTR m_gdiplusToken;
    static CString m_fontname;
    static int m_fontwidth;
    static DWORD m_select_color;
    static UINT m_uControlID;  // for the application's use; the toolkit does not read it
};

// The toolkit's trace entry point; traces produce no output.
KELVO_API void M_Trace(const wchar_t* format, ...);

}  // namespace Kelvo
