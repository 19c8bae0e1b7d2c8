#include "DeviceMainDlg.h"

#include <shellapi.h>

#include <algorithm>

#include "BatteryCtrl.h"
#include "CDeviceState.h"
#include "CIconButton.h"
#include "CImageButton.h"
#include "MComboBox.h"
#include "MPanel.h"
#include "MPicture.h"
#include "MTabCtrl.h"
#include "MainWindowMessages.h"
#include "BatteryServiceMatch.h"
#include "Product.h"
#include "SingleInstance.h"
#include "WinGattLayer.h"

namespace {

constexpr int kFrameFontSize = 14;
constexpr int kProfileFontSize = 18;
constexpr int kTabSize = 56;
constexpr int kTabBottomPadding = 336;
constexpr UINT kTickMs = 10;
constexpr int kTextCloseTip = 5;
constexpr int kTextMinimizeTip = 6;
constexpr int kTextProfileWord = 61;
constexpr int kTextBluetoothNotice = 56;

const wchar_t* const kDefaultHomePicture = L"nodevice_background.png";
const wchar_t* const kDefaultPagePicture = L"device_mouse.png";

void OpenWithShell(const CString& url) {
    ShellExecuteW(nullptr, L"open", url.GetString(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

DeviceMainDlg::DeviceMainDlg(MainWindowSetup setup) : m_setup(std::move(setup)), m_tray(m_setup.texts) {
    if (!m_setup.openUrl) m_setup.openUrl = OpenWithShell;
}

DeviceMainDlg::~DeviceMainDlg() {
    Shutdown();
    if (IsWindow(GetSafeHwnd())) DestroyWindow();
}

bool DeviceMainDlg::CreateMainWindow() {
    if (!Create(nullptr, product::kName, kStyle, 0, CRect(0, 0, kDesignWidth, kDesignHeight))) return false;
    CenterWindow(nullptr);
    return true;
}

int DeviceMainDlg::Run() {
    if (!CreateMainWindow()) return 1;
    ShowModal(SW_SHOWNORMAL);
    return m_exitCode;
}

Kelvo::MTabCtrl* DeviceMainDlg::Tabs() { return Control<Kelvo::MTabCtrl>(kPageTabs); }

// ---- creation -----------------------------------------------------------------------------

int DeviceMainDlg::OnInitDialog() {
    HWND window = GetSafeHwnd();
    // The worker's events need the window; the device stack needs their listener.
    m_post = std::make_unique<WindowEventPost>(window);
    CreateWorkerListener();
    m_devices = std::make_unique<DeviceStack>(m_setup.folders, *m_setup.registry, *m_workerListener, &m_naming);
    m_devices->LoadCatalogue();
    const int result = MDialog::OnInitDialog();  // InitUI and UISize
    SingleInstance::Mark(window);
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(107));
    if (icon) {
        ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    FollowVisibility(true);
    // The animation tick runs only while something moves (a charging gauge, a dragged
    // slider) and the window can be seen.
    m_pm.SetTickPeriod(kTickMs);
    // The tray icon, the interface notifications and the worker follow the first paint
    // (FinishStart), so the window shows as soon as it can.
    return result;
}

void DeviceMainDlg::FinishStart() {
    if (m_started || m_shutDown) return;
    m_started = true;
    HWND window = GetSafeHwnd();
    m_tray.Add(window, UM_TRAY_NOTIFY, product::kName, m_setup.skinFolder);
    m_tray.EnableAbout(true);
    m_hotplug = std::make_unique<HidInterfaceNotifications>(
        [this](const CString& path, DeviceChange change) { m_devices->Worker().QueueDeviceChange(path, change); });
    m_hotplug->Register(window);
    m_devices->Start(m_nDeviceType);
}

void DeviceMainDlg::CreateWorkerListener() {
    m_gatt = m_setup.gatt ? m_setup.gatt() : std::make_unique<WinGattLayer>();
    m_bleBattery = std::make_unique<BleBatteryService>(*m_gatt, m_post->WorkerListener());
    // Both hooks run on the worker, after the device stack exists.
    auto deviceMatch = [this] { return BatteryServiceMatch(m_devices->Catalogue().ModesOf(m_devices->CurrentModel())); };
    auto onStatusText = [this](int) { m_firmwareRelease.store(m_devices->Manager().WiredRelease()); };
    m_workerListener = std::make_unique<BluetoothBatteryRelay>(m_post->WorkerListener(), *m_bleBattery,
                                                               std::move(deviceMatch), std::move(onStatusText));
}

void DeviceMainDlg::InitUI(CRect client) {
    m_strFont = product::kFontName;
    m_strFont2 = product::kFontName;
    CreateFrame();
    CreateTabs();
    CreatePages();
    FillModelSelector();
    UISize(client);
    ApplyLanguage();
}

void DeviceMainDlg::CreateFrame() {
    const CRect none;
    auto picture = [this, &none](UINT id, const wchar_t* image, int visible) {
        auto* control = static_cast<Kelvo::MPicture*>(CreateControl(L"MPicture", id, none, L"", visible, 1));
        if (!control) return;
        control->SetImage(image, 1);
        control->SetShowMode(Kelvo::SHOWMODE_STRETCH, 4);
    };
    picture(kBackgroundPicture, L"background.png", 1);
    picture(kHomeModelPicture, kDefaultHomePicture, 1);
    picture(kPageModelPicture, kDefaultPagePicture, 0);

    auto imageButton = [this, &none](UINT id, const wchar_t* image) {
        auto* button = static_cast<Kelvo::CImageButton*>(CreateControl(L"CImageButton", id, none, L"", 1, 1));
        if (button) button->SetImage(image, 4);
    };
    imageButton(kLogoButton, L"logo\\logo.png");
    imageButton(kCloseButton, L"sysbtn_close.png");
    imageButton(kMinimizeButton, L"sysbtn_min.png");

    if (auto* profile = static_cast<Kelvo::CIconButton*>(CreateControl(L"CIconButton", kProfileButton, none, L"", 1, 1))) {
        profile->SetImage(L"img_button.png", 4);
        profile->SetIconImage(L"icon\\icon_arrow_up.png", 4);
        profile->SetTextRect(CRect(0, 0, 130, 26), CRect(110, 8, 119, 16));
        profile->SetFont(m_strFont.GetString(), kProfileFontSize, 0);
    }
    if (auto* battery = static_cast<Kelvo::BatteryCtrl*>(CreateControl(L"BatteryCtrl", kBatteryGauge, none, L"", 0, 1))) {
        battery->SetImage(L"icon\\icon_battery_bkg.png", 1);
        battery->SetBatteryIcon(L"icon\\icon_batteryvalue.png", L"icon\\icon_charge.png");
        battery->SetTextColor(m_nBatteryTextColor);
    }
    if (auto* state = static_cast<Kelvo::CDeviceState*>(CreateControl(L"CDeviceState", kConnectionState, none, L"", 1, 1))) {
        state->SetImage(L"img_area.png", 4);
        state->SetFont(m_strFont.GetString(), kFrameFontSize, 0);
        state->SetTextColor(m_nBatteryTextColor);
    }
    m_connectionText = kTextNoDevice;
}

void DeviceMainDlg::CreateTabs() {
    // The containers in the order the window has always made them; the home page's last.
    const std::pair<UINT, int> containers[] = {{46, 0}, {48, 0}, {45, 1}, {47, 0}, {49, 0}, {51, 0}, {50, 1}};
    for (const auto& [id, visible] : containers) CreateControl(L"MTabLayout", id, CRect(), L"", visible, 1);

    auto* tabs = static_cast<Kelvo::MTabCtrl*>(CreateControl(L"MTabCtrl", kPageTabs, CRect(), L"", 1, 1));
    if (!tabs) return;
    tabs->SetTabType(Kelvo::TAB_VERTICAL);
    tabs->SetTabCtrlHeight(kTabSize);
    tabs->SetLeftRightPading(0, kTabSize);
    tabs->SetTopBottomPading(0, kTabBottomPadding);
    for (const MainPageTab& tab : MainPageTabs()) {
        tabs->InsertItem(static_cast<int>(tab.page), Text(tab.textId).GetString(), tab.icon, GetControl(tab.containerId), 2, 0);
    }
    tabs->SetItemWidth(kTabSize, kTabSize, 0);
    tabs->SetItemHeight(kTabSize, kTabSize, 0);
    tabs->SetSelectItem(0);

    auto* home = GetControl(FindMainPageTab(MainPage::kHome)->containerId);
    auto* panel = dynamic_cast<Kelvo::MPanel*>(home);
    if (!panel) return;
    auto* selector = static_cast<Kelvo::MComboBox*>(panel->CreateControl(L"MComboBox", kModelSelector, CRect(), L"", 0, 1));
    if (!selector) return;
    selector->SetImage(L"img_combobox_device.png", 4);
    selector->SetTextColorEx(0xFFFFFFFF, 0xFFFFFFFF);
    selector->SetAlignment(DT_CENTER);
    selector->SetFontName(m_strFont.GetString());
}

void DeviceMainDlg::FillModelSelector() {
    const std::vector<DeviceModeEntry>& models = m_devices->Catalogue().Models();
    if (auto* selector = Control<Kelvo::MComboBox>(kModelSelector)) {
        for (const DeviceModeEntry& model : models) {
            selector->AddItem(model.name.GetString(), static_cast<DWORD>(model.device_type), nullptr, 0xFFFFFFFF);
        }
        selector->SetVisible(models.size() >= 2 ? 1 : 0);
    }
    ShowModel(m_devices->PreferredModel());
}

// What the window shows of a model: its pictures, its lighting tab and its name in the
// selector. The worker's store and interfaces follow through the model-change task.
void DeviceMainDlg::ShowModel(int deviceType) {
    m_nDeviceType = deviceType;
    ModelDescription description = m_devices->Describe(deviceType);
    m_bHasLight = description.light;
    auto setPicture = [this](UINT id, const CString& image, const wchar_t* fallback, CString& shown) {
        auto* picture = Control<Kelvo::MPicture>(id);
        if (!picture) return;
        shown = image;
        if (!image.IsEmpty() && picture->SetImage(image.GetString(), 1)) return;
        shown = fallback;
        picture->SetImage(fallback, 1);
    };
    setPicture(kHomeModelPicture, description.home_img, kDefaultHomePicture, m_homePicture);
    setPicture(kPageModelPicture, description.mouse_img, kDefaultPagePicture, m_pagePicture);
    if (auto* home = Control<Kelvo::MPicture>(kHomeModelPicture)) m_pictureSizes.homePicture = home->GetImageSize();
    if (auto* page = Control<Kelvo::MPicture>(kPageModelPicture)) m_pictureSizes.pagePicture = page->GetImageSize();
    if (auto* selector = Control<Kelvo::MComboBox>(kModelSelector)) {
        if (selector->IsPopupOpen()) selector->ClosePopup();  // the choice shown there is stale
        selector->SelectData(static_cast<DWORD>(deviceType));
    }
    if (Kelvo::MTabCtrl* tabs = Tabs()) {
        const int lighting = static_cast<int>(MainPage::kLighting) - 1;
        tabs->SetItemVisible(lighting, m_bHasLight ? 1 : 0);
        if (!m_bHasLight && tabs->GetSelectItem() == lighting) tabs->SetSelectItem(0);
        tabs->RefreshItemData();
    }
    if (m_bUIReady) UISize(m_rcClient);
}

// ---- layout -------------------------------------------------------------------------------

void DeviceMainDlg::UISize(CRect client) {
    if (!GetControl(kLogoButton)) return;
    m_layout = LayOutMainWindow(CSize(client.Width(), client.Height()), m_pictureSizes);
    m_fScale = m_layout.scale;
    m_rcMessage = m_layout.message;
    PlaceFrame(client);
    SetCaptionRect(m_layout.caption);
    ShowMessageForConnection();
}

void DeviceMainDlg::PlaceFrame(CRect) {
    for (int id : {kBackgroundPicture, kHomeModelPicture, kPageModelPicture, kLogoButton, kCloseButton, kMinimizeButton,
                   kBatteryGauge, kConnectionState, kProfileButton}) {
        if (Kelvo::MControl* control = GetControl(id)) control->SetControlRect(*FrameControlRect(m_layout, id));
    }
    for (const MainPageTab& tab : MainPageTabs()) {
        if (Kelvo::MControl* container = GetControl(tab.containerId)) container->SetControlRect(m_layout.pageContainer);
    }
    if (Kelvo::MTabCtrl* tabs = Tabs()) {
        tabs->SetControlRect(m_layout.pageTabs);
        if (!tabs->IsEnabled()) tabs->RefreshItemData();
    }
    if (auto* selector = Control<Kelvo::MComboBox>(kModelSelector)) {
        selector->SetFontWidth(m_layout.modelSelectorFontSize);
        selector->SetControlRect(m_layout.modelSelector);
        // The text keeps clear of the arrow at the right end (the height of the box).
        const CRect box = m_layout.modelSelector;
        selector->SetTextRect(CRect(8, 2, std::max(8, box.Width() - box.Height()), std::max(2, box.Height() - 2)));
    }
    PlacePages();
}

// Over Bluetooth the mouse cannot be configured: the page area says so.
void DeviceMainDlg::ShowMessageForConnection() {
    if (Bluetooth()) {
        SetMessage(Text(kTextBluetoothNotice).GetString(), m_rcMessage, m_layout.messageFontSize);
    } else {
        SetMessage(L"", m_rcMessage, m_layout.messageFontSize);
    }
}

// ---- language -----------------------------------------------------------------------------

void DeviceMainDlg::ApplyLanguage() {
    if (auto* close = GetControl(kCloseButton)) close->SetTooltip(Text(kTextCloseTip).GetString());
    if (auto* minimize = GetControl(kMinimizeButton)) minimize->SetTooltip(Text(kTextMinimizeTip).GetString());
    if (Kelvo::MTabCtrl* tabs = Tabs()) {
        int index = 0;
        for (const MainPageTab& tab : MainPageTabs()) tabs->SetItemText(index++, Text(tab.textId).GetString());
    }
    if (auto* state = Control<Kelvo::CDeviceState>(kConnectionState)) state->SetTitle(Text(m_connectionText).GetString());
    ShowProfileName();
    ShowMessageForConnection();
    ApplyPagesLanguage();
    ::InvalidateRect(GetSafeHwnd(), nullptr, FALSE);
}

void DeviceMainDlg::ShowProfileName() {
    auto* button = Control<Kelvo::CIconButton>(kProfileButton);
    if (!button) return;
    CString name;
    SettingsDatabase& store = m_devices->Store();
    if (!store.IsOpen() || !store.GetProfileName(m_nCurProfile, name) || name.IsEmpty()) name = Text(kTextProfileWord);
    button->SetTitle(name.GetString());
}

// ---- visibility and the end ---------------------------------------------------------------

void DeviceMainDlg::FollowVisibility(bool visible) {
    m_visible = visible;
    if (m_devices && !m_shutDown) m_devices->SetQuiet(!visible);
}

void DeviceMainDlg::Shutdown() {
    if (m_shutDown) return;
    m_shutDown = true;
    // The worker first: its transfers end at once, and nothing it reports is wanted now.
    if (m_devices) m_devices->Stop();
    // The stack's callbacks post through the window's queue: they go before it closes.
    if (m_bleBattery) m_bleBattery->Release();
    if (m_post) m_post->Close();
    if (m_hotplug) m_hotplug->Unregister();
    m_tray.Remove();
    m_pm.SetTickPeriod(0);
    m_pm.KillMTimer();
}

void DeviceMainDlg::CloseMainWindow() {
    Shutdown();
    if (IsWindow(GetSafeHwnd())) DestroyWindow();
}

void DeviceMainDlg::Exit() {
    m_exitCode = 0;
    CloseMainWindow();
}

LRESULT DeviceMainDlg::OnDestroy() {
    Shutdown();
    SingleInstance::Unmark(GetSafeHwnd());
    return MDialog::OnDestroy();
}
