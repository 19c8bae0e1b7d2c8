#include "DeviceCatalogue.h"

#include <climits>

#include "File.h"
#include "XmlDocument.h"

namespace {

// Leading decimal digits with an optional sign, as the catalogue has always been
// read: "12abc" is 12, an absent or non-numeric value is 0. Saturates instead of
// overflowing.
int ParseDecimal(const CString& text) {
    const std::wstring& s = text.str();
    std::size_t p = 0;
    while (p < s.size() && (s[p] == L' ' || s[p] == L'\t')) ++p;
    bool negative = p < s.size() && s[p] == L'-';
    if (p < s.size() && (s[p] == L'-' || s[p] == L'+')) ++p;
    long long value = 0;
    for (; p < s.size() && s[p] >= L'0' && s[p] <= L'9'; ++p) {
        value = value * 10 + (s[p] - L'0');
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int HexDigit(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    return -1;
}

// Hexadecimal with an optional 0x prefix: "248A" and "0x248A" are both 0x248A.
int ParseHex(const CString& text) {
    const std::wstring& s = text.str();
    std::size_t p = 0;
    while (p < s.size() && (s[p] == L' ' || s[p] == L'\t')) ++p;
    if (p + 1 < s.size() && s[p] == L'0' && (s[p + 1] == L'x' || s[p + 1] == L'X')) p += 2;
    long long value = 0;
    for (; p < s.size() && HexDigit(s[p]) >= 0; ++p) {
        value = value * 16 + HexDigit(s[p]);
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    return static_cast<int>(value);
}

// "a#b#c" as in the description files: without '#' the one number is c; with one
// '#' it is a#c.
void ParseRect(const CString& text, int& a, int& b, int& c) {
    a = b = c = 0;
    int first = text.Find(L'#');
    if (first < 0) {
        c = ParseDecimal(text);
        return;
    }
    a = ParseDecimal(text.Left(first));
    CString rest = text.Mid(first + 1);
    int second = rest.Find(L'#');
    if (second < 0) {
        c = ParseDecimal(rest);
        return;
    }
    b = ParseDecimal(rest.Left(second));
    c = ParseDecimal(rest.Mid(second + 1));
}

CString Picture(const CString& name) {
    if (name.IsEmpty() || !DeviceCatalogue::IsSafeDeviceAttr(name)) return CString();
    return file::Join(L"device", name);
}

void ReadMouse(XmlDocument& doc, std::vector<DeviceModeEntry>& models, std::vector<DeviceModeEntry>& modes) {
    DeviceModeEntry entry;
    entry.name = doc.GetAttribute(L"name");
    entry.device_type = ParseDecimal(doc.GetAttribute(L"device_type"));
    entry.device_attr = doc.GetAttribute(L"device_attr");
    models.push_back(entry);
    doc.EnterElement();
    while (doc.FindNextElement(L"mode")) {
        entry.mode_value = ParseDecimal(doc.GetAttribute(L"value"));
        entry.desc = doc.GetAttribute(L"desc");
        entry.vid = ParseHex(doc.GetAttribute(L"vid"));
        entry.pid = ParseHex(doc.GetAttribute(L"pid"));
        entry.hid_interface = doc.GetAttribute(L"hid_interface");
        modes.push_back(entry);
    }
    doc.LeaveElement();
}

// The elements are searched for in this order, each search starting after the
// element found last, so a file that swaps two of them loses the second.
void ReadSoftware(XmlDocument& doc, AppInformation& app) {
    app.caption = doc.GetAttribute(L"caption");
    app.version = doc.GetAttribute(L"version");
    doc.EnterElement();
    if (doc.FindNextElement(L"website")) app.website = doc.GetAttribute(L"url");
    if (doc.FindNextElement(L"store")) app.store = doc.GetAttribute(L"url");
    if (doc.FindNextElement(L"upgrade")) app.upgrade = doc.GetAttribute(L"url");
    if (doc.FindNextElement(L"copyright")) app.copyright = doc.GetAttribute(L"info");
    doc.LeaveElement();
}

void ReadKey(XmlDocument& doc, ModelDescription& out) {
    CString name = doc.GetAttribute(L"name");
    CString funcDesc = doc.GetAttribute(L"func_desc");
    ButtonLayoutItem item;
    item.name_id = ParseDecimal(name);
    item.key_value = ParseDecimal(doc.GetAttribute(L"key_value"));
    item.direction = ParseDecimal(doc.GetAttribute(L"direction"));
    int a = 0, b = 0, c = 0;
    ParseRect(doc.GetAttribute(L"rect"), a, b, c);
    item.leader_from = CPoint(a, c);
    item.leader_to = CPoint(b, c);
    item.func_desc_id = ParseDecimal(funcDesc);
    out.buttons.push_back(item);

    KeyAssignment record;
    record.key_code = item.key_value;
    record.layout_value = item.key_value;
    record.layout_desc = name;
    record.macro_type = ParseDecimal(doc.GetAttribute(L"func_type"));
    record.macro_value = ParseDecimal(doc.GetAttribute(L"func_value"));
    record.macro_desc = funcDesc;
    out.factory_keys.push_back(record);
}

}  // namespace

bool DeviceCatalogue::LoadConfig(const CString& appFolder) {
    m_models.clear();
    m_modes.clear();
    m_app = AppInformation();
    XmlDocument doc;
    if (!doc.LoadFromFile(file::Join(appFolder, L"config.xml"))) return false;
    if (!doc.FindNextElement(L"config")) return false;
    doc.EnterElement();
    if (doc.FindNextElement(L"device")) {
        doc.EnterElement();
        while (doc.FindNextElement(L"mouse")) ReadMouse(doc, m_models, m_modes);
        doc.LeaveElement();
    }
    if (doc.FindNextElement(L"software")) ReadSoftware(doc, m_app);
    return true;
}

std::vector<DeviceModeEntry> DeviceCatalogue::ModesOf(int deviceType) const {
    std::vector<DeviceModeEntry> modes;
    for (const DeviceModeEntry& e : m_modes) {
        if (e.device_type == deviceType) modes.push_back(e);
    }
    return modes;
}

int DeviceCatalogue::ChooseModel(int registryDeviceType) const {
    for (const DeviceModeEntry& e : m_models) {
        if (e.device_type == registryDeviceType) return e.device_type;
    }
    return m_models.empty() ? 0 : m_models.front().device_type;
}

CString DeviceCatalogue::DeviceAttrOf(int deviceType) const {
    for (const DeviceModeEntry& e : m_models) {
        if (e.device_type == deviceType) return e.device_attr;
    }
    return CString();
}

bool DeviceCatalogue::IsSafeDeviceAttr(const CString& attr) {
    if (attr.IsEmpty() || attr.Find(L"..") >= 0) return false;
    for (wchar_t ch : attr.str()) {
        // ':' would name a drive or an alternate data stream on Windows.
        if (ch == L'\\' || ch == L'/' || ch == L':' || ch == L'\0') return false;
    }
    return true;
}

bool DeviceCatalogue::LoadDescription(const CString& appFolder, int deviceType, ModelDescription& out) const {
    // A model whose description does not load shows nothing of the model before it.
    out = ModelDescription();
    CString attr = DeviceAttrOf(deviceType);
    if (!IsSafeDeviceAttr(attr)) return false;
    XmlDocument doc;
    CString path = file::Join(file::Join(appFolder, L"device"), attr + L".xml");
    if (!doc.LoadFromFile(path) || !doc.FindNextElement(L"mouse")) return false;
    doc.EnterElement();
    if (doc.FindNextElement(L"image_file")) {
        out.home_img = Picture(doc.GetAttribute(L"home_img"));
        out.mouse_img = Picture(doc.GetAttribute(L"mouse_img"));
    }
    if (doc.FindNextElement(L"menu")) out.light = ParseDecimal(doc.GetAttribute(L"light")) == 1;
    if (doc.FindNextElement(L"mousefirmware")) out.mouse_firmware = doc.GetAttribute(L"version");
    if (doc.FindNextElement(L"donglefirmware")) out.dongle_firmware = doc.GetAttribute(L"version");
    if (doc.FindNextElement(L"mouse_key")) {
        doc.EnterElement();
        while (doc.FindNextElement(L"key")) ReadKey(doc, out);
        doc.LeaveElement();
    }
    return true;
}
