// The main window as a user meets it: the real window under the display with the
// virtual mouse behind the real device worker, driven by real input at the places the
// frame puts its controls; then what the mouse, the store and the screen show.
#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BatteryCtrl.h"
#include "CDeviceState.h"
#include "CComboBoxWnd.h"
#include "CIconButton.h"
#include "CurrentLanguage.h"
#include "DeviceMainDlg.h"
#include "DialogTestSupport.h"
#include "FakeRegistry.h"
#include "InterfaceBroadcast.h"
#include "MComboBox.h"
#include "MTabCtrl.h"
#include "MainWindowMessages.h"
#include "Preferences.h"
#include "SimControl.h"
#include "WindowTestSupport.h"

namespace {

constexpr int kArvoF1 = 101;
constexpr int kArvoR3 = 310;
constexpr int kPatienceMs = 20000;  // a read of a whole mouse, with its waits, on a busy machine

sim::DeviceSetup Wired(const char* name, sim::Family family, std::uint16_t pid) {
    sim::DeviceSetup d;
    d.name = name;
    d.family = family;
    d.kind = sim::Kind::kWired;
    d.pid = pid;
    return d;
}
const sim::DeviceSetup kF1 = Wired("f1", sim::Family::kFeature, 0x5A01);
const sim::DeviceSetup kR3 = Wired("r3", sim::Family::kOutput, 0x5B01);

CString SourceAssets() { return CString((std::wstring(L"" MIREVO_SOURCE_DIR_W) + L"\\assets").c_str()); }

CString TextOf(int id) { return uitest::ShippedTexts(CurrentLanguage.load())(id); }


class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        CurrentLanguage.store(1033);
        m_registry.CreateKey(Preferences::ProductKey());  // start-up makes it before the window
        // A folder of its own for each test, so that nothing one test leaves behind is read
        // by the next.
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        m_data = std::filesystem::temp_directory_path() / ("mirevo-main-window-" + name);
        std::error_code ignored;
        std::filesystem::remove_all(m_data, ignored);
        std::filesystem::create_directories(m_data / "db");
    }
    void TearDown() override {
        m_window.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_data, ignored);
        if (HasFailure()) std::printf("%s", sim::FormatTrace().c_str());
        sim::Reset();
        CurrentLanguage.store(1033);
    }

    void Open(std::initializer_list<sim::DeviceSetup> devices) {
        for (const sim::DeviceSetup& d : devices) ASSERT_TRUE(sim::Plug(d));
        MainWindowSetup setup;
        setup.folders.program = SourceAssets();
        setup.folders.data = CString(m_data.wstring().c_str());
        setup.registry = &m_registry;
        setup.skinFolder = SourceAssets() + L"\\skins\\theme1";
        setup.texts = TextOf;
        setup.openUrl = [this](const CString& url) { m_opened.push_back(url); };
        m_window = std::make_unique<DeviceMainDlg>(std::move(setup));
        ASSERT_TRUE(m_window->CreateMainWindow());
        m_hwnd = m_window->GetSafeHwnd();
        // A store that cannot close says why, in the test's output (the worker starts
        // after the first paint, so this comes before the store is used).
        m_window->Devices().Store().SetTrace([](const CString& note) {
            std::fprintf(stderr, "store: %ls\n", note.GetString());
        });
    }

    CString Label() { return static_cast<Kelvo::CDeviceState*>(m_window->GetControl(kConnectionState))->GetTitle(); }
    bool WaitForLabel(int textId) {
        return wintest::PumpUntil([&] { return Label() == TextOf(textId); }, kPatienceMs);
    }
    Kelvo::MTabCtrl& Tabs() { return *m_window->Tabs(); }
    bool Visible(UINT id) {
        Kelvo::MControl* control = m_window->GetControl(id);
        return control && control->IsVisible();
    }
    void Click(CPoint client) {
        wintest::Click(wintest::ScreenOf(m_hwnd, client));
        wintest::Pump(100);
    }
    // The centre of tab `index`, where the user clicks it.
    CPoint TabCentre(int index) { return Tabs().GetItemInfo(index)->rect.CenterPoint(); }
    void Notify(WPARAM event, const char* device) {
        for (const std::string& path : sim::PathsOf(device)) {
            std::vector<unsigned char> record = InterfaceRecord(path);
            SendMessageW(m_hwnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data()));
        }
    }
    int TransfersWith(const char* device) {
        int count = 0;
        for (const sim::LogRecord& r : sim::Log()) count += r.device == device;
        return count;
    }

    std::filesystem::path m_data;
    FakeRegistry m_registry;
    std::vector<CString> m_opened;
    std::unique_ptr<DeviceMainDlg> m_window;
    HWND m_hwnd = nullptr;
};

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

TEST_F(MainWindowTest, EachTabShowsItsPageAndTheSmallPictureAwayFromHome) {
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
        EXPECT_EQ(Visible(kPageModelPicture), page != MainPage::kHome);
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
