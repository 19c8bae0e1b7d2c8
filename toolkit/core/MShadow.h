#pragma once
// The drop shadow of a window: a layered, click-through window kept just behind its
// parent, drawn either from the parent's outline (computed) or from a nine-grid image.
// It watches the parent by taking over the parent's window procedure; that is undone
// when the parent goes and when the shadow object goes first.
//
// Colours are colour references (0x00BBGGRR).
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"

namespace Kelvo {

class PaintManager;

class KELVO_API MShadow {
public:
    // Status bits.
    static constexpr int kEnabled = 1;
    static constexpr int kVisible = 2;
    static constexpr int kParentVisible = 4;

    MShadow() = default;
    MShadow(const MShadow&) = delete;
    MShadow& operator=(const MShadow&) = delete;
    ~MShadow();

    // Registers the "ShadowWnd" class once per process (again when `force`); 1 when usable.
    static int Initialize(HINSTANCE instance, bool force);
    // The parent window -> shadow map the shared window procedure uses.
    struct Hook {
        MShadow* shadow;    // null once the shadow went while another procedure sat above it
        WNDPROC previous;
    };
    static std::map<HWND, Hook>& GetShadowMap();

    // Makes the shadow of the manager's window when the show flag is set.
    void Create(PaintManager* manager);

    int SetSize(int size);
    int SetSharpness(unsigned sharpness);
    int SetDarkness(unsigned darkness);
    int SetPosition(int x, int y);
    int SetColor(COLORREF colour);
    int SetImage(const wchar_t* path);
    int SetImage(UINT resourceId);
    void SetShadowCorner(RECT corners);
    void ShowShadow(int show);
    int IsShowShadow() const { return m_bShow; }
    void DisableShadow(int disable);
    int IsDisableShadow() const { return m_bDisabled; }
    // Takes over the other shadow's settings (not its window nor its image).
    void CopyShadow(MShadow* other);

    HWND GetShadowWnd() const { return m_hWnd; }
    HWND GetParentWnd() const { return m_hParent; }
    int GetStatus() const { return m_nStatus; }
    int GetSize() const { return m_nSize; }
    int GetSharpness() const { return m_nSharpness; }
    int GetDarkness() const { return m_nDarkness; }
    CPoint GetPosition() const { return CPoint(m_nxOffset, m_nyOffset); }
    COLORREF GetColor() const { return m_color; }
    // A pixel of the last shadow picture, 0xAARRGGBB premultiplied (top row first);
    // 0 outside it. The picture is empty until a shadow was drawn.
    std::uint32_t GetPixel(int x, int y) const;
    CSize GetPictureSize() const { return CSize(m_nPictureWidth, m_nPictureHeight); }

private:
    static LRESULT CALLBACK ParentProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);
    void OnParentMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    void OnParentSize(UINT type, CSize size);
    void OnParentShow(bool show);
    // Gives the parent its own window procedure back (or leaves a pass-through).
    void Unhook();
    int TakeImage(Gdiplus::Image* image);
    void UpdateIfShown();
    // Draws the shadow for the parent's current rectangle and puts it on screen.
    void Update();
    void MoveToParent();
    // The size the computation works with: a negative size counts as 0.
    int WorkingSize() const;
    // Where the shadow window goes for the parent at `parent` (screen).
    CPoint PlaceFor(const CRect& parent) const;
    void DrawImagePicture(const CRect& parent);
    void DrawComputedPicture(const CRect& parent);
    void ResetPicture(int width, int height);
    void Present(CPoint place);

    PaintManager* m_pManager = nullptr;
    HWND m_hWnd = nullptr;
    HWND m_hParent = nullptr;
    int m_nStatus = 0;
    std::unique_ptr<Gdiplus::Image> m_pImage;
    int m_bImageMode = 0;
    CRect m_rcCorner;
    std::uint8_t m_nDarkness = 150;
    std::uint8_t m_nSharpness = 5;
    std::int8_t m_nSize = 0;
    std::int8_t m_nxOffset = 5;
    std::int8_t m_nyOffset = 5;
    COLORREF m_color = 0;
    CSize m_szLastParent;
    int m_bUpdatePending = 0;
    int m_bShow = 0;
    int m_bDisabled = 0;
    // the picture last put on screen, top row first
    std::vector<std::uint32_t> m_picture;
    int m_nPictureWidth = 0;
    int m_nPictureHeight = 0;
};

}  // namespace Kelvo
