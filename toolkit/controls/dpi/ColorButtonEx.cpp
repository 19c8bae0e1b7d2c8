#include "ColorButtonEx.h"

#include <cwchar>
#include <string>

#include "ValueEditWnd.h"

namespace Kelvo {

namespace {
constexpr int kReportRateInset = 2;
}  // namespace

ColorButtonEx::ColorButtonEx(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled)
    : DpiValueButton(parent, id, rect, title, visible, enabled) {}

const wchar_t* ColorButtonEx::GetClassNameW() { return L"ColorButtonEx"; }

void ColorButtonEx::SetValue(int value) {
    if (value == m_nValue) return;
    m_nValue = value;
    const CString text(std::to_wstring(value));
    SetControlTitle(text);
    if (GetEditWindow() && IsEditing()) GetEditWindow()->SetText(text);
    Repaint();
}

int ColorButtonEx::GetValue() {
    m_nValue = static_cast<int>(std::wcstol(GetControlTitle().GetString(), nullptr, 10));
    return m_nValue;
}

bool ColorButtonEx::IsReportRate() const { return GroupName() == L"REPORTRATE"; }

int ColorButtonEx::TextInset() const { return IsReportRate() ? kReportRateInset : DpiValueButton::TextInset(); }

bool ColorButtonEx::DrawsMark() const { return !IsReportRate(); }

void ColorButtonEx::DrawValue(HDC dc, const CRect& rect) {
    RECT box{rect.left, rect.top, rect.right, rect.bottom};
    const CString text = GetControlTitle();
    ::DrawTextW(dc, text.GetString(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
}

}  // namespace Kelvo
