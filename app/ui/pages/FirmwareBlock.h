#pragma once
// The firmware block at the top of the program settings page: the versions the mouse
// and its receiver run, each with an upgrade button that is marked when the shipped
// updater carries another version. The worker's firmware check fills it.
#include "FirmwareVersion.h"
#include "PageControls.h"

namespace Kelvo {
class MPicture;
class MText;
class UpgradeButton;
}  // namespace Kelvo

class FirmwareBlock : public MainWindowPage {
public:
    enum ControlId : UINT {
        kBackground = 273,
        kTitle = 274,
        kRowsBackground = 275,
        kMouseCaption = 276,
        kReceiverCaption = 277,
        kUpgradeCaption = 278,
        kMouseVersion = 279,
        kReceiverVersion = 280,
        kSpare = 281,
        kMouseUpgrade = 282,
        kReceiverUpgrade = 283,
    };

    explicit FirmwareBlock(PageControls& controls) : m_controls(controls) {}

    void Create() override;
    void Place() override;
    bool OnNotify(UINT id, UINT code, LRESULT& result) override;
    void ApplyLanguage() override;
    void ShowFirmware(const FirmwareVersions& versions) override;

private:
    // The upgrade dialog for the button pressed; the versions are read again after it.
    void StartUpgrade(UINT id);
    void Style();

    PageControls& m_controls;
    Kelvo::MPicture* m_background = nullptr;
    Kelvo::MPicture* m_rowsBackground = nullptr;
    Kelvo::MText* m_title = nullptr;
    Kelvo::MText* m_mouseCaption = nullptr;
    Kelvo::MText* m_receiverCaption = nullptr;
    Kelvo::MText* m_upgradeCaption = nullptr;
    Kelvo::MText* m_mouseVersion = nullptr;
    Kelvo::MText* m_receiverVersion = nullptr;
    Kelvo::MText* m_spare = nullptr;
    Kelvo::UpgradeButton* m_mouseUpgrade = nullptr;
    Kelvo::UpgradeButton* m_receiverUpgrade = nullptr;
};
