#pragma once
// The system's Bluetooth LE GATT functions, loaded when first needed: the program must
// start on systems without them, so nothing of BluetoothApis.dll is imported. Device
// interfaces are listed through SetupAPI. Without the library every call reports
// nothing found.
#include <memory>

#include "GattLayer.h"

class WinGattLayer : public GattLayer {
public:
    WinGattLayer();
    ~WinGattLayer() override;

    std::vector<CString> BatteryServicePaths() override;
    GattServiceHandle Open(const CString& path) override;
    void Close(GattServiceHandle service) override;
    bool Characteristics(GattServiceHandle service, std::vector<GattCharacteristicInfo>& found) override;
    bool ReadValue(GattServiceHandle service, int characteristic, std::vector<std::uint8_t>& value) override;
    GattRegistration Subscribe(GattServiceHandle service, int characteristic, GattValueCallback callback) override;
    void Unsubscribe(GattRegistration registration) override;

    // Whether the stack's library and its functions were found.
    bool Available() const;

private:
    struct Api;
    struct ServiceFile;
    struct Subscription;
    ServiceFile* Find(GattServiceHandle id);
    std::unique_ptr<Api> m_api;
};
