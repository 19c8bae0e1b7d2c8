// The main window's handlers: control notifications of the frame, routed notifications of
// the pages, and the window messages of the program, the shell and other processes.
#include "DeviceMainDlg.h"

#include <dbt.h>

#include "AboutDlg.h"
#include "CIconButton.h"
#include "CurrentLanguage.h"
#include "FileChoosers.h"
#include "MComboBox.h"
#include "MTabCtrl.h"
#include "MainWindowMessages.h"
#include "Preferences.h"
#include "ProfileDlg.h"
#include "ProfileFileMessages.h"
#include "ProfileSwitch.h"
#include "ProfileTransfer.h"
#include "Product.h"
#include "WaitDlg.h"

namespace {

constexpr UINT kActivated = 2;
// Private: the rest of start-up, posted by the first paint.
constexpr UINT kFinishStartMessage = kWindowEventMessage + 1;
constexpr int kTextNotOnline = 57;
constexpr int kTextNoticeTitle = 576;
constexpr int kTextBluetoothNotice = 56;
constexpr int kTextProfileTitle = 61;
// The choosers' title and filter name, as the shell shows them.
const wchar_t* const kExportFolderTitle = L"PROFILE";
const wchar_t* const kImportFilterName = L"MouseKey";

}  // namespace

LRESULT DeviceMainDlg::OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) {
    switch (id) {
    case kPageTabs: return SwitchPage(static_cast<int>(wparam));
    case kCloseButton:
        if (code != kActivated) return 0;
        ShowWindow(SW_HIDE);
        return 1;
    case kMinimizeButton:
        if (code != kActivated) return 0;
        OnMinimize();
        return 1;
    case kLogoButton:
        if (code != kActivated) return 0;
        OpenStorePage();
        return 1;
    case kModelSelector:
        if (code != kActivated) return 0;
        ChangeModel();
        return 1;
    case kProfileButton: return code == kActivated ? OpenProfiles() : 0;
    default: break;
    }
    // Every other control belongs to a page.
    (void)wparam;
    (void)lparam;
    LRESULT result = 0;
    RoutePageNotification(id, code, result);
    return result;
}

LRESULT DeviceMainDlg::SwitchPage(int index) {
    Kelvo::MTabCtrl* tabs = Tabs();
    if (!tabs) return 0;
    m_nCurPage = tabs->GetItemID(index);
    ShowModelPictureForPage();
    TellPagesShown(m_nCurPage);
    return 1;
}

// The big picture on the home page; the small one beside the pages that concern the
// mouse's buttons, levels and lighting. The macro page's options column and the two
// settings pages' right-hand columns stand where it would be.
void DeviceMainDlg::ShowModelPictureForPage() {
    const bool home = m_nCurPage == static_cast<int>(MainPage::kHome);
    const bool covered = m_nCurPage == static_cast<int>(MainPage::kMacros) ||
                         m_nCurPage == static_cast<int>(MainPage::kSettings) ||
                         m_nCurPage == static_cast<int>(MainPage::kSystem);
    if (Kelvo::MControl* picture = GetControl(kHomeModelPicture)) picture->SetVisible(home ? 1 : 0);
    if (Kelvo::MControl* picture = GetControl(kPageModelPicture)) picture->SetVisible(!home && !covered ? 1 : 0);
}

void DeviceMainDlg::ChangeModel() {
    auto* selector = Control<Kelvo::MComboBox>(kModelSelector);
    if (!selector || selector->GetCurSel() < 0) return;
    const int deviceType = static_cast<int>(selector->GetCurData());
    ShowModel(deviceType);
    // The worker makes the switch (registry, store, interfaces) and reads the new mouse;
    // the busy dialog stays up until it says that read has ended.
    DeviceTask task{kTaskModelChange};
    task.deviceType = deviceType;
    task.generation = m_busy.Begin();
    m_devices->Worker().Queue(task);
    ModalEventHold::Scope modal(m_hold);
    if (ShowWait(GetSafeHwnd(), m_busy)) ++m_busyShown;
}

LRESULT DeviceMainDlg::OpenProfiles() {
    if (!m_bDeviceOnline && !Bluetooth()) {
        ShowNotice(kTextNotOnline, kTextNoticeTitle);
        return 0;
    }
    if (Bluetooth()) {
        ShowNotice(kTextBluetoothNotice, kTextProfileTitle);
        return 0;
    }
    Kelvo::MControl* button = GetControl(kProfileButton);
    if (!button) return 0;
    CRect onScreen = button->GetRect();
    ::MapWindowPoints(GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
    ProfileDlgSetup setup;
    setup.mainWindow = GetSafeHwnd();
    setup.store = &m_devices->Store();
    setup.currentProfile = m_nCurProfile;
    setup.language = CurrentLanguage.load();
    setup.texts = m_setup.texts;
    // The dialog posts its choice back as UM_PROFILE_COMMAND, handled once it has closed.
    ModalEventHold::Scope modal(m_hold);
    ShowProfiles(std::move(setup), ProfileDialogRect(onScreen));
    return 1;
}

LRESULT DeviceMainDlg::OnProfileCommand(WPARAM command, LPARAM profile) {
    const ProfileCommand decoded = DecodeProfileCommand(static_cast<std::intptr_t>(command), profile);
    switch (decoded.kind) {
    case ProfileCommandKind::kSwitch: return SwitchProfile(decoded.profile);
    case ProfileCommandKind::kImport: ImportProfileFile(); break;
    case ProfileCommandKind::kExport: ExportProfileFile(decoded.profile); break;
    case ProfileCommandKind::kIgnored: break;
    }
    return 1;
}

// Into the current profile: the dialog has switched to the one the user selected.
void DeviceMainDlg::ImportProfileFile() {
    ModalEventHold::Scope modal(m_hold);
    const std::optional<CString> path = ChooseXmlFile(GetSafeHwnd(), kImportFilterName);
    if (!path) return;
    const int profile = m_nCurProfile;
    const FileOutcome outcome = ImportProfile(m_devices->Store(), profile, *path);
    if (outcome.Ok()) {
        m_devices->Worker().Queue(DeviceTask{DeviceTaskAfterProfileImport(m_nDeviceType), profile});
        for (DevicePage page : {DevicePage::kKeys, DevicePage::kPerformance, DevicePage::kLighting}) ReloadPages(page);
    }
    ShowMessage(ProfileImportMessage(outcome, m_setup.texts), GetSafeHwnd(), Text(kTextProfileImportTitle),
                CUIMessageBox::kNotice, m_setup.texts);
}

void DeviceMainDlg::ExportProfileFile(int profile) {
    ModalEventHold::Scope modal(m_hold);
    const std::optional<CString> folder = ChooseFolder(GetSafeHwnd(), kExportFolderTitle);
    if (!folder || folder->IsEmpty()) return;
    const FileOutcome outcome = ExportProfile(m_devices->Store(), profile, *folder, ::GetTickCount());
    // A written file is not announced; one that could not be written is.
    if (outcome.Ok()) return;
    ShowMessage(ProfileExportFailureMessage(outcome, m_setup.texts), GetSafeHwnd(), Text(kTextProfileExportTitle),
                CUIMessageBox::kNotice, m_setup.texts);
}

void DeviceMainDlg::ShowAboutDialog() {
    AboutFacts facts;
    facts.firmwareRelease = m_firmwareRelease.load();
    const AppInformation& app = m_devices->Catalogue().AppInfo();
    facts.softwareVersion = app.version;
    facts.notice = app.copyright;
    ModalEventHold::Scope modal(m_hold);
    ShowAbout(GetSafeHwnd(), facts, m_setup.texts);
}

UINT DeviceMainDlg::ShowNotice(int textId, int titleId) {
    ModalEventHold::Scope modal(m_hold);
    return ShowMessage(Text(textId), GetSafeHwnd(), Text(titleId), CUIMessageBox::kNotice, m_setup.texts);
}

LRESULT DeviceMainDlg::SwitchProfile(int profile) {
    SettingsDatabase& store = m_devices->Store();
    std::vector<ProfileRecord> profiles;
    store.ListProfiles(profiles);
    bool known = false;
    for (const ProfileRecord& record : profiles) known = known || record.profile == profile;
    if (!known) return 1;  // only another process can send an id that does not exist
    m_nCurProfile = profile;
    store.SetActiveProfile(profile);
    ShowProfileName();
    m_devices->Worker().SetCurrentProfile(profile);
    m_devices->Worker().Queue(DeviceTask{kTaskApplyProfile, profile});
    return 1;
}

void DeviceMainDlg::OpenStorePage() {
    const CString& url = m_devices->Catalogue().AppInfo().store;
    if (!url.IsEmpty()) m_setup.openUrl(url);
}

LRESULT DeviceMainDlg::OnNcActivate(int active) {
    MDialog::OnNcActivate(active);
    return 0;
}

LRESULT DeviceMainDlg::OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (m_post && m_post->Deliver(msg, m_hold.Target())) return 0;
    switch (msg) {
    case WM_PAINT: {
        const LRESULT result = MDialog::OnWindowMessage(msg, wparam, lparam);
        if (!m_started) ::PostMessageW(GetSafeHwnd(), kFinishStartMessage, 0, 0);
        return result;
    }
    case WM_COMMAND:
        if (wparam == TrayIcon::kExitCommand) {
            Exit();
            return 0;
        }
        if (wparam == TrayIcon::kAboutCommand) {
            ShowAboutDialog();
            return 0;
        }
        break;
    case WM_DEVICECHANGE:
        if (m_hotplug && (wparam == DBT_DEVICEARRIVAL || wparam == DBT_DEVICEREMOVECOMPLETE)) {
            m_hotplug->OnDeviceChange(wparam, lparam);
            return 0;
        }
        break;
    case kFinishStartMessage:
        FinishStart();
        return 0;
    case UM_TRAY_NOTIFY:
        if (lparam == WM_RBUTTONUP) {
            ModalEventHold::Scope modal(m_hold);  // the menu runs a loop of its own
            m_tray.HandleMessage(wparam, lparam);
        } else {
            m_tray.HandleMessage(wparam, lparam);
        }
        return 0;
    case UM_EXIT_APP:
        if (lparam == kExitAppToken) Exit();
        return 0;
    case UM_PROFILE_COMMAND: return OnProfileCommand(wparam, lparam);
    case UM_LANGUAGE_CHANGED: {
        // Sent by another process after it changed the saved language.
        int saved = Preferences(*m_setup.registry).ReadSavedLanguage();
        if (saved == product::kEnglish || saved == product::kSecondLanguage) CurrentLanguage.store(saved);
        ApplyLanguage();
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(wparam) != WA_INACTIVE) {
            for (const auto& page : m_pages) page->OnWindowActivated(m_nCurPage);
        }
        break;
    case WM_SHOWWINDOW:
        FollowVisibility(wparam != 0);
        if (wparam == 0) TellPagesShown(-1);
        break;
    case WM_SIZE:
        FollowVisibility(wparam != SIZE_MINIMIZED && ::IsWindowVisible(GetSafeHwnd()));
        break;
    case WM_ENDSESSION:
        if (wparam) Shutdown();
        return 0;
    default:
        if (RoutePageWindowMessage(msg, wparam, lparam)) return 0;
        if (msg == TrayIcon::TaskbarCreatedMessage()) {
            m_tray.Readd();
            return 0;
        }
        break;
    }
    return MDialog::OnWindowMessage(msg, wparam, lparam);
}
