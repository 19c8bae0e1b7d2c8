#pragma once
// A skinned toggle: each release inside flips its check, and while checked it shows the
// pressed look.
#include "MButton.h"

namespace Kelvo {

class KELVO_API MButton3 : public MButton {
public:
    MButton3(MObject* parent, UINT id, CRect rect, int visible, int enabled);

    const wchar_t* GetClassNameW() override;

    int GetCheck() const { return m_bCheck; }
    // Ignored while disabled (returns the current check); repaints when it changed.
    int SetCheck(int check);

protected:
    int VisibleCell() const override;
    Gdiplus::ARGB TitleColour(int cell) const override;
    void OnClick() override;

private:
    int m_bCheck = 0;
};

}  // namespace Kelvo
