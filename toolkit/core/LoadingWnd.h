#pragma once
// The waiting window: a layered panel with the program's logo above an animated GIF
// (or an animation strip) and a close button, ticking on its own thread's timer.
// Missing pictures are left out; without a background the panel is a light fill.
#include <windows.h>

#include <memory>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "MDecorWindow.h"
#include "PaintManager.h"

namespace Kelvo {

class KELVO_API LoadingWnd : public MDecorWindow {
public:
    LoadingWnd();
    ~LoadingWnd() override;

    const wchar_t* GetWindowClassName() override;
    // Loads the skin's animation and logo, makes the window at `rect` (screen) and shows it
    // without activation; the window's handle, null when it cannot be made.
    HWND CreateDlg(HWND parent, CRect rect);
    // Starts the animation timer and loads the close button.
    int OnInitDialog() override;

    int LoadBKImage(const wchar_t* path);
    void SetBackMode(enumBackMode mode, int frameSize);
    // An animation strip of `frames` frames of equal width side by side, instead of a GIF.
    int LoadAnimateImage(const wchar_t* path, int frames);
    // An animated GIF; its frame count comes from its time dimension.
    int LoadGifImage(const wchar_t* path);

    int GetFrameCount() const { return m_nFrames; }
    int GetFrame() const { return m_nFrame; }
    int GetCloseState() const { return m_nCloseState; }

    void OnTimer(UINT_PTR id) override;
    LRESULT OnDestroy() override;
    LRESULT OnSize(UINT type, int width, int height) override;
    LRESULT OnMouseMove(UINT flags, CPoint point) override;
    LRESULT OnMouseLeave(WPARAM wparam, LPARAM lparam) override;
    LRESULT OnLButtonDown(UINT flags, CPoint point) override;
    LRESULT OnLButtonUp(UINT flags, CPoint point) override;

    static constexpr UINT_PTR kAnimationTimer = 100;
    static constexpr UINT kTickMs = 18;

private:
    void Paint();
    CRect CloseRect() const;
    void SetCloseState(int state);

    std::unique_ptr<Gdiplus::Image> m_pBkImage;
    std::unique_ptr<Gdiplus::Image> m_pAnimation;
    std::unique_ptr<Gdiplus::Image> m_pLogo;
    std::unique_ptr<Gdiplus::Image> m_pClose;
    enumBackMode m_backMode = BACKMODE_FRAME;
    int m_nFrameSize = 10;
    bool m_bGif = false;
    int m_nFrames = 0;
    int m_nFrame = 0;
    int m_nTicks = 0;
    int m_nCloseState = 0;  // frame of the close button: normal, hovered, pressed
    bool m_bTracking = false;
};

}  // namespace Kelvo
