#pragma once
// A push button that, held down, repeats notification 32 every 300 ms or so (first after
// 300 ms), measured on the window's periodic tick. Drawn like CImageButton.
#include <cstdint>

#include "MButton.h"

namespace Kelvo {

class KELVO_API LongPressButton : public MButton {
public:
    LongPressButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    int OnControlTimer() override;
    int OnControlLButtonDown(UINT flags, CPoint point) override;

protected:
    void DrawCellImage(Gdiplus::Graphics& graphics, int cell, const CRect& box) override;

private:
    std::uint64_t m_pressTime = 0;
};

}  // namespace Kelvo
