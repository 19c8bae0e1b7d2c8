#pragma once
// The catalogue of supported models (config.xml) and the description of one model
// (device/<device_attr>.xml), read into plain data. Placing controls on the main
// window from this data is the main window's business, not this class's.
#include <vector>

#include "CString.h"
#include "DeviceModeEntry.h"
#include "Geometry.h"
#include "KeyAssignment.h"

struct AppInformation {
    CString caption;
    CString version;
    CString website;    // <website url>
    CString store;      // <store url>
    CString upgrade;    // <upgrade url>
    CString copyright;  // <copyright info>
};

// One physical button of the model: what the mouse picture and the button list show.
struct ButtonLayoutItem {
    int name_id = 0;       // text id of the button's label
    int key_value = 0;     // button index
    int direction = 0;     // side of the picture the label is drawn on
    CPoint leader_from;    // (a, c) of rect "a#b#c"
    CPoint leader_to;      // (b, c)
    int func_desc_id = 0;  // text id of the factory function's label
};

struct ModelDescription {
    // Relative to the program folder, with the platform's separator: device\<name>.
    // Empty when the file names none, or a name that would leave the device folder.
    CString home_img;
    CString mouse_img;
    bool light = false;
    CString mouse_firmware;
    CString dongle_firmware;
    std::vector<ButtonLayoutItem> buttons;
    std::vector<KeyAssignment> factory_keys;  // one default record per button
};

class DeviceCatalogue {
public:
    // Reads <appFolder>/config.xml. Clears everything first; false when the file is
    // missing or malformed (the lists then stay empty).
    bool LoadConfig(const CString& appFolder);

    const std::vector<DeviceModeEntry>& Models() const { return m_models; }  // one per <mouse>
    const std::vector<DeviceModeEntry>& Modes() const { return m_modes; }    // one per <mode>
    std::vector<DeviceModeEntry> ModesOf(int deviceType) const;
    const AppInformation& AppInfo() const { return m_app; }

    // The model chosen at start-up: the first model, or the one whose device_type
    // equals the registry's DeviceType; 0 when there is no model.
    int ChooseModel(int registryDeviceType) const;
    // Empty when no model has this type.
    CString DeviceAttrOf(int deviceType) const;

    // Reads <appFolder>/device/<device_attr>.xml of the model. On any failure `out`
    // is left empty (no buttons, no factory keys, lighting off, no versions) and
    // false is returned. A device_attr that would leave the device folder is refused.
    bool LoadDescription(const CString& appFolder, int deviceType, ModelDescription& out) const;

    static bool IsSafeDeviceAttr(const CString& attr);

private:
    std::vector<DeviceModeEntry> m_models;
    std::vector<DeviceModeEntry> m_modes;
    AppInformation m_app;
};
