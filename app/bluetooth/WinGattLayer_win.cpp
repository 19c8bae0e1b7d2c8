#include "WinGattLayer.h"

#include <windows.h>
#include <objbase.h>
#include <setupapi.h>

#include <cstddef>
#include <map>
#include <mutex>

// ---- the stack's types, as the platform documents them (no mingw header has them) ----

namespace {

struct BTH_LE_UUID {
    BOOLEAN IsShortUuid;
    union {
        USHORT ShortUuid;
        GUID LongUuid;
    } Value;
};

struct BTH_LE_GATT_SERVICE {
    BTH_LE_UUID ServiceUuid;
    USHORT AttributeHandle;
};

struct BTH_LE_GATT_CHARACTERISTIC {
    USHORT ServiceHandle;
    BTH_LE_UUID CharacteristicUuid;
    USHORT AttributeHandle;
    USHORT CharacteristicValueHandle;
    BOOLEAN IsBroadcastable;
    BOOLEAN IsReadable;
    BOOLEAN IsWritable;
    BOOLEAN IsWritableWithoutResponse;
    BOOLEAN IsSignedWritable;
    BOOLEAN IsNotifiable;
    BOOLEAN IsIndicatable;
    BOOLEAN HasExtendedProperties;
};

struct BTH_LE_GATT_CHARACTERISTIC_VALUE {
    ULONG DataSize;
    UCHAR Data[1];
};

enum BTH_LE_GATT_EVENT_TYPE { CharacteristicValueChangedEvent = 0 };

struct BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION {
    USHORT NumCharacteristics;
    BTH_LE_GATT_CHARACTERISTIC Characteristics[1];
};

struct BLUETOOTH_GATT_VALUE_CHANGED_EVENT {
    USHORT ChangedAttributeHandle;
    size_t CharacteristicValueDataSize;
    BTH_LE_GATT_CHARACTERISTIC_VALUE* CharacteristicValue;
};

using BLUETOOTH_GATT_EVENT_HANDLE = HANDLE;
using GattEventCallback = void(CALLBACK*)(BTH_LE_GATT_EVENT_TYPE, PVOID eventOut, PVOID context);

using GetServicesFn = HRESULT(WINAPI*)(HANDLE, USHORT, BTH_LE_GATT_SERVICE*, USHORT*, ULONG);
using GetCharacteristicsFn = HRESULT(WINAPI*)(HANDLE, BTH_LE_GATT_SERVICE*, USHORT, BTH_LE_GATT_CHARACTERISTIC*,
                                              USHORT*, ULONG);
using GetCharacteristicValueFn = HRESULT(WINAPI*)(HANDLE, BTH_LE_GATT_CHARACTERISTIC*, ULONG,
                                                  BTH_LE_GATT_CHARACTERISTIC_VALUE*, USHORT*, ULONG);
using RegisterEventFn = HRESULT(WINAPI*)(HANDLE, BTH_LE_GATT_EVENT_TYPE, PVOID, GattEventCallback, PVOID,
                                         BLUETOOTH_GATT_EVENT_HANDLE*, ULONG);
using UnregisterEventFn = HRESULT(WINAPI*)(BLUETOOTH_GATT_EVENT_HANDLE, ULONG);

// ERROR_MORE_DATA as a result code: the answer to a size question.
constexpr HRESULT kMoreData = HRESULT_FROM_WIN32(ERROR_MORE_DATA);
constexpr ULONG kNoFlags = 0;
const wchar_t* const kBatteryServiceClass = L"{0000180F-0000-1000-8000-00805F9B34FB}";

template <class Fn>
bool Resolve(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return fn != nullptr;
}

}  // namespace

struct WinGattLayer::Api {
    HMODULE module = nullptr;
    GetServicesFn getServices = nullptr;
    GetCharacteristicsFn getCharacteristics = nullptr;
    GetCharacteristicValueFn getValue = nullptr;
    RegisterEventFn registerEvent = nullptr;
    UnregisterEventFn unregisterEvent = nullptr;
    bool ready = false;

    std::mutex lock;
    std::map<GattServiceHandle, std::unique_ptr<ServiceFile>> services;
    std::map<GattRegistration, std::unique_ptr<Subscription>> subscriptions;
};

// An open service interface with the characteristics last listed for it.
struct WinGattLayer::ServiceFile {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::vector<BTH_LE_GATT_CHARACTERISTIC> characteristics;
};

// What a registration's callback reaches: freed only after the stack let go of it.
struct WinGattLayer::Subscription {
    BLUETOOTH_GATT_EVENT_HANDLE event = nullptr;
    GattValueCallback callback;

    static void CALLBACK OnValueChanged(BTH_LE_GATT_EVENT_TYPE type, PVOID eventOut, PVOID context) {
        auto* self = static_cast<Subscription*>(context);
        auto* changed = static_cast<BLUETOOTH_GATT_VALUE_CHANGED_EVENT*>(eventOut);
        if (type != CharacteristicValueChangedEvent || !self || !changed || !changed->CharacteristicValue) return;
        const BTH_LE_GATT_CHARACTERISTIC_VALUE* value = changed->CharacteristicValue;
        if (value->DataSize == 0) return;
        self->callback(std::span<const std::uint8_t>(value->Data, value->DataSize));
    }
};

WinGattLayer::WinGattLayer() : m_api(std::make_unique<Api>()) {
    Api& api = *m_api;
    api.module = LoadLibraryW(L"BluetoothApis.dll");
    if (!api.module) return;
    api.ready = Resolve(api.module, "BluetoothGATTGetServices", api.getServices) &&
                Resolve(api.module, "BluetoothGATTGetCharacteristics", api.getCharacteristics) &&
                Resolve(api.module, "BluetoothGATTGetCharacteristicValue", api.getValue) &&
                Resolve(api.module, "BluetoothGATTRegisterEvent", api.registerEvent) &&
                Resolve(api.module, "BluetoothGATTUnregisterEvent", api.unregisterEvent);
}

WinGattLayer::~WinGattLayer() {
    std::vector<GattRegistration> registrations;
    std::vector<GattServiceHandle> services;
    {
        std::lock_guard<std::mutex> guard(m_api->lock);
        for (const auto& [id, subscription] : m_api->subscriptions) registrations.push_back(id);
        for (const auto& [id, service] : m_api->services) services.push_back(id);
    }
    for (GattRegistration registration : registrations) Unsubscribe(registration);
    for (GattServiceHandle service : services) Close(service);
    if (m_api->module) FreeLibrary(m_api->module);
}

bool WinGattLayer::Available() const { return m_api->ready; }

WinGattLayer::ServiceFile* WinGattLayer::Find(GattServiceHandle id) {
    std::lock_guard<std::mutex> guard(m_api->lock);
    auto entry = m_api->services.find(id);
    return entry == m_api->services.end() ? nullptr : entry->second.get();
}

std::vector<CString> WinGattLayer::BatteryServicePaths() {
    std::vector<CString> paths;
    if (!m_api->ready) return paths;
    CLSID serviceClass{};
    if (FAILED(CLSIDFromString(kBatteryServiceClass, &serviceClass))) return paths;
    HDEVINFO list = SetupDiGetClassDevsW(&serviceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (list == INVALID_HANDLE_VALUE) return paths;
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA item{};
        item.cbSize = sizeof item;
        if (!SetupDiEnumDeviceInterfaces(list, nullptr, &serviceClass, index, &item)) break;
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(list, &item, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) break;
        std::vector<std::uint8_t> buffer(size, 0);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(list, &item, detail, size, nullptr, nullptr)) break;
        paths.emplace_back(detail->DevicePath);
    }
    SetupDiDestroyDeviceInfoList(list);
    return paths;
}

GattServiceHandle WinGattLayer::Open(const CString& path) {
    if (!m_api->ready) return 0;
    HANDLE file = CreateFileW(path.GetString(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    auto service = std::make_unique<ServiceFile>();
    service->file = file;
    const auto id = reinterpret_cast<GattServiceHandle>(service.get());
    std::lock_guard<std::mutex> guard(m_api->lock);
    m_api->services[id] = std::move(service);
    return id;
}

void WinGattLayer::Close(GattServiceHandle id) {
    std::unique_ptr<ServiceFile> service;
    {
        std::lock_guard<std::mutex> guard(m_api->lock);
        auto found = m_api->services.find(id);
        if (found == m_api->services.end()) return;
        service = std::move(found->second);
        m_api->services.erase(found);
    }
    CloseHandle(service->file);
}

bool WinGattLayer::Characteristics(GattServiceHandle id, std::vector<GattCharacteristicInfo>& found) {
    found.clear();
    ServiceFile* service = Find(id);
    if (!service || !m_api->ready) return false;
    USHORT count = 0;
    if (m_api->getServices(service->file, 0, nullptr, &count, kNoFlags) != kMoreData || count == 0) return false;
    std::vector<BTH_LE_GATT_SERVICE> services(count);
    if (FAILED(m_api->getServices(service->file, count, services.data(), &count, kNoFlags))) return false;
    USHORT characteristicCount = 0;
    if (m_api->getCharacteristics(service->file, &services[0], 0, nullptr, &characteristicCount, kNoFlags) !=
            kMoreData ||
        characteristicCount == 0) {
        return false;
    }
    service->characteristics.assign(characteristicCount, BTH_LE_GATT_CHARACTERISTIC{});
    if (FAILED(m_api->getCharacteristics(service->file, &services[0], characteristicCount,
                                         service->characteristics.data(), &characteristicCount, kNoFlags))) {
        service->characteristics.clear();
        return false;
    }
    service->characteristics.resize(characteristicCount);
    for (size_t i = 0; i < service->characteristics.size(); ++i) {
        const BTH_LE_GATT_CHARACTERISTIC& c = service->characteristics[i];
        found.push_back({static_cast<int>(i), c.IsReadable != FALSE, c.IsNotifiable != FALSE});
    }
    return true;
}

bool WinGattLayer::ReadValue(GattServiceHandle id, int characteristic, std::vector<std::uint8_t>& value) {
    value.clear();
    ServiceFile* service = Find(id);
    if (!service || characteristic < 0 || characteristic >= static_cast<int>(service->characteristics.size())) {
        return false;
    }
    BTH_LE_GATT_CHARACTERISTIC* c = &service->characteristics[characteristic];
    USHORT size = 0;
    if (m_api->getValue(service->file, c, 0, nullptr, &size, kNoFlags) != kMoreData) return false;
    if (size < sizeof(ULONG)) return true;
    std::vector<std::uint8_t> buffer(size, 0);
    auto* read = reinterpret_cast<BTH_LE_GATT_CHARACTERISTIC_VALUE*>(buffer.data());
    if (FAILED(m_api->getValue(service->file, c, size, read, nullptr, kNoFlags))) return false;
    // Never trust the size the value claims beyond the buffer it was read into.
    const ULONG room = static_cast<ULONG>(size - offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data));
    const ULONG bytes = read->DataSize < room ? read->DataSize : room;
    value.assign(read->Data, read->Data + bytes);
    return true;
}

GattRegistration WinGattLayer::Subscribe(GattServiceHandle id, int characteristic, GattValueCallback callback) {
    ServiceFile* service = Find(id);
    if (!service || characteristic < 0 || characteristic >= static_cast<int>(service->characteristics.size())) {
        return 0;
    }
    BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION wanted{};
    wanted.NumCharacteristics = 1;
    wanted.Characteristics[0] = service->characteristics[characteristic];
    auto subscription = std::make_unique<Subscription>();
    subscription->callback = std::move(callback);
    if (FAILED(m_api->registerEvent(service->file, CharacteristicValueChangedEvent, &wanted,
                                    &Subscription::OnValueChanged, subscription.get(), &subscription->event,
                                    kNoFlags))) {
        return 0;
    }
    const auto registration = reinterpret_cast<GattRegistration>(subscription.get());
    std::lock_guard<std::mutex> guard(m_api->lock);
    m_api->subscriptions[registration] = std::move(subscription);
    return registration;
}

void WinGattLayer::Unsubscribe(GattRegistration registration) {
    std::unique_ptr<Subscription> subscription;
    {
        std::lock_guard<std::mutex> guard(m_api->lock);
        auto found = m_api->subscriptions.find(registration);
        if (found == m_api->subscriptions.end()) return;
        subscription = std::move(found->second);
        m_api->subscriptions.erase(found);
    }
    m_api->unregisterEvent(subscription->event, kNoFlags);
}
