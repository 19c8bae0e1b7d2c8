#pragma once
// The packets that carry a macro body to a button. A body of up to 58 bytes (13
// events) travels in one 0x54 packet; a longer one in 58-byte chunks, framed
// differently by the two dialects.
#include <vector>

#include "Packet.h"

namespace codec {

inline constexpr std::size_t kMacroChunkSize = 58;

// All packets of one upload in sending order; empty for a body larger than the
// mouse's 1024-byte macro area.
std::vector<Packet> MacroBodyPackets(Dialect d, int button, Bytes body);

// 0x52 0x54: byte 2 button, byte 4 length, body from byte 5.
// 0xB3 0x54: byte 2 button, bytes 4-5 length, body from byte 6.
Packet SingleMacroPacket(Dialect d, int button, Bytes body);

// 0x52 0x55 per chunk: byte 2 button, byte 3 = 1 while more follow, bytes 4-5 the
// chunk's offset in the body, byte 6 its length, the chunk from byte 7.
std::vector<Packet> FeatureMacroChunks(int button, Bytes body);

// 0xB3 0x71: the single-packet form without its report id (0x54, button, 0,
// length, body) cut into floor(size / 58) + 1 chunks; byte 2 = i * 4 + 3 while
// more follow and i * 4 + 2 for the last, byte 3 the chunk's length (the last
// may be 0), the chunk from byte 4.
std::vector<Packet> OutputMacroChunks(int button, Bytes body);

}  // namespace codec
