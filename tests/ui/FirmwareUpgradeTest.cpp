// The firmware block of the program settings page and the upgrade dialog as the user
// meets them: versions the virtual mouse reports in each dialect and connection, the
// upgrade buttons they mark, and each way the stand-in updater can behave, down to the
// exact command line it was started with.
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "MProgress.h"
#include "MText.h"
#include "MainWindowFixture.h"
#include "UpgradeButton.h"
#include "UpgradeDlg.h"
#include "TestPaths.h"

namespace {

using namespace mainwindow;

constexpr int kProgramTab = 6;
constexpr UINT kMouseVersion = 279;
constexpr UINT kReceiverVersion = 280;
constexpr UINT kMouseUpgrade = 282;
constexpr UINT kReceiverUpgrade = 283;

std::wstring Title(Kelvo::MControl* control) {
    auto* font = dynamic_cast<Kelvo::MControlFont*>(control);
    return font ? std::wstring(font->GetTitle().GetString()) : L"<none>";
}
std::wstring Shipped(int id) { return TextOf(id).GetString(); }

// The stand-in updater's folder as the program names folders: a drive and backslashes.
std::wstring StandinFolder() {
    return testpaths::WindowsBuild(L"updater-standin\\");
}

sim::DeviceSetup Receiver(const char* name, std::uint16_t pid, const char* mouse) {
    sim::DeviceSetup d = Wired(name, sim::Family::kFeature, pid);
    d.kind = sim::Kind::kReceiver;
    d.pairedPid = 0x5A01;
    d.mouse = mouse;
    return d;
}

// What the dialog showed once its run had ended.
struct DialogSeen {
    bool found = false;
    bool ranToEnd = false;
    std::wstring title, message, button;
    int state = -1;
    bool barVisible = false;
    int progress = -1;
    size_t transfersWhileOpen = 0;  // reports exchanged with the mouse while the dialog was up
};

class FirmwareUpgradeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_updaterFolder = StandinFolder().c_str();
        m_log = m_data / "dfu-commands.log";
        SetEnvironmentVariableW(L"MIREVO_DFU_LOG", m_log.wstring().c_str());
        SetEnvironmentVariableW(L"MIREVO_DFU_MODE", L"normal");
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"MIREVO_DFU_LOG", nullptr);
        SetEnvironmentVariableW(L"MIREVO_DFU_MODE", nullptr);
        MainWindowTest::TearDown();
    }

    // Opens the window on `devices` and waits for the firmware check to fill the labels.
    void OpenAndRead(std::initializer_list<sim::DeviceSetup> devices) {
        ASSERT_NO_FATAL_FAILURE(Open(devices));
        ASSERT_TRUE(wintest::PumpUntil([&] { return Title(m_window->GetControl(kMouseVersion)) != L"0.0"; }, kPatienceMs))
            << "the mouse's version never came";
        wintest::Pump(static_cast<int>(GetDoubleClickTime()) + 50);
        Click(TabCentre(kProgramTab));
        ASSERT_EQ(m_window->CurrentPage(), kProgramTab + 1);
    }
    int Mark(UINT id) {
        auto* button = dynamic_cast<Kelvo::UpgradeButton*>(m_window->GetControl(id));
        return button ? button->GetUpgradeStatus() : -1;
    }
    int VersionQueries() { return sim::CountLogged(sim::Direction::kFeatureSet, {0x51, 0x04}); }
    std::string LoggedCommands() {
        std::ifstream in(m_log, std::ios::binary);
        std::string all, line;
        while (std::getline(in, line)) all += line + "\n";
        return all;
    }
    static std::string Narrow(const std::wstring& w) { return std::string(w.begin(), w.end()); }

    // Presses upgrade button `id` as the user does; once the dialog shows, `inDialog` runs
    // inside its modal loop and must close it. False when no dialog came.
    bool PressUpgrade(UINT id, const std::function<void(HWND, UpgradeDlg&)>& inDialog) {
        auto found = std::make_shared<bool>(false);
        WatchForDialog(found, inDialog, 40);
        uitest::ModalGuard guard(L"UpgradeDlg");
        uitest::ClickWithoutPumping(m_hwnd, m_window->GetControl(id)->GetRect().CenterPoint());
        wintest::PumpUntil([&] { return *found && uitest::FindDialog(L"UpgradeDlg") == nullptr; }, 4000);
        wintest::Pump(200);
        EXPECT_FALSE(guard.Fired()) << "the dialog did not close as asked";
        return *found;
    }
    static void WatchForDialog(std::shared_ptr<bool> found, std::function<void(HWND, UpgradeDlg&)> inDialog, int triesLeft) {
        uitest::RunSoon([found, inDialog, triesLeft] {
            HWND window = uitest::FindDialog(L"UpgradeDlg");
            if (!window) {
                if (triesLeft > 0) WatchForDialog(found, inDialog, triesLeft - 1);
                return;
            }
            *found = true;
            inDialog(window, *uitest::DialogObject<UpgradeDlg>(window));
        }, 100);
    }
    static void Seen(UpgradeDlg& dialog, DialogSeen& seen) {
        seen.found = true;
        seen.title = Title(dialog.GetControl(UpgradeDlg::kTitleId));
        seen.message = Title(dialog.GetControl(UpgradeDlg::kMessageId));
        seen.button = Title(dialog.GetControl(UpgradeDlg::kActionId));
        seen.state = dialog.CurrentState();
        auto* bar = dynamic_cast<Kelvo::MProgress*>(dialog.GetControl(UpgradeDlg::kProgressId));
        seen.barVisible = bar && bar->IsVisible();
        seen.progress = bar ? bar->GetProgress() : -1;
    }
    static CPoint Centre(UpgradeDlg& dialog, UINT id) { return dialog.GetControl(id)->GetRect().CenterPoint(); }
    // Clicks the action button, waits for the updater's run to end and notes the dialog.
    static void RunTheUpdater(HWND window, UpgradeDlg& dialog, DialogSeen& seen, const wchar_t* screenshot = nullptr) {
        const size_t before = sim::Log().size();
        uitest::ClickWithoutPumping(window, Centre(dialog, UpgradeDlg::kActionId));
        auto* bar = dialog.GetControl(UpgradeDlg::kProgressId);
        auto* action = dialog.GetControl(UpgradeDlg::kActionId);
        seen.ranToEnd = wintest::PumpUntil([&] { return bar->IsVisible() && action->IsEnabled(); }, 15000);
        seen.transfersWhileOpen = sim::Log().size() - before;
        Seen(dialog, seen);
        if (screenshot) {
            EXPECT_EQ(uitest::KeepScreenshot(window, screenshot), L"");
        }
    }
    static void Close(HWND window, UpgradeDlg& dialog) {
        uitest::ClickWithoutPumping(window, Centre(dialog, UpgradeDlg::kCloseId));
    }

    std::filesystem::path m_log;
};

// ---- the block ------------------------------------------------------------------------------

TEST_F(FirmwareUpgradeTest, LabelsAndUpgradeMarksFollowTheMouseInEachDialectAndConnection) {
    sim::DeviceSetup oldMouse = kF1;
    oldMouse.firmware = "1.2.0";
    sim::DeviceSetup oldReceiver = Receiver("rx", 0xFF12, "f1");
    oldReceiver.receiverFirmware = "1.0.9";
    sim::DeviceSetup fastReceiver = Receiver("rx8k", 0x5A04, "f1");
    sim::DeviceSetup outputMouse = kR3;
    outputMouse.firmware = "2.0.3";
    struct Case {
        const char* what;
        sim::DeviceSetup device;
        std::wstring mouse, receiver;
        int mouseMark, receiverMark;
    } cases[] = {
        {"feature, cable, older than shipped", oldMouse, L"1.2.0", L"0.0", 1, 0},
        {"feature, receiver, older receiver", oldReceiver, L"1.2.3", L"1.0.9", 0, 1},
        {"feature, 8K receiver: two lines, never marked", fastReceiver, L"1.2.3", L"1.1.0\n2.4G", 0, 0},
        {"output, cable: shown, not compared", outputMouse, L"2.0.3", L"0.0", 0, 0},
        {"second family, cable", kN2, L"1.0.7", L"0.0", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(OpenAndRead({c.device}));
        EXPECT_EQ(Title(m_window->GetControl(kMouseVersion)), c.mouse);
        EXPECT_EQ(Title(m_window->GetControl(kReceiverVersion)), c.receiver);
        EXPECT_EQ(Mark(kMouseUpgrade), c.mouseMark);
        EXPECT_EQ(Mark(kReceiverUpgrade), c.receiverMark);
        if (c.mouseMark) {
            wintest::Pump(300);
            EXPECT_EQ(uitest::KeepScreenshot(m_hwnd, L"firmware-block.png"), L"");
        }
        m_window.reset();
        sim::Reset();
    }
}

// ---- the dialog and the updater -------------------------------------------------------------

TEST_F(FirmwareUpgradeTest, EachWayTheUpdaterBehavesEndsInItsState) {
    sim::DeviceSetup oldMouse = kF1;
    oldMouse.firmware = "1.2.0";
    ASSERT_NO_FATAL_FAILURE(OpenAndRead({oldMouse}));
    ASSERT_EQ(Mark(kMouseUpgrade), 1);
    const std::wstring folder = StandinFolder();
    const std::string command = Narrow(L"\"" + folder + L"\\firmwareupgrade\\dfu5.exe\" -f \"" + folder +
                                       L"\\firmwareupgrade\\arvo_f1\\mouse.jfw\" -dv 248A -dp FF12");
    const std::wstring offered = Shipped(606) + L"1.2.3, " + Shipped(607);
    struct Case {
        const wchar_t* mode;
        int progress;
        int state;
        int message, button;
    } cases[] = {
        {L"normal", 100, UpgradeDlg::kCompleted, 612, 20},
        {L"lowercase", 100, UpgradeDlg::kCompleted, 612, 20},
        {L"together", 100, UpgradeDlg::kCompleted, 612, 20},
        {L"split", 100, UpgradeDlg::kCompleted, 612, 20},
        {L"silent", 0, UpgradeDlg::kOffered, 611, 610},
        {L"fail", 30, UpgradeDlg::kOffered, 611, 610},
        // What comes after the end marker is not read: the completion never counts.
        {L"endmarker", 60, UpgradeDlg::kOffered, 611, 610},
    };
    bool shot = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.mode));
        SetEnvironmentVariableW(L"MIREVO_DFU_MODE", c.mode);
        std::filesystem::remove(m_log);
        DialogSeen offer, after;
        const int queriesBefore = VersionQueries();
        ASSERT_TRUE(PressUpgrade(kMouseUpgrade, [&](HWND window, UpgradeDlg& dialog) {
            Seen(dialog, offer);
            // A task that waits meanwhile goes out only once the dialog has closed.
            m_window->Devices().Worker().Queue(DeviceTask{kTaskVersionCheck});
            RunTheUpdater(window, dialog, after, shot ? nullptr : L"upgrade-dialog.png");
            Close(window, dialog);
        }));
        shot = true;
        EXPECT_EQ(offer.title, Shipped(601));
        EXPECT_EQ(offer.message, offered);
        EXPECT_EQ(offer.button, Shipped(610));
        EXPECT_FALSE(offer.barVisible);
        ASSERT_TRUE(after.ranToEnd);
        EXPECT_TRUE(after.barVisible);
        EXPECT_EQ(after.progress, c.progress);
        EXPECT_EQ(after.state, c.state);
        EXPECT_EQ(after.message, Shipped(c.message));
        EXPECT_EQ(after.button, Shipped(c.button));
        EXPECT_EQ(after.transfersWhileOpen, 0u) << "the worker left the mouse to the updater";
        EXPECT_EQ(LoggedCommands(), command + "\n");
        // Closed, the waiting task runs and the versions are read again.
        EXPECT_TRUE(wintest::PumpUntil([&] { return VersionQueries() >= queriesBefore + 2; }, kPatienceMs));
    }
}

TEST_F(FirmwareUpgradeTest, TheReceiversUpgradeRunsItsOwnCommandLine) {
    sim::DeviceSetup receiver = Receiver("rx", 0xFF12, "f1");
    receiver.receiverFirmware = "1.0.9";
    ASSERT_NO_FATAL_FAILURE(OpenAndRead({receiver}));
    const std::wstring folder = StandinFolder();
    DialogSeen offer, after;
    ASSERT_TRUE(PressUpgrade(kReceiverUpgrade, [&](HWND window, UpgradeDlg& dialog) {
        Seen(dialog, offer);
        RunTheUpdater(window, dialog, after);
        Close(window, dialog);
    }));
    EXPECT_EQ(offer.title, Shipped(602));
    EXPECT_EQ(offer.message, Shipped(606) + L"1.1.0, " + Shipped(607));
    EXPECT_EQ(after.state, UpgradeDlg::kCompleted);
    EXPECT_EQ(LoggedCommands(), Narrow(L"\"" + folder + L"\\firmwareupgrade\\dfu5.exe\" -f \"" + folder +
                                       L"\\firmwareupgrade\\arvo_f1\\dongle.jfw\" -dv 248A -dp FF30 -bv 248A -bp FF08") +
                                    "\n");
}

TEST_F(FirmwareUpgradeTest, AnUpToDateMouseIsSaidSoAndTheReceiverButtonWithoutAVersionDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(OpenAndRead({kF1}));
    EXPECT_EQ(Mark(kMouseUpgrade), 0);
    DialogSeen offer;
    ASSERT_TRUE(PressUpgrade(kMouseUpgrade, [&](HWND window, UpgradeDlg& dialog) {
        Seen(dialog, offer);
        uitest::ClickWithoutPumping(window, Centre(dialog, UpgradeDlg::kActionId));  // OK closes it
    }));
    EXPECT_EQ(offer.message, Shipped(605));
    EXPECT_EQ(offer.button, Shipped(20));
    EXPECT_EQ(offer.state, UpgradeDlg::kNothingToDo);
    EXPECT_TRUE(LoggedCommands().empty());

    // The cable's receiver label reads "0.0": its button opens nothing and reads nothing.
    wintest::Pump(1000);
    const int queries = VersionQueries();
    bool opened = false;
    uitest::RunSoon([&] { opened = uitest::FindDialog(L"UpgradeDlg") != nullptr; }, 300);
    uitest::ModalGuard guard(L"UpgradeDlg");
    Click(m_window->GetControl(kReceiverUpgrade)->GetRect().CenterPoint());
    wintest::Pump(1500);
    EXPECT_FALSE(opened);
    EXPECT_EQ(VersionQueries(), queries);
}

TEST_F(FirmwareUpgradeTest, AMissingUpdaterOrImageIsSaidAndNothingRuns) {
    const std::filesystem::path empty = m_data / "no-updater";
    const std::filesystem::path noImage = m_data / "no-image";
    std::filesystem::create_directories(empty);
    std::filesystem::create_directories(noImage / "firmwareupgrade");
    std::filesystem::path standin = StandinFolder() + L"firmwareupgrade\\dfu5.exe";
    std::filesystem::copy_file(standin, noImage / "firmwareupgrade" / "dfu5.exe");
    sim::DeviceSetup oldMouse = kF1;
    oldMouse.firmware = "1.2.0";
    for (const std::filesystem::path& folder : {empty, noImage}) {
        SCOPED_TRACE(folder.string());
        m_updaterFolder = (folder.wstring() + L"\\").c_str();
        ASSERT_NO_FATAL_FAILURE(OpenAndRead({oldMouse}));
        DialogSeen after;
        ASSERT_TRUE(PressUpgrade(kMouseUpgrade, [&](HWND window, UpgradeDlg& dialog) {
            uitest::ClickWithoutPumping(window, Centre(dialog, UpgradeDlg::kActionId));
            wintest::Pump(500);
            Seen(dialog, after);
            Close(window, dialog);
        }));
        EXPECT_EQ(after.message, Shipped(614));
        EXPECT_EQ(after.state, UpgradeDlg::kOffered);
        EXPECT_FALSE(after.barVisible) << "nothing ran";
        EXPECT_TRUE(LoggedCommands().empty());
        m_window.reset();
        sim::Reset();
    }
}

TEST_F(FirmwareUpgradeTest, AnUpdaterThatFallsSilentLetsTheDialogCloseAgain) {
    m_upgradeSilenceLimitMs = 400;
    SetEnvironmentVariableW(L"MIREVO_DFU_MODE", L"hang");
    sim::DeviceSetup oldMouse = kF1;
    oldMouse.firmware = "1.2.0";
    ASSERT_NO_FATAL_FAILURE(OpenAndRead({oldMouse}));
    bool lockedWhileRunning = false, closable = false, actionStillLocked = false;
    ASSERT_TRUE(PressUpgrade(kMouseUpgrade, [&](HWND window, UpgradeDlg& dialog) {
        auto* close = dialog.GetControl(UpgradeDlg::kCloseId);
        auto* action = dialog.GetControl(UpgradeDlg::kActionId);
        uitest::ClickWithoutPumping(window, Centre(dialog, UpgradeDlg::kActionId));
        lockedWhileRunning = wintest::PumpUntil([&] { return !close->IsEnabled() && !action->IsEnabled(); }, 2000);
        closable = wintest::PumpUntil([&] { return close->IsEnabled() != 0; }, 3000);
        actionStillLocked = !action->IsEnabled();
        Close(window, dialog);
    }));
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_TRUE(closable);
    EXPECT_TRUE(actionStillLocked) << "a second updater must not start over the running one";
}

}  // namespace
