#pragma once
// One report rate of the performance page: a selectable button of its group carrying one
// integer, shown as its text. In the group "REPORTRATE" it has no colour mark and its
// text starts 2 pixels from the left edge.
#include "DpiValueButton.h"

namespace Kelvo {

class KELVO_API ColorButtonEx : public DpiValueButton {
public:
    ColorButtonEx(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    // When different: stores it, the text becomes its decimal form (also in an open
    // editor), repaints.
    void SetValue(int value);
    // The text read as an integer (and kept as the value).
    int GetValue();

protected:
    int TextInset() const override;
    bool DrawsMark() const override;
    void DrawValue(HDC dc, const CRect& rect) override;

private:
    bool IsReportRate() const;

    int m_nValue = 0;
};

}  // namespace Kelvo
