#pragma once
// Frames of the second chip family: byte 0 object (+0x40 routed to the mouse behind
// the receiver), byte 1 chunk, byte 2 0x80 + data length, byte 3 operation, data
// from byte 4, checksum in byte 63 (filled in by the transfer).
#include <cstddef>
#include <cstdint>

#include "NodicData.h"
#include "NodicExchange.h"

constexpr std::uint8_t kNodicRouteBit = 0x40;

// Builds a request in `frame` (64 bytes). A read sends `readLength` zero data bytes
// (1 or 2); a write sends `data`. False when the data do not fit (bytes 4..62).
bool BuildNodicRead(std::uint8_t* frame, int object, bool routed, int operation, int readLength = 1);
bool BuildNodicWrite(std::uint8_t* frame, int object, bool routed, int operation, const std::uint8_t* data,
                     std::size_t length, int chunk = 0);

// Answers are not refused for a bad checksum (the mice were never held to it); this
// only tells the trace.
bool NodicChecksumMatches(const std::uint8_t* frame);

// What an exchange brought back, as the decoders of the data areas read it; an
// answer that never came is empty.
nodic::Answer AnswerOfReply(const NodicReply& reply);
