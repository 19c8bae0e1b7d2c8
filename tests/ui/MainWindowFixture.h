#pragma once
// The main window as a user meets it, for the window's tests and its pages' tests: the
// real window under the display with the virtual mouse behind the real device worker,
// a data folder of its own for each test, and the input a user gives.
#include <gtest/gtest.h>

#include <windows.h>
#include <dbt.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CDeviceState.h"
#include "CurrentLanguage.h"
#include "DeviceMainDlg.h"
#include "DialogTestSupport.h"
#include "FakeRegistry.h"
#include "InterfaceBroadcast.h"
#include "MTabCtrl.h"
#include "Preferences.h"
#include "SimControl.h"
#include "WindowTestSupport.h"
#include "TestPaths.h"

namespace mainwindow {

constexpr int kArvoF1 = 101;
constexpr int kArvoR3 = 310;
constexpr int kPatienceMs = 20000;  // a read of a whole mouse, with its waits, on a busy machine

inline sim::DeviceSetup Wired(const char* name, sim::Family family, std::uint16_t pid) {
    sim::DeviceSetup d;
    d.name = name;
    d.family = family;
    d.kind = sim::Kind::kWired;
    d.pid = pid;
    return d;
}
inline const sim::DeviceSetup kF1 = Wired("f1", sim::Family::kFeature, 0x5A01);
inline const sim::DeviceSetup kR3 = Wired("r3", sim::Family::kOutput, 0x5B01);
inline const sim::DeviceSetup kN2 = Wired("n2", sim::Family::kNodic, 0x5C01);
constexpr int kArvoN2 = 210;

inline CString SourceAssets() { return CString(testpaths::WindowsSource(L"assets").c_str()); }

inline CString TextOf(int id) { return uitest::ShippedTexts(CurrentLanguage.load())(id); }

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
        setup.updaterFolder = m_updaterFolder;
        setup.upgradeSilenceLimitMs = m_upgradeSilenceLimitMs;
        setup.gatt = m_gatt;
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
    // Where the window looks for firmwareupgrade\ (empty: its program folder), and how
    // long the upgrade dialog waits for the updater to say something.
    CString m_updaterFolder;
    int m_upgradeSilenceLimitMs = 120000;
    // The Bluetooth LE stack the window talks to (empty: the system's).
    std::function<std::unique_ptr<GattLayer>()> m_gatt;
    std::unique_ptr<DeviceMainDlg> m_window;
    HWND m_hwnd = nullptr;
};

}  // namespace mainwindow
