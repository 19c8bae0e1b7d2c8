// The main window as a user meets it: the real window under the display with the
// virtual mouse behind the real device worker, driven by real input at the places the
// frame puts its controls; then what the mouse, the store and the screen show.
#include <atomic>
#include <cstring>

#include "BatteryCtrl.h"
#include "CComboBoxWnd.h"
#include "FakeGattLayer.h"
#include "CIconButton.h"
#include "MComboBox.h"
#include "MainWindowFixture.h"
#include "MainWindowMessages.h"

namespace {

using namespace mainwindow;

TEST_F(MainWindowTest, ComesUpWithTheModelsPicturesConnectionAndBattery) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51)) << "connection label: " << std::wstring(Label().GetString());

    wchar_t caption[32] = {};
    GetWindowTextW(m_hwnd, caption, 32);
    EXPECT_STREQ(caption, L"Corvane");
    RECT client{};
    GetClientRect(m_hwnd, &client);
    EXPECT_EQ(client.right - client.left, 1121);
    EXPECT_EQ(client.bottom - client.top, 780);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(m_hwnd, GWL_STYLE)) & DeviceMainDlg::kStyle, DeviceMainDlg::kStyle);
    EXPECT_NE(GetPropW(m_hwnd, L"Corvane"), nullptr) << "a second start finds the window by it";
    EXPECT_TRUE(m_window->Tray().Shown());

    EXPECT_EQ(m_window->DeviceType(), kArvoF1);
    EXPECT_EQ(m_window->HomePicture(), CString(L"device\\arvo_f1_home.png"));
    EXPECT_EQ(m_window->PagePicture(), CString(L"device\\arvo_f1_mouse.png"));
    EXPECT_EQ(m_window->GetControl(kHomeModelPicture)->GetRect(), m_window->Layout().homePicture);
    auto* battery = static_cast<Kelvo::BatteryCtrl*>(m_window->GetControl(kBatteryGauge));
    EXPECT_TRUE(wintest::PumpUntil([&] { return battery->IsVisible() != 0; }, kPatienceMs));
    EXPECT_EQ(battery->GetLevel(), sim::Memory("f1")->battery);
    auto* selector = static_cast<Kelvo::MComboBox*>(m_window->GetControl(kModelSelector));
    EXPECT_TRUE(selector->IsVisible()) << "the catalogue lists four models";
    EXPECT_EQ(selector->GetItemCount(), 4);
    EXPECT_EQ(selector->GetCurData(), static_cast<DWORD>(kArvoF1));
    auto* profileButton = static_cast<Kelvo::CIconButton*>(m_window->GetControl(kProfileButton));
    EXPECT_TRUE(wintest::PumpUntil([&] { return profileButton->GetTitle() == CString(L"Profile 1"); }, kPatienceMs))
        << "the current profile's stored name, once the store is open";
    EXPECT_TRUE(Tabs().IsEnabled());
    EXPECT_TRUE(Tabs().GetItemVisible(4)) << "the F1 has lighting";
    EXPECT_TRUE(std::filesystem::exists(m_data / "db" / "arvo_f1_data7.db")) << "the model's store is opened";
    EXPECT_GT(TransfersWith("f1"), 3) << "the first read asked the mouse";
    wintest::Pump(300);
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"main-window.png"), L"");
}

// Over Bluetooth LE the gauge shows the system's Battery Service (read once connected,
// then each change the stack delivers from its own thread), not the mouse's reports.
TEST_F(MainWindowTest, OverBluetoothTheGaugeShowsTheBatteryServiceAndItsChanges) {
    std::atomic<FakeGattLayer*> stack{nullptr};
    m_gatt = [&stack] {
        auto fake = std::make_unique<FakeGattLayer>();
        fake->paths = {BatteryPath(L"248A", L"5B02"), BatteryPath(L"248A", L"5B03")};  // the last match is kept
        fake->characteristics = {{true, true, {0x40}}};
        stack = fake.get();
        return fake;
    };
    sim::DeviceSetup ble = Wired("ble", sim::Family::kOutput, 0x5B02);
    ble.kind = sim::Kind::kBluetooth;
    ASSERT_NO_FATAL_FAILURE(Open({ble}));
    ASSERT_NE(stack.load(), nullptr);
    auto* battery = static_cast<Kelvo::BatteryCtrl*>(m_window->GetControl(kBatteryGauge));
    ASSERT_NE(sim::Memory("ble")->battery, 64) << "the service's level must differ from the mouse's own";
    EXPECT_TRUE(wintest::PumpUntil([&] { return battery->IsVisible() && battery->GetLevel() == 64; }, kPatienceMs))
        << "level " << battery->GetLevel();
    const std::vector<CString> open = stack.load()->OpenPaths();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0].str(), BatteryPath(L"248A", L"5B02").str()) << "only this model's service";

    stack.load()->Change({0x21});
    EXPECT_TRUE(wintest::PumpUntil([&] { return battery->GetLevel() == 33; }, kPatienceMs)) << "level " << battery->GetLevel();
    wintest::Pump(1500);
    EXPECT_EQ(battery->GetLevel(), 33) << "nothing else overwrites the service's level";
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"main-window-bluetooth.png"), L"");
}

TEST_F(MainWindowTest, EachTabShowsItsPageAndTheSmallPictureBesideTheMousePages) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    const MainPage order[] = {MainPage::kKeys,     MainPage::kPerformance, MainPage::kMacros, MainPage::kLighting,
                              MainPage::kSettings, MainPage::kSystem,      MainPage::kHome};
    for (MainPage page : order) {
        const int index = static_cast<int>(page) - 1;
        SCOPED_TRACE(index);
        Click(TabCentre(index));
        EXPECT_EQ(m_window->CurrentPage(), static_cast<int>(page));
        for (const MainPageTab& tab : MainPageTabs())
            EXPECT_EQ(Visible(tab.containerId), tab.page == page) << "container " << tab.containerId;
        EXPECT_EQ(Visible(kHomeModelPicture), page == MainPage::kHome);
        // The macro page's and the settings pages' right-hand columns stand where it would be.
        const bool covered = page == MainPage::kMacros || page == MainPage::kSettings || page == MainPage::kSystem;
        EXPECT_EQ(Visible(kPageModelPicture), page != MainPage::kHome && !covered);
    }
}

// The busy dialog is up while the worker reads the chosen model, and goes when that
// read ends, also when it ends at once because nothing of the model is plugged in.
TEST_F(MainWindowTest, AModelChangeShowsTheBusyDialogAndReadsTheOtherMouse) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1, kR3}));
    ASSERT_TRUE(WaitForLabel(51));
    auto* selector = static_cast<Kelvo::MComboBox*>(m_window->GetControl(kModelSelector));
    auto choose = [&](int row) {
        Click(selector->GetRect().CenterPoint());
        EXPECT_TRUE(selector->IsPopupOpen());
        if (!selector->GetPopup()) return false;
        if (row == 1) {
            EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"main-window-models.png"), L"");
        }
        RECT rect{};
        GetWindowRect(selector->GetPopup()->GetSafeHwnd(), &rect);
        const int shownBefore = m_window->BusyDialogsShown();
        wintest::Click(POINT{(rect.left + rect.right) / 2, rect.top + 6 + Kelvo::MComboBox::kRowHeight * row +
                                                              Kelvo::MComboBox::kRowHeight / 2});
        uitest::ModalGuard guard(L"WaitDlg");
        wintest::Pump(200);
        return m_window->BusyDialogsShown() > shownBefore;
    };

    EXPECT_TRUE(choose(1)) << "the busy dialog shows while the R3 is read";
    ASSERT_TRUE(WaitForLabel(51));
    EXPECT_TRUE(wintest::PumpUntil([&] { return uitest::FindDialog(L"WaitDlg") == nullptr; }, kPatienceMs));
    EXPECT_EQ(m_window->DeviceType(), kArvoR3);
    EXPECT_EQ(m_registry.Text(Preferences::ProductKey(), L"DeviceType"), CString(L"310"));
    EXPECT_TRUE(std::filesystem::exists(m_data / "db" / "arvo_r3_data7.db"));
    EXPECT_GT(TransfersWith("r3"), 5);
    EXPECT_EQ(m_window->HomePicture(), CString(L"device\\arvo_r3_home.png"));

    sim::ClearLog();
    choose(2);  // the N2: nothing of it is plugged in, so its read ends at once
    EXPECT_TRUE(WaitForLabel(50));
    EXPECT_TRUE(wintest::PumpUntil([&] { return uitest::FindDialog(L"WaitDlg") == nullptr; }, kPatienceMs))
        << "the window is not left waiting";
    EXPECT_FALSE(Tabs().IsEnabled());
    EXPECT_EQ(TransfersWith("r3") + TransfersWith("f1"), 0) << "no other model's mouse is spoken to";
}

TEST_F(MainWindowTest, UnpluggingGreysThePagesAndPluggingBackReadsTheMouseAgain) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    Click(TabCentre(2));
    ASSERT_EQ(m_window->CurrentPage(), 3);
    const std::vector<std::string> paths = sim::PathsOf("f1");

    sim::Unplug("f1");
    for (const std::string& path : paths) {
        std::vector<unsigned char> record = InterfaceRecord(path);
        SendMessageW(m_hwnd, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(record.data()));
    }
    ASSERT_TRUE(WaitForLabel(50)) << std::wstring(Label().GetString());
    EXPECT_FALSE(Tabs().IsEnabled());
    EXPECT_EQ(Tabs().GetSelectItem(), 0);
    EXPECT_EQ(m_window->CurrentPage(), 1);
    EXPECT_FALSE(m_window->DevicePresent());
    wintest::Pump(300);
    EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"main-window-unplugged.png"), L"");

    sim::ClearLog();
    ASSERT_TRUE(sim::Plug(kF1));
    Notify(DBT_DEVICEARRIVAL, "f1");
    ASSERT_TRUE(WaitForLabel(51));
    EXPECT_TRUE(Tabs().IsEnabled());
    EXPECT_GT(TransfersWith("f1"), 0) << "the mouse is read again";
}

TEST_F(MainWindowTest, ProfileSwitchLogoLanguageAndTheCloseButton) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    auto* profileButton = static_cast<Kelvo::CIconButton*>(m_window->GetControl(kProfileButton));

    // A profile that does not exist (only another process can send one) changes nothing.
    sim::ClearLog();
    SendMessageW(m_hwnd, UM_PROFILE_COMMAND, kSwitchProfile, 9);
    SendMessageW(m_hwnd, UM_PROFILE_COMMAND, kSwitchProfile, 3);
    EXPECT_EQ(m_window->CurrentProfile(), 3);
    EXPECT_EQ(m_window->Devices().Store().GetActiveProfile(), 3);
    EXPECT_EQ(profileButton->GetTitle(), CString(L"Profile 3"));
    EXPECT_TRUE(wintest::PumpUntil([&] { return sim::Memory("f1")->currentProfile == 2; }, kPatienceMs))
        << "the mouse switched to its third profile";

    Click(m_window->GetControl(kLogoButton)->GetRect().CenterPoint());
    EXPECT_EQ(m_opened, std::vector<CString>{CString(L"https://mirevo.example/store")});

    m_registry.keys[Preferences::ProductKey()][L"LCID"] = {L"1055"};
    SendMessageW(m_hwnd, UM_LANGUAGE_CHANGED, 0, 0);
    EXPECT_EQ(CurrentLanguage.load(), 1055);
    EXPECT_EQ(Label(), TextOf(51));
    EXPECT_NE(Label(), uitest::ShippedTexts(1033)(51)) << "the second language words it otherwise";
    EXPECT_EQ(Tabs().GetItemInfo(0)->text, TextOf(71));

    // The animation tick runs only for the charging gauge, and only while it can be seen;
    // hidden, the worker polls slowly.
    EXPECT_FALSE(m_window->AnimationTickRunning());
    ASSERT_TRUE(sim::SetBattery("f1", 60, true));
    EXPECT_TRUE(wintest::PumpUntil([&] { return m_window->AnimationTickRunning(); }, kPatienceMs));
    Click(m_window->GetControl(kCloseButton)->GetRect().CenterPoint());
    EXPECT_FALSE(IsWindowVisible(m_hwnd)) << "the close button hides the window to the tray";
    EXPECT_TRUE(m_window->Devices().Running());
    EXPECT_FALSE(m_window->AnimationTickRunning());
    EXPECT_EQ(m_window->Devices().Worker().Period(), DeviceStack::kQuietPollPeriodMs);
    SendMessageW(m_hwnd, UM_TRAY_NOTIFY, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(m_hwnd));
    EXPECT_TRUE(m_window->AnimationTickRunning());
    EXPECT_EQ(m_window->Devices().Worker().Period(), DeviceStack::kPollPeriodMs);

    m_window->CloseMainWindow();
    EXPECT_FALSE(m_window->Devices().Running()) << "the worker stopped before the window went";
    EXPECT_FALSE(m_window->Tray().Shown());
    EXPECT_FALSE(IsWindow(m_hwnd));
}

}  // namespace
