#pragma once
// One JSON object, built field by field, as --json prints a command's result.
#include <string>
#include <vector>

#include "CString.h"

class JsonObject {
public:
    JsonObject& Number(const std::string& key, long long value);
    JsonObject& Bool(const std::string& key, bool value);
    // Texts from files, the store or the mouse: control characters escaped.
    JsonObject& Text(const std::string& key, const CString& text);
    JsonObject& Text(const std::string& key, const std::string& utf8);
    // An object or array already in JSON.
    JsonObject& Raw(const std::string& key, const std::string& json);

    std::string Json() const { return "{" + m_body + "}"; }
    // The object and a line break on stdout.
    void Print() const;

private:
    JsonObject& Add(const std::string& key, const std::string& json);
    std::string m_body;
};

// "[a, b]" from items already in JSON.
std::string JsonArray(const std::vector<std::string>& items);
// "["a", "b"]" from UTF-8 texts.
std::string JsonTextArray(const std::vector<std::string>& texts);
