#include "MButton.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;
constexpr Gdiplus::ARGB kGdiDisabledText = 0xFF969696;
constexpr Gdiplus::ARGB kGdiplusDisabledText = 0xFF808080;
constexpr Gdiplus::ARGB kTextRectActiveText = 0xFF333333;

ButtonPress::Options PushButtonPress() {
    ButtonPress::Options options;
    options.handCursor = true;
    return options;
}

}  // namespace

MButton::MButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : MButton(parent, id, rect, title, visible, enabled, PushButtonPress()) {}

MButton::MButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled,
                 ButtonPress::Options press)
    : PushButtonBase(parent, id, rect, title, visible, enabled, press) {
    m_nFrameCount = kCells;
}

MButton::~MButton() = default;

const wchar_t* MButton::GetClassNameW() { return L"MButton"; }

int MButton::VisibleCell() const { return m_bEnabled ? m_press.State() : kDisabled; }

void MButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kCells, VisibleCell(), [&](HDC cache, int width, int height) {
        RenderCells(cache, width, height);
    });
}

void MButton::RenderCells(HDC cache, int width, int height) {
    {
        Gdiplus::Graphics graphics(cache);
        for (int cell = 0; cell < kCells; ++cell) {
            const CRect box(cell * width, 0, (cell + 1) * width, height);
            DrawCellImage(graphics, cell, box);
            // The icon sits a little right of and above the centre, where the skins leave room.
            const CPoint at(box.left + (width - m_icon.FrameWidth()) / 2 + 2,
                            box.top + (height - m_icon.FrameHeight()) / 2 - 4);
            m_icon.Draw(graphics, cell, at);
        }
    }
    const CString title = GetControlTitle();
    if (title.IsEmpty()) return;
    for (int cell = 0; cell < kCells; ++cell)
        DrawCellTitle(cache, cell, CRect(cell * width, 0, (cell + 1) * width, height), title);
}

void MButton::DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    DrawImageFrame(graphics, box, cell, m_nFrameSize);
}

void MButton::DrawNaturalFrame(Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    if (!m_pImage || m_nFrameWidth <= 0 || m_nFrameHeight <= 0) return;
    const int frame = cell < m_nFrameCount ? cell : m_nFrameCount - 1;
    graphics.DrawImage(m_pImage, Gdiplus::Rect(box.left, box.top, m_nFrameWidth, m_nFrameHeight),
                       frame * m_nFrameWidth, 0, m_nFrameWidth, m_nFrameHeight, Gdiplus::UnitPixel);
}

Gdiplus::ARGB MButton::TitleColour(int cell) const {
    if (cell == kDisabled) return m_bTextByGdi ? kGdiDisabledText : kGdiplusDisabledText;
    if (!m_rcText.IsRectEmpty() && (cell == kHover || cell == kPressed)) return kTextRectActiveText;
    return m_textColor;
}

void MButton::DrawCellTitle(HDC cache, int cell, const CRect& box, const CString& title) {
    CRect where = box;
    if (!m_rcText.IsRectEmpty()) {
        where = m_rcText;
        where.OffsetRect(box.left, box.top);
    }
    if (!m_bTextByGdi && cell == kPressed) where.OffsetRect(1, 1);
    // The title is always centred, whatever the alignment says.
    DrawCentredTitle(cache, where, title, TitleColour(cell));
}


int MButton::SetIconImage(const wchar_t* path, int frames) {
    if (!m_icon.Load(path, frames)) return 0;
    Rerender();
    return 1;
}

void MButton::SetFrameSize(int corner) {
    m_nFrameSize = corner;
    m_bUpdate = 0;
}

void MButton::SetTextRect(CRect rect) {
    m_rcText = rect;
    m_bUpdate = 0;
}

void MButton::Rerender() {
    m_bUpdate = 0;
    UpdateControl(1, 0);
}

}  // namespace Kelvo
