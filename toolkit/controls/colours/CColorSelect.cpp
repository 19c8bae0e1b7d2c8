#include "CColorSelect.h"

#include "CColorButton.h"
#include "ColourNotifications.h"

namespace Kelvo {

namespace {

constexpr COLORREF kSwatchColours[CColorSelect::kSwatchCount] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                                                 0xFF00FF, 0xFFFF00, 0xFFFFFF};
constexpr int kSwatchSize = 20;
constexpr int kSwatchStep = 25;
constexpr int kFirstSwatchTop = 5;

}  // namespace

CColorSelect::CColorSelect(MObject* parent, UINT id, CRect rect, int visible) : MPanel(parent, id, rect, visible) {}

CColorSelect::~CColorSelect() = default;

const wchar_t* CColorSelect::GetClassNameW() { return L"CColorSelect"; }

void CColorSelect::InitControl(PaintManager* manager) {
    MPanel::InitControl(manager);
    for (int i = 0; i < kSwatchCount; ++i) {
        const int top = m_rcControl.top + kFirstSwatchTop + i * kSwatchStep;
        auto* swatch = new CColorButton(this, kFirstSwatchId + i,
                                        CRect(m_rcControl.left, top, m_rcControl.left + kSwatchSize, top + kSwatchSize),
                                        1, 1);
        swatch->SetGroupName(L"clr_palette_group");
        swatch->SetColor(kSwatchColours[i]);
        swatch->SetVisibleBorder(i == kSwatchCount - 1);
        AttachControl(1, swatch);
    }
}

CColorButton* CColorSelect::Swatch(int index) {
    return dynamic_cast<CColorButton*>(GetControl(kFirstSwatchId + index));
}

void CColorSelect::SetColorIndex(int index) {
    if (index >= 0 && index < kSwatchCount) {
        if (CColorButton* swatch = Swatch(index)) swatch->SetCheck(1);
        return;
    }
    if (index != -1) return;
    for (int i = 0; i < kSwatchCount; ++i)
        if (CColorButton* swatch = Swatch(i)) swatch->SetCheck(0);
}

void CColorSelect::SetControlEnabled(int enabled) {
    m_bEnabled = enabled ? 1 : 0;
    for (int i = 0; i < kSwatchCount; ++i)
        if (CColorButton* swatch = Swatch(i)) swatch->SetEnabled(m_bEnabled);
}

int CColorSelect::OnControlMouseMove(UINT, CPoint) { return m_bEnabled; }
int CColorSelect::OnControlLButtonDown(UINT, CPoint) { return m_bEnabled; }
int CColorSelect::OnControlLButtonUp(UINT, CPoint) { return m_bEnabled; }
int CColorSelect::OnControlScroll(int, int, CPoint) { return 1; }

LRESULT CColorSelect::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    if (code == kNotifyPressed && id >= kFirstSwatchId && id <= kFirstSwatchId + 7) {
        for (int i = 0; i < kSwatchCount; ++i) {
            CColorButton* swatch = Swatch(i);
            if (!swatch || !swatch->GetCheck()) continue;
            if (swatch->GetColor() != 0)
                SendMessageW(kNotifyColourChanged, static_cast<WPARAM>(i), static_cast<LPARAM>(swatch->GetColor()));
            break;
        }
    }
    return MPanel::OnMessage(id, code, wparam, lparam);
}

}  // namespace Kelvo
