#include "BatteryCtrl.h"

#include <algorithm>
#include <string>

#include "MRender.h"
#include "Manager.h"
#include "PaintManager.h"

namespace Kelvo {

namespace {

constexpr int kFontSize = 14;
constexpr int kAnimationStep = 2;  // percent added per step of the charging fill
constexpr int kBoltGap = 5;        // between the outline and the bolt
constexpr Gdiplus::ARGB kShadowColour = 0xFF808080;

// A skin picture owned by the gauge rather than the paint manager's cache: the gauge
// works (and is tested) before and without a window.
std::unique_ptr<Gdiplus::Image> LoadSkinPicture(const wchar_t* path) {
    if (!path || !*path) return nullptr;
    return std::unique_ptr<Gdiplus::Image>(MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path))));
}

int WidthOf(const std::unique_ptr<Gdiplus::Image>& image) {
    return image ? static_cast<int>(image->GetWidth()) : 0;
}

int HeightOf(const std::unique_ptr<Gdiplus::Image>& image) {
    return image ? static_cast<int>(image->GetHeight()) : 0;
}

}  // namespace

BatteryCtrl::BatteryCtrl(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, L"", visible, enabled, 1) {
    m_nFontSize = kFontSize;
    m_nAlignment = DT_CENTER;
    m_nVAlignment = DT_VCENTER;
}

BatteryCtrl::~BatteryCtrl() = default;

const wchar_t* BatteryCtrl::GetClassNameW() { return L"BatteryCtrl"; }

void BatteryCtrl::InitControl(PaintManager* manager) {
    MControlFont::InitControl(manager);
    AddMTimer();
}

int BatteryCtrl::SetImage(const wchar_t* path, int) {
    std::unique_ptr<Gdiplus::Image> loaded = LoadSkinPicture(path);
    if (!loaded) return 0;
    m_background = std::move(loaded);
    m_bUpdate = 0;
    UpdateControl(1, 0);
    return 1;
}

int BatteryCtrl::SetBatteryIcon(const wchar_t* levelPath, const wchar_t* chargePath) {
    if (std::unique_ptr<Gdiplus::Image> level = LoadSkinPicture(levelPath)) m_levelImage = std::move(level);
    if (std::unique_ptr<Gdiplus::Image> charge = LoadSkinPicture(chargePath)) m_chargeImage = std::move(charge);
    m_bUpdate = 0;
    UpdateControl(1, 0);
    return 1;
}

void BatteryCtrl::SetBatteryInfo(int level, int charging) {
    if (level == m_nLevel && charging == m_bCharging) return;
    m_nLevel = level;
    m_bCharging = charging;
    SetRunTimer(charging ? 1 : 0);  // the fill moves only while charging
    UpdateControl(1, 0);
}

int BatteryCtrl::OnControlTimer() {
    if (!m_bVisible || !m_bCharging) return 0;
    if (++m_nTicks < m_nTicksPerStep) return 0;
    m_nTicks = 0;
    m_nAnimationLevel += kAnimationStep;
    // At or past the level the fill starts over: an odd level is never met exactly.
    if (m_nAnimationLevel >= m_nLevel) m_nAnimationLevel = 0;
    UpdateControl(1, 0);
    return 1;
}

int BatteryCtrl::GetFilledWidth() const {
    // A device may report any number: the fill never reaches past its own picture.
    const int percent = std::clamp(m_bCharging ? m_nAnimationLevel : m_nLevel, 0, 100);
    return percent * WidthOf(m_levelImage) / 100;
}

void BatteryCtrl::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, 1, 0, [this](HDC cache, int width, int height) {
        {
            Gdiplus::Graphics graphics(cache);
            const int backgroundWidth = WidthOf(m_background);
            if (m_background)
                graphics.DrawImage(m_background.get(), Gdiplus::Rect(0, 0, backgroundWidth, HeightOf(m_background)));
            const int levelWidth = GetFilledWidth();
            if (levelWidth > 0) {
                const int levelHeight = HeightOf(m_levelImage);
                graphics.DrawImage(m_levelImage.get(), Gdiplus::Rect(0, 0, levelWidth, levelHeight), 0, 0, levelWidth,
                                   levelHeight, Gdiplus::UnitPixel);
            }
            if (m_bCharging && m_chargeImage) {
                const int boltHeight = HeightOf(m_chargeImage);
                graphics.DrawImage(m_chargeImage.get(), Gdiplus::Rect(backgroundWidth + kBoltGap,
                                                                      (height - boltHeight) / 2,
                                                                      WidthOf(m_chargeImage), boltHeight));
            }
        }
        if (!m_bCharging && m_nLevel != 0) DrawPercent(cache, m_background ? WidthOf(m_background) : width, height);
    });
}

void BatteryCtrl::DrawPercent(HDC dc, int width, int height) {
    const std::wstring text = std::to_wstring(m_nLevel) + L"%";
    const Gdiplus::ARGB textColour = m_textColor;
    DrawTitle(dc, CRect(0, 0, width, height), text.c_str(), false);
    SetTextColor(kShadowColour);
    DrawTitle(dc, CRect(1, 1, width + 1, height + 1), text.c_str(), false);
    SetTextColor(textColour);
}

}  // namespace Kelvo
