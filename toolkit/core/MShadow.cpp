#include "MShadow.h"

#include <algorithm>

#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"
#include "ShadowSpans.h"

namespace Kelvo {

namespace {

constexpr wchar_t kClassName[] = L"ShadowWnd";
constexpr int kLimit = 35;
bool s_bHasInit = false;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

// --- class and map ----------------------------------------------------------------------------

int MShadow::Initialize(HINSTANCE instance, bool force) {
    if (s_bHasInit && !force) return 1;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    s_bHasInit = ::RegisterClassExW(&wc) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return s_bHasInit ? 1 : 0;
}

std::map<HWND, MShadow::Hook>& MShadow::GetShadowMap() {
    static std::map<HWND, Hook> map;
    return map;
}

// --- life -------------------------------------------------------------------------------------

MShadow::~MShadow() {
    Unhook();
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

void MShadow::Create(PaintManager* manager) {
    if (!m_bShow || !manager || m_hWnd) return;
    HWND parent = manager->GetPaintWnd();
    if (!parent || !::IsWindow(parent)) return;
    auto& map = GetShadowMap();
    auto found = map.find(parent);
    if (found != map.end() && found->second.shadow) return;  // the window has its shadow already
    m_pManager = manager;
    m_hParent = parent;
    const DWORD parentStyle = static_cast<DWORD>(::GetWindowLongPtrW(parent, GWL_STYLE));
    m_hWnd = ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE, kClassName, nullptr,
                               WS_POPUPWINDOW | (parentStyle & WS_DLGFRAME), 0, 0, 0, 0, parent, nullptr,
                               Manager::GetInstance(), nullptr);
    if (found != map.end()) {
        found->second.shadow = this;  // our procedure still sits in the chain from an earlier shadow
    } else {
        const auto previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MShadow::ParentProc)));
        map[parent] = Hook{this, previous};
    }
    if (!(parentStyle & WS_VISIBLE)) {
        m_nStatus = kEnabled;
    } else if (parentStyle & (WS_MINIMIZE | WS_MAXIMIZE)) {
        m_nStatus = kEnabled | kParentVisible;
    } else {
        m_nStatus = kEnabled | kVisible | kParentVisible;
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        Update();
    }
}

void MShadow::Unhook() {
    if (!m_hParent) return;
    auto& map = GetShadowMap();
    auto it = map.find(m_hParent);
    if (it != map.end() && it->second.shadow == this) {
        const auto ours = reinterpret_cast<LONG_PTR>(&MShadow::ParentProc);
        if (::IsWindow(m_hParent) && ::GetWindowLongPtrW(m_hParent, GWLP_WNDPROC) == ours) {
            ::SetWindowLongPtrW(m_hParent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
            map.erase(it);
        } else {
            // Another procedure was put above ours: taking ours out would cut it off, so
            // ours stays and only passes messages on until the window goes.
            it->second.shadow = nullptr;
        }
    }
    m_hParent = nullptr;
    m_pManager = nullptr;
    m_nStatus = 0;
}

LRESULT CALLBACK MShadow::ParentProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto& map = GetShadowMap();
    auto it = map.find(window);
    if (it == map.end()) return ::DefWindowProcW(window, msg, wparam, lparam);
    const Hook hook = it->second;
    if (msg == WM_NCDESTROY) {
        if (::GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MShadow::ParentProc))
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.previous));
        map.erase(it);
        if (hook.shadow) {
            hook.shadow->m_hParent = nullptr;
            hook.shadow->m_hWnd = nullptr;  // an owned window, gone before its owner
            hook.shadow->m_nStatus = 0;
        }
    } else if (hook.shadow) {
        hook.shadow->OnParentMessage(msg, wparam, lparam);
    }
    return ::CallWindowProcW(hook.previous, window, msg, wparam, lparam);
}

// --- the parent's messages ---------------------------------------------------------------------

void MShadow::OnParentMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (m_bDisabled) return;
    switch (msg) {
    case WM_DESTROY:
        if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
        break;
    case WM_MOVE:
        if (m_nStatus & kVisible) MoveToParent();
        break;
    case WM_WINDOWPOSCHANGED: {
        // Shown or hidden without ShowWindow (SetWindowPos) counts as shown or hidden too.
        const UINT flags = reinterpret_cast<WINDOWPOS*>(lparam)->flags;
        if (flags & SWP_HIDEWINDOW) OnParentShow(false);
        if (flags & SWP_SHOWWINDOW) OnParentShow(true);
        if (m_nStatus & kVisible) MoveToParent();
        break;
    }
    case WM_SIZE:
        OnParentSize(static_cast<UINT>(wparam), CSize(LOWORD(lparam), HIWORD(lparam)));
        break;
    case WM_PAINT:
        if (m_bUpdatePending) {
            m_bUpdatePending = 0;
            Update();
        }
        break;
    case WM_SHOWWINDOW:
        OnParentShow(wparam != 0);
        break;
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, m_hParent, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
        break;
    case WM_EXITSIZEMOVE:
        if (m_nStatus & kVisible) Update();
        break;
    default:
        break;
    }
}

void MShadow::OnParentSize(UINT type, CSize size) {
    if (!(m_nStatus & kEnabled)) return;
    if (type == SIZE_MINIMIZED || type == SIZE_MAXIMIZED) {
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
        m_nStatus &= ~kVisible;
    } else if (m_nStatus & kParentVisible) {
        // Shown first, so that the update below has a visible shadow to draw.
        if (!(m_nStatus & kVisible)) {
            if (m_hWnd) ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
            m_nStatus |= kVisible;
        }
        // A larger window paints its new parts first; the shadow follows that paint.
        if (size.cx > m_szLastParent.cx || size.cy > m_szLastParent.cy)
            m_bUpdatePending = 1;
        else
            Update();
    }
    m_szLastParent = size;
}

void MShadow::OnParentShow(bool show) {
    if (!(m_nStatus & kEnabled)) return;
    if (show) {
        if (m_nStatus & kParentVisible) return;
        m_bUpdatePending = 1;
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        m_nStatus |= kVisible | kParentVisible;
    } else {
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
        m_nStatus &= ~(kVisible | kParentVisible);
    }
}

// --- settings -------------------------------------------------------------------------------------

int MShadow::SetSize(int size) {
    if (!InRange(size, -kLimit, kLimit)) return 0;
    m_nSize = static_cast<std::int8_t>(size);
    UpdateIfShown();
    return 1;
}

int MShadow::SetSharpness(unsigned sharpness) {
    if (sharpness > static_cast<unsigned>(kLimit)) return 0;
    m_nSharpness = static_cast<std::uint8_t>(sharpness);
    UpdateIfShown();
    return 1;
}

int MShadow::SetDarkness(unsigned darkness) {
    if (darkness > 255) return 0;
    m_nDarkness = static_cast<std::uint8_t>(darkness);
    UpdateIfShown();
    return 1;
}

int MShadow::SetPosition(int x, int y) {
    if (!InRange(x, -kLimit, kLimit) || !InRange(y, -kLimit, kLimit)) return 0;
    m_nxOffset = static_cast<std::int8_t>(x);
    m_nyOffset = static_cast<std::int8_t>(y);
    UpdateIfShown();
    return 1;
}

int MShadow::SetColor(COLORREF colour) {
    m_color = colour & 0xFFFFFF;
    UpdateIfShown();
    return 1;
}

int MShadow::SetImage(const wchar_t* path) {
    if (!path) return 0;
    return TakeImage(MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))));
}

int MShadow::SetImage(UINT resourceId) {
    return TakeImage(MRender::LoadImageFromIDResource(resourceId, L"PNG", Manager::GetInstance()));
}

int MShadow::TakeImage(Gdiplus::Image* image) {
    if (!image) return 0;
    m_pImage.reset(image);
    m_bImageMode = 1;
    UpdateIfShown();
    return 1;
}

void MShadow::SetShadowCorner(RECT corners) {
    if (corners.left < 0 || corners.top < 0 || corners.right < 0 || corners.bottom < 0) return;
    m_rcCorner = CRect(corners.left, corners.top, corners.right, corners.bottom);
    UpdateIfShown();
}

void MShadow::ShowShadow(int show) { m_bShow = show ? 1 : 0; }

void MShadow::DisableShadow(int disable) {
    m_bDisabled = disable ? 1 : 0;
    if (m_bDisabled) {
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
        return;
    }
    if (!m_hParent || !::IsWindow(m_hParent)) return;
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hParent, GWL_STYLE));
    if (!(style & WS_VISIBLE)) {
        m_nStatus = kEnabled;
    } else if (style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        m_nStatus = kEnabled | kParentVisible;
    } else {
        m_nStatus = kEnabled | kVisible | kParentVisible;
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        Update();
    }
}

void MShadow::CopyShadow(MShadow* other) {
    if (!other || other == this) return;
    m_nDarkness = other->m_nDarkness;
    m_nSharpness = other->m_nSharpness;
    m_nSize = other->m_nSize;
    m_nxOffset = other->m_nxOffset;
    m_nyOffset = other->m_nyOffset;
    m_color = other->m_color;
    m_rcCorner = other->m_rcCorner;
    m_bShow = other->m_bShow;
    UpdateIfShown();
}

void MShadow::UpdateIfShown() {
    if (m_hWnd && (m_nStatus & kVisible)) Update();
}

// --- drawing ------------------------------------------------------------------------------------

int MShadow::WorkingSize() const { return std::max<int>(m_nSize, 0); }

CPoint MShadow::PlaceFor(const CRect& parent) const {
    if (m_bImageMode) return CPoint(parent.left - m_rcCorner.left, parent.top - m_rcCorner.top);
    return CPoint(parent.left + m_nxOffset - WorkingSize(), parent.top + m_nyOffset - WorkingSize());
}

void MShadow::MoveToParent() {
    if (!m_hWnd || !m_hParent) return;
    RECT r{};
    ::GetWindowRect(m_hParent, &r);
    const CPoint place = PlaceFor(CRect(r.left, r.top, r.right, r.bottom));
    ::SetWindowPos(m_hWnd, nullptr, place.x, place.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void MShadow::Update() {
    if (!m_bShow || !(m_nStatus & kVisible) || !m_hWnd || !m_hParent) return;
    RECT r{};
    if (!::GetWindowRect(m_hParent, &r)) return;
    const CRect parent(r.left, r.top, r.right, r.bottom);
    if (parent.Width() <= 0 || parent.Height() <= 0) return;
    if (m_bImageMode)
        DrawImagePicture(parent);
    else
        DrawComputedPicture(parent);
    Present(PlaceFor(parent));
}

void MShadow::DrawImagePicture(const CRect& parent) {
    const int width = parent.Width() + m_rcCorner.left + m_rcCorner.right;
    const int height = parent.Height() + m_rcCorner.top + m_rcCorner.bottom;
    ResetPicture(width, height);
    if (!m_pImage) return;
    Gdiplus::Bitmap canvas(width, height, width * 4, PixelFormat32bppPARGB,
                           reinterpret_cast<BYTE*>(m_picture.data()));
    Gdiplus::Graphics graphics(&canvas);
    MRender::DrawImageFrameMID(graphics, m_pImage.get(), CRect(0, 0, width, height), 0, 0,
                               static_cast<int>(m_pImage->GetWidth()), static_cast<int>(m_pImage->GetHeight()),
                               m_rcCorner.left, m_rcCorner.top, m_rcCorner.right, m_rcCorner.bottom);
}

void MShadow::DrawComputedPicture(const CRect& parent) {
    const int size = WorkingSize();
    ResetPicture(parent.Width() + 2 * size, parent.Height() + 2 * size);
    // Size 0 draws nothing: the picture stays fully transparent.
    if (m_nSize == 0) return;
    ShadowSpans::Settings settings;
    settings.size = size;
    settings.sharpness = m_nSharpness;
    settings.darkness = m_nDarkness;
    settings.xOffset = m_nxOffset;
    settings.yOffset = m_nyOffset;
    settings.colour = m_color;
    ShadowSpans::Draw(ShadowSpans::OfWindow(m_hParent, parent.Width(), parent.Height()), settings, m_picture.data(),
                      m_nPictureWidth, m_nPictureHeight);
}

void MShadow::ResetPicture(int width, int height) {
    m_nPictureWidth = std::max(width, 0);
    m_nPictureHeight = std::max(height, 0);
    m_picture.assign(static_cast<size_t>(m_nPictureWidth) * static_cast<size_t>(m_nPictureHeight), 0);
}

void MShadow::Present(CPoint place) {
    if (m_nPictureWidth <= 0 || m_nPictureHeight <= 0) return;
    ::SetWindowPos(m_hWnd, nullptr, place.x, place.y, m_nPictureWidth, m_nPictureHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_nPictureWidth;
    info.bmiHeader.biHeight = -m_nPictureHeight;  // top row first, as the picture is kept
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        std::copy(m_picture.begin(), m_picture.end(), static_cast<std::uint32_t*>(bits));
        HGDIOBJ previous = ::SelectObject(memory, bitmap);
        POINT origin{0, 0};
        POINT destination{place.x, place.y};
        SIZE size{m_nPictureWidth, m_nPictureHeight};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::UpdateLayeredWindow(m_hWnd, screen, &destination, &size, memory, &origin, 0, &blend, ULW_ALPHA);
        ::SelectObject(memory, previous);
    }
    if (bitmap) ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

std::uint32_t MShadow::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_nPictureWidth || y >= m_nPictureHeight) return 0;
    return m_picture[static_cast<size_t>(y) * m_nPictureWidth + x];
}

}  // namespace Kelvo
