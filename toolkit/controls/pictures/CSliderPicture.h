#pragma once
// A picture that slides into view, one step per tick of the window's periodic timer, and
// disappears once it has arrived. The caller shows it and starts it with SetRun(1, mode)
// together; the first paint after the slide finished (or was stopped) hides it.
#include <windows.h>

#include "Geometry.h"
#include "MControlFont.h"
#include "PictureImage.h"

namespace Kelvo {

enum SLIDER_MODE {
    SLIDER_NONE = 0,
    SLIDER_LEFT = 1,   // in from the left
    SLIDER_TOP = 2,    // down from the top
    SLIDER_RIGHT = 3,  // in from the right
};

class KELVO_API CSliderPicture : public MControlFont {
public:
    CSliderPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~CSliderPicture() override;

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int OnControlTimer() override;
    // The picture; no repaint.
    int SetImage(const wchar_t* path, int frames) override;
    int SetImage(UINT resourceId, const wchar_t* resourceType, int frames) override;

    int SetShowMode(enumShowMode mode, int parameter);
    int SetShowModeMID(int left, int top, int right, int bottom);
    // Starts (run 1) or stops (run 0) a slide in `mode` from its beginning. Ignored while
    // disabled. Returns the running flag.
    int SetRun(int run, int mode);

    int IsRunning() const { return m_bRunning; }
    int GetSlideMode() const { return m_nSlideMode; }
    // How far the slide has come: columns shown (mode 1), the window row the picture
    // reaches down to (mode 2) or the window column it starts at (mode 3).
    int GetSlidePosition() const { return m_nPosition; }

private:
    void Register();

    PictureImage m_picture;
    int m_bRunning = 0;
    int m_nSlideMode = SLIDER_LEFT;
    int m_nPosition = 0;
    int m_nEnd = 0;
};

}  // namespace Kelvo
