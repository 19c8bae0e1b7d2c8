#include "DeviceStack.h"

#include <filesystem>
#include <system_error>

#include "DebugTrace.h"
#include "File.h"
#include "FirmwareVersionCheck.h"
#include "Preferences.h"
#include "Utf.h"

#ifdef _WIN32
#include <hidapi.h>
#endif

namespace {

// The stores live in <data folder>/db; start-up makes it, but a folder removed since
// must not cost the user their settings of this run.
void MakeStoreFolder(const CString& dataFolder) {
    CString folder = file::Join(dataFolder, L"db");
#ifdef _WIN32
    std::filesystem::path path(folder.str());
#else
    std::filesystem::path path(utf::WideToUtf8(folder.str()));
#endif
    std::error_code ignored;
    std::filesystem::create_directories(path, ignored);
}

}  // namespace

DeviceStack::DeviceStack(DeviceStackFolders folders, Registry& registry, DeviceEventListener& listener,
                         const ProfileNaming* naming)
    : m_folders(std::move(folders)), m_registry(registry), m_sink(*this) {
#ifdef _WIN32
    m_manager.SetDescriptorReader(&hid_get_report_descriptor);
#endif
    m_store.SetProfileNaming(naming);
    m_tracker = std::make_unique<ConnectionTracker>(m_manager, m_catalogue, listener, m_sink);
    DeviceWorkerHooks hooks;
    hooks.hasLighting = [this](int deviceType) { return HasLighting(deviceType); };
    hooks.versionCheck = [this](DeviceDialect& dialect, DeviceSession& session) { CheckVersions(dialect, session); };
    m_worker = std::make_unique<DeviceWorker>(m_manager, *m_tracker, m_store, listener, hooks);
}

DeviceStack::~DeviceStack() { Stop(); }

bool DeviceStack::LoadCatalogue() { return m_catalogue.LoadConfig(m_folders.program) && !m_catalogue.Models().empty(); }

int DeviceStack::PreferredModel() { return m_catalogue.ChooseModel(Preferences(m_registry).ReadDeviceType()); }

ModelDescription DeviceStack::Describe(int deviceType) const {
    ModelDescription description;
    m_catalogue.LoadDescription(m_folders.program, deviceType, description);
    return description;
}

bool DeviceStack::HasLighting(int deviceType) const { return Describe(deviceType).light; }

// On the worker's thread, in the dialect of the model the worker reads.
void DeviceStack::CheckVersions(DeviceDialect& dialect, DeviceSession& session) {
    const ModelDescription model = Describe(session.deviceType);
    const ShippedFirmware shipped{model.mouse_firmware, model.dongle_firmware};
    const FirmwareVersions versions = CheckFirmware(dialect, m_manager.ConnectMode(), shipped);
    if (session.listener) session.listener->OnFirmwareVersions(versions);
}

void DeviceStack::Start(int deviceType) {
    if (m_worker->Running()) return;
    m_tracker->SetCurrentType(deviceType);
    m_worker->Queue(DeviceTask{kTaskFirstRead});
    m_worker->Start(kPollPeriodMs, true);
}

void DeviceStack::Stop() {
    m_worker->Stop();
    m_store.CloseIfOpen();
}

void DeviceStack::ModelSink::OpenModelDatabase(int deviceType) {
    SettingsDatabase& store = m_stack.m_store;
    CString attr = m_stack.m_catalogue.DeviceAttrOf(deviceType);
    store.CloseIfOpen();
    store.SetDeviceType(deviceType);
    store.SetHasLighting(m_stack.HasLighting(deviceType));
    MakeStoreFolder(m_stack.m_folders.data);
    if (attr.IsEmpty() || !store.OpenForDevice(m_stack.m_folders.data, attr) || store.EnsureProfiles() <= 0) {
        DebugTrace("the settings store of model %d cannot be opened", deviceType);
        return;
    }
    m_stack.m_worker->SetCurrentProfile(store.GetActiveProfile());
}

void DeviceStack::ModelSink::SetStoreDeviceType(int deviceType) { m_stack.m_store.SetDeviceType(deviceType); }

void DeviceStack::ModelSink::WriteDeviceType(int deviceType) { Preferences(m_stack.m_registry).WriteDeviceType(deviceType); }
