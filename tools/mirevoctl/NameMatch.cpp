#include "NameMatch.h"

#include <cctype>

#include "Utf.h"

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string LineName(const CString& label) {
    std::string name = LowerCase(utf::WideToUtf8(label.str()));
    for (char& c : name)
        if (c == ' ') c = '-';
    return name;
}

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    return list;
}

std::string UnknownName(const std::string& what, const std::string& given, const std::vector<std::string>& accepted) {
    return "unknown " + what + " '" + given + "'; accepted: " + NameList(accepted);
}
