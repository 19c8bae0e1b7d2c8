#pragma once
// A picture with a frame overlay that lights up under the pointer and while pressed, and
// reports clicks: notification 1 when the left button goes down on it, 2 when it is
// released on it after that press. The three looks (normal, hot, pressed) are rendered
// side by side once, so state changes only copy another part of the cache.
#include <windows.h>

#include "Geometry.h"
#include "MControlFont.h"
#include "PictureImage.h"

namespace Kelvo {

class KELVO_API CPhotoFrame : public MControlFont {
public:
    enum State { kNormal = 0, kHot = 1, kPressed = 2 };

    CPhotoFrame(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~CPhotoFrame() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    int OnControlMouseMove(UINT flags, CPoint point) override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;
    int OnControlLButtonUp(UINT flags, CPoint point) override;
    // The overlay, whose second frame is drawn as a nine-grid over the hot and pressed
    // looks. No repaint.
    int SetImage(const wchar_t* path, int frames) override;
    int SetImage(UINT resourceId, const wchar_t* resourceType, int frames) override;

    // The picture, drawn by the show mode (modes 0 … 4). No repaint.
    int SetPhotoFrame(const wchar_t* path, int frames);
    int SetPhotoFrame(UINT resourceId, const wchar_t* resourceType, int frames);
    int SetShowMode(enumShowMode mode, int parameter);
    int SetShowModeMID(int left, int top, int right, int bottom);

    int GetState() const { return m_nState; }

private:
    // Moves to `state`; true when it changed (and a repaint was asked for).
    bool ShowState(int state);

    PictureImage m_picture;
    PictureImage m_overlay;
    int m_nState = kNormal;
};

}  // namespace Kelvo
