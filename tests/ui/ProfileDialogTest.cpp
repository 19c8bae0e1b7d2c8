// The profile dialog and the About dialog as the user meets them: opened from the
// profile button and the tray menu of the real window, driven with real clicks, with
// the virtual mouse behind the worker and the shell's choosers answered like a user.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "AboutDlg.h"
#include "CIconButton.h"
#include "CUIMessageBox.h"
#include "DListBox.h"
#include "FileChooserDriver.h"
#include "MainWindowFixture.h"
#include "MainWindowMessages.h"
#include "MouseMemory.h"
#include "ProfileDlg.h"
#include "TestPaths.h"

namespace {

using namespace mainwindow;
using uitest::DialogObject;
using uitest::FindDialog;

constexpr int kRowHeight = 36;  // the profile list's rows
constexpr int kListTop = 10;

// Runs `step` inside the dialog of `caption` as soon as it is open, from whatever modal
// loop runs then (the chooser's, the menu's): the step waits for it by re-arming.
void WhenOpen(const wchar_t* caption, std::function<void(HWND)> step, int tries = 60) {
    uitest::RunSoon(
        [caption, step, tries] {
            if (HWND window = FindDialog(caption)) {
                step(window);
            } else if (tries > 0) {
                WhenOpen(caption, step, tries - 1);
            }
        },
        100);
}

void RightClickWithoutPumping(HWND window, CPoint client) {
    wintest::MoveTo(wintest::ScreenOf(window, client));
    INPUT press[2]{};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, press, sizeof press[0]);
}

void PressWithoutPumping(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

CPoint RowCentre(HWND dialog, int row) {
    const CRect client = wintest::WindowRect(dialog);
    return CPoint(client.Width() / 2, kListTop + row * kRowHeight + kRowHeight / 2);
}

ProfileDlg& Dialog(HWND window) { return *DialogObject<ProfileDlg>(window); }
Kelvo::DListBox& List(HWND window) { return *static_cast<Kelvo::DListBox*>(Dialog(window).GetControl(ProfileDlg::kListId)); }
CPoint ButtonCentre(HWND window, UINT id) { return Dialog(window).GetControl(id)->GetRect().CenterPoint(); }

// Renames a row as the user does: a right click opens the editor over it, the new name
// is typed, Return commits it. The dialog stays open.
void RenameRow(HWND dialog, int row, const wchar_t* name) {
    RightClickWithoutPumping(dialog, RowCentre(dialog, row));
    wintest::PumpUntil([&] { return List(dialog).GetEditWindow() != nullptr; }, 2000);
    HWND editor = List(dialog).GetEditWindow();
    if (!editor) return;
    SetWindowTextW(editor, name);
    wintest::Key(VK_RETURN);
    wintest::Pump(100);
}

std::wstring ControlTitle(Kelvo::MDialog& dialog, UINT id) {
    auto* control = static_cast<Kelvo::MControlFont*>(dialog.GetControl(id));
    return control ? std::wstring(control->GetTitle().GetString()) : L"<none>";
}

// As the Open-file chooser needs it: a Windows path (the source folder is a Unix one).
std::filesystem::path DataFile(const char* name) {
    return std::filesystem::path(testpaths::WindowsSource(L"tests\\ui\\data\\profile")) / name;
}

// Everything an import may change, of one profile.
struct StoredProfile {
    std::vector<std::wstring> values;
    bool operator==(const StoredProfile&) const = default;
};
void PrintTo(const StoredProfile& profile, std::ostream* out) {
    for (const std::wstring& value : profile.values) *out << "\n  " << testing::PrintToString(value);
}

StoredProfile Snapshot(SettingsDatabase& store, int profile) {
    StoredProfile snapshot;
    std::vector<KeyAssignment> keys;
    store.ListKeyAssignments(profile, 0, keys);
    for (const KeyAssignment& k : keys) {
        snapshot.values.push_back(L"key " + std::to_wstring(k.key_code) + L" " + std::to_wstring(k.macro_type) + L" " +
                                  std::to_wstring(k.macro_value) + L" " + std::to_wstring(k.macro_value2) + L" " +
                                  std::to_wstring(k.macro_value3) + L" " + k.macro_desc.GetString());
    }
    std::vector<LightRecord> lights;
    store.ListLights(profile, lights);
    for (const LightRecord& l : lights) {
        snapshot.values.push_back(L"light " + std::to_wstring(l.mode) + L" " + std::to_wstring(l.brightness) + L" " +
                                  std::to_wstring(l.speed) + L" " + std::to_wstring(l.color_value) + L" " +
                                  std::to_wstring(l.status));
    }
    for (const wchar_t* key : {L"dpi_index", L"dpi_count", L"report_rate", L"sensor_flag", L"liftoff_height",
                               L"scroll_flag", L"button_respondtime", L"leftbtn_lock"}) {
        CString value;
        store.GetConfigValue(profile, key, value);
        snapshot.values.push_back(std::wstring(key) + L"=" + value.GetString());
    }
    return snapshot;
}

std::wstring ValueOf(const StoredProfile& snapshot, const std::wstring& key) {
    for (const std::wstring& value : snapshot.values) {
        if (value.rfind(key + L"=", 0) == 0) return value;
    }
    return L"<none>";
}

class ProfileDialogTest : public MainWindowTest {
protected:
    Kelvo::CIconButton& ProfileButton() {
        return *static_cast<Kelvo::CIconButton*>(m_window->GetControl(kProfileButton));
    }
    CPoint ProfileButtonCentre() { return ProfileButton().GetRect().CenterPoint(); }
    SettingsDatabase& Store() { return m_window->Devices().Store(); }
    void SwitchWithAClick(const sim::DeviceSetup& mouse, int row);

    // The first read refreshes the frame (the profile button's title among it) as its
    // pages arrive; a click is given once the worker has finished with the mouse.
    void WaitUntilTheMouseIsIdle() {
        size_t seen = static_cast<size_t>(-1);
        wintest::PumpUntil([&] {
            const size_t now = sim::Log().size();
            const bool idle = now == seen;
            seen = now;
            if (!idle) wintest::Pump(400);
            return idle;
        }, kPatienceMs);
    }

    // Opens the profile dialog with the profile button, runs `inside` in it, and waits
    // until it has gone and the window has run what it posted.
    void WithProfileDialog(const std::function<void(HWND)>& inside) {
        bool ran = false;
        WhenOpen(L"ProfileDlg", [&](HWND dialog) {
            ran = true;
            inside(dialog);
        });
        uitest::ModalGuard guard(L"ProfileDlg");
        // The pointer comes from elsewhere, as a user's does: a button it already rests on
        // (from the window of a case before) has not seen it arrive.
        WaitUntilTheMouseIsIdle();
        // The dialog closes when it loses activation, as a popup does: the window the
        // user clicks in is the active one (a message box of the case before has gone
        // and handed activation back) before the click opens it.
        SetForegroundWindow(m_hwnd);
        wintest::PumpUntil([&] { return GetActiveWindow() == m_hwnd; }, kPatienceMs);
        wintest::Pump(200);
        wintest::MoveTo(wintest::ScreenOf(m_hwnd, CPoint(600, 700)));
        wintest::Pump(100);
        Click(ProfileButtonCentre());
        // Under Wine the first click after another window of the test has gone is at
        // times taken by the activation hand-over alone; a user clicks again.
        if (!wintest::PumpUntil([&] { return ran; }, 3000)) Click(ProfileButtonCentre());
        EXPECT_TRUE(wintest::PumpUntil([&] { return ran && FindDialog(L"ProfileDlg") == nullptr; }, kPatienceMs));
        EXPECT_FALSE(guard.Fired()) << "the dialog did not close by itself";
        if (!ran) uitest::KeepScreenshot(m_hwnd, L"profile-dialog-did-not-open.png");
        EXPECT_EQ(FindDialog(L"MessageBox"), nullptr) << "a notice came instead: online " << m_window->DeviceOnline();
        wintest::Pump(100);
    }

    // The message box that follows an import or an export: its title and message, then OK.
    void ReadMessageBoxLater(std::wstring& title, std::wstring& message) {
        WhenOpen(L"MessageBox", [&title, &message](HWND box) {
            auto& dialog = *DialogObject<CUIMessageBox>(box);
            title = ControlTitle(dialog, CUIMessageBox::kTitleId);
            message = ControlTitle(dialog, CUIMessageBox::kMessageId);
            uitest::ClickWithoutPumping(box, dialog.GetControl(CUIMessageBox::kFirstButtonId)->GetRect().CenterPoint());
        });
    }

    // Imports `file` through the dialog's import button and the Open-file chooser; the
    // message box's title and message are returned through the arguments.
    void ImportThroughTheDialog(const std::filesystem::path& file, std::wstring& title, std::wstring& message) {
        auto answer = uitest::AnswerNextChooser(file.wstring());
        WithProfileDialog([&](HWND dialog) {
            ReadMessageBoxLater(title, message);
            uitest::ClickWithoutPumping(dialog, ButtonCentre(dialog, ProfileDlg::kImportId));
        });
        EXPECT_TRUE(wintest::PumpUntil([&] { return answer->Answered() && !message.empty(); }, kPatienceMs));
        wintest::Pump(200);
    }
};

TEST_F(ProfileDialogTest, AboutFromTheTrayMenuShowsTheVersionsAndTheNotice) {
    sim::DeviceSetup mouse = kF1;
    mouse.release = 0x20A;
    ASSERT_NO_FATAL_FAILURE(Open({mouse}));
    ASSERT_TRUE(WaitForLabel(51));

    struct Seen {
        bool found = false;
        CRect window;
        std::wstring firmware, software, notice, shotError;
    } seen;
    const auto readAbout = [&seen](HWND about) {
        auto& dialog = *DialogObject<AboutDlg>(about);
        seen.found = true;
        seen.window = wintest::WindowRect(about);
        seen.firmware = ControlTitle(dialog, AboutDlg::kFirmwareId);
        seen.software = ControlTitle(dialog, AboutDlg::kSoftwareId);
        seen.notice = ControlTitle(dialog, AboutDlg::kNoticeId);
        wintest::Pump(300);
        seen.shotError = uitest::KeepScreenshot(about, L"about-dialog.png");
        uitest::ClickWithoutPumping(about, dialog.GetControl(AboutDlg::kCloseId)->GetRect().CenterPoint());
    };
    // The menu's second item; the menu loop reads the keys itself.
    uitest::RunSoon([&] {
        WhenOpen(L"About Window", readAbout);
        PressWithoutPumping(VK_DOWN);
        PressWithoutPumping(VK_DOWN);
        PressWithoutPumping(VK_RETURN);
    });
    uitest::ModalGuard guard(L"About Window");
    SendMessageW(m_hwnd, UM_TRAY_NOTIFY, TrayIcon::kIconId, WM_RBUTTONUP);
    ASSERT_TRUE(wintest::PumpUntil([&] { return seen.found && FindDialog(L"About Window") == nullptr; }, kPatienceMs));

    EXPECT_EQ(seen.firmware, L"Firmware version: v2.0a");
    EXPECT_EQ(seen.software, L"Software version: 1.0.0") << "the catalogue's version";
    EXPECT_EQ(seen.notice, L"Copyright (C) 2026 The Mirevo authors") << "the catalogue's notice";
    EXPECT_EQ(seen.window.Size(), CSize(AboutDlg::kWidth, AboutDlg::kHeight));
    EXPECT_EQ(seen.window.CenterPoint(), wintest::WorkArea().CenterPoint()) << "centred on the screen";
    EXPECT_EQ(seen.shotError, L"");
    EXPECT_FALSE(guard.Fired()) << "the close button did not close it";
}

// A click on row `row` (0-based) of the dialog over a window with `mouse` alone.
void ProfileDialogTest::SwitchWithAClick(const sim::DeviceSetup& mouse, int row) {
    const struct {
        sim::DeviceSetup mouse;
        int row;
    } cases[] = {{mouse, row}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mouse.name);
        ASSERT_NO_FATAL_FAILURE(Open({c.mouse}));
        ASSERT_TRUE(WaitForLabel(51));
        ASSERT_TRUE(wintest::PumpUntil([&] { return ProfileButton().GetTitle() == CString(L"Profile 1"); }, kPatienceMs));

        CRect placed;
        std::vector<std::wstring> rows;
        int selected = -1;
        std::wstring shotError = L"not taken";
        WithProfileDialog([&](HWND dialog) {
            placed = wintest::WindowRect(dialog);
            for (int i = 0; i < List(dialog).GetItemCount(); ++i) rows.push_back(List(dialog).GetItemText(i).GetString());
            selected = List(dialog).GetCurSel();
            wintest::Pump(200);
            shotError = uitest::KeepScreenshot(dialog, L"profile-dialog.png");
            uitest::ClickWithoutPumping(dialog, RowCentre(dialog, c.row));
        });
        const int profile = c.row + 1;
        const CRect onWindow = ProfileButton().GetRect();
        const POINT topLeft = wintest::ScreenOf(m_hwnd, onWindow.TopLeft());
        const CRect button(topLeft.x, topLeft.y, topLeft.x + onWindow.Width(), topLeft.y + onWindow.Height());
        EXPECT_EQ(placed, CRect(button.left, button.top - 240, button.right, button.top - 5)) << "above the button";
        EXPECT_EQ(rows, (std::vector<std::wstring>{L"Profile 1", L"Profile 2", L"Profile 3", L"Profile 4", L"Profile 5"}));
        EXPECT_EQ(selected, 0) << "the current profile is selected";
        EXPECT_EQ(shotError, L"");
        EXPECT_EQ(m_window->CurrentProfile(), profile);
        EXPECT_EQ(Store().GetActiveProfile(), profile);
        EXPECT_EQ(ProfileButton().GetTitle(), CString((L"Profile " + std::to_wstring(profile)).c_str()));
        EXPECT_TRUE(wintest::PumpUntil([&] { return sim::Memory(c.mouse.name)->currentProfile == c.row; }, kPatienceMs))
            << "the mouse switched to profile " << profile;
    }
}

// One window per family: each switches its own kind of mouse.
TEST_F(ProfileDialogTest, AClickOnAProfileSwitchesTheFeatureFamilyMouse) { SwitchWithAClick(kF1, 2); }
TEST_F(ProfileDialogTest, AClickOnAProfileSwitchesTheOutputFamilyMouse) { SwitchWithAClick(kR3, 4); }
TEST_F(ProfileDialogTest, AClickOnAProfileSwitchesTheSecondFamilyMouse) { SwitchWithAClick(kN2, 1); }

// The commands one user action posts, read on a stand-in for the main window.
TEST_F(ProfileDialogTest, EachActionPostsItsCommandsOnceAndClosesTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    using Posted = std::vector<std::pair<WPARAM, LPARAM>>;
    const struct {
        const char* action;
        std::function<void(HWND dialog, HWND elsewhere)> act;
        Posted posted;
        const wchar_t* name4;  // profile 4's stored name afterwards
    } cases[] = {
        {"click a profile", [](HWND d, HWND) { uitest::ClickWithoutPumping(d, RowCentre(d, 2)); }, {{0, 3}}, L"Profile 4"},
        {"import", [](HWND d, HWND) { uitest::ClickWithoutPumping(d, ButtonCentre(d, ProfileDlg::kImportId)); },
         {{1, 2}}, L"Profile 4"},
        {"export", [](HWND d, HWND) { uitest::ClickWithoutPumping(d, ButtonCentre(d, ProfileDlg::kExportId)); },
         {{2, 2}}, L"Profile 4"},
        {"click elsewhere", [](HWND, HWND e) { uitest::ClickWithoutPumping(e, CPoint(50, 50)); }, {}, L"Profile 4"},
        {"rename, then click elsewhere",
         [](HWND d, HWND e) {
             RenameRow(d, 3, L"Wide");
             uitest::ClickWithoutPumping(e, CPoint(50, 50));
         },
         {{0, 4}}, L"Wide"},
        {"rename, then export",
         [](HWND d, HWND) {
             RenameRow(d, 3, L"Tall");
             uitest::ClickWithoutPumping(d, ButtonCentre(d, ProfileDlg::kExportId));
         },
         {{0, 2}, {2, 2}}, L"Tall"},
        {"rename, then a click on the renamed profile",
         [](HWND d, HWND) {
             RenameRow(d, 3, L"Narrow");
             uitest::ClickWithoutPumping(d, RowCentre(d, 3));
         },
         {{0, 4}}, L"Narrow"},
        {"an emptied name is no rename",
         [](HWND d, HWND e) {
             RenameRow(d, 3, L"");
             uitest::ClickWithoutPumping(e, CPoint(50, 50));
         },
         {}, L"Narrow"},
    };
    const CRect standInRect(100, 100, 500, 400);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        wintest::OwnerWindow standIn(standInRect);
        wintest::OwnerWindow elsewhere(CRect(900, 500, 1200, 800));
        ProfileDlgSetup setup;
        setup.mainWindow = standIn.Handle();
        setup.store = &Store();
        setup.currentProfile = 2;
        setup.texts = TextOf;
        bool ran = false;
        WhenOpen(L"ProfileDlg", [&](HWND dialog) {
            ran = true;
            c.act(dialog, elsewhere.Handle());
        });
        uitest::ModalGuard guard(L"ProfileDlg");
        ShowProfiles(setup, CRect(200, 200, 400, 435));
        wintest::Pump(300);

        Posted posted;
        for (const auto& message : standIn.received) {
            if (message.msg == UM_PROFILE_COMMAND) posted.emplace_back(message.wparam, message.lparam);
        }
        EXPECT_TRUE(ran);
        EXPECT_FALSE(guard.Fired()) << "the action did not close the dialog";
        EXPECT_EQ(posted, c.posted);
        CString name4;
        Store().GetProfileName(4, name4);
        EXPECT_EQ(name4, CString(c.name4));
    }
}

TEST_F(ProfileDialogTest, ARenameIsStoredAndShownOnTheButtonOnceTheDialogIsLeft) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    // Off the main window, whose owner-disabled area would not take the click.
    wintest::OwnerWindow elsewhere(CRect(1400, 900, 1590, 990));
    std::wstring emptiedRow;
    WithProfileDialog([&](HWND dialog) {
        RenameRow(dialog, 0, L"");
        emptiedRow = List(dialog).GetItemText(0).GetString();
        RenameRow(dialog, 1, L"Sniper");
        uitest::ClickWithoutPumping(elsewhere.Handle(), CPoint(40, 40));
    });
    EXPECT_EQ(emptiedRow, L"Profile 1") << "an emptied name shows the stored one again";
    CString name;
    ASSERT_TRUE(Store().GetProfileName(2, name));
    EXPECT_EQ(name, CString(L"Sniper"));
    EXPECT_EQ(m_window->CurrentProfile(), 2) << "leaving the dialog switches to the renamed profile";
    EXPECT_EQ(ProfileButton().GetTitle(), CString(L"Sniper"));
    EXPECT_TRUE(wintest::PumpUntil([&] { return sim::Memory("f1")->currentProfile == 1; }, kPatienceMs));
}

TEST_F(ProfileDialogTest, AnExportedProfileImportedBackGivesTheSameStoredValues) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    // The first read stores the mouse's own lighting values over the defaults.
    ASSERT_TRUE(wintest::PumpUntil([&] { return m_window->Devices().Worker().FirstReadDone(); }, kPatienceMs));
    SettingsDatabase& store = Store();
    ASSERT_TRUE(store.SetConfigValue(1, L"report_rate", L"2"));
    ASSERT_TRUE(store.SetConfigValue(1, L"dpi_index", L"3"));
    const StoredProfile exported = Snapshot(store, 1);

    const std::filesystem::path folder = uitest::ChooserVisibleFolder(L"mirevo-profile-export");
    {
        auto answer = uitest::AnswerNextChooser(folder.wstring());
        WithProfileDialog([&](HWND dialog) { uitest::ClickWithoutPumping(dialog, ButtonCentre(dialog, ProfileDlg::kExportId)); });
        ASSERT_TRUE(wintest::PumpUntil([&] { return answer->Answered(); }, kPatienceMs));
        EXPECT_EQ(answer->Seen(), L"PROFILE");
    }
    std::vector<std::filesystem::path> files;
    ASSERT_TRUE(wintest::PumpUntil([&] {
        files.clear();
        for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
        return !files.empty();
    }, kPatienceMs));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].filename().wstring().rfind(L"Profile 1-", 0), 0u) << files[0];

    // Changed since, then the file brings the exported values back.
    ASSERT_TRUE(store.SetConfigValue(1, L"report_rate", L"0"));
    ASSERT_TRUE(store.SetConfigValue(1, L"dpi_index", L"1"));
    ASSERT_TRUE(store.SetLightSpeed(1, 2, 77));
    ASSERT_NE(Snapshot(store, 1), exported);
    sim::ClearLog();
    std::wstring title, message;
    ImportThroughTheDialog(files[0], title, message);
    EXPECT_EQ(title, TextOf(620).GetString());
    EXPECT_EQ(message, TextOf(622).GetString() + std::wstring(L" ") + files[0].filename().wstring());
    EXPECT_EQ(Snapshot(store, 1), exported);
    EXPECT_TRUE(wintest::PumpUntil([&] { return TransfersWith("f1") > 0; }, kPatienceMs))
        << "the imported profile is sent to the mouse";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

TEST_F(ProfileDialogTest, AHostileFileIsRefusedByNameWithNothingChanged) {
    ASSERT_NO_FATAL_FAILURE(Open({kF1}));
    ASSERT_TRUE(WaitForLabel(51));
    const struct {
        const char* file;
        std::vector<int> says;  // texts the message holds
        bool refused;
    } cases[] = {
        {"malformed.xml", {623, 633}, true},
        {"wrong-root.xml", {623, 634}, true},
        {"absurd-values.xml", {622, 625, 642, 641}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        // What the worker's own read stores has settled before the file is offered.
        WaitUntilTheMouseIsIdle();
        const StoredProfile before = Snapshot(Store(), 1);
        std::wstring title, message;
        ImportThroughTheDialog(DataFile(c.file), title, message);
        EXPECT_EQ(title, TextOf(620).GetString());
        EXPECT_NE(message.find(std::filesystem::path(c.file).wstring()), std::wstring::npos) << "names the file";
        for (int id : c.says) EXPECT_NE(message.find(TextOf(id).GetString()), std::wstring::npos) << id << ": " << message;
        if (c.refused) {
            EXPECT_EQ(Snapshot(Store(), 1), before);
        } else {
            // Only what fits was stored: the absurd report rate and DPI index were left out.
            CString rate, index;
            Store().GetConfigValue(1, L"report_rate", rate);
            Store().GetConfigValue(1, L"dpi_index", index);
            EXPECT_EQ(std::wstring(L"report_rate=") + rate.GetString(), ValueOf(before, L"report_rate"));
            EXPECT_EQ(std::wstring(L"dpi_index=") + index.GetString(), ValueOf(before, L"dpi_index"));
        }
        EXPECT_EQ(m_window->CurrentProfile(), 1);
    }
}

}  // namespace
