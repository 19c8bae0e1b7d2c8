#include "MProgress.h"

#include <algorithm>
#include <cwchar>

#include "MRender.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kFillColour = 0xFF3768FA;
constexpr float kCornerRadius = 3.0f;
constexpr int kSkinCorner = 2;
constexpr int kTextWidth = 60;
constexpr int kTextHeight = 20;

}  // namespace

MProgress::MProgress(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive)
    : MControlFont(parent, id, rect, L"", visible, enabled, responsive) {
    m_textColor = 0xFF808080;
    m_nFrameCount = 2;
    m_nAlignment = DT_CENTER;
}

MProgress::~MProgress() = default;

void MProgress::SetTrackColor(Gdiplus::ARGB colour) {
    if (colour == m_trackColour) return;
    m_trackColour = colour;
    UpdateControl(1, 0);
}

const wchar_t* MProgress::GetClassNameW() { return L"MProgress"; }

int MProgress::SetProgress(int value) {
    if (!m_bEnabled) return m_nProgress;
    value = std::min(value, m_nMaximum);
    if (value < 0 || value == m_nProgress) return m_nProgress;
    m_nProgress = value;
    UpdateControl(1, 0);
    return m_nProgress;
}

void MProgress::SetMaxProgress(int maximum) {
    if (maximum == m_nMaximum) return;
    m_nMaximum = maximum;
    UpdateControl(1, 0);
}

void MProgress::EnableShowText(int show) {
    show = show ? 1 : 0;
    if (show == m_bShowText) return;
    m_bShowText = show;
    UpdateControl(1, 0);
}

int MProgress::SetRun(int run, int start) {
    if (!m_bEnabled) return m_bRunning;
    bool changed = false;
    run = run ? 1 : 0;
    if (run != m_bRunning) {
        m_bRunning = run;
        changed = true;
    }
    if (start >= 0 && start <= m_nMaximum && start != m_nProgress) {
        m_nProgress = start;
        changed = true;
    }
    if (changed) UpdateControl(1, 0);
    return m_bRunning;
}

int MProgress::OnControlTimer() {
    if (!m_bRunning || !m_bVisible) return 0;
    if (++m_nTicks < m_nTicksPerStep) return 0;
    m_nTicks = 0;
    m_nProgress = m_nProgress + 1 >= m_nMaximum ? 0 : m_nProgress + 1;
    UpdateControl(1, 0);
    return 1;
}

bool MProgress::KeepImage(const ImgResInfo* info, Gdiplus::Image*& image, CSize& size) {
    if (!info || !info->image) return false;
    image = info->image;
    size = CSize(static_cast<int>(info->image->GetWidth()), static_cast<int>(info->image->GetHeight()));
    UpdateControl(1, 0);
    return true;
}

bool MProgress::SetBackGroundImage(const wchar_t* path) {
    if (!m_pManager || !path || !*path) return false;
    return KeepImage(m_pManager->AddImgResInfo(path, 1), m_pBackImage, m_szBack);
}

bool MProgress::SetBackGroundImage(UINT resourceId) {
    if (!m_pManager) return false;
    return KeepImage(m_pManager->AddImgResInfo(resourceId, L"PNG", 1, 1), m_pBackImage, m_szBack);
}

bool MProgress::SetForeGroundImage(const wchar_t* path) {
    if (!m_pManager || !path || !*path) return false;
    return KeepImage(m_pManager->AddImgResInfo(path, 1), m_pForeImage, m_szFore);
}

bool MProgress::SetForeGroundImage(UINT resourceId) {
    if (!m_pManager) return false;
    return KeepImage(m_pManager->AddImgResInfo(resourceId, L"PNG", 1, 1), m_pForeImage, m_szFore);
}

int MProgress::FilledWidth() const {
    if (m_nMaximum <= 0 || m_nProgress <= 0) return 0;
    const long long filled = static_cast<long long>(m_rcControl.Width()) * m_nProgress / m_nMaximum;
    return static_cast<int>(std::min<long long>(filled, m_rcControl.Width()));
}

void MProgress::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            graphics.SetPageUnit(Gdiplus::UnitPixel);
            DrawBar(graphics, width, height);
        }
        if (m_bShowText) {
            wchar_t text[256];
            const CString title = GetControlTitle();
            std::swprintf(text, 256, L"%ls%d%ls", title.GetString(), m_nProgress, m_nMaximum == 100 ? L"%" : L"");
            const int left = (width - kTextWidth) / 2;
            DrawTitle(cache, CRect(left, 0, left + kTextWidth, kTextHeight), text, false);
        }
    });
}

void MProgress::DrawBar(Gdiplus::Graphics& graphics, int width, int height) {
    const int filled = FilledWidth();
    const int margin = m_nEndMargin;
    if (m_pForeImage) {
        if (m_pBackImage)
            MRender::DrawImageFrameMID(graphics, m_pBackImage, CRect(0, 0, width, height), 0, 0, m_szBack.cx,
                                       m_szBack.cy, margin, 0, margin, 0);
        if (filled <= 0) return;
        if (filled < margin)
            graphics.DrawImage(m_pForeImage, Gdiplus::Rect(0, 0, filled, height), 0, 0, filled, m_szFore.cy,
                               Gdiplus::UnitPixel);
        else
            MRender::DrawImageFrameMID(graphics, m_pForeImage, CRect(0, 0, filled, height), 0, 0, m_szFore.cx,
                                       m_szFore.cy, margin, 0, margin, 0);
        return;
    }
    if (m_pImage) {
        DrawImageFrame(graphics, CRect(0, 0, width, m_nBarHeight), 0, kSkinCorner);
        if (m_nProgress != 0 && filled > 0) DrawImageFrame(graphics, CRect(0, 0, filled, m_nBarHeight), 1, kSkinCorner);
        return;
    }
    // The outline runs through the centres of the edge pixels (GDI+ puts pixel centres on
    // whole coordinates), so a path one pixel short covers exactly the bar's rectangle.
    const Gdiplus::Color track(m_trackColour);
    MRender::DrawRoundRectRadius(graphics, 0.0f, 0.0f, width - 1.0f, height - 1.0f, kCornerRadius, track, 1.0f, true,
                                 track);
    if (m_nProgress != 0 && filled > 0) {
        const Gdiplus::Color fill(kFillColour);
        MRender::DrawRoundRectRadius(graphics, 0.0f, 0.0f, filled - 1.0f, height - 1.0f, kCornerRadius, fill, 1.0f,
                                     true, fill);
    }
}

}  // namespace Kelvo
