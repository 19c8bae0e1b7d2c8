#pragma once
// The program's main window: the frame (background, model pictures, logo, window
// buttons, battery gauge, connection label, model selector, profile button), the
// vertical tab strip with the seven page containers, the tray icon, and the device
// stack behind it, whose worker reports here through a listener that posts to this
// window's thread.
//
// Threads: everything here runs on the UI thread. The worker reaches the window only
// through the posted events (DeviceEventListener below, replayed from WindowEventPost),
// and the window reaches the worker only by queueing tasks.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "BleBatteryService.h"
#include "BluetoothBatteryRelay.h"
#include "BusyDialogGate.h"
#include "CString.h"
#include "CUIMessageBox.h"
#include "DeviceEvents.h"
#include "DeviceStack.h"
#include "HidInterfaceNotifications.h"
#include "LanguageProfileNaming.h"
#include "MDialog.h"
#include "MainWindowLayout.h"
#include "MainWindowPages.h"
#include "ModalEventHold.h"
#include "PageContext.h"
#include "PageControls.h"
#include "TrayIcon.h"
#include "WindowEventPost.h"

namespace Kelvo {
class MControl;
class MTabCtrl;
}  // namespace Kelvo

struct MainWindowSetup {
    DeviceStackFolders folders;           // program folder (catalogue) and data folder (stores)
    Registry* registry = nullptr;         // the preferences (DeviceType); required
    CString skinFolder;                   // where the tray icon is read from
    TextById texts = CurrentLanguageText;
    // Opens a web address for the logo; the default asks the shell.
    std::function<void(const CString& url)> openUrl;
    // The folder that holds firmwareupgrade\ (the updater and its images); empty: the
    // program folder. The updater is no part of the program's own folder when it runs
    // from a build.
    CString updaterFolder;
    // How long the upgrade dialog waits for a word from the updater before it may be
    // closed again.
    int upgradeSilenceLimitMs = 120000;
    // The Bluetooth LE stack the battery is read through; the default loads the system's.
    std::function<std::unique_ptr<GattLayer>()> gatt;
};

class DeviceMainDlg : public Kelvo::MDialog, private DeviceEventListener, private PageContext {
public:
    static constexpr int kDesignWidth = 1121;
    static constexpr int kDesignHeight = 780;
    static constexpr DWORD kStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

    explicit DeviceMainDlg(MainWindowSetup setup);
    ~DeviceMainDlg() override;

    // Creates the window centred on the screen (false when it cannot be made).
    bool CreateMainWindow();
    // CreateMainWindow, then the modal loop until the window is gone. Returns the
    // process's exit code: 1 after an ordinary close, 0 after an exit from the tray
    // menu or a posted exit.
    int Run();
    // Stops the worker, removes the tray icon, closes the store and destroys the window.
    virtual void CloseMainWindow();

    // Re-reads every text of the window from the language file and applies it.
    void ApplyLanguage();

    // ---- what the window shows, for the pages and for tests ----
    int CurrentPage() const { return m_nCurPage; }
    int DeviceType() const override { return m_nDeviceType; }
    ModelDescription DeviceDescription() const override;
    int CurrentProfile() const override { return m_nCurProfile; }
    bool HasLight() const override { return m_bHasLight; }
    bool DevicePresent() const { return m_bInterfaceArrived; }
    bool DeviceOnline() const override { return m_bDeviceOnline; }
    bool Bluetooth() const override {
        return m_connectionText == kTextBluetoothConnected || m_connectionText == kTextBluetoothNotConnected;
    }
    float Scale() const override { return m_fScale; }
    int LeftLock() const override { return m_nLeftLock; }
    CRect MessageRect() const { return m_rcMessage; }
    const MainWindowLayout& Layout() const { return m_layout; }
    int ExitCode() const { return m_exitCode; }
    // The skin file each model picture shows (the model's own, or the stand-in when that
    // did not load).
    const CString& HomePicture() const { return m_homePicture; }
    const CString& PagePicture() const { return m_pagePicture; }
    // How often the busy dialog came up for a model change.
    int BusyDialogsShown() const { return m_busyShown; }
    bool AnimationTickRunning() const { return m_pm.TicksRunning(); }
    DeviceStack& Devices() { return *m_devices; }
    const TrayIcon& Tray() const { return m_tray; }
    Kelvo::MTabCtrl* Tabs();

    // ---- MDialog ----
    int OnInitDialog() override;
    void InitUI(CRect client) override;
    void UISize(CRect client) override;
    LRESULT OnMessage(UINT id, UINT code, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
    LRESULT OnNcActivate(int active) override;
    void OnTimer(UINT_PTR) override {}
    LRESULT OnDestroy() override;

private:
    // ---- DeviceEventListener: the worker's events, replayed on this thread ----
    void OnStatusText(int textId) override;
    void OnClearMessage() override;
    void OnBattery(int level, int state) override;
    void OnPagesEnabled(bool enabled) override;
    void OnReloadPage(DevicePage page) override;
    void OnModelReadFinished(bool) override {}
    void OnModelChangeFinished(unsigned generation, bool ok) override;
    void OnModelSelected(int deviceType) override;
    void OnCurrentProfileChanged(int profile) override;
    void OnFirmwareVersions(const FirmwareVersions& versions) override;

    // ---- PageContext: what the pages use of the window (DeviceMainDlgPages.cpp) ----
    SettingsDatabase& Store() override;
    int ConnectionMode() const override;
    int HighestRateCode() const override;
    bool Queue(int taskNumber) override;
    bool Queue(DeviceTask task) override;
    void FactoryReset() override;
    void RunUpgrade(int target, const CString& mouseVersion, const CString& receiverVersion) override;
    UINT Ask(int titleId, int messageId, int type) override;
    UINT AskText(int titleId, const CString& message, int type) override;
    void MacrosChanged() override;
    const CString& FontName() const override { return m_strFont; }
    const CString& FontName2() const override { return m_strFont2; }
    void SetLeftLock(int locked) override { m_nLeftLock = locked ? 1 : 0; }
    void ChangeLanguage(int lcid) override;
    Registry& PreferenceRegistry() override { return *m_setup.registry; }
    CString ProgramFolder() const override;
    // The pages' share of the window: made once, placed with the frame, told to reload.
    void CreatePages();
    void PlacePages();
    bool RoutePageNotification(UINT id, UINT code, LRESULT& result);
    void ReloadPages(DevicePage page);
    void ApplyPagesLanguage();
    bool RoutePageWindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
    void TellPagesShown(int shownPage);

    // ---- frame ----
    void CreateFrame();
    void CreateTabs();
    void FillModelSelector();
    void ShowModel(int deviceType);
    void PlaceFrame(CRect client);
    void ShowMessageForConnection();
    void ShowProfileName();
    CString Text(int id) const override { return m_setup.texts ? m_setup.texts(id) : CString(); }
    template <class T>
    T* Control(UINT id) { return static_cast<T*>(GetControl(id)); }

    // ---- handlers ----
    LRESULT SwitchPage(int index);
    void ShowModelPictureForPage();
    void ChangeModel();
    LRESULT OpenProfiles();
    LRESULT OnProfileCommand(WPARAM command, LPARAM profile);
    LRESULT SwitchProfile(int profile);
    void ImportProfileFile();
    void ExportProfileFile(int profile);
    void ShowAboutDialog();
    // The worker's listener: the posting one, behind the Bluetooth battery's relay.
    void CreateWorkerListener();
    void OpenStorePage();
    void Exit();
    // What start-up leaves until the window has painted once: tray icon, interface
    // notifications, the worker and its first read.
    void FinishStart();
    void Shutdown();
    UINT ShowNotice(int textId, int titleId);
    // The worker polls slowly while the window cannot be seen.
    void FollowVisibility(bool visible);

    MainWindowSetup m_setup;
    LanguageProfileNaming m_naming;
    std::unique_ptr<WindowEventPost> m_post;      // exists while the window does
    std::unique_ptr<GattLayer> m_gatt;
    std::unique_ptr<BleBatteryService> m_bleBattery;
    std::unique_ptr<BluetoothBatteryRelay> m_workerListener;
    // The wired mouse's release number as the worker last found it (the About dialog).
    std::atomic<int> m_firmwareRelease{0};
    std::unique_ptr<DeviceStack> m_devices;
    PageControls m_pageControls{*this, *this};
    std::vector<std::unique_ptr<MainWindowPage>> m_pages;
    std::unique_ptr<HidInterfaceNotifications> m_hotplug;
    ModalEventHold m_hold{*this};
    BusyDialogGate m_busy;
    TrayIcon m_tray;
    MainWindowLayout m_layout;
    MainWindowPictureSizes m_pictureSizes;

    int m_nCurPage = 1;
    int m_nDeviceType = 0;
    int m_nCurProfile = 1;
    bool m_bHasLight = false;
    bool m_bInterfaceArrived = false;
    bool m_bDeviceOnline = false;
    float m_fScale = 1.0f;
    CRect m_rcMessage;
    CString m_strFont;
    CString m_strFont2;
    Gdiplus::ARGB m_nBatteryTextColor = 0xFFFFFFFF;
    int m_nLeftLock = 1;
    int m_connectionText = kTextNoDevice;
    bool m_pagesEnabled = false;
    bool m_shutDown = false;
    bool m_started = false;
    bool m_visible = false;
    int m_exitCode = 1;
    int m_busyShown = 0;
    CString m_homePicture;
    CString m_pagePicture;
};
