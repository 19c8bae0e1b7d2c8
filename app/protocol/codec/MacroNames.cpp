#include "MacroNames.h"

namespace codec {
namespace {

constexpr std::uint8_t kNameCommand = 0x53;
constexpr std::size_t kNameStart = 4;
const wchar_t kEnglishPrefix[] = L"Custom";
const wchar_t kChinesePrefix[] = L"\u81EA\u5B9A\u4E49";

const NameCodePage& PageOf(const MacroNaming& naming) {
    return naming.codePage ? *naming.codePage : SystemCodePage();
}

bool StartsWith(const CString& text, const wchar_t* prefix) {
    return text.str().rfind(prefix, 0) == 0;
}

std::string WireName(Dialect d, const CString& name, const MacroNaming& naming) {
    return EncodeName(LocaliseMacroName(name, naming).str(), NameLimit(d), PageOf(naming));
}

}  // namespace

std::size_t NameLimit(Dialect d) {
    return d == Dialect::kOutput ? kOutputPayloadEnd - kNameStart : kLongLength - kNameStart;
}

CString LocaliseMacroName(const CString& name, const MacroNaming& naming) {
    // Without the language's word there is nothing to put in place of the prefix.
    if (naming.defaultWord.IsEmpty()) return name;
    if (naming.language == kLanguageSecond && StartsWith(name, kEnglishPrefix)) {
        return naming.defaultWord + name.Mid(static_cast<int>(std::size(kEnglishPrefix) - 1));
    }
    if (naming.language == kLanguageEnglish && StartsWith(name, kChinesePrefix)) {
        return naming.defaultWord + name.Mid(static_cast<int>(std::size(kChinesePrefix) - 1));
    }
    return name;
}

Packet MacroNamePacket(Dialect d, int button, const CString& name, const MacroNaming& naming) {
    Packet packet = BulkPacket(d, kNameCommand);
    std::string bytes = WireName(d, name, naming);
    packet.Set(2, ClampByte(button));
    packet.Set(3, static_cast<std::uint8_t>(bytes.size()));
    packet.Copy(kNameStart, Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    return packet;
}

std::optional<CString> DecodeMacroNameAnswer(Dialect d, Bytes answer, const MacroNaming& naming) {
    if (!IsAnswer(d, answer, BulkId(d), kNameStart)) return std::nullopt;
    std::size_t length = answer[3];
    if (length > NameLimit(d) || kNameStart + length > answer.size()) return std::nullopt;
    Bytes name = answer.subspan(kNameStart, length);
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == 0) {
            name = name.first(i);
            break;
        }
    }
    return LocaliseMacroName(CString(PageOf(naming).Decode(name)), naming);
}

const MacroHeader* FindMacroByName(Dialect d, const CString& nameOnMouse, std::span<const MacroHeader> macros,
                                   const MacroNaming& naming) {
    if (nameOnMouse.IsEmpty()) return nullptr;
    std::string wanted = WireName(d, nameOnMouse, naming);
    for (const MacroHeader& macro : macros) {
        if (WireName(d, macro.name, naming) == wanted) return &macro;
    }
    return nullptr;
}

}  // namespace codec
