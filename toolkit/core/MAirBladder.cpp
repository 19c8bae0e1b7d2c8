#include "MAirBladder.h"

#include <algorithm>

#include "MRender.h"
#include "Manager.h"

namespace Kelvo {

namespace {

constexpr UINT kFontResource = 117;
constexpr float kFontPixels = 14.0f;
constexpr int kCorner = 6;
constexpr Gdiplus::ARGB kTextColour = 0xFFFFFFFF;
constexpr int kRegionCorner = 3;

HMODULE ToolkitModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ToolkitModule), &module);
    return module;
}

int CountLines(const CString& text) {
    int lines = 1;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == L'\n') ++lines;
    return lines;
}

// The window rectangle (screen) for text W x H over `lines` lines at `point`.
CRect PlaceFor(AIRBLADDER_MODE mode, CPoint point, int w, int t) {
    const int x = point.x;
    const int y = point.y;
    switch (mode) {
    case AIRBLADDER_MODE_RIGHT: return CRect(x, y, x + w + 40, y + t + 20);
    case AIRBLADDER_MODE_LEFT: return CRect(x - w - 40, y - 27, x, y + t - 7);
    case AIRBLADDER_MODE_BELOW: return CRect(x - 25, y, x + w + 15, y + t + 30);
    case AIRBLADDER_MODE_ABOVE: {
        const int left = x - (w + 30) / 2;
        return CRect(left, y - t - 20, left + w + 30, y);
    }
    default: return CRect(0, 0, 0, 0);
    }
}

}  // namespace

MAirBladder::MAirBladder() : m_format(std::make_unique<Gdiplus::StringFormat>()) {
    m_bFocusMessages = true;
}

MAirBladder::~MAirBladder() {
    // The window goes first: its messages may still reach the images and the font.
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    for (Picture* picture : {&m_bk, &m_arrowLeft, &m_arrowRight, &m_arrowTop}) delete picture->image;
}

const wchar_t* MAirBladder::GetWindowClassName() { return L"MAirBladder"; }

int MAirBladder::OnInitDialog() {
    if (m_family) return 1;
    HMODULE module = ToolkitModule();
    HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(kFontResource), L"TTF");
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return 1;
    auto fonts = std::make_unique<Gdiplus::PrivateFontCollection>();
    if (fonts->AddMemoryFont(data, static_cast<INT>(::SizeofResource(module, resource))) != Gdiplus::Ok) return 1;
    auto family = std::make_unique<Gdiplus::FontFamily>();
    int found = 0;
    if (fonts->GetFamilies(1, family.get(), &found) != Gdiplus::Ok || found < 1) return 1;
    m_fonts = std::move(fonts);
    m_family = std::move(family);
    return 1;
}

// --- text and placement ----------------------------------------------------------------------

int MAirBladder::SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type, AIRBLADDER_MODE mode) {
    const CString newText(text ? text : L"");
    const CPoint newPoint(point.x, point.y);
    if (newText == m_strText && newPoint == m_ptAnchor && type == m_type && mode == m_mode) return 1;
    m_format->SetAlignment(Gdiplus::StringAlignmentNear);
    m_format->SetLineAlignment(Gdiplus::StringAlignmentNear);
    m_strText = newText;
    m_ptAnchor = newPoint;
    m_type = type;
    m_mode = mode;
    Fit();
    if (type != AIRBLADDER_TYPE_STAY) SetTimer(kHideTimer, kHideAfterMs, nullptr);
    return 1;
}

void MAirBladder::Fit() {
    if (m_strText.IsEmpty()) return;  // an empty text keeps the balloon where it was
    Gdiplus::FontFamily fallback(L"Arial");
    Gdiplus::Font font(m_family ? m_family.get() : &fallback, kFontPixels, Gdiplus::FontStyleRegular,
                       Gdiplus::UnitPixel);
    // Every line is measured on its own: the widest gives the width, one line the height.
    int width = 0;
    int lineHeight = 0;
    int start = 0;
    for (;;) {
        const int end = m_strText.Find(L'\n', start);
        const CString line = m_strText.Mid(start, end < 0 ? m_strText.GetLength() - start : end - start);
        const Gdiplus::Size bounds = MRender::GetTextBounds(font, line);
        width = std::max(width, bounds.Width);
        lineHeight = std::max(lineHeight, bounds.Height);
        if (end < 0) break;
        start = end + 1;
    }
    m_nLines = CountLines(m_strText);
    m_nTextHeight = m_nLines * lineHeight;
    if (m_nLines == 1 || m_mode == AIRBLADDER_MODE_ABOVE) {
        m_format->SetAlignment(Gdiplus::StringAlignmentCenter);
        m_format->SetLineAlignment(Gdiplus::StringAlignmentCenter);
    }
    const CRect place = PlaceFor(m_mode, m_ptAnchor, width, m_nTextHeight);
    SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    Paint();
}

void MAirBladder::MoveWithOwner(int dx, int dy) {
    if (!dx && !dy) return;
    m_ptAnchor = CPoint(m_ptAnchor.x + dx, m_ptAnchor.y + dy);
    RECT r{};
    if (!GetWindowRect(&r)) return;
    SetWindowPos(nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- drawing ----------------------------------------------------------------------------------

void MAirBladder::Paint() {
    RECT client{};
    if (!GetClientRect(&client)) return;
    const int width = client.right;
    const int height = client.bottom;
    std::unique_ptr<Gdiplus::Bitmap> canvas = BeginPicture(width, height);
    if (!canvas) return;
    {
        Gdiplus::Graphics graphics(canvas.get());
        if (m_bk.image)
            MRender::DrawImageFrame(graphics, m_bk.image, CRect(0, 0, width - 1, height - 1), 0, 0, m_bk.width,
                                    m_bk.height, kCorner);
        Gdiplus::FontFamily fallback(L"Arial");
        Gdiplus::Font font(m_family ? m_family.get() : &fallback, kFontPixels, Gdiplus::FontStyleRegular,
                           Gdiplus::UnitPixel);
        Gdiplus::SolidBrush brush{Gdiplus::Color(kTextColour)};
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
        const Gdiplus::RectF layout(8.0f, static_cast<float>((height - m_nTextHeight) / 2 + m_nLines - 1),
                                    static_cast<float>(width - 16), static_cast<float>(m_nTextHeight + 2));
        graphics.DrawString(m_strText.GetString(), m_strText.GetLength(), &font, layout, m_format.get(), &brush);
    }
    PresentPicture();
}

LRESULT MAirBladder::OnSize(UINT type, int width, int height) {
    const int corner = type == SIZE_MAXIMIZED ? 0 : kRegionCorner;
    // The system owns the region once it is set.
    ::SetWindowRgn(m_hWnd, ::CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner), FALSE);
    return 0;
}

// --- hiding ----------------------------------------------------------------------------------

void MAirBladder::OnTimer(UINT_PTR id) {
    if (id != kHideTimer) return;
    KillTimer(kHideTimer);
    if (IsWindowVisible()) ShowWindow(SW_HIDE);
}

LRESULT MAirBladder::OnKillFocus(HWND) {
    if (m_mode != AIRBLADDER_MODE_KEEP) ShowWindow(SW_HIDE);
    KillTimer(kHideTimer);
    return 0;
}

// --- images ------------------------------------------------------------------------------------

int MAirBladder::Load(Picture& picture, Gdiplus::Image* image) {
    if (!image) return 0;
    delete picture.image;
    picture.image = image;
    picture.width = static_cast<int>(image->GetWidth());
    picture.height = static_cast<int>(image->GetHeight());
    return 1;
}

Gdiplus::Image* MAirBladder::FromSkin(const wchar_t* path) {
    return path ? MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))) : nullptr;
}

Gdiplus::Image* MAirBladder::FromResource(UINT resourceId, const wchar_t* resourceType) {
    return MRender::LoadImageFromIDResource(resourceId, resourceType, Manager::GetInstance());
}

int MAirBladder::LoadBKImage(const wchar_t* path) { return Load(m_bk, FromSkin(path)); }
int MAirBladder::LoadBKImage(UINT id, const wchar_t* type) { return Load(m_bk, FromResource(id, type)); }
int MAirBladder::LoadArrowLImage(const wchar_t* path) { return Load(m_arrowLeft, FromSkin(path)); }
int MAirBladder::LoadArrowLImage(UINT id, const wchar_t* type) { return Load(m_arrowLeft, FromResource(id, type)); }
int MAirBladder::LoadArrowRImage(const wchar_t* path) { return Load(m_arrowRight, FromSkin(path)); }
int MAirBladder::LoadArrowRImage(UINT id, const wchar_t* type) { return Load(m_arrowRight, FromResource(id, type)); }
int MAirBladder::LoadArrowTImage(const wchar_t* path) { return Load(m_arrowTop, FromSkin(path)); }
int MAirBladder::LoadArrowTImage(UINT id, const wchar_t* type) { return Load(m_arrowTop, FromResource(id, type)); }

void MAirBladder::SetBackMode(enumBackMode mode, int frameSize) {
    m_backMode = mode;
    m_nFrameSize = frameSize;
}

}  // namespace Kelvo
