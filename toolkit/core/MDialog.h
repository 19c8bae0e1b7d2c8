#pragma once
// The skinned top-level window every window of the application is built on: a paint
// manager with windowless controls created by class name, virtual handlers the
// application overrides, and the closing protocol that hands a result to ShowModal.
//
// Use: construct; optionally set the background, its mode and layering; Create; then
// ShowModal (or ShowWindow for a modeless window). Controls are created in InitUI and
// laid out in UISize; notifications arrive in OnMessage. DoOK, DoCancel, DoClose, DoYes
// and DoNo close the window with IDOK, IDCANCEL, IDCANCEL, IDYES and IDNO as the result.
#include <windows.h>

#include "Geometry.h"
#include "KelvoApi.h"
#include "MSkinWindow.h"

namespace Kelvo {

class MControl;

class KELVO_API MDialog : public MSkinWindow {
public:
    MDialog() = default;
    ~MDialog() override;

    const wchar_t* GetClassNameW() override;

    // The point on the bottom edge of `control` in screen coordinates, at its left edge
    // (type 0), centre (1) or right edge (2); (0, 0) for a null control.
    virtual CPoint GetAirBladderPoint(MControl* control, int type);
    virtual void OnMinimize();
    // Restores a maximised window, maximises any other.
    virtual void OnMaximize();

    void SetMessage(const wchar_t* text, CRect rect, int fontSize) { m_pm.SetMessage(text, rect, fontSize); }
    void SetProgress(int percent, const wchar_t* text, CRect rect) { m_pm.SetProgress(percent, text, rect); }
    UINT SetMTimer(UINT milliseconds) { return m_pm.SetMTimer(milliseconds); }
    int KillMTimer(UINT id) { return m_pm.KillMTimer(id); }
    void SetTooltip(const wchar_t* text, CRect rect) { m_pm.SetTooltip(text, rect); }
    void ClearTooltip() { m_pm.ClearTooltip(); }
    void SetTooltipCtrlID(int id) { m_pm.SetTooltipCtrlID(id); }
    int GetTooltipCtrlID() const { return m_pm.GetTooltipCtrlID(); }
    // The window's smallest and largest size when the user resizes it (<= 0: no limit).
    void SetWindowMinSize(int width, int height) { m_pm.SetWindowMixSize(width, height); }
    void SetWindowMaxSize(int width, int height) { m_pm.SetWindowMaxSize(width, height); }

    // A balloon below `point` (screen), shown without taking the focus from this window;
    // 0 when either coordinate is 0.
    int SetAirBladderMsg(const wchar_t* text, POINT point, AIRBLADDER_TYPE type);

    // The drop shadow (see PaintManager).
    void CreateShadow(int show, bool force) { m_pm.CreateShadow(show, force); }
    int SetSize(int size) { return m_pm.SetSize(size); }
    int SetSharpness(unsigned sharpness) { return m_pm.SetSharpness(sharpness); }
    int SetDarkness(unsigned darkness) { return m_pm.SetDarkness(darkness); }
    int SetPosition(int x, int y) { return m_pm.SetPosition(x, y); }
    int SetShadowColor(COLORREF colour) { return m_pm.SetShadowColor(colour); }
    void SetShadowImage(const wchar_t* path, CRect corners) { m_pm.SetShadowImage(path, corners); }
    void SetShadowImage(UINT resourceId, CRect corners) { m_pm.SetShadowImage(resourceId, corners); }
    void SetShadowShow(int show) { m_pm.SetShadowShow(show); }
    void DisableShadow(int disable) { m_pm.DisableShadow(disable); }

    // Close the window with a result (the private close request).
    void DoOK();
    void DoCancel();
    void DoClose();
    void DoYes();
    void DoNo();
    void SetupRegion(int) {}
};

}  // namespace Kelvo
