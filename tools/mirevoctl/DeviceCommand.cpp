#include "DeviceCommand.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "File.h"
#include "Report.h"
#include "Utf.h"

namespace {

const char* PageName(DevicePage page) {
    switch (page) {
    case DevicePage::kKeys: return "keys";
    case DevicePage::kPerformance: return "performance";
    case DevicePage::kMacros: return "macros";
    case DevicePage::kLighting: return "lighting";
    }
    return "unknown";
}

std::string Narrow(const CString& text) { return utf::WideToUtf8(text.str()); }

// The stores live in <data folder>/db, made on first use as the program's start-up makes it.
void MakeStoreFolder(const CString& dataFolder) {
    CString folder = file::Join(dataFolder, L"db");
#ifdef _WIN32
    std::filesystem::path path(folder.str());
#else
    std::filesystem::path path(Narrow(folder));
#endif
    std::error_code ignored;  // a folder that cannot be made shows as a store that cannot be opened
    std::filesystem::create_directories(path, ignored);
}

}  // namespace

void ConsoleEvents::OnStatusText(int textId) {
    statusText = textId;
    if (printEvents) std::printf("event: connection text %d\n", textId);
}

void ConsoleEvents::OnBattery(int level, int state) {
    battery = level;
    batteryState = state;
    if (printEvents) std::printf("event: battery %d state %d\n", level, state);
}

void ConsoleEvents::OnPagesEnabled(bool enabled) {
    pagesEnabled = enabled;
    if (printEvents) std::printf("event: pages %s\n", enabled ? "enabled" : "disabled");
}

void ConsoleEvents::OnReloadPage(DevicePage page) {
    if (printEvents) std::printf("event: reload %s page\n", PageName(page));
}

void ConsoleEvents::OnModelReadFinished(bool ok) {
    if (printEvents) std::printf("event: model read %s\n", ok ? "finished" : "failed");
}

void ConsoleEvents::OnCurrentProfileChanged(int profile) {
    if (printEvents) std::printf("event: profile %d is current\n", profile);
}

DeviceCommand::~DeviceCommand() { m_store.CloseIfOpen(); }

int DeviceCommand::OpenStore(int deviceType) {
    const DeviceCatalogue& catalogue = m_context.catalogue;
    CString attr = catalogue.DeviceAttrOf(deviceType);
    ModelDescription description;
    bool hasLighting = catalogue.LoadDescription(m_context.configFolder, deviceType, description) && description.light;
    m_store.SetDeviceType(deviceType);
    m_store.SetHasLighting(hasLighting);
    MakeStoreFolder(m_context.dataFolder);
    if (attr.IsEmpty() || !m_store.OpenForDevice(m_context.dataFolder, attr)) {
        ReportError("cannot open the settings store %s\n",
                     Narrow(SettingsDatabase::DatabasePath(m_context.dataFolder, attr)).c_str());
        return kExitStore;
    }
    if (m_store.EnsureProfiles() <= 0) {
        ReportError("the settings store has no profiles and cannot make them\n");
        return kExitStore;
    }
    m_session.store = &m_store;
    m_session.listener = &m_events;
    m_session.deviceType = deviceType;
    m_session.hasLighting = hasLighting;
    int active = m_store.GetActiveProfile();
    m_session.currentProfile.Change(active);
    return kExitOk;
}

int DeviceCommand::Profile() const {
    return m_context.options.profile ? m_context.options.profile : static_cast<int>(m_session.currentProfile);
}

int DeviceCommand::StoredOnly() const {
    int profile = Profile();
    switch (m_context.options.format) {
    case OutputFormat::kText: std::printf("stored for profile %d; sent when it is applied\n", profile); break;
    case OutputFormat::kJson: std::printf("{\"profile\": %d, \"sent\": false}\n", profile); break;
    case OutputFormat::kKeyValue: std::printf("profile=%d\nsent=false\n", profile); break;
    }
    return kExitOk;
}

int DeviceCommand::OpenStoreOnly() {
    const Options& options = m_context.options;
    int deviceType = options.model ? options.model : m_context.catalogue.ChooseModel(0);
    if (!options.model) {
        // The model plugged in, when there is one, as the program would pick it.
        ConnectionTracker tracker(m_context.manager, m_context.catalogue, m_events, m_sink);
        tracker.SetCurrentType(deviceType);
        deviceType = tracker.GetConnectDeviceInfo();
    }
    return OpenStore(deviceType);
}

int DeviceCommand::Open(bool needMouse) {
    const Options& options = m_context.options;
    m_tracker = std::make_unique<ConnectionTracker>(m_context.manager, m_context.catalogue, m_events, m_sink);
    ConnectionTracker& tracker = *m_tracker;
    tracker.SetCurrentType(options.model ? options.model : m_context.catalogue.ChooseModel(0));
    int deviceType = tracker.GetConnectDeviceInfo();
    tracker.Refresh();
    if (!tracker.DevicePresent()) {
        ReportError("no mouse of model %d is plugged in\n", deviceType);
        return kExitNoDevice;
    }
    HidDeviceEntry active;
    if (needMouse && (!tracker.Connected() || !m_context.manager.ActiveInterface(&active))) {
        ReportError("the mouse cannot be reached (asleep, out of reach, or only over Bluetooth)\n");
        return kExitNotConnected;
    }
    int code = OpenStore(deviceType);
    if (code != kExitOk) return code;
    m_dialect = MakeDialect(m_context.manager, deviceType);
    return kExitOk;
}

int DeviceCommand::TaskResult(bool ok, const char* what) const {
    if (ok) return kExitOk;
    ReportError("%s: the mouse did not answer as it should\n", what);
    return kExitNoAnswer;
}

bool DeviceCommand::RunTasks(const std::vector<DeviceTask>& tasks) {
    if (!m_tracker || !m_session.store) return false;
    DeviceWorkerHooks hooks;
    bool lighting = m_session.hasLighting;
    hooks.hasLighting = [lighting](int) { return lighting; };
    DeviceWorker worker(m_context.manager, *m_tracker, m_store, m_events, hooks);
    worker.SetCurrentProfile(m_session.currentProfile);
    bool terminal = isatty(fileno(stderr)) != 0;
    bool ok = true;
    // The worker traces a failed task; the tally here tells the user.
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        if (terminal) std::fprintf(stderr, "\rdevice task %d (%zu of %zu)...", tasks[i].number, i + 1, tasks.size());
        worker.Queue(tasks[i]);
        ok = worker.RunQueued() && ok;
    }
    if (terminal) std::fprintf(stderr, "\r%*s\r", 40, "");
    return ok;
}
