#include "JsonObject.h"

#include <cstdio>

#include "TerminalText.h"
#include "Utf.h"

JsonObject& JsonObject::Add(const std::string& key, const std::string& json) {
    if (!m_body.empty()) m_body += ", ";
    m_body += JsonText(CString(utf::Utf8ToWide(key))) + ": " + json;
    return *this;
}

JsonObject& JsonObject::Number(const std::string& key, long long value) { return Add(key, std::to_string(value)); }

JsonObject& JsonObject::Bool(const std::string& key, bool value) { return Add(key, value ? "true" : "false"); }

JsonObject& JsonObject::Text(const std::string& key, const CString& text) { return Add(key, JsonText(text)); }

JsonObject& JsonObject::Text(const std::string& key, const std::string& utf8) {
    return Add(key, JsonText(CString(utf::Utf8ToWide(utf8))));
}

JsonObject& JsonObject::Raw(const std::string& key, const std::string& json) { return Add(key, json); }

void JsonObject::Print() const { std::printf("%s\n", Json().c_str()); }

std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out + "]";
}

std::string JsonTextArray(const std::vector<std::string>& texts) {
    std::vector<std::string> items;
    for (const std::string& text : texts) items.push_back(JsonText(CString(utf::Utf8ToWide(text))));
    return JsonArray(items);
}
