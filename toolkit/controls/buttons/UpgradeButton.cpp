#include "UpgradeButton.h"

namespace Kelvo {

namespace {

constexpr int kCells = 4;
constexpr int kDisabledCell = 3;

}  // namespace

UpgradeButton::UpgradeButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : PushButtonBase(parent, id, rect, title, visible, enabled) {
    m_nAlignment = DT_CENTER;
}

const wchar_t* UpgradeButton::GetClassNameW() { return L"UpgradeButton"; }

int UpgradeButton::GetState() const {
    if (!m_bEnabled || m_nUpgradeStatus != 0) return kDisabledCell;
    return m_press.State();
}

void UpgradeButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kCells, GetState(), [&](HDC cache, int width, int height) {
        const bool exact = m_nFrameWidth == width && m_nFrameHeight == height;
        {
            Gdiplus::Graphics graphics(cache);
            for (int cell = 0; cell < kCells && m_pImage; ++cell) {
                const CRect box(cell * width, 0, (cell + 1) * width, height);
                const int frame = cell < m_nFrameCount ? cell : m_nFrameCount - 1;
                if (exact)
                    graphics.DrawImage(m_pImage, Gdiplus::Rect(box.left, 0, width, height), frame * width, 0, width,
                                       height, Gdiplus::UnitPixel);
                else
                    DrawImageFrame(graphics, box, cell, m_nFrameSize);
            }
        }
        const CString title = GetControlTitle();
        for (int cell = 0; cell < kCells; ++cell)
            DrawTitle(cache, CRect(cell * width, 0, (cell + 1) * width, height), title, false);
    });
}

void UpgradeButton::SetUpgradeStatus(int status) {
    if (status == m_nUpgradeStatus) return;
    m_nUpgradeStatus = status;
    UpdateControl(1, 0);
}

void UpgradeButton::SetFrameSize(int corner) {
    m_nFrameSize = corner;
    m_bUpdate = 0;
}

}  // namespace Kelvo
