#pragma once
// The battery gauge of the main window's frame: an outline picture, the level picture
// cropped from the left by the percentage, and either the percentage written over the
// outline or, while charging, a bolt beside it and a fill that keeps growing from empty
// up to the level. The growth steps with the paint manager's tick, so the gauge sits on
// the tick list from the moment it is attached until it is destroyed.
#include <windows.h>

#include <memory>

#include "GdiPlus.h"

#include "MControlFont.h"

namespace Kelvo {

class KELVO_API BatteryCtrl : public MControlFont {
public:
    BatteryCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled);
    ~BatteryCtrl() override;

    const wchar_t* GetClassNameW() override;
    void InitControl(PaintManager* manager) override;
    int OnControlTimer() override;
    void DrawControl(HDC dc, const CRect& clip) override;

    // The outline, read straight from the skin folder and drawn at its natural size;
    // `frames` is not used. 1 when it loaded (a failure keeps the previous one).
    int SetImage(const wchar_t* path, int frames) override;
    using MControlFont::SetImage;
    // The level and bolt pictures from the skin folder; each one that loads replaces the
    // previous one. Returns 1.
    int SetBatteryIcon(const wchar_t* levelPath, const wchar_t* chargePath);
    // A new level (percent) or charging state; repaints only when either changed.
    void SetBatteryInfo(int level, int charging);

    int GetLevel() const { return m_nLevel; }
    int IsCharging() const { return m_bCharging; }
    // The level the charging fill shows now.
    int GetAnimationLevel() const { return m_nAnimationLevel; }
    // How many columns of the level picture are drawn: never more than it has.
    int GetFilledWidth() const;

private:
    void DrawPercent(HDC dc, int width, int height);

    std::unique_ptr<Gdiplus::Image> m_background;
    std::unique_ptr<Gdiplus::Image> m_levelImage;
    std::unique_ptr<Gdiplus::Image> m_chargeImage;
    int m_nLevel = 100;
    int m_bCharging = 0;
    int m_nAnimationLevel = 0;
    int m_nTicks = 0;
    int m_nTicksPerStep = 8;
};

}  // namespace Kelvo
