#include "MText.h"

namespace Kelvo {

MText::MText(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible)
    : MControlFont(parent, id, rect, title, visible, 0, 1) {}

MText::~MText() = default;

const wchar_t* MText::GetClassNameW() { return L"MText"; }

void MText::SetControlRect(CRect rect) { m_rcControl = rect; }

void MText::EnableMultiLine(int multiLine) {
    multiLine = multiLine ? 1 : 0;
    if (multiLine == m_bMultiLine) return;
    m_bMultiLine = multiLine;
    UpdateControl(1, 0);
}

void MText::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [&](HDC cache, int width, int height) {
        DrawTitle(cache, CRect(0, 0, width, height), GetControlTitle(), m_bMultiLine != 0);
    });
}

}  // namespace Kelvo
