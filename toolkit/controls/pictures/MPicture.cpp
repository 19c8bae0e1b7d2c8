#include "MPicture.h"

namespace Kelvo {

MPicture::MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, L"", visible, enabled, responsive) {
    m_nFrameCount = 1;
}

MPicture::~MPicture() = default;

const wchar_t* MPicture::GetClassNameW() { return L"MPicture"; }

void MPicture::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        Gdiplus::Graphics graphics(cache);
        m_picture.Draw(graphics, width, height, m_nAlignment, m_nVAlignment, true);
    });
}

int MPicture::SetImage(const wchar_t* path, int frames) {
    const int loaded = m_picture.LoadFile(path, frames);
    KeepFrameSize();
    UpdateControl(1, 0);
    return loaded;
}

int MPicture::SetImage(UINT resourceId, const wchar_t* resourceType, int frames) {
    const int loaded = m_picture.LoadResource(resourceId, resourceType, frames);
    KeepFrameSize();
    if (!loaded) return 0;
    UpdateControl(1, 0);
    return 1;
}

void MPicture::KeepFrameSize() {
    m_nFrameWidth = m_picture.FrameWidth();
    m_nFrameHeight = m_picture.FrameHeight();
}

int MPicture::SetShowMode(enumShowMode mode, int parameter) {
    if (!m_picture.SetShowMode(mode, parameter)) return 0;
    UpdateControl(1, 0);
    return 1;
}

int MPicture::SetShowModeMID(int left, int top, int right, int bottom) {
    m_picture.SetMargins(left, top, right, bottom);
    UpdateControl(1, 0);
    return 1;
}

void MPicture::SetCustomRect(CRect source) { m_picture.SetSourceRect(source); }

}  // namespace Kelvo
