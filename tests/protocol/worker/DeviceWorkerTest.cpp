// The device worker on the virtual clock: the queue's rules, the task table with
// each task's captured arguments, idle polling, the model change and stopping.
// The dialect is a recording one, so what is checked here is the worker's part;
// the dialects' own traffic is tested with the virtual mouse elsewhere.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "ConnectionTracker.h"
#include "DeviceWorker.h"
#include "HidLink.h"
#include "HidTestBed.h"
#include "SettingsDatabase.h"
#include "StopSignal.h"
#include "settings/SessionStore.h"
#include "TestPaths.h"

using namespace testbed;

namespace {

constexpr int kArvoF1 = 101;
constexpr int kArvoR3 = 310;

struct Calls {
    std::vector<std::string> list;
    std::vector<int> dialectsMade;
    bool failReads = false;
    bool wantReconnect = false;
    int reportedProfile = 0;                 // a poll hears the mouse report this profile
    std::function<void()> duringPoll;        // what another thread does while a poll runs
    int longWaitMs = 0;                      // an operation that waits this long on the clock
    std::atomic<bool> waitInterrupted{false};
    std::atomic<bool> waiting{false};
};

// Records each operation with the session's profile and what the task concerns.
class RecordingDialect final : public DeviceDialect {
public:
    RecordingDialect(Calls& calls, int type) : m_calls(calls), m_type(type) {}
    ProtocolFamily Family() const override { return FamilyOf(m_type); }
    bool ReadStatus(DeviceStatus&) override { return true; }

    bool ReadEverything(DeviceSession& s) override { return Note("read", s) && !m_calls.failReads; }
    bool ApplyProfile(DeviceSession& s) override { return Note("apply", s); }
    bool WriteButton(DeviceSession& s, int b) override { return Note("button " + std::to_string(b), s); }
    bool RestoreButton(DeviceSession& s, int b) override { return Note("restore " + std::to_string(b), s); }
    bool WriteLighting(DeviceSession& s) override { return Note("light " + std::to_string(s.lightMode), s); }
    bool WriteDpi(DeviceSession& s) override { return Note("dpi", s); }
    bool WriteReportRate(DeviceSession& s) override { return Note("rate", s); }
    bool WriteSensor(DeviceSession& s) override { return Note("sensor", s); }
    bool WriteSleepTime(DeviceSession& s) override { return Note("sleep", s); }
    bool WriteResponseTime(DeviceSession& s) override { return Note("response", s); }
    bool ResetParts(DeviceSession& s, int mask) override { return Note("reset " + std::to_string(mask), s); }
    bool FactoryReset(DeviceSession& s) override { return Note("factory", s); }
    bool ApplyEverything(DeviceSession& s) override { return Note("everything", s); }
    bool PollNotifications(DeviceSession& s) override {
        s.reconnectWanted = m_calls.wantReconnect;
        if (m_calls.duringPoll) m_calls.duringPoll();
        if (m_calls.reportedProfile) settings::FollowProfile(s, m_calls.reportedProfile);
        return Note("poll", s);
    }

private:
    bool Note(const std::string& what, DeviceSession& s) {
        m_calls.list.push_back(what + " p" + std::to_string(s.currentProfile) + " m" + std::to_string(s.deviceType));
        if (m_calls.longWaitMs) {
            m_calls.waiting = true;
            Clock::Get().SleepMs(static_cast<std::uint32_t>(m_calls.longWaitMs));
            m_calls.waitInterrupted = StopSignal::ThisThreadStopping();
        }
        return true;
    }
    Calls& m_calls;
    int m_type;
};

struct CountingResolution final : TimerResolution {
    void Raise() override { ++raised; }
    void Release() override { ++released; }
    std::atomic<int> raised{0};
    std::atomic<int> released{0};
};

struct Listener : DeviceEventListener {
    void OnStatusText(int textId) override { texts.push_back(textId); }
    void OnBattery(int, int) override {}
    void OnPagesEnabled(bool) override {}
    void OnReloadPage(DevicePage) override {}
    void OnModelReadFinished(bool ok) override { finished.push_back(ok); }
    void OnCurrentProfileChanged(int profile) override { profiles.push_back(profile); }
    void OnModelChangeFinished(unsigned generation, bool ok) override { changes.emplace_back(generation, ok); }
    void OnModelSelected(int deviceType) override { selected.push_back(deviceType); }
    std::vector<bool> finished;
    std::vector<std::pair<unsigned, bool>> changes;  // generation, read ok
    std::vector<int> selected;
    std::vector<int> texts;
    std::vector<int> profiles;
};

// A transfer in progress on another thread: it holds the HID manager until let go.
class RunningTransfer {
public:
    explicit RunningTransfer(HidDeviceManager& manager) : m_thread([this, &manager] {
        HidLink link(manager);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_holding = true;
        m_changed.notify_all();
        // Bounded, so that a caller that does wait for the manager fails its checks
        // instead of hanging the run.
        m_changed.wait_for(lock, std::chrono::seconds(5), [this] { return m_letGo; });
    }) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_holding; });
    }
    ~RunningTransfer() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_letGo = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_holding = false;
    bool m_letGo = false;
    std::thread m_thread;
};

struct Sink : ModelSwitchSink {
    void OpenModelDatabase(int deviceType) override { opened.push_back(deviceType); }
    void SetStoreDeviceType(int) override {}
    void WriteDeviceType(int) override {}
    std::vector<int> opened;
};

class DeviceWorkerTest : public HidTest {
protected:
    void SetUp() override {
        HidTest::SetUp();
        ASSERT_TRUE(catalogue.LoadConfig(CString(testpaths::Wide(testpaths::Source("assets")).c_str())));
        sim::Plug(MakeDevice("f1", sim::Family::kFeature, sim::Kind::kWired, 0x5A01));
        tracker = std::make_unique<ConnectionTracker>(*manager, catalogue, listener, sink);
        tracker->SetCurrentType(kArvoF1);
        tracker->Refresh();
        DeviceWorker::Hooks hooks;
        hooks.makeDialect = [this](HidDeviceManager&, int type) {
            calls.dialectsMade.push_back(type);
            return std::make_unique<RecordingDialect>(calls, type);
        };
        hooks.hasLighting = [](int type) { return type == kArvoF1; };
        worker = std::make_unique<DeviceWorker>(*manager, *tracker, store, listener, hooks, resolution);
    }
    void TearDown() override {
        worker.reset();
        tracker.reset();
        HidTest::TearDown();
    }
    void RunAll() {
        while (!worker->Tasks().Empty()) worker->Run();
    }

    DeviceCatalogue catalogue;
    Listener listener;
    Sink sink;
    SettingsDatabase store;
    Calls calls;
    CountingResolution resolution;
    std::unique_ptr<ConnectionTracker> tracker;
    std::unique_ptr<DeviceWorker> worker;
};

TEST(DeviceTaskQueueTest, ReconnectsAndModelChangesDoNotPileUp) {
    struct Case {
        const char* name;
        std::vector<DeviceTask> pushed;
        std::vector<bool> accepted;
        std::vector<int> waiting;  // task numbers left, in order
    };
    const Case cases[] = {
        {"one plug, three collections", {{2}, {2}, {2}}, {true, false, false}, {2}},
        {"arrival and removal both wait", {{2}, {3}, {3}}, {true, true, false}, {2, 3}},
        {"ordinary tasks repeat", {{9}, {9}, {9}}, {true, true, true}, {9, 9, 9}},
        {"a model change drops the old model's tasks", {{1}, {9}, {6}, {2}, {4}}, {true, true, true, true, true}, {1, 4}},
        {"a second model change replaces the first", {{4, 0, -1, 0, -1, 310}, {4, 0, -1, 0, -1, 101}}, {true, true}, {4}},
    };
    for (const Case& c : cases) {
        DeviceTaskQueue queue;
        for (std::size_t i = 0; i < c.pushed.size(); ++i) EXPECT_EQ(queue.Push(c.pushed[i]), c.accepted[i]) << c.name << " #" << i;
        std::vector<int> left;
        for (const DeviceTask& t : queue.Waiting()) left.push_back(t.number);
        EXPECT_EQ(left, c.waiting) << c.name;
    }
    DeviceTaskQueue queue;
    EXPECT_TRUE(queue.PushIfEmpty(DeviceTask{2}));
    EXPECT_FALSE(queue.PushIfEmpty(DeviceTask{2}));
    ASSERT_TRUE(queue.Pop().has_value());
    EXPECT_FALSE(queue.Pop().has_value());
}

// Each task runs with the button, mask and mode it was queued with. What it
// sends lands in the mouse's current profile, so a task queued for a profile
// that is no longer current stays in the store until that profile is applied.
TEST_F(DeviceWorkerTest, TasksRunInOrderAndSendOnlyForTheCurrentProfile) {
    worker->SetCurrentProfile(2);
    worker->Queue({kTaskDpi});
    worker->Queue({kTaskRestoreButton, 0, 3});
    worker->SetCurrentProfile(3);
    worker->Queue({kTaskWriteButton, 0, 4});
    worker->Queue({kTaskResetParts, 0, -1, 1});
    worker->Queue({kTaskResetParts, 0, -1, 4});
    worker->Queue({kTaskLighting, 0, -1, 0, 2});
    worker->Queue({kTaskApplyProfile, 5});
    worker->Queue({14});  // no such task
    worker->Queue({kTaskSleepTime});
    worker->Queue({kTaskReportRate});
    worker->Queue({kTaskSensor});
    worker->Queue({kTaskResponseTime});
    worker->Queue({kTaskApplyEverything});
    worker->Queue({kTaskDpi, 2});
    // The whole mouse, whatever its profile; the reset reads the mouse again in the same task.
    worker->Queue({kTaskFactoryReset, 2});
    RunAll();
    EXPECT_EQ(calls.list, (std::vector<std::string>{"button 4 p3 m101", "reset 1 p3 m101", "reset 4 p3 m101",
                                                   "light 2 p3 m101", "sleep p3 m101", "rate p3 m101",
                                                   "sensor p3 m101", "response p3 m101", "everything p3 m101",
                                                   "factory p3 m101", "read p3 m101"}));
    EXPECT_EQ(calls.dialectsMade, std::vector<int>{kArvoF1});
}

// The current profile is one value: a poll that runs while the window switches
// does not put the old profile back, and a profile the mouse reports is taken
// and told to the window.
TEST_F(DeviceWorkerTest, APollNeverUndoesASwitchAndReportsTheMousesOwn) {
    calls.duringPoll = [this] { worker->SetCurrentProfile(3); };
    worker->Run();
    EXPECT_EQ(worker->CurrentProfile(), 3);
    worker->Queue({kTaskDpi});
    worker->Run();
    EXPECT_EQ(calls.list.back(), "dpi p3 m101");
    EXPECT_TRUE(listener.profiles.empty()) << "the window made that switch itself";

    calls.duringPoll = nullptr;
    calls.reportedProfile = 4;
    worker->Run();
    worker->Run();
    EXPECT_EQ(worker->CurrentProfile(), 4);
    EXPECT_EQ(listener.profiles, std::vector<int>{4}) << "told once, when it changed";
}

TEST_F(DeviceWorkerTest, TheFirstReadRunsUntilItSucceedsAndThenNeverAgain) {
    calls.failReads = true;
    worker->Queue({kTaskFirstRead});
    RunAll();
    EXPECT_FALSE(worker->FirstReadDone());
    calls.failReads = false;
    worker->Queue({kTaskFirstRead});
    worker->Queue({kTaskFirstRead});
    RunAll();
    EXPECT_TRUE(worker->FirstReadDone());
    EXPECT_EQ(calls.list, (std::vector<std::string>{"read p1 m101", "read p1 m101"}));
}

TEST_F(DeviceWorkerTest, ReconnectsWaitRefreshAndReadWhatIsStillThere) {
    std::uint64_t start = clock.NowMs();
    worker->Queue({kTaskReconnectArrival});
    RunAll();
    EXPECT_GE(Elapsed(start), 1000u);
    EXPECT_EQ(calls.list, std::vector<std::string>{"read p1 m101"});

    sim::Unplug("f1");
    start = clock.NowMs();
    worker->Queue({kTaskReconnectRemoval});
    RunAll();
    EXPECT_GE(Elapsed(start), 500u);
    EXPECT_EQ(calls.list.size(), 1u) << "nothing is read from a mouse that is gone";
}

CString PathOf(const char* device, std::size_t collection) {
    std::string path = sim::PathsOf(device).at(collection);
    return CString(std::wstring(path.begin(), path.end()));
}

// A device notification on the UI thread only queues a task, even while a transfer
// holds the HID manager; the worker matches it against the model, rebuilds the
// connection and tells the window.
TEST_F(DeviceWorkerTest, DeviceArrivalAndRemovalAreWorkerTasks) {
    sim::Unplug("f1");
    tracker->Refresh();
    sim::Plug(MakeDevice("f1", sim::Family::kFeature, sim::Kind::kWired, 0x5A01));
    const CString pointer = PathOf("f1", 0);
    const CString vendor = PathOf("f1", 1);
    sim::ClearLog();
    listener.texts.clear();
    {
        RunningTransfer transfer(*manager);
        EXPECT_TRUE(worker->QueueDeviceChange(pointer, DeviceChange::kArrival));
        EXPECT_TRUE(worker->QueueDeviceChange(vendor, DeviceChange::kArrival));
        EXPECT_FALSE(worker->QueueDeviceChange(vendor, DeviceChange::kArrival)) << "the same one waits already";
    }
    EXPECT_EQ(tracker->LastArrivalMode(), -1) << "the tracker is the worker's";
    EXPECT_FALSE(tracker->DevicePresent());
    EXPECT_TRUE(sim::Log().empty());
    EXPECT_TRUE(listener.texts.empty());

    RunAll();
    EXPECT_EQ(tracker->LastArrivalMode(), 0);
    EXPECT_TRUE(tracker->DevicePresent());
    EXPECT_EQ(listener.texts, std::vector<int>{kTextWired});
    EXPECT_EQ(calls.list, std::vector<std::string>{"read p1 m101"}) << "the pointer collection is no interface of ours";

    sim::Unplug("f1");
    EXPECT_TRUE(worker->QueueDeviceChange(vendor, DeviceChange::kRemoval));
    EXPECT_FALSE(worker->QueueDeviceChange(vendor, DeviceChange::kRemoval));
    RunAll();
    EXPECT_FALSE(tracker->DevicePresent());
    EXPECT_EQ(listener.texts.back(), kTextNoDevice);
    EXPECT_EQ(calls.list.size(), 1u);
}

TEST_F(DeviceWorkerTest, IdlePollingOnlyWithADeviceAndAFailedReReadQueuesOneReconnect) {
    worker->Run();
    EXPECT_EQ(calls.list, std::vector<std::string>{"poll p1 m101"});
    calls.wantReconnect = true;
    worker->Run();
    std::vector<DeviceTask> waiting = worker->Tasks().Waiting();
    ASSERT_EQ(waiting.size(), 1u);
    EXPECT_EQ(waiting[0].number, kTaskReconnectArrival);
    worker->Run();
    EXPECT_EQ(calls.list.back(), "read p1 m101");

    sim::Unplug("f1");
    tracker->Refresh();
    calls.list.clear();
    worker->Run();
    EXPECT_TRUE(calls.list.empty()) << "no poll without a device";
}

// While an updater rewrites the firmware nothing may talk to the mouse: no poll, no
// task; what was queued meanwhile runs after the resume.
TEST_F(DeviceWorkerTest, APausedWorkerNeitherPollsNorRunsTasks) {
    worker->SetPaused(true);
    worker->Queue({kTaskDpi});
    worker->Run();
    worker->Run();
    EXPECT_TRUE(calls.list.empty());
    EXPECT_EQ(worker->Tasks().Waiting().size(), 1u);
    worker->SetPaused(false);
    worker->Run();
    worker->Run();
    EXPECT_EQ(calls.list, (std::vector<std::string>{"dpi p1 m101", "poll p1 m101"}));
}

TEST_F(DeviceWorkerTest, AModelChangeIsCarriedOutByTheWorkerAndAlwaysEndsTheBusyState) {
    worker->Queue({kTaskDpi});
    worker->Queue({kTaskModelChange, 0, -1, 0, -1, kArvoR3});
    EXPECT_EQ(worker->Tasks().Waiting().size(), 1u) << "the old model's DPI task is dropped";
    RunAll();
    EXPECT_EQ(sink.opened, std::vector<int>{kArvoR3});
    EXPECT_EQ(tracker->CurrentType(), kArvoR3);
    EXPECT_EQ(listener.finished, std::vector<bool>{false}) << "nothing of the R3 is plugged in";

    sim::Plug(MakeDevice("r3", sim::Family::kOutput, sim::Kind::kWired, 0x5B01));
    calls.failReads = true;
    worker->Queue({kTaskModelChange, 0, -1, 0, -1, kArvoR3});
    RunAll();
    EXPECT_EQ(listener.finished, (std::vector<bool>{false, false}));
    EXPECT_EQ(calls.list.back(), "read p1 m310");
    calls.failReads = false;
    worker->Queue({kTaskModelChange, 0, -1, 0, -1, kArvoF1, 9});
    RunAll();
    EXPECT_EQ(listener.finished, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(calls.dialectsMade, (std::vector<int>{kArvoR3, kArvoF1}));
    using Change = std::pair<unsigned, bool>;
    EXPECT_EQ(listener.changes, (std::vector<Change>{{0, false}, {0, false}, {9, true}}))
        << "each change tells its own generation, once";
}

// The program starts on the model it last used when that one is plugged in, else on
// the first one that is; either way the model's store is opened by the first read.
TEST_F(DeviceWorkerTest, TheFirstReadChoosesAPluggedInModelAndOpensItsStore) {
    struct Case {
        const char* name;
        int preferred;
        int started;
        std::vector<int> told;
    };
    const Case cases[] = {
        {"the preferred model is plugged in", kArvoF1, kArvoF1, {}},
        {"the preferred model is not", kArvoR3, kArvoF1, {kArvoF1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sink.opened.clear();
        listener.selected.clear();
        tracker->SetCurrentType(c.preferred);
        DeviceWorker::Hooks hooks;
        hooks.makeDialect = [this](HidDeviceManager&, int type) { return std::make_unique<RecordingDialect>(calls, type); };
        worker = std::make_unique<DeviceWorker>(*manager, *tracker, store, listener, hooks, resolution);
        worker->Queue({kTaskFirstRead});
        RunAll();
        EXPECT_EQ(tracker->CurrentType(), c.started);
        EXPECT_EQ(sink.opened, std::vector<int>{c.started});
        EXPECT_EQ(listener.selected, c.told);
        EXPECT_TRUE(worker->FirstReadDone());
    }
}

// The system timer is made fine only around transfers: a task or a poll raises it once
// and gives it back; an iteration with no task and no mouse leaves it alone.
TEST_F(DeviceWorkerTest, OnlyIterationsThatTalkToTheMouseRaiseTheTimerResolution) {
    worker->Queue({kTaskDpi});
    worker->Run();  // the task
    worker->Run();  // a poll
    sim::Unplug("f1");
    tracker->Refresh();
    for (int i = 0; i < 3; ++i) worker->Run();  // nothing to do
    EXPECT_EQ(resolution.raised.load(), 2);
    EXPECT_EQ(resolution.released.load(), 2);
}

// Stop interrupts a task that waits on the real clock, and joins the thread.
TEST_F(DeviceWorkerTest, StopInterruptsALongTaskAndJoins) {
    Clock::Install(nullptr);  // real time: the wait below would take a minute
    calls.longWaitMs = 60000;
    worker->Queue({kTaskDpi});
    worker->Start();
    while (!calls.waiting) std::this_thread::yield();
    worker->Stop();
    EXPECT_FALSE(worker->Running());
    EXPECT_TRUE(calls.waitInterrupted);
    EXPECT_GT(resolution.raised.load(), 0);
    EXPECT_EQ(resolution.raised.load(), resolution.released.load());
    Clock::Install(&clock);
}

// A thread asked to stop starts no transfer, so a real sequence fails through at once.
TEST_F(DeviceWorkerTest, AStoppingThreadMovesNoReports) {
    StopSignal stop;
    DeviceStatus status;
    std::unique_ptr<DeviceDialect> dialect = MakeDialect(*manager, kArvoF1);
    {
        StopSignalBinding heed(stop);
        stop.Raise();
        sim::ClearLog();
        EXPECT_FALSE(dialect->ReadStatus(status));
        EXPECT_TRUE(sim::Log().empty());
    }
    EXPECT_TRUE(dialect->ReadStatus(status)) << "another thread's stop does not concern this one";
}

}  // namespace
