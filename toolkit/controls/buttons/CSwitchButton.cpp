#include "CSwitchButton.h"

#include <algorithm>

#include "LostRelease.h"
#include "MRender.h"
#include "Manager.h"
#include "StripFrame.h"

namespace Kelvo {

namespace {

constexpr int kFrames = 4;

Gdiplus::Image* LoadSkinImage(const wchar_t* path) {
    if (!path || !*path) return nullptr;
    return MRender::LoadImageFromFile(Manager::GetSkinFile(CString(path)));
}

}  // namespace

CSwitchButton::CSwitchButton(MObject* parent, UINT id, CRect rect, int visible, int enabled)
    : MControlFont(parent, id, rect, nullptr, visible, enabled, 1) {
    m_bTabStop = 1;
}

CSwitchButton::~CSwitchButton() {
    delete m_pCheckedImage;
    delete m_pUncheckedImage;
}

const wchar_t* CSwitchButton::GetClassNameW() { return L"CSwitchButton"; }

int CSwitchButton::SetImage(const wchar_t* checkedPath, const wchar_t* uncheckedPath, int frames) {
    delete m_pCheckedImage;
    delete m_pUncheckedImage;
    m_pCheckedImage = LoadSkinImage(checkedPath);
    m_pUncheckedImage = LoadSkinImage(uncheckedPath);
    m_nSwitchFrames = std::max(frames, 1);
    UpdateControl(1, 0);
    return 1;
}

int CSwitchButton::GetState() const {
    if (!m_bEnabled) return kDisabled;
    return m_cycle.state == PressCycle::kNormal ? kNormal : kHover;
}

void CSwitchButton::DrawControl(HDC dc, const CRect&) {
    DrawCachedLooks(dc, kFrames, GetState(), [&](HDC cache, int width, int height) {
        RenderFrames(cache, width, height);
    });
}

void CSwitchButton::RenderFrames(HDC cache, int width, int height) {
    Gdiplus::Image* image = m_bCheck ? m_pCheckedImage : m_pUncheckedImage;
    if (!image) return;
    const int frameWidth = static_cast<int>(image->GetWidth()) / m_nSwitchFrames;
    const int frameHeight = static_cast<int>(image->GetHeight());
    Gdiplus::Graphics graphics(cache);
    for (int frame = 0; frame < kFrames; ++frame)
        DrawStripFrameAtLeft(graphics, image, frameWidth, frameHeight, m_nSwitchFrames, frame,
                             CRect(frame * width, 0, frame * width + width, height));
}

int CSwitchButton::ShowChange(int before) {
    if (GetState() == before) return 0;
    UpdateControl(0, 0);
    return 1;
}

void CSwitchButton::SetControlEnabled(int enabled) {
    MControlFont::SetControlEnabled(enabled);
    m_cycle.state = PressCycle::kNormal;
}

int CSwitchButton::OnControlMouseMove(UINT flags, CPoint point) {
    if (!m_bEnabled) return 0;
    const int before = GetState();
    ForgetLostRelease(m_cycle, flags);
    m_cycle.Move(m_rcControl.PtInRect(point) != 0);
    return ShowChange(before);
}

int CSwitchButton::OnControlLButtonDown(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const int before = GetState();
    m_cycle.Down(m_rcControl.PtInRect(point) != 0);
    return ShowChange(before);
}

int CSwitchButton::OnControlLButtonUp(UINT, CPoint point) {
    if (!m_bEnabled) return 0;
    const int before = GetState();
    const PressCycle::Release release = m_cycle.Up(m_rcControl.PtInRect(point) != 0);
    if (!release.clicked) return ShowChange(before);
    m_bCheck = !m_bCheck;
    UpdateControl(1, 0);  // the other image
    SendMessageW(kNotifyActivated, 0, m_bCheck);
    return 1;
}

int CSwitchButton::OnControlKeyDown(UINT, UINT, UINT) { return 0; }

int CSwitchButton::SetCheck(int check) {
    check = check ? 1 : 0;
    if (check == m_bCheck) return m_bCheck;
    m_bCheck = check;
    m_cycle.state = PressCycle::kNormal;
    UpdateControl(1, 0);
    return m_bCheck;
}

}  // namespace Kelvo
