#include "ProfileFile.h"

#include <climits>

#include "ImportReader.h"
#include "ImportedDocument.h"

namespace {

constexpr wchar_t kDeclaration[] = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// The performance values under <Mouse>, in their order, with what each can hold.
struct MouseValue {
    const wchar_t* key;
    IntRange range;
};
constexpr MouseValue kMouseValues[] = {
    {L"button_respondtime", {0, 20}},
    {L"report_rate", {0, 6}},       // up to 8000 Hz in either family's codes
    {L"sensor_flag", {0, 255}},     // the whole sensor byte, as the read-back stores it
    {L"liftoff_height", {0, 3}},    // the low two bits of that byte
    {L"scroll_flag", {1, 2}},
    {L"e-sports_flag", {0, 2}},     // 0 is the default, 1 off, 2 on
    {L"leftbtn_lock", {0, 1}},
};

constexpr IntRange kDpiFlag{0, 255};
constexpr IntRange kDpiIndex{0, 5};
constexpr IntRange kDpiCount{1, 6};  // the second family has a sixth level
constexpr IntRange kDpiValue{1, 65535};
constexpr IntRange kColour{0, 0xFFFFFF};

constexpr IntRange kKeyCode{0, 255};
constexpr IntRange kFunctionType{0, 9};
constexpr IntRange kParameter{0, 65535};
constexpr IntRange kMacroId{1, INT_MAX};
constexpr int kMacroFunction = 4;

constexpr IntRange kByte{0, 255};

// Export writes a setting the store does not hold as an empty value.
constexpr Absence kSetting = Absence::kEmptyAllowed;

CString Number(int value) { return CString(std::to_wstring(value)); }
CString Level(const wchar_t* pattern, int level) {
    std::wstring text(pattern);
    text.replace(text.find(L'#'), 1, std::to_wstring(level));
    return CString(text);
}
CString DpiX(int level) { return Level(L"dpi_x_group#_value", level); }
CString DpiY(int level) { return Level(L"dpi_y_group#_value", level); }
CString DpiColour(int level) { return Level(L"dpi_group#_rgb", level); }
CString DpiElement(int level) { return Level(L"DPI#", level + 1); }

CString ConfigText(const ProfileFileContent& content, const CString& key) {
    auto it = content.config.find(key);
    return it == content.config.end() ? CString() : it->second;
}

void ReadKeyItems(ImportReader& in, ProfileFileContent& content) {
    in.Enter();
    while (in.Find(L"item", true)) {
        std::optional<int> keyCode = in.Int(L"key_code", kKeyCode);
        std::optional<int> type = in.Int(L"macro_type", kFunctionType);
        std::optional<int> value = in.Int(L"macro_value", type == kMacroFunction ? kMacroId : kParameter);
        std::optional<int> value2 = in.Int(L"macro_value2", kParameter);
        std::optional<int> value3 = in.Int(L"macro_value3", kParameter);
        std::optional<CString> desc = in.Text(L"macro_desc");
        if (!keyCode || !type || !value || !value2 || !value3 || !desc) continue;
        KeyAssignment key;
        key.key_code = *keyCode;
        key.layout_value = 0;
        key.macro_type = *type;
        key.macro_value = *value;
        key.macro_value2 = *value2;
        key.macro_value3 = *value3;
        key.macro_desc = *desc;
        content.keys.push_back(key);
    }
    in.Leave();
}

void ReadLightItems(ImportReader& in, ProfileFileContent& content) {
    content.lightMode = in.Int(L"lightmode", kByte);
    in.Enter();
    while (in.Find(L"item", true)) {
        LightRecord light;
        int* const fields[] = {&light.mode, &light.brightness, &light.speed, &light.direction, &light.colorful, &light.colorindex};
        const wchar_t* const names[] = {L"light_mode", L"brightness", L"speed", L"direction", L"colorful", L"colorindex"};
        bool valid = true;
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            std::optional<int> v = in.Int(names[i], kByte);
            if (v) *fields[i] = *v;
            valid = valid && v.has_value();
        }
        std::optional<int> colour = in.Int(L"color_value", kColour);
        if (!valid || !colour) continue;
        light.color_value = *colour;
        content.lights.push_back(light);
    }
    in.Leave();
}

void Keep(ProfileFileContent& content, const CString& key, std::optional<int> value) {
    if (value) content.config[key] = Number(*value);
}

void ReadDpi(ImportReader& in, ProfileFileContent& content) {
    Keep(content, L"dpi_flag", in.Int(L"dpi_flag", kDpiFlag, kSetting));
    Keep(content, L"dpi_index", in.Int(L"dpi_index", kDpiIndex, kSetting));
    Keep(content, L"dpi_count", in.Int(L"dpi_count", kDpiCount, kSetting));
    in.Enter();
    for (int level = 0; level < kProfileFileDpiLevels; ++level) {
        if (!in.Find(DpiElement(level))) continue;
        std::optional<int> x = in.Int(L"value", kDpiValue, kSetting);
        std::optional<int> y = in.Int(L"value_y", kDpiValue, Absence::kAllowed);
        Keep(content, DpiX(level), x);
        Keep(content, DpiY(level), y ? y : x);
        Keep(content, DpiColour(level), in.Int(L"color", kColour, kSetting));
    }
    in.Leave();
}

void ReadMouse(ImportReader& in, ProfileFileContent& content) {
    in.Enter();
    for (const MouseValue& m : kMouseValues) {
        if (in.Find(m.key)) Keep(content, m.key, in.Int(L"value", m.range, kSetting));
    }
    in.Leave();
}

}  // namespace

const std::vector<CString>& ProfileFileConfigKeys() {
    static const std::vector<CString> keys = [] {
        std::vector<CString> k{L"dpi_flag", L"dpi_index", L"dpi_count"};
        for (int level = 0; level < kProfileFileDpiLevels; ++level) {
            k.push_back(DpiX(level));
            k.push_back(DpiColour(level));
            k.push_back(DpiY(level));
        }
        for (const MouseValue& m : kMouseValues) k.push_back(m.key);
        return k;
    }();
    return keys;
}

void BuildProfileDocument(const ProfileFileContent& content, XmlDocument& doc) {
    doc.SetDocumentText(kDeclaration);
    doc.AddElement(L"profile");
    doc.EnterElement();
    doc.AddElement(L"profileinfo");
    doc.SetAttribute(L"name", content.name);
    doc.EnterElement();

    doc.AddElement(L"keyitems");
    doc.EnterElement();
    for (const KeyAssignment& k : content.keys) {
        doc.AddElement(L"item");
        doc.SetAttribute(L"key_code", Number(k.key_code));
        doc.SetAttribute(L"macro_type", Number(k.macro_type));
        doc.SetAttribute(L"macro_value", Number(k.macro_value));
        doc.SetAttribute(L"macro_value2", Number(k.macro_value2));
        doc.SetAttribute(L"macro_value3", Number(k.macro_value3));
        doc.SetAttribute(L"macro_desc", k.macro_desc);
    }
    doc.LeaveElement();

    doc.AddElement(L"Lightitems");
    doc.SetAttribute(L"lightmode", Number(content.lightMode.value_or(0)));
    doc.EnterElement();
    for (const LightRecord& l : content.lights) {
        doc.AddElement(L"item");
        doc.SetAttribute(L"light_mode", Number(l.mode));
        doc.SetAttribute(L"brightness", Number(l.brightness));
        doc.SetAttribute(L"speed", Number(l.speed));
        doc.SetAttribute(L"direction", Number(l.direction));
        doc.SetAttribute(L"colorful", Number(l.colorful));
        doc.SetAttribute(L"colorindex", Number(l.colorindex));
        doc.SetAttribute(L"color_value", Number(l.color_value));
    }
    doc.LeaveElement();

    doc.AddElement(L"Mouse_DPI");
    for (const wchar_t* key : {L"dpi_flag", L"dpi_index", L"dpi_count"}) doc.SetAttribute(key, ConfigText(content, key));
    doc.EnterElement();
    for (int level = 0; level < kProfileFileDpiLevels; ++level) {
        doc.AddElement(DpiElement(level));
        doc.SetAttribute(L"value", ConfigText(content, DpiX(level)));
        doc.SetAttribute(L"color", ConfigText(content, DpiColour(level)));
        // Y is written only where it says something the other two do not.
        CString y = ConfigText(content, DpiY(level));
        if (!y.IsEmpty() && y != ConfigText(content, DpiX(level))) doc.SetAttribute(L"value_y", y);
    }
    doc.LeaveElement();

    doc.AddElement(L"Mouse");
    doc.EnterElement();
    for (const MouseValue& m : kMouseValues) {
        doc.AddElement(m.key);
        doc.SetAttribute(L"value", ConfigText(content, m.key));
    }
    doc.LeaveElement();

    doc.LeaveElement();
    doc.LeaveElement();
}

FileOutcome ReadProfileFile(const std::string& bytes, const CString& path, ProfileFileContent& content) {
    content = ProfileFileContent{};
    XmlDocument doc;
    FileOutcome outcome = LoadImportBytes(bytes, path, L"profile", doc);
    if (!outcome.Ok()) return outcome;
    ImportReader in(doc, outcome.skipped);
    in.Enter();
    if (!in.Find(L"profileinfo")) return FileOutcome::Failure(FileProblem::kMissingPart, path, L"profileinfo");
    if (std::optional<CString> name = in.Text(L"name")) content.name = *name;
    in.Enter();
    if (in.Find(L"keyitems")) ReadKeyItems(in, content);
    if (in.Find(L"Lightitems")) ReadLightItems(in, content);
    if (in.Find(L"Mouse_DPI")) ReadDpi(in, content);
    if (in.Find(L"Mouse")) ReadMouse(in, content);
    return outcome;
}
