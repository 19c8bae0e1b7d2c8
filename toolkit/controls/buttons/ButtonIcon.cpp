#include "ButtonIcon.h"

#include "MRender.h"
#include "Manager.h"

namespace Kelvo {

ButtonIcon::~ButtonIcon() { delete m_pImage; }

int ButtonIcon::Load(const wchar_t* path, int frames) {
    if (!path || !*path) return 0;
    Gdiplus::Image* image = MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path)));
    if (!image) return 0;
    delete m_pImage;
    m_pImage = image;
    m_nFrameCount = frames > 0 ? frames : 1;
    m_nFrameWidth = static_cast<int>(image->GetWidth()) / m_nFrameCount;
    m_nFrameHeight = static_cast<int>(image->GetHeight());
    return 1;
}

void ButtonIcon::Draw(Gdiplus::Graphics& graphics, int state, CPoint at) const {
    if (!m_pImage || m_nFrameWidth <= 0 || m_nFrameHeight <= 0) return;
    const int frame = state < 0 ? 0 : (state < m_nFrameCount ? state : m_nFrameCount - 1);
    graphics.DrawImage(m_pImage, Gdiplus::Rect(at.x, at.y, m_nFrameWidth, m_nFrameHeight), frame * m_nFrameWidth, 0,
                       m_nFrameWidth, m_nFrameHeight, Gdiplus::UnitPixel);
}

}  // namespace Kelvo
