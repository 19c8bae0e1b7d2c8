#include "CatalogueTextIds.h"

#include <regex>

#include "Utf.h"

namespace {

std::string AsUtf8(const std::string& bytes) {
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return bytes;
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return utf::WideToUtf8(utf::Utf16ToWide(units));
}

}  // namespace

std::set<int> CatalogueTextIds(const std::string& fileBytes) {
    // Other attributes may end in "name" (device_name, ...): the name must stand alone.
    static const std::regex kAttribute(R"((^|[\s<])(name|func_desc)\s*=\s*["']\s*([0-9]{1,9})\s*["'])");
    std::set<int> ids;
    const std::string text = AsUtf8(fileBytes);
    for (std::sregex_iterator it(text.begin(), text.end(), kAttribute), end; it != end; ++it)
        ids.insert(std::stoi((*it)[3].str()));
    return ids;
}
