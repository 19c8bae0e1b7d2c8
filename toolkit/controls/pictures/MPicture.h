#pragma once
// A skin picture (backgrounds, section panels, logos, model pictures) drawn in one of six
// show modes: natural size placed by the alignment, tiled, stretched, nine-grid with one
// corner size, nine-grid with four margins, or stretched from a source rectangle. The
// control owns its picture and loads it straight from the file, so it works before it is
// attached to a window. It sends no notifications.
#include <windows.h>

#include "Geometry.h"
#include "MControlFont.h"
#include "PictureImage.h"

namespace Kelvo {

class KELVO_API MPicture : public MControlFont {
public:
    MPicture(MObject* parent, UINT id, CRect rect, int visible, int enabled, int responsive = 1);
    ~MPicture() override;

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;
    // Either load repaints; a failed one leaves no picture but keeps the old frame size.
    int SetImage(const wchar_t* path, int frames) override;
    // A failed resource load does not repaint.
    int SetImage(UINT resourceId, const wchar_t* resourceType, int frames) override;

    // 0 when nothing changes (the corner size only counts in mode 3), else 1 and a repaint.
    int SetShowMode(enumShowMode mode, int parameter);
    // Four margins of mode 4, which it switches to; always repaints and returns 1.
    int SetShowModeMID(int left, int top, int right, int bottom);
    // The part of the image mode 5 stretches over the control; no repaint.
    void SetCustomRect(CRect source);
    int GetShowMode() const { return m_picture.ShowMode(); }

private:
    // GetImageSize, also when asked through MControlFont, gives the frame size of the
    // last picture that loaded.
    void KeepFrameSize();

    PictureImage m_picture;
};

}  // namespace Kelvo
