// A flood of worker events reaching a real window: all of them, in order, on the
// window's thread, with never more than one wake-up message waiting; and nothing,
// without a crash, once the window has gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <thread>
#include <vector>

#include "WindowEventPost.h"

namespace {

constexpr UINT kWorkerDone = WM_APP + 0x7f;
constexpr int kFloodSize = 100000;

// What the window's side saw: non-reload events as numbers in arrival order, the
// reloads of each batch, and any call that came on another thread.
class WindowSide : public DeviceEventListener {
public:
    void OnStatusText(int textId) override { Seen(textId); }
    void OnBattery(int level, int /*state*/) override { Seen(level); }
    void OnPagesEnabled(bool /*enabled*/) override { Seen(-1); }
    void OnReloadPage(DevicePage page) override {
        Check();
        int& count = reloadsInBatch[static_cast<size_t>(page)];
        if (++count > 1) ++reloadsMergedTooLittle;
        ++reloadsDelivered[static_cast<size_t>(page)];
    }
    void OnModelReadFinished(bool /*ok*/) override { Seen(-1); }

    void StartBatch() { reloadsInBatch.fill(0); }

    DWORD uiThread = GetCurrentThreadId();
    std::vector<int> numbers;
    std::array<int, 4> reloadsInBatch{};
    std::array<int, 4> reloadsDelivered{};
    int reloadsMergedTooLittle = 0;
    int callsOffThread = 0;

private:
    void Check() {
        if (GetCurrentThreadId() != uiThread) ++callsOffThread;
    }
    void Seen(int number) {
        Check();
        numbers.push_back(number);
    }
};

struct TestWindow {
    WindowEventPost* post = nullptr;
    WindowSide side;
    int wakeMessages = 0;
    int wakeMessagesWaitingTwice = 0;
    bool workerDone = false;
};

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* test = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (test && message == kWindowEventMessage) {
        ++test->wakeMessages;
        MSG another;
        if (PeekMessageW(&another, window, kWindowEventMessage, kWindowEventMessage, PM_NOREMOVE))
            ++test->wakeMessagesWaitingTwice;
        test->side.StartBatch();
    }
    if (test && test->post && test->post->Deliver(message, test->side)) return 0;
    if (test && message == kWorkerDone) {
        test->workerDone = true;
        return 0;
    }
    if (test && message == WM_DESTROY && test->post) test->post->Close();
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateTestWindow(TestWindow& test) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MirevoWindowEventTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  wc.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&test));
    return window;
}

// Statuses and batteries carry the event's number; every fourth event is a reload.
void FireFlood(DeviceEventListener& worker) {
    for (int i = 0; i < kFloodSize; ++i) {
        switch (i % 4) {
        case 0: worker.OnStatusText(i); break;
        case 1: worker.OnBattery(i, 1); break;
        case 2: worker.OnReloadPage(static_cast<DevicePage>((i / 4) % 4)); break;
        case 3: worker.OnStatusText(i); break;
        }
    }
}

void PumpUntil(const bool& done) {
    MSG msg;
    while (!done && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

TEST(WindowEventPost, AFloodFromTheWorkerArrivesWholeInOrderOnTheWindowThread) {
    TestWindow test;
    HWND window = CreateTestWindow(test);
    ASSERT_NE(window, nullptr);
    WindowEventPost post(window);
    test.post = &post;

    std::thread worker([&] {
        FireFlood(post.WorkerListener());
        // Posted after the flood's last wake-up, so everything is delivered before it.
        PostMessageW(window, kWorkerDone, 0, 0);
    });
    PumpUntil(test.workerDone);
    worker.join();

    std::vector<int> expected;
    for (int i = 0; i < kFloodSize; ++i)
        if (i % 4 != 2) expected.push_back(i);
    EXPECT_EQ(test.side.numbers, expected);
    EXPECT_EQ(test.side.callsOffThread, 0);
    EXPECT_EQ(test.side.reloadsMergedTooLittle, 0);
    for (int delivered : test.side.reloadsDelivered) {
        EXPECT_GE(delivered, 1);
        EXPECT_LE(delivered, kFloodSize / 16);
    }
    EXPECT_EQ(test.wakeMessagesWaitingTwice, 0);
    EXPECT_GE(test.wakeMessages, 1);
    EXPECT_LT(test.wakeMessages, kFloodSize);
    RecordProperty("wake_messages", test.wakeMessages);
    DestroyWindow(window);
}

TEST(WindowEventPost, EventsAfterTheWindowWentAreDropped) {
    for (bool closedOnDestroy : {true, false}) {
        TestWindow test;
        HWND window = CreateTestWindow(test);
        ASSERT_NE(window, nullptr);
        WindowEventPost post(window);
        test.post = closedOnDestroy ? &post : nullptr;
        DestroyWindow(window);

        std::thread worker([&] { FireFlood(post.WorkerListener()); });
        worker.join();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        EXPECT_TRUE(test.side.numbers.empty()) << closedOnDestroy;
        EXPECT_EQ(test.wakeMessages, 0) << closedOnDestroy;
    }
}

}  // namespace
