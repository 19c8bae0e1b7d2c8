#include "MacroPackets.h"

#include <algorithm>

#include "MacroBody.h"

namespace codec {
namespace {

constexpr std::uint8_t kSingleCommand = 0x54;
constexpr std::uint8_t kFeatureChunkCommand = 0x55;
constexpr std::uint8_t kOutputChunkCommand = 0x71;

}  // namespace

Packet SingleMacroPacket(Dialect d, int button, Bytes body) {
    Packet packet = BulkPacket(d, kSingleCommand);
    int length = static_cast<int>(std::min(body.size(), kMacroChunkSize));
    packet.Set(2, ClampByte(button));
    if (d == Dialect::kOutput) {
        packet.SetLe16(4, length);
        packet.Copy(6, body.first(static_cast<std::size_t>(length)));
    } else {
        packet.Set(4, static_cast<std::uint8_t>(length));
        packet.Copy(5, body.first(static_cast<std::size_t>(length)));
    }
    return packet;
}

std::vector<Packet> FeatureMacroChunks(int button, Bytes body) {
    std::vector<Packet> chunks;
    for (std::size_t offset = 0; offset < body.size(); offset += kMacroChunkSize) {
        std::size_t length = std::min(kMacroChunkSize, body.size() - offset);
        bool more = offset + length < body.size();
        Packet packet = BulkPacket(Dialect::kFeature, kFeatureChunkCommand);
        packet.Set(2, ClampByte(button));
        packet.Set(3, more ? 1 : 0);
        packet.SetLe16(4, static_cast<int>(offset));
        packet.Set(6, static_cast<std::uint8_t>(length));
        packet.Copy(7, body.subspan(offset, length));
        chunks.push_back(packet);
    }
    return chunks;
}

std::vector<Packet> OutputMacroChunks(int button, Bytes body) {
    std::vector<std::uint8_t> stream = {
        kSingleCommand, ClampByte(button), 0,
        static_cast<std::uint8_t>(body.size() & 0xFF), static_cast<std::uint8_t>((body.size() >> 8) & 0xFF)};
    stream.insert(stream.end(), body.begin(), body.end());

    std::vector<Packet> chunks;
    std::size_t count = stream.size() / kMacroChunkSize + 1;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t offset = i * kMacroChunkSize;
        std::size_t length = std::min(kMacroChunkSize, stream.size() - offset);
        bool last = i + 1 == count;
        Packet packet = BulkPacket(Dialect::kOutput, kOutputChunkCommand);
        packet.Set(2, static_cast<std::uint8_t>(i * 4 + (last ? 2 : 3)));
        packet.Set(3, static_cast<std::uint8_t>(length));
        packet.Copy(4, Bytes(stream).subspan(offset, length));
        chunks.push_back(packet);
    }
    return chunks;
}

std::vector<Packet> MacroBodyPackets(Dialect d, int button, Bytes body) {
    if (body.size() > kMacroAreaSize) return {};
    if (body.size() <= kMacroChunkSize) return {SingleMacroPacket(d, button, body)};
    return d == Dialect::kOutput ? OutputMacroChunks(button, body) : FeatureMacroChunks(button, body);
}

}  // namespace codec
