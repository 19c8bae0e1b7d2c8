#pragma once
// The objects and operations of the second family. A request's byte 2 is 0x80
// plus its data length; the header itself is built by the frame code, the data
// areas by the block codecs of this folder.
#include <cstddef>
#include <cstdint>

namespace nodic {

// A read sends `requestLength` zero data bytes; its answer counts when it is
// valid with at least `minAnswer` data bytes.
struct ReadCommand {
    std::uint8_t object;
    std::uint8_t operation;
    std::size_t requestLength;
    int minAnswer;
};

// A write sends `length` data bytes. The mouse accepted it when its answer's
// byte 2 is `accepted`; 0 means the answer is not looked at.
struct WriteCommand {
    std::uint8_t object;
    std::uint8_t operation;
    std::size_t length;
    std::uint8_t accepted;

    constexpr std::uint8_t LengthByte() const { return static_cast<std::uint8_t>(0x80 | length); }
};

namespace command {

inline constexpr ReadCommand kVersion{0, 0, 1, 6};
// Byte 0 is always 0x01 (never routed): the receiver answers for its mouse.
inline constexpr ReadCommand kReceiverStatus{1, 1, 1, 1};
inline constexpr ReadCommand kStatus{1, 1, 1, 17};
inline constexpr ReadCommand kButtonTable{3, 1, 1, 48};
inline constexpr ReadCommand kSensorBlock{4, 1, 1, 11};
inline constexpr ReadCommand kSystemBlock{4, 3, 1, 6};
inline constexpr ReadCommand kLightingState{5, 1, 2, 3};

inline constexpr WriteCommand kProfile{2, 2, 2, 0x82};
// Declared as 49 bytes although the table is 48: the 49th goes as 0.
inline constexpr WriteCommand kButtonTableWrite{3, 2, 49, 0xB1};
inline constexpr WriteCommand kSensorWrite{4, 2, 53, 0xB5};
inline constexpr WriteCommand kSystemWrite{4, 4, 15, 0x8F};
inline constexpr WriteCommand kLightParameters{5, 4, 29, 0};
inline constexpr WriteCommand kLightMode{5, 5, 2, 0};
// Every chunk declares 59 bytes, the last one too; byte 1 carries the chunk index.
inline constexpr WriteCommand kMacroChunk{7, 2, 59, 0};
inline constexpr WriteCommand kRestoreButtons{9, 2, 2, 0x82};
// The mouse confirms a factory reset with 0x81, not with the 0x82 it was sent.
inline constexpr WriteCommand kFactoryReset{9, 0xFF, 2, 0x81};
// Sent after each task; only its confirmation is used.
inline constexpr WriteCommand kStateQuery{10, 1, 1, 0x81};

}  // namespace command
}  // namespace nodic
