#pragma once
// A progress bar: the filled part is maximum-relative (width × progress / maximum), drawn
// from a foreground and background image pair, else from a two-frame skin (empty, full),
// else as two rounded rectangles. Optionally it shows "<title><progress>%" and runs a
// marquee that advances one step every third tick of the window's periodic timer.
//
// Everything runs on the window's thread: a worker that reports progress posts to the
// window and calls SetProgress from there, never from its own thread.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"
#include "MControlFont.h"

namespace Kelvo {

struct ImgResInfo;

class KELVO_API MProgress : public MControlFont {
public:
    MProgress(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~MProgress() override;

    const wchar_t* GetClassNameW() override;
    int OnControlTimer() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // Limited to the maximum; negative values and any change while disabled are ignored.
    // Returns the progress.
    int SetProgress(int value);
    int GetProgress() const { return m_nProgress; }
    void SetMaxProgress(int maximum);
    int GetMaxProgress() const { return m_nMaximum; }
    void EnableShowText(int show);
    // Starts or stops the marquee; a `start` inside 0 … maximum becomes the progress.
    // Ignored while disabled. Returns the running flag. The marquee moves only while the
    // control is on its window's tick list (AddMTimer) with ticks enabled (SetRunTimer).
    int SetRun(int run, int start);
    int IsRunning() const { return m_bRunning; }
    // The empty part of a bar drawn without images (near black unless set: a dark skin
    // needs a lighter one).
    void SetTrackColor(Gdiplus::ARGB colour);

    // Images from the window's image cache (a resource ID names a "PNG" resource of the
    // application). False without a paint manager or when the image does not load, in
    // which case the previous image stays.
    bool SetBackGroundImage(const wchar_t* path);
    bool SetBackGroundImage(UINT resourceId);
    bool SetForeGroundImage(const wchar_t* path);
    bool SetForeGroundImage(UINT resourceId);

    // Width of the filled part for the current size, progress and maximum (0 for a
    // maximum that is not positive).
    int FilledWidth() const;

private:
    bool KeepImage(const ImgResInfo* info, Gdiplus::Image*& image, CSize& size);
    void DrawBar(Gdiplus::Graphics& graphics, int width, int height);

    int m_nMaximum = 100;
    int m_nProgress = 0;
    int m_bRunning = 0;
    int m_nTicks = 0;
    int m_nTicksPerStep = 3;
    int m_bShowText = 0;
    Gdiplus::Image* m_pBackImage = nullptr;  // both belong to the paint manager's image cache
    Gdiplus::Image* m_pForeImage = nullptr;
    CSize m_szBack;
    CSize m_szFore;
    int m_nEndMargin = 12;
    int m_nBarHeight = 14;
    Gdiplus::ARGB m_trackColour = 0xFF050505;
};

}  // namespace Kelvo
