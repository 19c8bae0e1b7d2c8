#include "ButtonPackets.h"

#include <algorithm>

namespace codec {
namespace {

constexpr std::uint8_t kAssignCommand = 0x52;
constexpr std::uint8_t kReadMapCommand = 0x61;
constexpr std::uint8_t kReadButtonCommand = 0x62;
constexpr std::uint8_t kReadNameCommand = 0x63;

constexpr std::size_t kOutputAnswerSize = 64;

void DecodeFeatureMap(Bytes answer, std::vector<ButtonMapItem>& items) {
    auto add = [&](int button, std::size_t at) {
        ButtonMapItem item;
        item.button = button;
        item.code[0] = answer[at];
        items.push_back(item);
    };
    for (int button = 0; button <= 7; ++button) add(button, 2 + static_cast<std::size_t>(button));
    for (int button = 9; button <= 15; ++button) add(button, 35 + static_cast<std::size_t>(button - 9));
}

void DecodeOutputMap(Bytes answer, std::vector<ButtonMapItem>& items) {
    std::size_t end = std::min(answer.size(), kOutputAnswerSize);
    int count = answer[2];
    std::size_t at = 3;
    for (int n = 0; n < count; ++n) {
        if (at + 2 > end) break;
        int header = answer[at];
        std::size_t length = static_cast<std::size_t>(header >> 5);
        if (header > 0xDF || (header & 0x10) || at + 2 + length > end) break;
        ButtonMapItem item;
        item.button = header & 0x0F;
        item.code[0] = answer[at + 1];
        for (std::size_t i = 0; i < length && i < 6; ++i) item.code[i + 1] = answer[at + 2 + i];
        items.push_back(item);
        at += 2 + length;
    }
}

}  // namespace

Packet AssignButtonPacket(Dialect d, int button, const ButtonCode& code) {
    Packet packet = BulkPacket(d, kAssignCommand);
    packet.Set(2, ClampByte(button));
    packet.Copy(4, Bytes(code));
    return packet;
}

Packet RestoreButtonPacket(Dialect d, int button) {
    Packet packet = BulkPacket(d, kAssignCommand);
    packet.Set(2, ClampByte(button));
    return packet;
}

Packet ReadButtonMapRequest(Dialect d) { return BulkPacket(d, kReadMapCommand); }

Packet ReadButtonRequest(Dialect d, int button) {
    Packet packet = BulkPacket(d, kReadButtonCommand);
    packet.Set(2, ClampByte(button));
    return packet;
}

Packet ReadMacroNameRequest(Dialect d, int button) {
    Packet packet = BulkPacket(d, kReadNameCommand);
    packet.Set(2, ClampByte(button));
    return packet;
}

std::optional<std::vector<ButtonMapItem>> DecodeButtonMap(Dialect d, Bytes answer) {
    std::vector<ButtonMapItem> items;
    if (d == Dialect::kFeature) {
        if (!IsAnswer(d, answer, kFeatureBulkId, 42)) return std::nullopt;
        DecodeFeatureMap(answer, items);
    } else {
        if (!IsAnswer(d, answer, kOutputBulkId, 3)) return std::nullopt;
        DecodeOutputMap(answer, items);
    }
    return items;
}

bool DecodeButtonAnswer(Dialect d, Bytes answer, ButtonMapItem& item) {
    if (!IsAnswer(d, answer, BulkId(d), 11)) return false;
    for (std::size_t i = 0; i < 6; ++i) item.code[i + 1] = answer[5 + i];
    return true;
}

std::optional<KeyAssignment> AssignmentOfItem(const ButtonMapItem& item, int profile, const TextLookup& texts) {
    std::optional<ButtonFunction> function = DecodeButtonCode(Bytes(item.code));
    if (!function) return std::nullopt;
    KeyAssignment record;
    record.profile = profile;
    record.fn_layer = 0;
    record.key_code = item.button;
    record.macro_type = function->type;
    record.macro_value = function->value;
    record.macro_value2 = function->value2;
    record.macro_value3 = function->value3;
    record.macro_desc = DescribeButtonFunction(*function, texts);
    return record;
}

}  // namespace codec
