#include "LoadingWnd.h"

#include <algorithm>

#include "MRender.h"
#include "Manager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kFill = 0xF0FFFFFF;
constexpr int kBoxWidth = 232;
constexpr int kBoxHeight = 58;
constexpr int kLogoGap = 20;
constexpr int kCloseFrames = 4;
constexpr int kCloseMargin = 8;

std::unique_ptr<Gdiplus::Image> FromSkin(const wchar_t* path) {
    if (!path) return nullptr;
    return std::unique_ptr<Gdiplus::Image>(MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))));
}

int GifFrameCount(Gdiplus::Image& image) {
    const UINT count = image.GetFrameCount(&Gdiplus::FrameDimensionTime);
    return count > 0 ? static_cast<int>(count) : 1;
}

}  // namespace

LoadingWnd::LoadingWnd() = default;

LoadingWnd::~LoadingWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

const wchar_t* LoadingWnd::GetWindowClassName() { return L"LoadingWnd"; }

HWND LoadingWnd::CreateDlg(HWND parent, CRect rect) {
    if (!m_pAnimation) LoadGifImage(L"loading\\loading.gif");
    if (!m_pLogo) m_pLogo = FromSkin(L"logo\\logo_loading.png");
    constexpr DWORD kStyle = 0x96000000 & ~WS_VISIBLE;
    if (!Create(parent, L"Loading Window", kStyle, kDecorExStyle, rect)) return nullptr;
    Paint();
    ShowWindow(SW_SHOWNOACTIVATE);
    return m_hWnd;
}

int LoadingWnd::OnInitDialog() {
    // Window timers tick on this window's own thread and die with the window.
    SetTimer(kAnimationTimer, kTickMs, nullptr);
    if (!m_pClose) m_pClose = FromSkin(L"img_sys_close.png");
    return 1;
}

int LoadingWnd::LoadBKImage(const wchar_t* path) {
    auto image = FromSkin(path);
    if (!image) return 0;
    m_pBkImage = std::move(image);
    return 1;
}

void LoadingWnd::SetBackMode(enumBackMode mode, int frameSize) {
    m_backMode = mode;
    m_nFrameSize = frameSize;
}

int LoadingWnd::LoadAnimateImage(const wchar_t* path, int frames) {
    auto image = FromSkin(path);
    if (!image || frames < 1) return 0;
    m_pAnimation = std::move(image);
    m_bGif = false;
    m_nFrames = frames;
    m_nFrame = 0;
    return 1;
}

int LoadingWnd::LoadGifImage(const wchar_t* path) {
    auto image = FromSkin(path);
    if (!image) return 0;
    m_nFrames = GifFrameCount(*image);
    m_pAnimation = std::move(image);
    m_bGif = true;
    m_nFrame = 0;
    return 1;
}

void LoadingWnd::OnTimer(UINT_PTR id) {
    if (id != kAnimationTimer) return;
    // Every second tick shows the next frame.
    if (++m_nTicks % 2 != 0 || m_nFrames < 1) return;
    m_nFrame = (m_nFrame + 1) % m_nFrames;
    Paint();
}

LRESULT LoadingWnd::OnDestroy() {
    KillTimer(kAnimationTimer);
    return 0;
}

LRESULT LoadingWnd::OnSize(UINT, int, int) {
    Paint();
    return 0;
}

// --- the close button -----------------------------------------------------------------------

CRect LoadingWnd::CloseRect() const {
    if (!m_pClose) return CRect();
    RECT client{};
    GetClientRect(&client);
    const int width = static_cast<int>(m_pClose->GetWidth()) / kCloseFrames;
    const int height = static_cast<int>(m_pClose->GetHeight());
    return CRect(client.right - kCloseMargin - width, kCloseMargin, client.right - kCloseMargin,
                 kCloseMargin + height);
}

void LoadingWnd::SetCloseState(int state) {
    if (state == m_nCloseState) return;
    m_nCloseState = state;
    Paint();
}

LRESULT LoadingWnd::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        m_bTracking = ::TrackMouseEvent(&track) != FALSE;
    }
    const bool over = CloseRect().PtInRect(point);
    SetCloseState(over ? ((flags & MK_LBUTTON) ? 2 : 1) : 0);
    return 0;
}

LRESULT LoadingWnd::OnMouseLeave(WPARAM, LPARAM) {
    m_bTracking = false;
    SetCloseState(0);
    return 0;
}

LRESULT LoadingWnd::OnLButtonDown(UINT, CPoint point) {
    if (CloseRect().PtInRect(point)) SetCloseState(2);
    return 0;
}

LRESULT LoadingWnd::OnLButtonUp(UINT, CPoint point) {
    const bool click = m_nCloseState == 2 && CloseRect().PtInRect(point);
    SetCloseState(CloseRect().PtInRect(point) ? 1 : 0);
    if (click) CloseWindow();
    return 0;
}

// --- drawing ---------------------------------------------------------------------------------

void LoadingWnd::Paint() {
    RECT client{};
    if (!GetClientRect(&client)) return;
    const int width = client.right;
    const int height = client.bottom;
    std::unique_ptr<Gdiplus::Bitmap> canvas = BeginPicture(width, height);
    if (!canvas) return;
    {
        Gdiplus::Graphics graphics(canvas.get());
        if (m_pBkImage && m_backMode == BACKMODE_FRAME) {
            MRender::DrawImageFrame(graphics, m_pBkImage.get(), CRect(0, 0, width, height), 0, 0,
                                    static_cast<int>(m_pBkImage->GetWidth()),
                                    static_cast<int>(m_pBkImage->GetHeight()), m_nFrameSize);
        } else if (m_pBkImage) {
            graphics.DrawImage(m_pBkImage.get(), 0, 0);
        } else {
            Gdiplus::SolidBrush fill{Gdiplus::Color(kFill)};
            graphics.FillRectangle(&fill, 0, 0, width, height);
        }
        const CRect box(CPoint((width - kBoxWidth) / 2, (height - kBoxHeight) / 2), CSize(kBoxWidth, kBoxHeight));
        if (m_pLogo) {
            const int logoWidth = static_cast<int>(m_pLogo->GetWidth());
            const int logoHeight = static_cast<int>(m_pLogo->GetHeight());
            graphics.DrawImage(m_pLogo.get(), (width - logoWidth) / 2, box.top - kLogoGap - logoHeight, logoWidth,
                               logoHeight);
        }
        if (m_pAnimation && m_nFrames > 0) {
            int frameWidth = static_cast<int>(m_pAnimation->GetWidth());
            int sourceX = 0;
            if (m_bGif) {
                m_pAnimation->SelectActiveFrame(&Gdiplus::FrameDimensionTime, static_cast<UINT>(m_nFrame));
            } else {
                frameWidth /= m_nFrames;
                sourceX = frameWidth * m_nFrame;
            }
            const int frameHeight = static_cast<int>(m_pAnimation->GetHeight());
            // Shrunk to fit the box when larger, keeping its proportions; centred in it.
            const double scale = std::min({1.0, static_cast<double>(kBoxWidth) / std::max(frameWidth, 1),
                                           static_cast<double>(kBoxHeight) / std::max(frameHeight, 1)});
            const int w = static_cast<int>(frameWidth * scale);
            const int h = static_cast<int>(frameHeight * scale);
            graphics.DrawImage(m_pAnimation.get(),
                               Gdiplus::Rect(box.left + (kBoxWidth - w) / 2, box.top + (kBoxHeight - h) / 2, w, h),
                               sourceX, 0, frameWidth, frameHeight, Gdiplus::UnitPixel);
        }
        if (m_pClose) {
            const CRect close = CloseRect();
            graphics.DrawImage(m_pClose.get(), Gdiplus::Rect(close.left, close.top, close.Width(), close.Height()),
                               close.Width() * m_nCloseState, 0, close.Width(), close.Height(), Gdiplus::UnitPixel);
        }
    }
    PresentPicture();
}

}  // namespace Kelvo
