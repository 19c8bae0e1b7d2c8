#pragma once
// An icon strip a button loads straight from the skin folder (not through the image cache)
// and owns: frames side by side, the button's state picking the frame when there are
// enough of them.
#include <windows.h>

#include "GdiPlus.h"

#include "Geometry.h"

namespace Kelvo {

class ButtonIcon {
public:
    ButtonIcon() = default;
    ~ButtonIcon();
    ButtonIcon(const ButtonIcon&) = delete;
    ButtonIcon& operator=(const ButtonIcon&) = delete;

    // 1 when the file loaded; 0 leaves the previous icon. Frames < 1 count as 1.
    int Load(const wchar_t* path, int frames);
    bool IsLoaded() const { return m_pImage != nullptr; }
    int FrameWidth() const { return m_nFrameWidth; }
    int FrameHeight() const { return m_nFrameHeight; }
    int FrameCount() const { return m_nFrameCount; }

    // Frame `state` (the last one when there are fewer) at natural size, its top-left at `at`.
    void Draw(Gdiplus::Graphics& graphics, int state, CPoint at) const;

private:
    Gdiplus::Image* m_pImage = nullptr;
    int m_nFrameWidth = 0;
    int m_nFrameHeight = 0;
    int m_nFrameCount = 4;
};

}  // namespace Kelvo
