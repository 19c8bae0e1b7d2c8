#pragma once
// A small dark key tip of three centred lines (a caption and two lines of keys) whose
// bottom centre sits on a point of the screen. The caller creates the window (MWindow's
// Create) and shows it; it never takes activation.
#include <windows.h>

#include <memory>

#include "GdiPlus.h"

#include "CString.h"
#include "Geometry.h"
#include "KelvoApi.h"
#include "MDecorWindow.h"
#include "PaintManager.h"

namespace Kelvo {

class KELVO_API CKeyboardTips : public MDecorWindow {
public:
    CKeyboardTips();
    ~CKeyboardTips() override;

    const wchar_t* GetWindowClassName() override;
    // Places and paints the tip when anything changed and the first line is not empty; 1.
    int SetAirBladderMsg(const wchar_t* text1, const wchar_t* text2, const wchar_t* text3, POINT point);
    // A nine-grid background instead of the framed fill; 1 when it loaded.
    int LoadBKImage(const wchar_t* path);
    void SetBackMode(enumBackMode mode, int frameSize);

    static constexpr int kWidth = 190;
    static constexpr int kHeight = 100;

private:
    void Paint();

    CString m_strText1;
    CString m_strText2;
    CString m_strText3;
    CPoint m_ptAnchor;
    std::unique_ptr<Gdiplus::Image> m_pBkImage;
    enumBackMode m_backMode = BACKMODE_FRAME;
    int m_nFrameSize = 4;
};

}  // namespace Kelvo
