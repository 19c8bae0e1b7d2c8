#pragma once
// The balloon tip ("AirBladder Window"): white text on a rounded dark balloon beside a
// point of the screen, fitted to the text. A paint manager keeps one per window for the
// help of its buttons; dialogs point it at their controls.
//
// Setting a text places and paints the balloon; showing and hiding are separate. Unless
// its type says otherwise, a balloon hides itself 5 seconds after its text was set.
#include <windows.h>

#include "GdiPlus.h"

#include <memory>

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "MDecorWindow.h"
#include "PaintManager.h"

namespace Kelvo {

class KELVO_API MAirBladder : public MDecorWindow {
public:
    MAirBladder();
    ~MAirBladder() override;

    const wchar_t* GetWindowClassName() override;
    // Loads the toolkit's text face.
    int OnInitDialog() override;

    // Stores and fits the balloon to the text at the point; 1. The same text, point, type
    // and mode again change nothing (a running hide timer keeps running).
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode);
    // Images from the skin folder or from resources; 1 when the image loaded.
    int LoadBKImage(const wchar_t* path);
    int LoadBKImage(UINT resourceId, const wchar_t* resourceType);
    int LoadArrowLImage(const wchar_t* path);
    int LoadArrowLImage(UINT resourceId, const wchar_t* resourceType);
    int LoadArrowRImage(const wchar_t* path);
    int LoadArrowRImage(UINT resourceId, const wchar_t* resourceType);
    int LoadArrowTImage(const wchar_t* path);
    int LoadArrowTImage(UINT resourceId, const wchar_t* resourceType);
    void SetBackMode(enumBackMode mode, int frameSize);

    const CString& GetText() const { return m_strText; }
    CPoint GetPoint() const { return m_ptAnchor; }
    AIRBLADDER_TYPE GetType() const { return m_type; }
    AIRBLADDER_MODE GetMode() const { return m_mode; }
    int GetLineCount() const { return m_nLines; }
    bool HasBKImage() const { return m_bk.image != nullptr; }

    // The owner moved by (dx, dy): the balloon and its point move along.
    void MoveWithOwner(int dx, int dy);

    LRESULT OnSize(UINT type, int width, int height) override;
    void OnTimer(UINT_PTR id) override;
    LRESULT OnKillFocus(HWND next) override;

    // The window timer that hides the balloon, and after how long.
    static constexpr UINT_PTR kHideTimer = 10;
    static constexpr UINT kHideAfterMs = 5000;

private:
    struct Picture {
        Gdiplus::Image* image = nullptr;
        int width = 0;
        int height = 0;
    };
    static int Load(Picture& picture, Gdiplus::Image* image);
    static Gdiplus::Image* FromSkin(const wchar_t* path);
    static Gdiplus::Image* FromResource(UINT resourceId, const wchar_t* resourceType);

    void Fit();
    void Paint();

    CString m_strText;
    CPoint m_ptAnchor;
    AIRBLADDER_TYPE m_type = AIRBLADDER_TYPE_TIMED;
    AIRBLADDER_MODE m_mode = AIRBLADDER_MODE_NONE;
    int m_nLines = 0;
    int m_nTextHeight = 0;  // all lines
    Picture m_bk;
    Picture m_arrowLeft;
    Picture m_arrowRight;
    Picture m_arrowTop;
    enumBackMode m_backMode = BACKMODE_FRAME;
    int m_nFrameSize = 18;
    std::unique_ptr<Gdiplus::StringFormat> m_format;
    std::unique_ptr<Gdiplus::PrivateFontCollection> m_fonts;
    std::unique_ptr<Gdiplus::FontFamily> m_family;
};

}  // namespace Kelvo
