#pragma once
// A push button that turns into a progress bar while a download runs: with a progress
// above 0 it shows skin frame 0 over the whole button, frame 1 over the done part from
// the left and the percentage in the middle; otherwise it is a plain skinned button.
#include "ButtonIcon.h"
#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API DownloadButton : public PushButtonBase {
public:
    DownloadButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // Percent done; a change repaints.
    void SetDownloadProcess(int percent);
    int GetDownloadProcess() const { return m_nProgress; }
    int SetIconImage(const wchar_t* path, int frames);
    void SetFrameSize(int corner);
    void SetTextRect(CRect rect);
    int GetState() const { return m_bEnabled ? m_press.State() : 3; }

private:
    void RenderCells(HDC cache, int width, int height);
    void RenderProgress(HDC cache, int width, int height);

    ButtonIcon m_icon;
    int m_nProgress = 0;
    int m_nFrameSize = 8;
    CRect m_rcText;
};

}  // namespace Kelvo
