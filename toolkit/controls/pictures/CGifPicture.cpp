#include "CGifPicture.h"

#include <vector>

#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kTicksPerFrame = 5;
// Frames are always selected in GDI+'s time dimension (FrameDimensionTime), spelled out
// here so that no import library has to provide it.
const GUID kFrameDimensionTime = {0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};

}  // namespace

CGifPicture::CGifPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, L"", visible, enabled, responsive) {
    m_bRunTimer = 1;
}

CGifPicture::~CGifPicture() = default;

const wchar_t* CGifPicture::GetClassNameW() { return L"CGifPicture"; }

int CGifPicture::SetImage(const wchar_t* path, int) {
    if (!m_pManager || !path) return 0;
    const ImgResInfo* info = m_pManager->AddImgResInfo(path, 4);
    if (!info || !info->image) return 0;
    m_pGif = info->image;
    AddMTimer();  // once: the paint manager ignores a control already on its tick list
    UpdateControl(1, 0);
    OnSetImage();
    return 0;
}

void CGifPicture::OnSetImage() {
    const UINT dimensions = m_pGif->GetFrameDimensionsCount();
    if (dimensions == 0) {
        m_nFrameTotal = 0;
        m_pGif = nullptr;
        return;
    }
    std::vector<GUID> ids(dimensions);
    if (m_pGif->GetFrameDimensionsList(ids.data(), dimensions) != Gdiplus::Ok) {
        m_nFrameTotal = 0;
        m_pGif = nullptr;
        return;
    }
    m_nFrameTotal = static_cast<int>(m_pGif->GetFrameCount(&ids[0]));
}

int CGifPicture::SetRunState(int run, int frame) {
    if (m_nFrameTotal < 2) return 0;
    m_nFrameIndex = frame >= 0 && frame < m_nFrameTotal ? frame : 0;
    m_bRunning = run ? 1 : 0;
    UpdateControl(0, 0);
    return 1;
}

int CGifPicture::OnControlTimer() {
    if (!m_bRunning || !m_bVisible) return 0;
    if (++m_nTicks < kTicksPerFrame) return 0;
    m_nTicks = 0;
    if (m_nFrameTotal >= m_nFrameIndex) {
        m_nFrameIndex = m_nFrameIndex + 1 >= m_nFrameTotal ? 0 : m_nFrameIndex + 1;
        UpdateControl(1, 0);
    }
    return 0;
}

int CGifPicture::OnControlMouseMove(UINT, CPoint point) {
    if (!m_bEnabled || !m_bMouseMoveActive || m_bPressedInside || !IsAnimate()) return 0;
    m_bRunning = m_rcControl.PtInRect(point) ? 1 : 0;
    m_nFrameIndex = 0;
    UpdateControl(0, 0);
    return 0;
}

void CGifPicture::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        if (m_pGif) {
            if (m_nFrameTotal >= 2 && m_nFrameIndex < m_nFrameTotal) SelectActiveFrame(m_nFrameIndex);
            Gdiplus::Graphics graphics(cache);
            graphics.SetPageUnit(Gdiplus::UnitPixel);
            graphics.DrawImage(m_pGif, 0, 0, width, height);
        }
    });
}

void CGifPicture::SelectActiveFrame(int index) {
    if (!m_pGif || m_nFrameTotal < 2 || index < 0 || index >= m_nFrameTotal) return;
    m_pGif->SelectActiveFrame(&kFrameDimensionTime, static_cast<UINT>(index));
}

void CGifPicture::ActiveNextFrame() {
    if (m_nFrameTotal < 1) return;
    m_nActiveIndex = (m_nActiveIndex + 1) % m_nFrameTotal;
    SelectActiveFrame(m_nActiveIndex);
}

}  // namespace Kelvo
