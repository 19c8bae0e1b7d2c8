#include "MButton2.h"

#include "Manager.h"

namespace Kelvo {

namespace {

constexpr Gdiplus::ARGB kCellFill = 0xFF333333;
constexpr Gdiplus::ARGB kCheckedText = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kDisabledText = 0xFF808080;
constexpr int kOutline = 2;

ButtonPress::Options FlatButtonPress() {
    ButtonPress::Options options;
    options.notifyPress = false;
    options.anyRelease = true;
    return options;
}

}  // namespace

MButton2::MButton2(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MButton(parent, id, rect, nullptr, visible, enabled, FlatButtonPress()) {}

const wchar_t* MButton2::GetClassNameW() { return L"MButton2"; }

int MButton2::VisibleCell() const {
    if (!m_bEnabled) return kDisabled;
    return m_bCheck ? kPressed : m_press.State();
}

void MButton2::DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) {
    const Gdiplus::Color select(Manager::GetSelectColor());
    Gdiplus::SolidBrush fill(cell == kPressed ? select : Gdiplus::Color(kCellFill));
    graphics.FillRectangle(&fill, box.left, box.top, box.Width(), box.Height());
    if (cell != kHover) return;
    // Four bands rather than a pen, whose inset placement varies by a pixel.
    Gdiplus::SolidBrush outline(select);
    const int left = box.left + 1, top = box.top + 1;
    const int width = box.Width() - 2, height = box.Height() - 2;
    if (width <= 0 || height <= 0) return;
    graphics.FillRectangle(&outline, left, top, width, kOutline);
    graphics.FillRectangle(&outline, left, top + height - kOutline, width, kOutline);
    graphics.FillRectangle(&outline, left, top, kOutline, height);
    graphics.FillRectangle(&outline, left + width - kOutline, top, kOutline, height);
}

Gdiplus::ARGB MButton2::TitleColour(int cell) const {
    if (cell == kPressed) return kCheckedText;
    if (cell == kDisabled) return kDisabledText;
    return m_textColor;
}

int MButton2::SetCheck(int check) {
    if (!m_bEnabled) return m_bCheck;
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    ResetGroupCheck();
    UpdateControl(0, 0);
    return m_bCheck;
}

int MButton2::SetControlCheck(int check) {
    m_bCheck = check ? 1 : 0;
    m_press.Reset();
    UpdateControl(0, 0);
    return m_bCheck;
}

int MButton2::ResetGroupCheck() { return Kelvo::ResetGroupCheck(this, m_strGroup, L"MComboBox2"); }

void MButton2::ClearGroupCheck() {
    m_bCheck = 0;
    m_press.Reset();
    if (m_bVisible) UpdateControl(0, 0);
}

}  // namespace Kelvo
