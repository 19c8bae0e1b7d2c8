// The main window's side of its pages: what they may use of it (PageContext), and the
// pages' creation, placing, notifications and reloads.
#include "DeviceMainDlg.h"

#include "CurrentLanguage.h"
#include "MainWindowPageList.h"
#include "Manager.h"
#include "Preferences.h"
#include "Product.h"
#include "UpgradeDlg.h"
#include "WaitDlg.h"

SettingsDatabase& DeviceMainDlg::Store() { return m_devices->Store(); }

ModelDescription DeviceMainDlg::DeviceDescription() const { return m_devices->Describe(m_nDeviceType); }

int DeviceMainDlg::ConnectionMode() const { return m_devices->Worker().ReportedWorkMode(); }

int DeviceMainDlg::HighestRateCode() const { return m_devices->Worker().ReportedHighestRate(); }

bool DeviceMainDlg::Queue(int taskNumber) { return Queue(DeviceTask{taskNumber, m_nCurProfile}); }

bool DeviceMainDlg::Queue(DeviceTask task) {
    if (m_shutDown) return false;
    if (task.profile == 0) task.profile = m_nCurProfile;
    return m_devices->Worker().Queue(task);
}

void DeviceMainDlg::FactoryReset() {
    if (m_shutDown) return;
    DeviceTask task{kTaskFactoryReset, m_nCurProfile};
    task.generation = m_busy.Begin();
    m_devices->Worker().Queue(task);
    ModalEventHold::Scope modal(m_hold);
    if (ShowWait(GetSafeHwnd(), m_busy)) ++m_busyShown;
}

void DeviceMainDlg::RunUpgrade(int target, const CString& mouseVersion, const CString& receiverVersion) {
    if (m_shutDown) return;
    UpgradeSetup setup;
    setup.descriptionFolder = m_devices->ProgramFolder();
    setup.updaterFolder = m_setup.updaterFolder.IsEmpty() ? m_devices->ProgramFolder() : m_setup.updaterFolder;
    setup.texts = m_setup.texts;
    setup.silenceLimitMs = m_setup.upgradeSilenceLimitMs;
    const CString stem = m_devices->Catalogue().DeviceAttrOf(m_nDeviceType);
    DeviceWorker& worker = m_devices->Worker();
    ModalEventHold::Scope modal(m_hold);
    worker.SetPaused(true);
    ShowUpgradeDialog(GetSafeHwnd(), setup, target, stem, mouseVersion, receiverVersion);
    worker.SetPaused(false);
}

UINT DeviceMainDlg::Ask(int titleId, int messageId, int type) {
    ModalEventHold::Scope modal(m_hold);
    return ShowMessage(Text(messageId), GetSafeHwnd(), Text(titleId), type, m_setup.texts);
}

UINT DeviceMainDlg::AskText(int titleId, const CString& message, int type) {
    ModalEventHold::Scope modal(m_hold);
    return ShowMessage(message, GetSafeHwnd(), Text(titleId), type, m_setup.texts);
}

void DeviceMainDlg::MacrosChanged() {
    for (const auto& page : m_pages) page->OnMacrosChanged();
}

void DeviceMainDlg::ChangeLanguage(int lcid) {
    if (lcid != product::kEnglish && lcid != product::kSecondLanguage) return;
    CurrentLanguage.store(lcid);
    Preferences(*m_setup.registry).SaveLanguage(lcid);
    Kelvo::Manager::SetFontName(product::kFontName);
    m_strFont = product::kFontName;
    m_strFont2 = product::kFontName;
    ApplyLanguage();
}

CString DeviceMainDlg::ProgramFolder() const { return m_devices->ProgramFolder(); }

void DeviceMainDlg::CreatePages() {
    m_pages = MakeMainWindowPages(m_pageControls);
    for (const auto& page : m_pages) page->Create();
}

void DeviceMainDlg::PlacePages() {
    for (const auto& page : m_pages) page->Place();
}

bool DeviceMainDlg::RoutePageNotification(UINT id, UINT code, LRESULT& result) {
    if (!PageOwningControl(static_cast<int>(id))) return false;
    for (const auto& page : m_pages) {
        if (page->OnNotify(id, code, result)) return true;
    }
    return false;
}

void DeviceMainDlg::ReloadPages(DevicePage reloaded) {
    for (const auto& page : m_pages) {
        if (page->ReloadsOn(reloaded)) page->Reload();
    }
}

void DeviceMainDlg::ApplyPagesLanguage() {
    for (const auto& page : m_pages) page->ApplyLanguage();
}

bool DeviceMainDlg::RoutePageWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    for (const auto& page : m_pages) {
        if (page->OnWindowMessage(msg, wparam, lparam)) return true;
    }
    return false;
}

void DeviceMainDlg::TellPagesShown(int shownPage) {
    for (const auto& page : m_pages) page->OnShownPageChanged(shownPage);
}
