#pragma once
// A Bluetooth LE stack for tests: interfaces with their paths, one Battery Service
// behind each with its characteristics and values, and value changes delivered on a
// thread of its own, as the system's stack delivers them. It remembers what was opened,
// closed, subscribed and unsubscribed, and on which thread.
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "GattLayer.h"

struct FakeCharacteristic {
    bool readable = false;
    bool notifiable = false;
    std::vector<std::uint8_t> value;
};

class FakeGattLayer : public GattLayer {
public:
    // Paths as the system lists them, in order; every one opens unless listed as locked.
    std::vector<CString> paths;
    std::set<std::wstring> locked;
    std::vector<FakeCharacteristic> characteristics{{true, true, {0x4B}}};
    bool listingFails = false;

    std::vector<CString> BatteryServicePaths() override {
        std::lock_guard<std::mutex> guard(m_lock);
        m_enumeratedOn.push_back(std::this_thread::get_id());
        return paths;
    }
    GattServiceHandle Open(const CString& path) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (locked.count(path.str())) return 0;
        const GattServiceHandle handle = ++m_nextHandle;
        m_open[handle] = path;
        opened.push_back(path);
        return handle;
    }
    void Close(GattServiceHandle service) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_open.erase(service) == 0) ++badCloses;
    }
    bool Characteristics(GattServiceHandle service, std::vector<GattCharacteristicInfo>& found) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_open.count(service) || listingFails) return false;
        for (size_t i = 0; i < characteristics.size(); ++i) {
            found.push_back({static_cast<int>(i), characteristics[i].readable, characteristics[i].notifiable});
        }
        return true;
    }
    bool ReadValue(GattServiceHandle service, int characteristic, std::vector<std::uint8_t>& value) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_open.count(service) || !characteristics.at(characteristic).readable) return false;
        value = characteristics.at(characteristic).value;
        return true;
    }
    GattRegistration Subscribe(GattServiceHandle service, int characteristic, GattValueCallback callback) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_open.count(service) || !characteristics.at(characteristic).notifiable) return 0;
        const GattRegistration registration = ++m_nextRegistration;
        m_subscribed[registration] = std::move(callback);
        return registration;
    }
    void Unsubscribe(GattRegistration registration) override {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_subscribed.erase(registration) == 0) ++badCloses;
    }

    // A value change, delivered to every live registration from a thread of the stack;
    // returns once they have run.
    void Change(std::vector<std::uint8_t> value) {
        std::thread stack([this, value] {
            std::map<GattRegistration, GattValueCallback> live;
            {
                std::lock_guard<std::mutex> guard(m_lock);
                live = m_subscribed;
            }
            for (auto& [id, callback] : live) callback(value);
        });
        stack.join();
    }
    // A change the stack had already picked up for `callbacks` before they were removed.
    static void Late(const std::vector<GattValueCallback>& callbacks, std::vector<std::uint8_t> value) {
        std::thread stack([&] {
            for (const auto& callback : callbacks) callback(value);
        });
        stack.join();
    }
    std::vector<GattValueCallback> LiveCallbacks() {
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<GattValueCallback> callbacks;
        for (auto& [id, callback] : m_subscribed) callbacks.push_back(callback);
        return callbacks;
    }

    size_t OpenHandles() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_open.size();
    }
    size_t Subscriptions() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_subscribed.size();
    }
    std::vector<CString> OpenPaths() {
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<CString> open;
        for (auto& [handle, path] : m_open) open.push_back(path);
        return open;
    }
    std::vector<std::thread::id> EnumeratedOn() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_enumeratedOn;
    }

    std::vector<CString> opened;  // every successful Open, in order
    int badCloses = 0;            // closes and unsubscriptions of what was not open

private:
    std::mutex m_lock;
    GattServiceHandle m_nextHandle = 0;
    GattRegistration m_nextRegistration = 0;
    std::map<GattServiceHandle, CString> m_open;
    std::map<GattRegistration, GattValueCallback> m_subscribed;
    std::vector<std::thread::id> m_enumeratedOn;
};

// A Battery Service interface path as the system writes it for a device of these ids.
inline CString BatteryPath(const wchar_t* vid, const wchar_t* pid, const wchar_t* instance = L"c0ffee") {
    return CString(L"\\\\?\\bthledevice#{0000180f-0000-1000-8000-00805f9b34fb}_dev_vid&02") + vid + L"_pid&" + pid +
           L"_rev&0001_" + instance + L"#8&1a2b3c&0&0010#{0000180f-0000-1000-8000-00805f9b34fb}";
}
