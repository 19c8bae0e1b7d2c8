#include "FirmwareBlock.h"

#include "MPicture.h"
#include "MText.h"
#include "UpdaterCommand.h"
#include "UpgradeButton.h"

namespace {

constexpr int kContainer = 51;
constexpr int kTextTitle = 550;
constexpr int kTextMouse = 551;
constexpr int kTextReceiver = 552;
constexpr int kTextUpgrade = 553;
constexpr UINT kActivated = 2;

constexpr int kTop = 75;
constexpr int kTitleFont = 18;
constexpr int kLabelFont = 14;
constexpr Gdiplus::ARGB kTitleColour = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kLabelColour = 0xFFB4B4B4;

}  // namespace

void FirmwareBlock::Create() {
    auto picture = [this](UINT id) {
        auto* p = m_controls.Make<Kelvo::MPicture>(kContainer, L"MPicture", id);
        if (p) {
            p->SetImage(L"img_area2.png", 1);
            p->SetShowMode(Kelvo::SHOWMODE_FRAME, 10);
        }
        return p;
    };
    auto text = [this](UINT id, const CString& title) { return m_controls.Make<Kelvo::MText>(kContainer, L"MText", id, title); };
    auto button = [this](UINT id) {
        auto* b = m_controls.Make<Kelvo::UpgradeButton>(kContainer, L"UpgradeButton", id);
        if (b) {
            b->SetImage(L"img_btn_upgrade.png", 4);
            b->SetUpgradeStatus(0);
        }
        return b;
    };
    m_background = picture(kBackground);
    m_rowsBackground = picture(kRowsBackground);
    m_title = text(kTitle, CString());
    m_mouseCaption = text(kMouseCaption, CString());
    m_receiverCaption = text(kReceiverCaption, CString());
    m_upgradeCaption = text(kUpgradeCaption, CString());
    m_mouseVersion = text(kMouseVersion, kUnreadVersion);
    m_receiverVersion = text(kReceiverVersion, kUnreadVersion);
    if (m_receiverVersion) m_receiverVersion->EnableMultiLine(1);
    m_spare = text(kSpare, CString());
    m_mouseUpgrade = button(kMouseUpgrade);
    m_receiverUpgrade = button(kReceiverUpgrade);
    ApplyLanguage();
}

void FirmwareBlock::ApplyLanguage() {
    const PageContext& context = m_controls.Context();
    auto title = [&context](Kelvo::MText* control, int textId) {
        if (control) control->SetTitle(context.Text(textId).GetString());
    };
    title(m_title, kTextTitle);
    title(m_mouseCaption, kTextMouse);
    title(m_receiverCaption, kTextReceiver);
    title(m_upgradeCaption, kTextUpgrade);
}

// A title strip and a body in the page's top 150: a row each for the mouse and the
// receiver, with the version and its upgrade button under the "Upgrade" heading.
void FirmwareBlock::Place() {
    auto at = [this](int l, int t, int r, int b) {
        return CRect(100 + m_controls.S(l), kTop + m_controls.S(t), 100 + m_controls.S(r), kTop + m_controls.S(b));
    };
    PageControls::Place(m_background, at(0, 0, 1000, 40));
    PageControls::Place(m_rowsBackground, at(0, 44, 1000, 150));
    PageControls::Place(m_title, at(24, 6, 400, 34));
    PageControls::Place(m_upgradeCaption, at(590, 48, 710, 70));
    PageControls::Place(m_mouseCaption, at(24, 74, 300, 100));
    PageControls::Place(m_mouseVersion, at(320, 74, 580, 100));
    PageControls::Place(m_mouseUpgrade, at(610, 73, 690, 101));
    PageControls::Place(m_receiverCaption, at(24, 112, 300, 138));
    PageControls::Place(m_receiverVersion, at(320, 104, 580, 146));
    PageControls::Place(m_receiverUpgrade, at(610, 111, 690, 139));
    PageControls::Place(m_spare, at(720, 74, 980, 100));
    Style();
}

void FirmwareBlock::Style() {
    const CString& face = m_controls.Context().FontName();
    auto style = [&](Kelvo::MText* control, int size, Gdiplus::ARGB colour, int horizontal) {
        if (!control) return;
        control->SetFont(face.GetString(), m_controls.S(size), 0);
        control->SetTextColor(colour);
        control->SetAlignment(horizontal, DT_VCENTER);
    };
    style(m_title, kTitleFont, kTitleColour, DT_LEFT);
    for (Kelvo::MText* caption : {m_mouseCaption, m_receiverCaption}) style(caption, kLabelFont, kTitleColour, DT_LEFT);
    style(m_upgradeCaption, kLabelFont, kLabelColour, DT_CENTER);
    for (Kelvo::MText* version : {m_mouseVersion, m_receiverVersion, m_spare}) style(version, kLabelFont, kLabelColour, DT_LEFT);
}

void FirmwareBlock::ShowFirmware(const FirmwareVersions& versions) {
    if (m_mouseVersion) m_mouseVersion->SetTitle(versions.mouse.GetString());
    if (m_receiverVersion) m_receiverVersion->SetTitle(versions.receiver.GetString());
    if (m_mouseUpgrade) m_mouseUpgrade->SetUpgradeStatus(versions.mouseUpgrade ? 1 : 0);
    if (m_receiverUpgrade) m_receiverUpgrade->SetUpgradeStatus(versions.receiverUpgrade ? 1 : 0);
}

bool FirmwareBlock::OnNotify(UINT id, UINT code, LRESULT& result) {
    if (id != kMouseUpgrade && id != kReceiverUpgrade) return false;
    result = 0;
    if (code == kActivated) StartUpgrade(id);
    return true;
}

// The mouse's button opens the dialog even when its version could not be read: that
// is how a mouse left without working firmware is recovered. The receiver's does
// nothing then.
void FirmwareBlock::StartUpgrade(UINT id) {
    PageContext& context = m_controls.Context();
    if (id == kMouseUpgrade) {
        const CString mouse = m_mouseVersion ? m_mouseVersion->GetTitle() : CString(kUnreadVersion);
        context.RunUpgrade(kUpgradeMouse, mouse, CString());
    } else {
        const CString receiver = m_receiverVersion ? m_receiverVersion->GetTitle() : CString(kUnreadVersion);
        if (receiver == kUnreadVersion) return;
        context.RunUpgrade(kUpgradeReceiver, CString(), receiver);
    }
    context.Queue(DeviceTask{kTaskVersionCheck});
}
