#pragma once
// What the mouse says about its state: the status block (object 1, read after
// connecting), the receiver's own status answer, and the frames the mouse sends
// on its own, which carry the same status block. Every index is checked before
// it may be used; one out of range is left out and listed in `rejected`.
#include <optional>

#include "NodicData.h"
#include "Rejected.h"

namespace nodic {

inline constexpr int kProfiles = 5;
inline constexpr int kMaxLightSpeed = 4;
inline constexpr int kMaxLightLevel = 5;   // brightness as the mouse counts it
inline constexpr int kLightLevelScale = 51;  // 0-5 shown on the 0-255 scale of the page

struct MouseState {
    int battery = 0;  // percent (at most 100); 0 = no level
    bool charging = false;
    std::optional<int> highestRate;      // byte 5: highest rate code the mouse offers, 0-6
    std::optional<int> profile;          // byte 12 + 1: 1-5
    std::optional<int> dpiLevel;         // byte 13: 0-5
    std::optional<int> rateCode;         // byte 20: 0-6
    std::optional<int> lightMode;        // byte 21, as a lighting mode (every code names one)
    std::optional<int> lightSpeed;       // byte 23: 0-4
    std::optional<int> lightBrightness;  // byte 24: 0-5, given here on the 0-255 scale
    codec::Rejections rejected;
};

// Answer of the status read: valid with at least 17 data bytes. The lighting
// values are read only when the answer reaches them.
std::optional<MouseState> DecodeStatusBlock(const Answer& answer);

// Answer of the receiver-level status read (byte 0 = 0x01 over a receiver):
// whether the receiver's mouse is connected. Empty without a valid answer.
std::optional<bool> DecodeReceiverStatus(const Answer& answer);

struct Notification {
    std::optional<bool> receiverConnected;  // the receiver reported its mouse (dis)connected
    std::optional<MouseState> state;        // the mouse reported its state with a battery level
};

// One frame read while polling, from frame byte 0. `viaReceiver`: the active
// interface is a receiver (connection modes 1 and 3). Over a receiver a frame with
// byte 0 = 0x01 is the receiver's own status and only a routed one (0x41) carries
// the mouse's state; over the cable any frame of object 1 does (byte 0 & 0x3F = 1).
// A state needs at least 23 data bytes; with battery 0 it is not taken at all.
Notification DecodeNotification(Bytes frame, bool viaReceiver);

}  // namespace nodic
