#pragma once
// An animated picture (the wait dialog's spinner): steps through the frames of a
// multi-frame image, one frame every fifth tick of the window's periodic timer, drawn
// stretched over the control. The frame delays stored in the file are not used. The
// image comes from the window's image cache, so it loads only once the control is
// attached. Optionally the animation plays only while the pointer rests on it.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"
#include "MControlFont.h"

namespace Kelvo {

class KELVO_API CGifPicture : public MControlFont {
public:
    CGifPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~CGifPicture() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int OnControlTimer() override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    // Takes the image from the window's image cache (`frames` is not used) and counts its
    // frames. Always 0: callers look at IsAnimate instead.
    int SetImage(const wchar_t* path, int frames) override;
    using MControlFont::SetImage;

    // Runs (run non-zero) or stops the animation at `frame` (frame 0 when `frame` is not
    // one of the image's frames). 0 and no change for an image that is not animated.
    int SetRunState(int run, int frame);
    // With it set, the animation starts over with every move of the pointer inside the
    // control and stops when the pointer leaves.
    void SetMouseMoveActive(bool active) { m_bMouseMoveActive = active ? 1 : 0; }
    int IsAnimate() const { return m_nFrameTotal >= 2 ? 1 : 0; }
    int GetFrameTotal() const { return m_nFrameTotal; }
    int GetFrameIndex() const { return m_nFrameIndex; }
    int IsRunning() const { return m_bRunning; }

protected:
    void SelectActiveFrame(int index);
    void ActiveNextFrame();

private:
    void OnSetImage();

    Gdiplus::Image* m_pGif = nullptr;  // belongs to the paint manager's image cache
    int m_nFrameTotal = 0;
    int m_nFrameIndex = 0;
    int m_nActiveIndex = 0;  // ActiveNextFrame's own position
    int m_bRunning = 0;
    int m_nTicks = 0;
    int m_bMouseMoveActive = 0;
};

}  // namespace Kelvo
