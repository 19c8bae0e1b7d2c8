// Painting: the off-screen buffer, background, controls, caret and message overlay, the
// layered path, and the repaint requests of controls.
#include <algorithm>

#include "LayeredPixels.h"
#include "MControl.h"
#include "MControlFont.h"
#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kPaintPauseMs = 15;  // caps how often a window repaints

Gdiplus::Color Opaque(COLORREF colour) {
    return Gdiplus::Color(0xFF, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

bool Intersects(const CRect& a, const CRect& b) {
    CRect common;
    return common.IntersectRect(a, b);
}

}  // namespace

void PaintManager::Invalidate() {
    if (IsLive()) ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void PaintManager::InvalidateRect(CRect rect, int erase) {
    if (!IsLive()) return;
    if (m_bLayered) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return;
    }
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    ::InvalidateRect(m_hWnd, &r, erase ? TRUE : FALSE);
}

void PaintManager::SetLayeredWindow(int layered) {
    m_bLayered = layered ? 1 : 0;
    if (!IsLive()) return;
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    if (!m_bLayered && (style & WS_EX_LAYERED)) ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

DWORD PaintManager::GetBufferPixel(int x, int y) const { return m_buffer.PixelAt(x, y); }

LRESULT PaintManager::OnControlUpdate(const CRect& rect, int redraw, MControl* control) {
    if (!control) return 0;
    CRect dirty = rect;
    if (redraw) control->SetUpdate(0, m_fillColor);
    if (m_bInit) {
        // Controls drawn after the changed one and over it hold its old look in their
        // caches: they render again from the new background.
        MControl* const top = TopLevelOf(control);
        bool met = false;
        for (auto [lock, list] : {std::pair{&m_areaLock, &m_areas}, std::pair{&m_controlLock, &m_controls}}) {
            for (MControl* later : Snapshot(*lock, *list)) {
                if (!met) {
                    met = later == top;
                    continue;
                }
                if (later->IsVisible() && Intersects(later->GetRect(), rect)) {
                    later->SetUpdate(0, m_fillColor);
                    dirty.UnionRect(dirty, later->GetRect());
                }
            }
        }
    }
    InvalidateRect(dirty, 0);
    return 0;
}

LRESULT PaintManager::OnPaint() {
    if (::IsIconic(m_hWnd)) {
        ::ValidateRect(m_hWnd, nullptr);  // otherwise WM_PAINT would come back at once, forever
        return 1;
    }
    RECT updateRect{};
    if (!::GetUpdateRect(m_hWnd, &updateRect, FALSE)) return 0;
    PAINTSTRUCT ps{};
    HDC paintDC = ::BeginPaint(m_hWnd, &ps);
    CRect client;
    GetClientRect(client);
    const int width = client.Width();
    const int height = client.Height();
    if (m_buffer.Ensure(m_hPaintDC ? m_hPaintDC : paintDC, width, height)) {
        HDC dc = m_buffer.GetDC();
        const int saved = ::SaveDC(dc);
        const CRect update(updateRect.left, updateRect.top, updateRect.right, updateRect.bottom);
        // A layered window shows the whole buffer at once, so all of it is drawn anew.
        const CRect clip = m_bLayered ? client : update;
        if (m_bLayered)
            LayeredPixels::Clear(m_buffer.Bits(), width, height, client);
        else
            ::IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);

        DrawBackground(dc, width, height);
        for (MControl* area : Snapshot(m_areaLock, m_areas))
            if (!area->IsDetached()) area->Draw(dc, clip);
        for (MControl* control : Snapshot(m_controlLock, m_controls))
            if (!control->IsDetached()) control->Draw(dc, clip);
        DrawCaret(dc, clip);
        DrawOverlay(dc);
        ::GdiFlush();
        if (m_bLayered) LayeredPixels::OpaqueDrawnPixels(m_buffer.Bits(), width, height, client);
        ::RestoreDC(dc, saved);

        if (m_bLayered) {
            const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
            if (!(style & WS_EX_LAYERED)) ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
            HDC screen = ::GetDC(nullptr);
            SIZE size{width, height};
            POINT origin{0, 0};
            BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            ::UpdateLayeredWindow(m_hWnd, screen, nullptr, &size, dc, &origin, 0, &blend, ULW_ALPHA);
            ::ReleaseDC(nullptr, screen);
        } else {
            ::BitBlt(paintDC, update.left, update.top, update.Width(), update.Height(), dc, update.left, update.top,
                     SRCCOPY);
        }
    }
    ::EndPaint(m_hWnd, &ps);
    ::Sleep(kPaintPauseMs);
    return 1;
}

void PaintManager::DrawBackground(HDC dc, int width, int height) {
    Gdiplus::Graphics graphics(dc);
    if (m_pBkImage) {
        if (m_backMode == BACKMODE_FRAME)
            MRender::DrawImageFrame(graphics, m_pBkImage, CRect(0, 0, width, height), 0, 0, m_nBkWidth, m_nBkHeight,
                                    m_nFrameSize);
        else
            graphics.DrawImage(m_pBkImage, 0, 0, m_nBkWidth, m_nBkHeight);
    } else {
        Gdiplus::SolidBrush border(Opaque(m_borderColor));
        graphics.FillRectangle(&border, 0, 0, width, height);
        Gdiplus::SolidBrush fill(Opaque(m_fillColor));
        graphics.FillRectangle(&fill, 1, 1, width - 2, height - 2);
    }
    graphics.Flush(Gdiplus::FlushIntentionSync);
}

void PaintManager::DrawOverlay(HDC dc) {
    if (m_strMessage.IsEmpty() || m_nMessageAlpha <= 0 || m_rcMessage.IsRectEmpty()) return;
    const int width = m_rcMessage.Width();
    const int height = m_rcMessage.Height();
    // The box is drawn apart and blended in, so that it can fade out as a whole.
    HDC box = ::CreateCompatibleDC(dc);
    BYTE* bits = nullptr;
    HBITMAP bitmap = MRender::CreateARGB32Bitmap(box, width, height, &bits);
    if (!box || !bitmap) {
        if (bitmap) ::DeleteObject(bitmap);
        if (box) ::DeleteDC(box);
        return;
    }
    HGDIOBJ previous = ::SelectObject(box, bitmap);
    {
        Gdiplus::Graphics graphics(box);
        Gdiplus::SolidBrush fill(Gdiplus::Color(0xFF141414));
        graphics.FillRectangle(&fill, 0, 0, width, height);
        if (m_nProgressTarget > 0) {
            Gdiplus::SolidBrush bar(Gdiplus::Color(Manager::GetSelectColor()));
            graphics.FillRectangle(&bar, 0, height - 4, width * std::min(m_nProgressShown, 100) / 100, 4);
        }
        Gdiplus::Pen pen(Gdiplus::Color(0xFF6D6D6D), 2);
        graphics.DrawRectangle(&pen, 1, 1, width - 2, height - 2);
    }
    if (!m_hMessageFont) {
        LOGFONTW font{};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        ::lstrcpynW(font.lfFaceName, Manager::GetFontName().GetString(), LF_FACESIZE);
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfHeight = -m_nMessageFontSize;
        m_hMessageFont = ::CreateFontIndirectW(&font);
    }
    HGDIOBJ oldFont = ::SelectObject(box, m_hMessageFont);
    RECT measured{0, 0, width, height};
    ::DrawTextW(box, m_strMessage, -1, &measured, DT_CALCRECT | DT_EDITCONTROL | DT_WORDBREAK | DT_CENTER | DT_VCENTER);
    const int textHeight = measured.bottom - measured.top;
    RECT text{0, (height - textHeight) / 2, width, (height - textHeight) / 2 + textHeight};
    ::SetBkMode(box, TRANSPARENT);
    ::SetTextColor(box, RGB(0xFF, 0xFF, 0xFF));
    ::DrawTextW(box, m_strMessage, -1, &text, DT_EDITCONTROL | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    ::SelectObject(box, oldFont);
    ::GdiFlush();
    LayeredPixels::OpaqueDrawnPixels(reinterpret_cast<std::uint32_t*>(bits), width, height, CRect(0, 0, width, height));
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::min(m_nMessageAlpha, 255)), 0};
    ::AlphaBlend(dc, m_rcMessage.left, m_rcMessage.top, width, height, box, 0, 0, width, height, blend);
    ::SelectObject(box, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(box);
}

void PaintManager::InvalidateCaret() { InvalidateRect(m_rcCaret, 0); }

void PaintManager::DrawCaret(HDC dc, const CRect& clip) {
    auto* edit = dynamic_cast<MControlFont*>(m_pCaretObject);
    if (!m_pCaretObject || !m_pCaretObject->IsFocused() || ::GetFocus() != m_hWnd) {
        if (IsLive()) ::KillTimer(m_hWnd, ControlTimerIds::kCaretBlink);
        if (m_bCaretShown && m_bCaretPhase) {
            m_bCaretPhase = 0;
            InvalidateCaret();
        }
        return;
    }
    if (!m_bCaretShown || !m_bCaretPhase || !Intersects(m_rcCaret, clip)) return;
    const Gdiplus::ARGB colour = edit ? edit->GetTextColor() : 0xFFFFFFFF;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::SolidBrush brush(Gdiplus::Color((colour & 0x00FFFFFF) | 0xFE000000));
    graphics.FillRectangle(&brush, m_rcCaret.left, m_rcCaret.top, m_rcCaret.Width(), m_rcCaret.Height());
}

}  // namespace Kelvo
