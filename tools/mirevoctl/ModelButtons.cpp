#include "ModelButtons.h"

#include <cstdlib>
#include <map>

#include "File.h"
#include "LanguageFile.h"
#include "NameMatch.h"

namespace {

// The line's names are English whatever language the program shows.
constexpr const wchar_t* kEnglishFile = L"1033.lan";

std::map<int, CString> EnglishTexts(const CString& configFolder) {
    std::string bytes;
    if (!file::ReadAll(file::Join(file::Join(configFolder, L"language"), kEnglishFile), bytes)) return {};
    return language::ParseSection(bytes, CString(L"LAN"));
}

bool IsNumber(const std::string& word) {
    if (word.empty()) return false;
    for (char c : word)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::vector<ModelButton> ModelButtons(const DeviceCatalogue& catalogue, const CString& configFolder, int deviceType) {
    ModelDescription description;
    if (!catalogue.LoadDescription(configFolder, deviceType, description)) return {};
    std::map<int, CString> texts = EnglishTexts(configFolder);
    std::vector<ModelButton> buttons;
    for (const ButtonLayoutItem& item : description.buttons) {
        auto text = texts.find(item.name_id);
        if (text != texts.end() && !text->second.IsEmpty()) buttons.push_back({LineName(text->second), item.key_value});
    }
    return buttons;
}

std::vector<std::string> ButtonNames(const std::vector<ModelButton>& buttons) {
    std::vector<std::string> names;
    for (const ModelButton& b : buttons) names.push_back(b.name);
    return names;
}

ButtonWord ResolveButton(const std::vector<ModelButton>& buttons, const std::string& word, int& index, std::string& error) {
    if (IsNumber(word)) {
        long value = word.size() > 3 ? 256 : std::strtol(word.c_str(), nullptr, 10);
        if (value > 255) {
            error = "BUTTON is a button index 0-255 or a button's name";
            return ButtonWord::kBadNumber;
        }
        index = static_cast<int>(value);
        return ButtonWord::kFound;
    }
    std::string name = LowerCase(word);
    for (const ModelButton& b : buttons) {
        if (b.name == name) {
            index = b.index;
            return ButtonWord::kFound;
        }
    }
    std::vector<std::string> accepted = ButtonNames(buttons);
    accepted.push_back("a button index 0-255");
    error = UnknownName("button", word, accepted);
    return ButtonWord::kUnknownName;
}
