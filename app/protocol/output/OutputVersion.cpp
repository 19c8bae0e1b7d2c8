#include "OutputVersion.h"

#include <algorithm>

#include "NameCodePage.h"

namespace {

struct TextField {
    std::size_t at;       // the length byte
    std::size_t longest;  // what fits before the next field or the report's end
};
constexpr TextField kFields[3] = {{2, 19}, {22, 19}, {42, 21}};
constexpr std::size_t kAnswerSize = 64;

CString DecodeField(std::span<const std::uint8_t> answer, const TextField& field) {
    if (answer.size() <= field.at) return CString();
    std::size_t room = answer.size() - field.at - 1;
    std::size_t length = std::min<std::size_t>({answer[field.at], field.longest, room});
    auto text = answer.subspan(field.at + 1, length);
    auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return CString(codec::SystemCodePage().Decode(text.first(static_cast<std::size_t>(end - text.begin()))).c_str());
}

}  // namespace

std::array<CString, 3> DecodeOutputVersions(std::span<const std::uint8_t> answer) {
    return {DecodeField(answer, kFields[0]), DecodeField(answer, kFields[1]), DecodeField(answer, kFields[2])};
}

FirmwareVersions ShowOutputVersions(OutputDialect& dialect, int connectMode) {
    FirmwareVersions v;
    std::uint8_t packet[kAnswerSize] = {0xB5, 0x04};
    if (!dialect.Read(packet)) return v;
    std::array<CString, 3> texts = DecodeOutputVersions(packet);
    if (connectMode == 1 || connectMode == 3 || connectMode == 4) {
        v.mouse = texts[2];
        v.receiver = texts[0];
    } else {
        v.mouse = texts[0];
    }
    return v;
}
