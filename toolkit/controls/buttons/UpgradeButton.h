#pragma once
// The firmware upgrade button: a skinned push button that shows its disabled look while
// an upgrade is under way (non-zero upgrade status), whatever the pointer does.
#include "PushButtonBase.h"

namespace Kelvo {

class KELVO_API UpgradeButton : public PushButtonBase {
public:
    UpgradeButton(MObject* parent, UINT id, CRect rect, const wchar_t* title, int visible, int enabled);

    const wchar_t* GetClassNameW() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    void SetUpgradeStatus(int status);
    int GetUpgradeStatus() const { return m_nUpgradeStatus; }
    void SetFrameSize(int corner);
    int GetState() const;

private:
    int m_nUpgradeStatus = 0;
    int m_nFrameSize = 8;
};

}  // namespace Kelvo
