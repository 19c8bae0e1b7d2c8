#pragma once
// What every command that talks to a mouse needs before its first packet: the
// model and its active interface, the model's settings store, the dialect and a
// session on them, and the profile the command works on. A command opens one,
// checks Open's exit code, and then runs device tasks on it.
#include <memory>

#include "CommandTable.h"
#include "ConnectionTracker.h"
#include "DeviceDialect.h"
#include "DeviceSession.h"
#include "DeviceWorker.h"
#include "SettingsDatabase.h"

// The console stands in for the main window: it keeps the last connection text
// and battery, and, when asked, prints every event as it comes (watch).
class ConsoleEvents : public DeviceEventListener {
public:
    void OnStatusText(int textId) override;
    void OnBattery(int level, int state) override;
    void OnPagesEnabled(bool enabled) override;
    void OnReloadPage(DevicePage page) override;
    void OnModelReadFinished(bool ok) override;
    void OnCurrentProfileChanged(int profile) override;

    bool printEvents = false;
    int statusText = 0;
    int battery = -1;
    int batteryState = kBatteryCleared;
    bool pagesEnabled = false;
};

class DeviceCommand {
public:
    explicit DeviceCommand(CommandContext& context) : m_context(context) {}
    ~DeviceCommand();
    DeviceCommand(const DeviceCommand&) = delete;
    DeviceCommand& operator=(const DeviceCommand&) = delete;

    // Finds the model and its connection, opens its store and makes the session.
    // With `needMouse` the mouse must be reachable (cable or awake behind its
    // receiver). Returns kExitOk, or the exit code for what failed, with the
    // reason already printed to stderr.
    int Open(bool needMouse = true);
    // Opens only the model's store (commands that change stored values without a
    // mouse). The model is the one given with --model, else the one plugged in,
    // else the catalogue's first.
    int OpenStoreOnly();

    int DeviceType() const { return m_session.deviceType; }
    // The profile the command works on: --profile, else the mouse's current one
    // (the store's active profile, or what a read of the mouse found).
    int Profile() const;
    // Whether the command's profile is the mouse's current one. Commands without
    // a profile number change the mouse's current profile, so values for
    // another one are only stored; StoredOnly says so and is the command's result.
    bool ProfileIsCurrent() const { return Profile() == m_session.currentProfile; }
    int StoredOnly() const;
    SettingsDatabase& Store() { return m_store; }
    DeviceSession& Session() { return m_session; }
    DeviceDialect& Dialect() { return *m_dialect; }
    ConsoleEvents& Events() { return m_events; }
    const CommandContext& Context() const { return m_context; }

    // A device task that failed is a mouse that did not answer (exit 5); prints why.
    int TaskResult(bool ok, const char* what) const;

    // Runs device tasks the way the program does, through the device worker's
    // task table, one after the other on this thread (after Open). On a terminal
    // a progress line shows the task running. True when every task succeeded.
    bool RunTasks(const std::vector<DeviceTask>& tasks);

private:
    // mirevoctl chooses the model itself; the program's preference is never written.
    class NoModelSwitch : public ModelSwitchSink {
    public:
        void OpenModelDatabase(int) override {}
        void SetStoreDeviceType(int) override {}
        void WriteDeviceType(int) override {}
    };

    int OpenStore(int deviceType);

    CommandContext& m_context;
    SettingsDatabase m_store;
    ConsoleEvents m_events;
    NoModelSwitch m_sink;
    std::unique_ptr<ConnectionTracker> m_tracker;
    DeviceSession m_session;
    std::unique_ptr<DeviceDialect> m_dialect;
};
