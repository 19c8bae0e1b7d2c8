// A real window registered for HID interface notifications, a real device worker
// and the virtual mouse: the mouse is pulled and plugged back, the window gets
// the WM_DEVICECHANGE Windows would send, and the worker (run here on the test
// thread) reconnects and tells the listener.
#include <windows.h>

#include <dbt.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ConnectionTracker.h"
#include "DeviceWorker.h"
#include "HidInterfaceNotifications.h"
#include "InterfaceBroadcast.h"
#include "HidTestBed.h"
#include "SettingsDatabase.h"
#include "TestPaths.h"

using namespace testbed;

namespace {

constexpr int kArvoF1 = 101;  // catalogue model on VID_248A&PID_5A01&MI_01

struct Listener : DeviceEventListener {
    void OnStatusText(int textId) override { texts.push_back(textId); }
    void OnBattery(int, int) override {}
    void OnPagesEnabled(bool) override {}
    void OnReloadPage(DevicePage) override {}
    void OnModelReadFinished(bool) override {}
    std::vector<int> texts;
};

struct Sink : ModelSwitchSink {
    void OpenModelDatabase(int) override {}
    void SetStoreDeviceType(int) override {}
    void WriteDeviceType(int) override {}
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* notifications = reinterpret_cast<HidInterfaceNotifications*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_DEVICECHANGE && notifications && notifications->OnDeviceChange(wparam, lparam)) return TRUE;
    return DefWindowProcW(window, message, wparam, lparam);
}

class HidInterfaceNotificationsTest : public HidTest {
protected:
    void SetUp() override {
        HidTest::SetUp();
        ASSERT_TRUE(catalogue.LoadConfig(CString(testpaths::Wide(testpaths::Source("assets")).c_str())));
        OpenStore();
        sim::Plug(MakeDevice("f1", sim::Family::kFeature, sim::Kind::kWired, 0x5A01));
        tracker = std::make_unique<ConnectionTracker>(*manager, catalogue, listener, sink);
        tracker->SetCurrentType(kArvoF1);
        tracker->Refresh();
        worker = std::make_unique<DeviceWorker>(*manager, *tracker, store, listener);
        CreateRegisteredWindow();
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
        notifications.Unregister();
        worker.reset();
        tracker.reset();
        store.CloseIfOpen();
        HidTest::TearDown();
    }

    void OpenStore() {
        std::filesystem::path folder = std::filesystem::path("hotplug-scratch");
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "db");
        ASSERT_TRUE(store.OpenForDevice(CString(folder.wstring()), L"M1"));
        store.SetDeviceType(kArvoF1);
        store.EnsureProfiles();
        for (int p = 1; p <= 5; ++p) store.EnsureDefaultLights(p);
    }
    void CreateRegisteredWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"MirevoHotplugTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"MirevoHotplugTest", L"hot-plug", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&notifications));
        ASSERT_TRUE(notifications.Register(window));
    }
    // Sends the notification as the system does, then lets the worker do what it queued.
    void Notify(WPARAM event, const std::string& path) {
        std::vector<unsigned char> record = InterfaceRecord(path);
        SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record.data()));
    }
    void RunWorker() {
        while (!worker->Tasks().Empty()) worker->Run();
    }
    int TransfersWith(const std::string& device) {
        int count = 0;
        for (const sim::LogRecord& r : sim::Log()) count += r.device == device;
        return count;
    }

    DeviceCatalogue catalogue;
    Listener listener;
    Sink sink;
    SettingsDatabase store;
    std::unique_ptr<ConnectionTracker> tracker;
    std::unique_ptr<DeviceWorker> worker;
    std::vector<DeviceChange> handed;
    CString handedPath;
    HidInterfaceNotifications notifications{[this](const CString& path, DeviceChange change) {
        handed.push_back(change);
        handedPath = path;
        worker->QueueDeviceChange(path, change);
    }};
    HWND window = nullptr;
};

TEST_F(HidInterfaceNotificationsTest, PullingAndPluggingTheMouseReachesTheWorkerThroughTheWindow) {
    ASSERT_TRUE(tracker->DevicePresent());
    const std::string vendorPath = sim::PathsOf("f1").at(1);
    ASSERT_NE(vendorPath.find("mi_01"), std::string::npos);

    sim::Unplug("f1");
    SendMessageW(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    Notify(DBT_DEVICEQUERYREMOVE, vendorPath);
    EXPECT_TRUE(handed.empty()) << "only arrival and removal complete are changes";
    Notify(DBT_DEVICEREMOVECOMPLETE, vendorPath);
    ASSERT_EQ(handed, std::vector<DeviceChange>{DeviceChange::kRemoval});
    EXPECT_TRUE(tracker->DevicePresent()) << "the window only queues; the worker reconnects";
    RunWorker();
    EXPECT_FALSE(tracker->DevicePresent());
    ASSERT_FALSE(listener.texts.empty());
    EXPECT_EQ(listener.texts.back(), kTextNoDevice);

    sim::Plug(MakeDevice("f1", sim::Family::kFeature, sim::Kind::kWired, 0x5A01));
    sim::ClearLog();
    Notify(DBT_DEVICEARRIVAL, sim::PathsOf("f1").at(1));
    EXPECT_EQ(TransfersWith("f1"), 0);
    RunWorker();
    EXPECT_TRUE(tracker->DevicePresent());
    EXPECT_EQ(listener.texts.back(), kTextWired);
    EXPECT_GT(TransfersWith("f1"), 0) << "the worker reads the mouse again";
}

// The tool scripts use sends from another process, whose record the system copies.
DWORD RunDeviceChangeTool(const std::wstring& arguments) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::filesystem::path tool = std::filesystem::path(self).parent_path().parent_path() / "sim-bin" / "devicechange.exe";
    std::wstring command = L"\"" + tool.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 99;
    // The tool's SendMessage is answered only while this thread takes its messages.
    DWORD exitCode = 98;
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 30000, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exitCode);
            break;
        }
        if (woke != WAIT_OBJECT_0 + 1) break;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST_F(HidInterfaceNotificationsTest, TheDeviceChangeToolReachesTheWindowFromAnotherProcess) {
    const std::string vendorPath = sim::PathsOf("f1").at(1);
    sim::Unplug("f1");
    std::wstring path(vendorPath.begin(), vendorPath.end());
    EXPECT_EQ(RunDeviceChangeTool(L"removal MirevoHotplugTest \"" + path + L"\""), 0u);
    ASSERT_EQ(handed, std::vector<DeviceChange>{DeviceChange::kRemoval});
    EXPECT_EQ(std::wstring(handedPath.GetString()), path);
    RunWorker();
    EXPECT_EQ(listener.texts.back(), kTextNoDevice);
    EXPECT_EQ(RunDeviceChangeTool(L"plugged MirevoHotplugTest x"), 2u);
    EXPECT_EQ(RunDeviceChangeTool(L"arrival NoSuchWindowClass x"), 3u);
}

}  // namespace
