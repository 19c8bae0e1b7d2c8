#include "DownloadButton.h"

#include "TextFormat.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;
constexpr int kPressedCell = 2;
constexpr int kDisabledCell = 3;

}  // namespace

DownloadButton::DownloadButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : PushButtonBase(parent, id, rect, title, visible, enabled) {}

const wchar_t* DownloadButton::GetClassNameW() { return L"DownloadButton"; }

void DownloadButton::DrawControl(HDC dc, const CRect&) {
    const bool downloading = m_nProgress > 0;
    DrawCachedLooks(dc, kCells, downloading ? 0 : GetState(), [&](HDC cache, int width, int height) {
        if (downloading)
            RenderProgress(cache, width, height);
        else
            RenderCells(cache, width, height);
    });
}

void DownloadButton::RenderCells(HDC cache, int width, int height) {
    {
        Gdiplus::Graphics graphics(cache);
        for (int cell = 0; cell < kCells; ++cell) {
            const CRect box(cell * width, 0, (cell + 1) * width, height);
            DrawImageFrame(graphics, box, cell, m_nFrameSize);
            m_icon.Draw(graphics, cell,
                        CPoint(box.left + (width - m_icon.FrameWidth()) / 2 + 2,
                               (height - m_icon.FrameHeight()) / 2 - 4));
        }
    }
    const CString title = GetControlTitle();
    for (int cell = 0; cell < kCells && !title.IsEmpty(); ++cell) {
        const CRect box(cell * width, 0, (cell + 1) * width, height);
        CRect where = box;
        if (!m_rcText.IsRectEmpty()) {
            where = m_rcText;
            where.OffsetRect(box.left, 0);
        }
        if (!m_bTextByGdi && cell == kPressedCell) where.OffsetRect(1, 1);
        Gdiplus::ARGB colour = m_textColor;
        if (cell == kDisabledCell)
            colour = m_bTextByGdi ? 0xFF969696 : 0xFF808080;
        else if (!m_rcText.IsRectEmpty() && cell != 0)
            colour = 0xFF333333;
        DrawCentredTitle(cache, where, title, colour);
    }
}

void DownloadButton::RenderProgress(HDC cache, int width, int height) {
    const int percent = m_nProgress < 100 ? m_nProgress : 100;
    {
        Gdiplus::Graphics graphics(cache);
        DrawImageFrame(graphics, CRect(0, 0, width, height), 0, m_nFrameSize);
        const int done = width * percent / 100;
        if (done > 0) DrawImageFrame(graphics, CRect(0, 0, done, height), 1, m_nFrameSize);
    }
    DrawCentredTitle(cache, CRect(0, 0, width, height), FormatText(L"%d%%", {m_nProgress}), m_textColor);
}

void DownloadButton::SetDownloadProcess(int percent) {
    if (percent == m_nProgress) return;
    m_nProgress = percent;
    UpdateControl(1, 0);
}

int DownloadButton::SetIconImage(const wchar_t* path, int frames) {
    if (!m_icon.Load(path, frames)) return 0;
    m_bUpdate = 0;
    UpdateControl(1, 0);
    return 1;
}

void DownloadButton::SetFrameSize(int corner) {
    m_nFrameSize = corner;
    m_bUpdate = 0;
}

void DownloadButton::SetTextRect(CRect rect) {
    m_rcText = rect;
    m_bUpdate = 0;
}

}  // namespace Kelvo
