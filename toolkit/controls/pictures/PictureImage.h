#pragma once
// The picture a picture control owns (unlike the shared skin image of MControlFont): the
// image with its frame size, and how it is laid over the control (the show mode with its
// corner size, four margins or source rectangle). Only the first (left-most) frame is
// ever drawn.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"

namespace Kelvo {

enum enumShowMode {
    SHOWMODE_NORMAL = 0,   // natural size, placed by the control's alignment
    SHOWMODE_TILE = 1,     // tiled from the top-left corner; the last column and row cropped
    SHOWMODE_STRETCH = 2,  // stretched over the control
    SHOWMODE_FRAME = 3,    // nine-grid with one corner size
    SHOWMODE_FRAME_MID = 4,  // nine-grid with four margins
    SHOWMODE_CUSTOM = 5,   // a source rectangle of the image stretched over the control
};

class PictureImage {
public:
    PictureImage() = default;
    ~PictureImage();
    PictureImage(const PictureImage&) = delete;
    PictureImage& operator=(const PictureImage&) = delete;

    // Drops the current image, then loads the skin file `path` (an absolute path is used
    // as it is) or the resource of the application module. On success the frame size
    // becomes (image width / frames, image height) and the frame count `frames` (fewer
    // than 1 count as 1), and 1 is returned. On failure there is no image, the frame size
    // and count stay as they were, and 0 is returned.
    int LoadFile(const wchar_t* path, int frames);
    int LoadResource(UINT resourceId, const wchar_t* resourceType, int frames);

    // 0 when nothing would change (the same mode, and for mode 3 the same corner size);
    // otherwise stores the mode and `parameter` as the corner size and returns 1.
    int SetShowMode(int mode, int parameter);
    // Stores the margins and switches to mode 4.
    void SetMargins(int left, int top, int right, int bottom);
    void SetSourceRect(const CRect& source) { m_source = source; }

    // Draws the picture over a `width` × `height` area at the origin of `graphics` by the
    // show mode. `hAlign`/`vAlign` place a natural-size picture (DT_* values). Mode 5 is
    // drawn only when `withSource`; modes outside 0 … 5 draw nothing.
    void Draw(Gdiplus::Graphics& graphics, int width, int height, int hAlign, int vAlign, bool withSource) const;

    Gdiplus::Image* Image() const { return m_pImage; }
    int FrameWidth() const { return m_nFrameWidth; }
    int FrameHeight() const { return m_nFrameHeight; }
    int FrameCount() const { return m_nFrameCount; }
    int ShowMode() const { return m_nShowMode; }
    int CornerSize() const { return m_nCorner; }

private:
    int Adopt(Gdiplus::Image* image, int frames);
    void DrawTiles(Gdiplus::Graphics& graphics, int width, int height) const;

    Gdiplus::Image* m_pImage = nullptr;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    int m_nFrameCount = 1;
    int m_nShowMode = SHOWMODE_NORMAL;
    int m_nCorner = 4;
    int m_nMarginLeft = 0;
    int m_nMarginTop = 0;
    int m_nMarginRight = 0;
    int m_nMarginBottom = 0;
    CRect m_source;
};

}  // namespace Kelvo
