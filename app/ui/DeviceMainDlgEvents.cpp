// The worker's events as the window applies them, on the UI thread.
#include "DeviceMainDlg.h"

#include "BatteryCtrl.h"
#include "CDeviceState.h"
#include "MTabCtrl.h"

void DeviceMainDlg::OnStatusText(int textId) {
    m_connectionText = textId;
    m_bInterfaceArrived = textId != kTextNoDevice;
    // Over Bluetooth the mouse counts as online once its battery service answers.
    m_bDeviceOnline = textId == kTextWired || textId == kTextReceiverConnected;
    if (auto* state = Control<Kelvo::CDeviceState>(kConnectionState)) state->SetTitle(Text(textId).GetString());
    ShowMessageForConnection();
}

void DeviceMainDlg::OnClearMessage() { SetMessage(L"", m_rcMessage, m_layout.messageFontSize); }

void DeviceMainDlg::OnBattery(int level, int state) {
    auto* battery = Control<Kelvo::BatteryCtrl>(kBatteryGauge);
    if (!battery) return;
    if (state == kBatteryCleared) {
        battery->SetVisible(0);
        return;
    }
    battery->SetBatteryInfo(level, state == 1 ? 1 : 0);
    battery->SetVisible(1);
}

// A disabled strip shows only its first tab, and the home page is what stays usable.
void DeviceMainDlg::OnPagesEnabled(bool enabled) {
    m_pagesEnabled = enabled;
    Kelvo::MTabCtrl* tabs = Tabs();
    if (!tabs) return;
    tabs->SetEnabled(enabled ? 1 : 0);
    if (!enabled) tabs->SetSelectItem(0);
    tabs->RefreshItemData();
}

void DeviceMainDlg::OnReloadPage(DevicePage page) {
    // A read or reset ran: the pages reload from the store, the frame shows the profile
    // the worker now works on.
    int profile = m_devices->Worker().CurrentProfile();
    if (profile >= 1 && profile <= 5) m_nCurProfile = profile;
    ShowProfileName();
    ReloadPages(page);
}

void DeviceMainDlg::OnModelChangeFinished(unsigned generation, bool) { m_busy.Finished(generation); }

void DeviceMainDlg::OnModelSelected(int deviceType) { ShowModel(deviceType); }

void DeviceMainDlg::OnFirmwareVersions(const FirmwareVersions& versions) {
    for (const auto& page : m_pages) page->ShowFirmware(versions);
}

void DeviceMainDlg::OnCurrentProfileChanged(int profile) {
    if (profile < 1 || profile > 5) return;
    m_nCurProfile = profile;
    ShowProfileName();
}
