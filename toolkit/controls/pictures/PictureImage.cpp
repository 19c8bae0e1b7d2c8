#include "PictureImage.h"

#include <algorithm>

#include "MRender.h"
#include "Manager.h"

namespace Kelvo {

PictureImage::~PictureImage() { delete m_pImage; }

int PictureImage::LoadFile(const wchar_t* path, int frames) {
    delete m_pImage;
    m_pImage = nullptr;
    if (!path || !*path) return 0;
    return Adopt(MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))), frames);
}

int PictureImage::LoadResource(UINT resourceId, const wchar_t* resourceType, int frames) {
    delete m_pImage;
    m_pImage = nullptr;
    if (!resourceType) return 0;
    return Adopt(MRender::LoadImageFromIDResource(resourceId, resourceType, Manager::m_hInstance), frames);
}

int PictureImage::Adopt(Gdiplus::Image* image, int frames) {
    if (!image) return 0;
    frames = std::max(frames, 1);
    m_pImage = image;
    m_nFrameWidth = static_cast<int>(image->GetWidth()) / frames;
    m_nFrameHeight = static_cast<int>(image->GetHeight());
    m_nFrameCount = frames;
    return 1;
}

int PictureImage::SetShowMode(int mode, int parameter) {
    if (mode == m_nShowMode && (mode != SHOWMODE_FRAME || parameter == m_nCorner)) return 0;
    m_nShowMode = mode;
    m_nCorner = parameter;
    return 1;
}

void PictureImage::SetMargins(int left, int top, int right, int bottom) {
    m_nMarginLeft = left;
    m_nMarginTop = top;
    m_nMarginRight = right;
    m_nMarginBottom = bottom;
    m_nShowMode = SHOWMODE_FRAME_MID;
}

void PictureImage::Draw(Gdiplus::Graphics& graphics, int width, int height, int hAlign, int vAlign,
                        bool withSource) const {
    if (!m_pImage || m_nFrameWidth <= 0 || m_nFrameHeight <= 0) return;
    const int fw = m_nFrameWidth;
    const int fh = m_nFrameHeight;
    graphics.SetPageUnit(Gdiplus::UnitPixel);
    switch (m_nShowMode) {
    case SHOWMODE_NORMAL: {
        const int x = hAlign == DT_LEFT ? 0 : hAlign == DT_RIGHT ? width - fw : (width - fw) / 2;
        const int y = vAlign == DT_TOP ? 0 : vAlign == DT_BOTTOM ? height - fh : (height - fh) / 2;
        graphics.DrawImage(m_pImage, Gdiplus::Rect(x, y, fw, fh), 0, 0, fw, fh, Gdiplus::UnitPixel);
        break;
    }
    case SHOWMODE_TILE:
        DrawTiles(graphics, width, height);
        break;
    case SHOWMODE_STRETCH:
        graphics.DrawImage(m_pImage, Gdiplus::Rect(0, 0, width, height), 0, 0, fw, fh, Gdiplus::UnitPixel);
        break;
    case SHOWMODE_FRAME:
        MRender::DrawImageFrame(graphics, m_pImage, CRect(0, 0, width, height), 0, 0, fw, fh, m_nCorner);
        break;
    case SHOWMODE_FRAME_MID:
        MRender::DrawImageFrameMID(graphics, m_pImage, CRect(0, 0, width, height), 0, 0, fw, fh, m_nMarginLeft,
                                   m_nMarginTop, m_nMarginRight, m_nMarginBottom);
        break;
    case SHOWMODE_CUSTOM:
        if (withSource)
            graphics.DrawImage(m_pImage, Gdiplus::Rect(0, 0, width, height), m_source.left, m_source.top,
                               m_source.Width(), m_source.Height(), Gdiplus::UnitPixel);
        break;
    default:
        break;
    }
}

void PictureImage::DrawTiles(Gdiplus::Graphics& graphics, int width, int height) const {
    const int fw = m_nFrameWidth;
    const int fh = m_nFrameHeight;
    for (int column = 0; column <= width / fw; ++column) {
        const int x = column * fw;
        const int tileWidth = std::min(fw, width - x);
        if (tileWidth <= 0) continue;  // the control's width is a whole number of tiles
        for (int row = 0; row <= height / fh; ++row) {
            const int y = row * fh;
            const int tileHeight = std::min(fh, height - y);
            if (tileHeight <= 0) continue;
            graphics.DrawImage(m_pImage, Gdiplus::Rect(x, y, tileWidth, tileHeight), 0, 0, tileWidth, tileHeight,
                               Gdiplus::UnitPixel);
        }
    }
}

}  // namespace Kelvo
